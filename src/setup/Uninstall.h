// Removing the program: "Tarnix.scr /u", the entry in Windows' installed
// programs that starts it, and the two helpers it needs. The user's part (the
// profile's saver, the settings store) stays with the user who runs it; the
// machine's part (the two files and the entry) runs elevated where the
// Windows folder needs it, as the install's copies do.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace tarnix {

class App;
class SettingsStore;
struct Paths;

inline constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarnix";
// The elevated helper, under the saver's name: the machine's part only.
inline constexpr wchar_t kRemoveFilesSwitch[] = L"/remove-files";
// The copy in the temporary folder that removes the saver once it no longer runs.
inline constexpr wchar_t kRemoveAfterSwitch[] = L"/remove-after";
// How long that copy waits for the programs that run the saver to end: the
// removal's own last message stays until the user closes it.
inline constexpr unsigned kRemoverWaitMs = 10 * 60 * 1000;

// Exit codes of the removal: 0 when everything is gone, else one bit for
// each thing that is left, or what kept it from starting.
inline constexpr int kLeftCompanion = 1;
inline constexpr int kLeftSaver = 2;
inline constexpr int kLeftEntry = 4;
inline constexpr int kLeftUserSettings = 8;  // the store, or the profile's saver
inline constexpr int kUninstallDeclined = 16;
inline constexpr int kNothingInstalled = 32;
inline constexpr int kLeftMachinePart = kLeftCompanion | kLeftSaver | kLeftEntry;

// The entry's values for the installed saver; installedBytes is the two files' size.
std::vector<RegistryValue> UninstallEntryValues(const Paths& paths, const VersionInfo& version,
                                                uint64_t installedBytes);

// Where a saver that still runs is moved, in the Windows folder, until it is
// deleted: "Tarnix-removed-N.tmp".
std::wstring SaverAsidePath(const Paths& paths, unsigned stamp);

// "/u /q": removal without a question or a message.
bool IsQuietUninstall(const std::wstring& arguments);
bool IsRemoveFilesRequest(const std::wstring& arguments);
// The saver a remover's arguments name: a full path to a file called
// Tarnix.scr, or to the saver moved aside (Tarnix-removed-N.tmp), in quotes or
// not; nothing for anything else.
std::optional<std::wstring> RemoveAfterTarget(const std::wstring& arguments);
// Whether the profile's screen saver entry names this saver, by its file name.
bool ProfileNamesSaver(const std::wstring& entry);

// What is there to remove for the machine: either file or the entry.
bool HasMachinePart(Platform& platform, const Paths& paths);
// The companion, then the saver, then the entry: while one stays, so do those
// after it, and a later removal finds them. A saver that a program still runs
// (this one) is moved aside and left to a copy of the program in the
// temporary folder, which deletes it once it is free; where it cannot be
// moved, that copy removes it and then the entry. kNothingInstalled when
// there was nothing.
int RemoveMachinePart(Platform& platform, const Paths& paths);
// That copy's run.
int RunRemover(Platform& platform, const std::wstring& arguments);
// The profile's saver when it is this one (cleared, and the screen saver
// turned off) and the settings store. kNothingInstalled when there was nothing.
int RemoveUserPart(Platform& platform, SettingsStore& settings);
// What a result leaves, one line each, for the user to remove by hand.
std::wstring LeftoversText(int result, const Paths& paths);

// The "/u" run: asks (unless quiet), removes the machine's part, then the
// user's, says how it went (unless quiet) and ends with the result.
[[noreturn]] void RunUninstall(App& app, const std::wstring& arguments);

}  // namespace tarnix
