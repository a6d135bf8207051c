#include "app/ActionChoice.h"

#include <algorithm>
#include <string>

#include "app/StartMode.h"

#include "settings/Actions.h"
#include "settings/Keys.h"
#include "settings/SettingsStore.h"
#include "ui/Control.h"

namespace tarnix {

void FillActionList(ui::Control& list, SettingsStore& settings) {
  for (int code = 0; code < kActionCount; ++code)
    list.AddItem(settings.GetSetting(keys::kAktionen, std::to_wstring(code), L""));
}

int ChosenActionCode(const ui::Control& list) {
  const int code = list.ListIndex();
  return code < 0 || code >= kActionCount ? kBlackScreen : code;
}

void ToggleBox(ui::Control& box) { box.SetValue(box.Value() == 0 ? 1 : 0); }

std::vector<int> WarningChoices(const std::wstring& stored) {
  std::vector<int> choices = {0, 15, 30, 60};
  const std::optional<int> own = WarningSecondsFromText(stored);
  if (own && std::find(choices.begin(), choices.end(), *own) == choices.end())
    choices.insert(std::upper_bound(choices.begin(), choices.end(), *own), *own);
  return choices;
}

std::wstring WarningChoiceText(int seconds, Language language) {
  return seconds == 0 ? Text(TextId::NoWarning, language) : SecondsText(seconds, language);
}

void FillWarningList(ui::Control& list, const std::vector<int>& choices, const std::wstring& stored,
                     Language language) {
  for (int seconds : choices) list.AddItem(WarningChoiceText(seconds, language));
  const int selected = WarningSecondsOrDefault(stored);
  const auto at = std::find(choices.begin(), choices.end(), selected);
  list.SetListIndex(at == choices.end() ? -1 : int(at - choices.begin()));
}

void KeepOrWriteDefaultWarning(SettingsStore& settings) {
  if (!WarningSecondsFromText(settings.GetSetting(keys::kEinstellungen, keys::kWarnung, L"")))
    settings.SaveSetting(keys::kEinstellungen, keys::kWarnung, std::to_wstring(kDefaultWarningSeconds));
}

}  // namespace tarnix
