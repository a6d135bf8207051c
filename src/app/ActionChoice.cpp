#include "app/ActionChoice.h"

#include <string>

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

}  // namespace tarnix
