#include "app/ActionChoice.h"

#include <algorithm>
#include <string>

#include "app/StartMode.h"
#include "settings/Actions.h"
#include "settings/Keys.h"
#include "settings/LanguageTables.h"
#include "settings/SettingsStore.h"
#include "ui/Control.h"

namespace tarnix {

void FillActionList(ui::Control& list, SettingsStore& settings, Language language) {
  for (int code = 0; code < kActionCount; ++code)
    list.AddItem(StoredText(settings, keys::kAktionen, std::to_wstring(code), language));
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

void FillWarningList(ui::Control& list, const std::vector<int>& choices, const std::wstring& stored,
                     Language language) {
  for (int seconds : choices)
    list.AddItem(seconds == 0 ? std::wstring(Text(TextId::NoWarning, language)) : SecondsText(seconds, language));
  const int selected = WarningSecondsOrDefault(stored);
  const auto at = std::find(choices.begin(), choices.end(), selected);
  list.SetListIndex(at == choices.end() ? -1 : int(at - choices.begin()));
}

namespace {
// Passes on only the writes of entries the store does not hold yet.
class KeepWhatIsThere : public SettingsStore {
 public:
  explicit KeepWhatIsThere(SettingsStore& store) : store_(store) {}
  std::wstring GetSetting(const std::wstring& s, const std::wstring& k, const std::wstring& d) override {
    return store_.GetSetting(s, k, d);
  }
  bool HasSetting(const std::wstring& s, const std::wstring& k) override { return store_.HasSetting(s, k); }
  bool Exists() override { return store_.Exists(); }
  bool DeleteAll() override { return false; }  // it keeps what is there
  void SaveSetting(const std::wstring& s, const std::wstring& k, const std::wstring& v) override {
    if (!store_.HasSetting(s, k)) store_.SaveSetting(s, k, v);
  }

 private:
  SettingsStore& store_;
};
}  // namespace

void WriteSettingsForNewAccount(SettingsStore& settings, Language language) {
  KeepWhatIsThere store(settings);
  store.SaveSetting(keys::kEinstellungen, keys::kAlpha, L"0");
  WriteLanguageTables(store, language);
  KeepOrWriteDefaultWarning(store);
}

void KeepOrWriteDefaultWarning(SettingsStore& settings) {
  if (!WarningSecondsFromText(settings.GetSetting(keys::kEinstellungen, keys::kWarnung, L"")))
    settings.SaveSetting(keys::kEinstellungen, keys::kWarnung, std::to_wstring(kDefaultWarningSeconds));
}

}  // namespace tarnix
