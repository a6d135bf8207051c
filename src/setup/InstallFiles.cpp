#include "setup/InstallFiles.h"

#include <cstdint>

#include "app/modWinMods.h"
#include "base/Text.h"
#include "platform/Platform.h"
#include "setup/Uninstall.h"

namespace tarnix {

bool IsInstallFilesRequest(const std::wstring& arguments) {
  return FoldCase(Trim(arguments)) == FoldCase(kInstallFilesSwitch);
}

bool CopiesNeedElevation(long osMajor, const Elevation& elevation) {
  return osMajor >= 6 && !elevation.elevated && elevation.canElevate;
}

namespace {
// Little-endian fields of the file; 0 beyond its end, which the checks reject.
uint32_t Field(const std::string& f, size_t at, size_t bytes) {
  if (at > f.size() || bytes > f.size() - at) return 0;
  uint32_t v = 0;
  for (size_t i = bytes; i-- > 0;) v = v << 8 | static_cast<unsigned char>(f[at + i]);
  return v;
}
bool Fits(const std::string& f, uint64_t at, uint64_t bytes) { return at <= f.size() && bytes <= f.size() - at; }

constexpr uint32_t kMachineX86 = 0x14C, kMachineAmd64 = 0x8664;
constexpr uint32_t kMagicPe32 = 0x10B, kMagicPe32Plus = 0x20B;
constexpr uint32_t kExecutableImage = 0x2, kLibrary = 0x2000;
}  // namespace

bool IsCompleteProgram(const std::string& f) {
  if (!Fits(f, 0, 64) || f[0] != 'M' || f[1] != 'Z') return false;
  const uint64_t pe = Field(f, 0x3C, 4);
  if (!Fits(f, pe, 24) || f.compare(size_t(pe), 4, std::string("PE\0\0", 4)) != 0) return false;
  const uint32_t machine = Field(f, size_t(pe) + 4, 2), sections = Field(f, size_t(pe) + 6, 2);
  const uint32_t optionalSize = Field(f, size_t(pe) + 20, 2), characteristics = Field(f, size_t(pe) + 22, 2);
  const bool ownMachine = machine == kMachineX86 || (sizeof(void*) == 8 && machine == kMachineAmd64);
  if (!ownMachine || sections == 0 || !(characteristics & kExecutableImage) || (characteristics & kLibrary))
    return false;
  const uint64_t optional = pe + 24;
  if (optionalSize < 64 || !Fits(f, optional, optionalSize)) return false;
  const uint32_t magic = Field(f, size_t(optional), 2);
  if (magic != (machine == kMachineX86 ? kMagicPe32 : kMagicPe32Plus)) return false;
  if (!Fits(f, 0, Field(f, size_t(optional) + 60, 4))) return false;  // SizeOfHeaders
  const uint64_t table = optional + optionalSize;
  if (!Fits(f, table, uint64_t(sections) * 40)) return false;
  for (uint32_t i = 0; i < sections; ++i) {
    const size_t s = size_t(table) + size_t(i) * 40;
    const uint32_t rawSize = Field(f, s + 16, 4), rawAt = Field(f, s + 20, 4);
    if (rawSize && !Fits(f, rawAt, rawSize)) return false;
  }
  return true;
}

namespace {
// A copy keeps the download's mark of the Internet, and Windows would then
// warn about an unknown program whenever the shell starts it: from "Installed
// apps" to remove it, or for the removal's administrator prompt. The user has
// chosen to run this program already; installed, it is a local program.
bool CopyInstalled(Platform& platform, const std::wstring& from, const std::wstring& to) {
  if (!platform.CopyFileTo(from, to)) return false;
  platform.ForgetDownloadMark(to);
  return true;
}

// A saver that runs (the Display control panel's preview, an open options
// dialog) cannot be overwritten, but it can be moved aside: the new copy takes
// its name and the old file goes at the next restart. Where the copy still
// fails, the old saver gets its name back and stays installed as it was.
bool CopySaver(Platform& platform, const Paths& p, const std::wstring& saver) {
  if (CopyInstalled(platform, platform.ExePath(), saver)) return true;
  const std::wstring aside = SaverAsidePath(p, platform.TickCount());
  if (!platform.FileExists(saver) || !platform.RenameFile(saver, aside)) return false;
  if (!CopyInstalled(platform, platform.ExePath(), saver)) {
    platform.DeleteFileNow(saver);  // what a failed copy may have left under the name
    platform.RenameFile(aside, saver);
    return false;
  }
  if (!platform.DeleteFileNow(aside)) platform.DeleteAtRestart(aside);
  return true;
}
}  // namespace

bool CompanionIsComplete(Platform& platform, const Paths& p) {
  const std::string file = platform.ReadFileHead(p.AppPath + kCompanionDownload, kMaxCompanionBytes + 1);
  return file.size() <= kMaxCompanionBytes && IsCompleteProgram(file);
}

int CopyInstallFiles(Platform& platform, const Paths& p) {
  // A damaged download must not be installed as the program the stand-by and
  // hibernate actions start, nor leave a saver behind without it.
  if (!CompanionIsComplete(platform, p)) return kCompanionCopyFailed;
  // A first install that fails halfway takes back what it copied: a saver
  // without its companion or its entry is one that nothing removes.
  const bool firstInstall = !HasMachinePart(platform, p);
  const std::wstring saver = p.WinPath + kSaverFile, companion = p.WinPath + kCompanionFile;
  if (!CopySaver(platform, p, saver)) return kSaverCopyFailed;
  int result = kFilesCopied;
  if (!CopyInstalled(platform, p.AppPath + kCompanionDownload, companion)) {
    result = kCompanionCopyFailed;
  } else {
    const uint64_t bytes = platform.FileSize(saver).value_or(0) + platform.FileSize(companion).value_or(0);
    if (!platform.WriteMachineKey(kUninstallKey, UninstallEntryValues(p, platform.ReadVersionInfo(), bytes)))
      result = kEntryWriteFailed;
  }
  if (result != kFilesCopied && firstInstall) {
    platform.DeleteFileNow(companion);
    platform.DeleteFileNow(saver);
  }
  return result;
}

}  // namespace tarnix
