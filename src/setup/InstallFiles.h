// The install step's two copies: the program into the Windows folder as the
// saver, and the companion beside it. The wizard makes them itself, or, where
// the Windows folder needs rights it lacks, has an elevated copy of itself
// make them ("/install-files") while everything else stays the user's own.
#pragma once
#include <string>

namespace tarnix {

class Platform;
struct Elevation;
struct Paths;

// The one argument that asks the setup program for the two copies only.
inline constexpr wchar_t kInstallFilesSwitch[] = L"/install-files";

// Exit codes of the copies: which one failed.
inline constexpr int kFilesCopied = 0;
inline constexpr int kSaverCopyFailed = 1;
inline constexpr int kCompanionCopyFailed = 2;  // also: missing, empty or not a program
inline constexpr int kElevationDeclined = 3;    // the wizard's own: the helper never ran

// Whether a text is an argument list of exactly the install-files switch.
bool IsInstallFilesRequest(const std::wstring& arguments);

// The Windows folder needs administrator rights from Windows 6 (Vista) on;
// the copies ask for them only when the process lacks them and asking can
// give them.
bool CopiesNeedElevation(long osMajor, const Elevation& elevation);

// Whether the first bytes of a file are those of a Windows program (the "MZ"
// of its executable header). An empty file is none.
bool LooksLikeProgram(const std::string& head);

// Copies the running program to WinPath\Tarnix.scr, then AppPath\stb.drl to
// WinPath\stb.exe; the companion is copied only when it looks like a program.
int CopyInstallFiles(Platform& platform, const Paths& paths);

}  // namespace tarnix
