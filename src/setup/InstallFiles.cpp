#include "setup/InstallFiles.h"

#include "app/modWinMods.h"
#include "base/Text.h"
#include "platform/Platform.h"

namespace tarnix {

bool IsInstallFilesRequest(const std::wstring& arguments) {
  return FoldCase(Trim(arguments)) == FoldCase(kInstallFilesSwitch);
}

bool CopiesNeedElevation(long osMajor, const Elevation& elevation) {
  return osMajor >= 6 && !elevation.elevated && elevation.canElevate;
}

bool LooksLikeProgram(const std::string& head) { return head.size() >= 2 && head[0] == 'M' && head[1] == 'Z'; }

int CopyInstallFiles(Platform& platform, const Paths& p) {
  if (!platform.CopyFileTo(p.AppPath + p.ExeFile, p.WinPath + L"Tarnix.scr")) return kSaverCopyFailed;
  const std::wstring companion = p.AppPath + L"stb.drl";
  // A damaged download must not be installed as the program the stand-by and
  // hibernate actions start.
  if (!LooksLikeProgram(platform.ReadFileHead(companion, 2))) return kCompanionCopyFailed;
  if (!platform.CopyFileTo(companion, p.WinPath + L"stb.exe")) return kCompanionCopyFailed;
  return kFilesCopied;
}

}  // namespace tarnix
