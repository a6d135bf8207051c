// The install step's two copies: the program into the Windows folder as the
// saver, and the companion beside it. The wizard makes them itself, or, where
// the Windows folder needs rights it lacks, has an elevated copy of itself
// make them ("/install-files") while everything else stays the user's own.
#pragma once
#include <cstddef>
#include <string>

namespace tarnix {

class Platform;
struct Elevation;
struct Paths;

// The installed files in the Windows folder, and the companion as shipped
// beside the setup.
inline constexpr wchar_t kSaverFile[] = L"Tarnix.scr";
inline constexpr wchar_t kCompanionFile[] = L"stb.exe";
inline constexpr wchar_t kCompanionDownload[] = L"stb.drl";

// The one argument that asks the setup program for the two copies only.
inline constexpr wchar_t kInstallFilesSwitch[] = L"/install-files";

// Exit codes of the copies: which one failed.
inline constexpr int kFilesCopied = 0;
inline constexpr int kSaverCopyFailed = 1;
inline constexpr int kCompanionCopyFailed = 2;  // also: missing, empty or not a program
inline constexpr int kElevationDeclined = 3;    // the wizard's own: the helper never ran
inline constexpr int kEntryWriteFailed = 4;     // the entry in Windows' installed programs

// Whether a text is an argument list of exactly the install-files switch.
bool IsInstallFilesRequest(const std::wstring& arguments);

// The Windows folder needs administrator rights from Windows 6 (Vista) on;
// the copies ask for them only when the process lacks them and asking can
// give them.
bool CopiesNeedElevation(long osMajor, const Elevation& elevation);

// The most of the companion the install reads; a larger file is not ours.
inline constexpr size_t kMaxCompanionBytes = 8u << 20;

// Whether a whole file is a complete Windows program for x86 (or, in a 64-bit
// build, for its own machine): its headers whole, an executable image and
// not a library, every section's data inside the file. A download cut short
// or a foreign file is none.
bool IsCompleteProgram(const std::string& file);

// Whether AppPath\stb.drl, which the install copies as the companion, is a
// complete program: not missing (a setup started from inside the archive),
// not cut short, not something else.
bool CompanionIsComplete(Platform& platform, const Paths& paths);

// Checks the companion first, so that a missing or damaged one leaves nothing
// copied. Then copies the running program's own file, whatever its name, to
// WinPath\Tarnix.scr (moving a saver that runs out of the way), then
// AppPath\stb.drl to WinPath\stb.exe, then registers the two in Windows'
// installed programs, which removes them with "Tarnix.scr /u". A first
// install that fails after the saver's copy removes the copies again.
int CopyInstallFiles(Platform& platform, const Paths& paths);

}  // namespace tarnix
