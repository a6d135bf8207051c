// The start-up rules: which face of the program a command line asks for.
#pragma once
#include <optional>
#include <string>

#include "settings/Actions.h"

namespace tarnix {

enum class StartMode {
  Setup,
  InstallFiles,  // the setup's elevated helper: the two copies and the entry
  Preview,
  Configure,
  PasswordChange,
  Run,
  Uninstall,     // "/u", from the installed programs' entry
  RemoveFiles,   // the removal's elevated helper
  RemoveAfter,   // the removal's copy in the temporary folder
  None
};

// The name the installed screen saver carries, letter case not significant:
// Windows may start it by its short name in capitals.
inline constexpr const wchar_t* kSaverName = L"Tarnix";

// File name without folder.
std::wstring FileNameOfPath(const std::wstring& path);
// File name without folder and without its last extension.
std::wstring ExeNameFromPath(const std::wstring& path);
// Folder of a path; a drive root keeps its backslash ("C:\").
std::wstring FolderOfPath(const std::wstring& path);

// First two characters of the arguments, upper-cased.
std::wstring FormSwitch(const std::wstring& arguments);

StartMode ChooseMode(const std::wstring& exeName, const std::wstring& arguments);

// The stored action code as the run mode reads it: a number that is exactly one
// of 0 to 6 names an action; any other text (empty, not numeric, out of range)
// names none.
std::optional<int> ActionCodeFromText(const std::wstring& stored);

// The warning before an action, in whole seconds: 0 (none) to 600.
inline constexpr int kDefaultWarningSeconds = 15;
inline constexpr int kMaxWarningSeconds = 600;
// The stored warning time, read as the action code is; nullopt when it is not
// a whole number of seconds in range.
std::optional<int> WarningSecondsFromText(const std::wstring& stored);
// The same, with the default for a missing or invalid value.
int WarningSecondsOrDefault(const std::wstring& stored);

// What the run mode does with the stored code and warning time.
enum class RunFace {
  DesignState,  // no valid action
  BlackScreen,
  ActNow,       // the action at once: no warning asked for, or one that loses nothing
  Warn,         // a countdown first, that any input cancels
};
RunFace ChooseRunFace(std::optional<int> code, int warningSeconds);
// Whether an action ends the user's session or the computer's run: turn off,
// restart, hibernate, stand by and log off.
bool ActionLosesSession(int code);

}  // namespace tarnix
