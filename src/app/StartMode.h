// The start-up rules: which face of the program a command line asks for.
#pragma once
#include <optional>
#include <string>

#include "settings/Actions.h"

namespace tarnix {

enum class StartMode { Setup, InstallFiles, Preview, Configure, PasswordChange, Run, None };

// The name the installed screen saver must carry, letter case significant.
inline constexpr const wchar_t* kSaverName = L"Tarnix";

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

}  // namespace tarnix
