// Shared routines: the three paths, the six actions, and the one orderly way out.
#pragma once
#include <string>

namespace tarnix {

class App;
class Platform;
namespace ui {
class Control;
class Form;
}  // namespace ui

struct Paths {
  std::wstring AppPath;  // program folder, ending in "\"
  std::wstring WinPath;  // the "WinDir" folder, ending in "\"
  std::wstring ExeFile;  // program file name with an extension
};

// exeFolder as the platform reports it, exeName without folder and extension.
Paths ComputePaths(const std::wstring& exeFolder, const std::wstring& exeName,
                   const std::wstring& winDir);
void InitPaths(App& app);

// A program and its arguments; the command line quotes the program so that a
// folder with a blank cannot start another program.
struct ActionCommand {
  std::wstring program;
  std::wstring arguments;
  std::wstring CommandLine() const;
};

// Codes 0 to 5; the black screen (6) is no command.
ActionCommand CommandForAction(int code, const Paths& paths);

// Starts the action's command minimised and ends the program. Returns (false)
// only when the command could not be started; EndProgram is then not called.
bool DoAction(App& app, int code);
bool DoShutDown(App& app);
bool DoRestart(App& app);
bool DoHibernate(App& app);
bool DoStandBy(App& app);
bool DoLogOff(App& app);
bool DoLockWorkstation(App& app);

// The Display control panel's screen-saver tab.
inline constexpr int kScreenSaverTab = 1;

// Opens the Display control panel on a tab (1: the screen saver's), minimised,
// without waiting. A tab below 0 or above 3 becomes 3, in the caller's variable
// too. False when the control panel could not be started.
bool OpenDisplayProperties(App& app, int& tab);
// The program and arguments that do it on a Windows of that major version:
// the system's own rundll32, never one found first in the setup's folder.
ActionCommand DisplayPropertiesCommand(const Paths& paths, int tab, long osMajor);

// Centres the window on the screen, gives it the picture box's size and cuts
// it to the picture's shape (RegionFromPicture).
void ShapeFormToPicture(Platform& platform, ui::Control& picture, ui::Form& form);

// The window's opacity: the level's low 8 bits, the window made layered first
// (the host's MakeLayered). Nothing below Windows 5.
void SetFormAlpha(App& app, ui::Form& form, int level);

// Unloads the four windows in order and ends the process; never returns.
[[noreturn]] void EndProgram(App& app);

}  // namespace tarnix
