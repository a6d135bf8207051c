// What the options dialog and the setup's action page share: the list of
// actions, the code stored from it, and the thunder box beside its label.
#pragma once

namespace tarnix {

class SettingsStore;
namespace ui {
class Control;
}  // namespace ui

// Adds the stored action names in the order of their codes.
void FillActionList(ui::Control& list, SettingsStore& settings);

// The code to store for the list's choice: the black screen when nothing or
// something out of range is chosen, never a code the saver cannot run.
int ChosenActionCode(const ui::Control& list);

// A click on a box's label: a cleared box is ticked, any other is cleared.
void ToggleBox(ui::Control& box);

}  // namespace tarnix
