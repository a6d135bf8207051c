#include "app/StartMode.h"

#include "base/Decimal.h"
#include "base/Text.h"
#include "setup/InstallFiles.h"
#include "setup/Uninstall.h"
#include "platform/Platform.h"

namespace tarnix {

std::wstring FileNameOfPath(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/:");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring ExeNameFromPath(const std::wstring& path) {
  std::wstring name = FileNameOfPath(path);
  const size_t dot = name.rfind(L'.');
  if (dot != std::wstring::npos) name.erase(dot);
  return name;
}

std::wstring FolderOfPath(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return std::wstring();
  std::wstring folder = path.substr(0, slash);
  if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
  if (folder.empty()) folder = L"\\";
  return folder;
}

std::wstring FormSwitch(const std::wstring& arguments) { return FoldCase(arguments.substr(0, 2)); }

StartMode ChooseMode(const std::wstring& exeName, const std::wstring& arguments) {
  // Any other name is the setup; the copies-only request is its own, and so
  // is the removal's copy in the temporary folder.
  if (FoldCase(exeName) != FoldCase(kSaverName)) {
    if (IsInstallFilesRequest(arguments)) return StartMode::InstallFiles;
    return RemoveAfterTarget(arguments) ? StartMode::RemoveAfter : StartMode::Setup;
  }
  if (IsRemoveFilesRequest(arguments)) return StartMode::RemoveFiles;
  const std::wstring sw = FormSwitch(arguments);
  if (sw == L"/P") return StartMode::Preview;
  if (sw == L"/C") return StartMode::Configure;
  if (sw == L"/A") return StartMode::PasswordChange;
  if (sw == L"/S") return StartMode::Run;
  if (sw == L"/U") return StartMode::Uninstall;
  if (sw.empty()) return StartMode::Configure;
  return StartMode::None;
}

std::optional<int> ActionCodeFromText(const std::wstring& stored) {
  return WholeNumberIn(stored, 0, kBlackScreen);
}

std::optional<int> WarningSecondsFromText(const std::wstring& stored) {
  return WholeNumberIn(stored, 0, kMaxWarningSeconds);
}

int WarningSecondsOrDefault(const std::wstring& stored) {
  return WarningSecondsFromText(stored).value_or(kDefaultWarningSeconds);
}

bool ActionLosesSession(int code) { return code >= 0 && code <= 4; }

RunFace ChooseRunFace(std::optional<int> code, int warningSeconds) {
  if (!code) return RunFace::DesignState;
  if (*code == kBlackScreen) return RunFace::BlackScreen;
  return ActionLosesSession(*code) && warningSeconds > 0 ? RunFace::Warn : RunFace::ActNow;
}

}  // namespace tarnix
