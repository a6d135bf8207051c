// What the options dialog and the setup's action page share: the list of
// actions, the code stored from it, the thunder box beside its label, and the
// warning time.
#pragma once
#include <string>
#include <vector>

#include "base/Texts.h"

namespace tarnix {

class SettingsStore;
namespace ui {
class Control;
}  // namespace ui

// Adds the stored action names in the order of their codes; where one is
// missing, the program's own in the language.
void FillActionList(ui::Control& list, SettingsStore& settings, Language language);

// The code to store for the list's choice: the black screen when nothing or
// something out of range is chosen, never a code the saver cannot run.
int ChosenActionCode(const ui::Control& list);

// A click on a box's label: a cleared box is ticked, any other is cleared.
void ToggleBox(ui::Control& box);

// The warning times the options dialog offers, in seconds and in order: none,
// 15, 30 and 60, and a valid stored time that is none of them.
std::vector<int> WarningChoices(const std::wstring& stored);
// Fills the list with the choices ("No warning", "1 second", "45 seconds") and selects the stored time (the default
// when none is stored).
void FillWarningList(ui::Control& list, const std::vector<int>& choices, const std::wstring& stored,
                     Language language);

// For an account whose store holds no texts: what the setup's install step
// would write, the tables in the language, the thunder box off and the
// default warning, leaving every entry the store holds as it is.
void WriteSettingsForNewAccount(SettingsStore& settings, Language language);

// Writes the default warning time where the store holds no valid one, and
// keeps one the user chose.
void KeepOrWriteDefaultWarning(SettingsStore& settings);

}  // namespace tarnix
