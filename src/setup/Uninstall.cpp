#include "setup/Uninstall.h"

#include <algorithm>
#include <cstdlib>

#include "app/App.h"
#include "app/StartMode.h"
#include "base/Text.h"
#include "settings/SettingsStore.h"
#include "setup/InstallFiles.h"

namespace tarnix {

namespace {
// The running saver's file, moved aside until it is free: "Tarnix-removed-N.tmp".
constexpr wchar_t kAsidePrefix[] = L"Tarnix-removed-";
constexpr wchar_t kAsideSuffix[] = L".tmp";

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

bool IsAsideName(const std::wstring& name) {
  const std::wstring n = FoldCase(name), prefix = FoldCase(kAsidePrefix), suffix = FoldCase(kAsideSuffix);
  if (n.size() <= prefix.size() + suffix.size() || n.rfind(prefix, 0) != 0 ||
      n.compare(n.size() - suffix.size(), suffix.size(), suffix) != 0)
    return false;
  const std::wstring digits = n.substr(prefix.size(), n.size() - prefix.size() - suffix.size());
  return std::all_of(digits.begin(), digits.end(), IsDigit);
}
}  // namespace

std::vector<RegistryValue> UninstallEntryValues(const Paths& paths, const VersionInfo& version,
                                                uint64_t installedBytes) {
  const std::wstring saver = paths.WinPath + kSaverFile;
  const std::wstring version3 =
      MajorMinor(version) + L"." + std::to_wstring(version.revision);
  return {
      {L"DisplayName", L"Tarnix", {}},
      {L"DisplayVersion", version3, {}},
      {L"Publisher", version.companyName, {}},
      {L"DisplayIcon", saver + L",0", {}},
      {L"InstallLocation", FolderOfPath(saver), {}},
      {L"UninstallString", Quoted(saver) + L" /u", {}},
      {L"QuietUninstallString", Quoted(saver) + L" /u /q", {}},
      {L"NoModify", L"", 1u},
      {L"NoRepair", L"", 1u},
      {L"EstimatedSize", L"", uint32_t((installedBytes + 1023) / 1024)},
  };
}

std::wstring SaverAsidePath(const Paths& paths, unsigned stamp) {
  return paths.WinPath + kAsidePrefix + std::to_wstring(stamp) + kAsideSuffix;
}

bool IsQuietUninstall(const std::wstring& arguments) {
  // "/q" among the words after the switch asks for silence.
  std::wstring t = FoldCase(Trim(arguments)) + L" ";
  std::replace(t.begin(), t.end(), L'\t', L' ');
  const size_t afterSwitch = t.find(L' ');
  return t.find(L" /Q ", afterSwitch) != std::wstring::npos;
}

bool IsRemoveFilesRequest(const std::wstring& arguments) {
  return FoldCase(Trim(arguments)) == FoldCase(kRemoveFilesSwitch);
}

std::optional<std::wstring> RemoveAfterTarget(const std::wstring& arguments) {
  const std::wstring t = Trim(arguments), sw = kRemoveAfterSwitch;
  const bool word = t.size() > sw.size() && IsBlank(t[sw.size()]);
  if (!word || FoldCase(t.substr(0, sw.size())) != FoldCase(sw)) return std::nullopt;
  const std::wstring path = Unquoted(t.substr(sw.size()));
  // Only ever the saver, under its name or moved aside: whoever starts this
  // copy cannot make it delete another file.
  const std::wstring name = FileNameOfPath(path);
  if (!IsFullPathBelowRoot(path) || (FoldCase(name) != FoldCase(kSaverFile) && !IsAsideName(name)) ||
      path.find(L'"') != std::wstring::npos)
    return std::nullopt;
  return path;
}

bool ProfileNamesSaver(const std::wstring& entry) {
  return FoldCase(FileNameOfPath(Unquoted(entry))) == FoldCase(kSaverFile);
}

bool HasMachinePart(Platform& platform, const Paths& paths) {
  return platform.FileExists(paths.WinPath + kSaverFile) || platform.FileExists(paths.WinPath + kCompanionFile) ||
         platform.MachineKeyExists(kUninstallKey);
}

namespace {
// A copy of the running program in the temporary folder; empty when it could
// not be made.
std::wstring CopyForRemover(Platform& platform) {
  const std::wstring temp = platform.TempFolder();
  if (temp.empty()) return {};
  const std::wstring copy = temp + L"Tarnix-remove-" + std::to_wstring(platform.TickCount()) + L".exe";
  return platform.CopyFileTo(platform.ExePath(), copy) ? copy : std::wstring();
}

// That copy, started to wait for the saver to be free; false when it could not start.
bool StartRemover(Platform& platform, const std::wstring& copy, const std::wstring& saver) {
  if (copy.empty()) return false;
  const ActionCommand remover{copy, std::wstring(kRemoveAfterSwitch) + L" " + Quoted(saver)};
  if (platform.RunCommand(copy, remover.CommandLine(), kShowHidden)) return true;
  platform.DeleteFileNow(copy);
  return false;
}
}  // namespace

int RemoveMachinePart(Platform& platform, const Paths& paths) {
  if (!HasMachinePart(platform, paths)) return kNothingInstalled;
  const std::wstring saver = paths.WinPath + kSaverFile;
  if (!platform.DeleteFileNow(paths.WinPath + kCompanionFile))
    return kLeftCompanion | (platform.FileExists(saver) ? kLeftSaver : 0) |
           (platform.MachineKeyExists(kUninstallKey) ? kLeftEntry : 0);
  if (platform.DeleteFileNow(saver)) return platform.DeleteMachineKey(kUninstallKey) ? 0 : kLeftEntry;
  // This program runs the saver, so its file cannot go yet; moved aside, the
  // saver is gone from its name at once and the entry can go before this
  // process ends, when Windows' installed programs look for it again.
  // The copy first: once moved, the running program's own file has another name.
  const std::wstring copy = CopyForRemover(platform);
  const std::wstring aside = SaverAsidePath(paths, platform.TickCount());
  if (platform.RenameFile(saver, aside)) {
    if (!StartRemover(platform, copy, aside)) platform.DeleteAtRestart(aside);
    return platform.DeleteMachineKey(kUninstallKey) ? 0 : kLeftEntry;
  }
  return StartRemover(platform, copy, saver) ? 0 : kLeftSaver | kLeftEntry;
}

int RunRemover(Platform& platform, const std::wstring& arguments) {
  const std::optional<std::wstring> saver = RemoveAfterTarget(arguments);
  if (!saver) return kLeftSaver;
  // Moved aside, the saver is no longer installed and its entry already gone:
  // an entry there now is a new install's.
  const bool aside = IsAsideName(FileNameOfPath(*saver));
  int left = 0;
  // A saver still running after the wait (another user's, say) goes at the next restart.
  if (!platform.DeleteFileWhenFree(*saver, kRemoverWaitMs) && !platform.DeleteAtRestart(*saver))
    left = aside ? kLeftSaver : kLeftSaver | kLeftEntry;
  else if (!aside && !platform.DeleteMachineKey(kUninstallKey))
    left = kLeftEntry;
  platform.DeleteAtRestart(platform.ExePath());  // itself; refused without rights, then the temporary folder's
  return left;
}

int RemoveUserPart(Platform& platform, SettingsStore& settings) {
  bool found = false;
  int left = 0;
  if (ProfileNamesSaver(platform.ReadProfileEntry(L"Desktop", L"SCRNSAVE.EXE"))) {
    found = true;
    const bool off = platform.RemoveProfileEntry(L"Desktop", L"SCRNSAVE.EXE") &&
                     platform.WriteProfileEntry(L"Desktop", L"ScreenSaveActive", L"0") &&
                     platform.DeactivateScreenSaver();
    if (!off) left |= kLeftUserSettings;
  }
  if (settings.Exists()) {
    found = true;
    if (!settings.DeleteAll()) left |= kLeftUserSettings;
  }
  return found ? left : kNothingInstalled;
}

std::wstring LeftoversText(int result, const Paths& paths) {
  std::wstring text;
  auto line = [&](const std::wstring& what) { text += (text.empty() ? L"" : L"\r") + what; };
  if (result & kLeftSaver) line(paths.WinPath + kSaverFile);
  if (result & kLeftCompanion) line(paths.WinPath + kCompanionFile);
  if (result & kLeftEntry) line(std::wstring(L"HKEY_LOCAL_MACHINE\\") + kUninstallKey);
  if (result & kLeftUserSettings)
    line(std::wstring(L"HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") + kSettingsApp +
         L", Control Panel\\Desktop\\SCRNSAVE.EXE");
  return text;
}

void RunUninstall(App& app, const std::wstring& arguments) {
  Platform& platform = app.platform;
  const bool quiet = IsQuietUninstall(arguments);
  const Language language = app.TextLanguage();  // before the store goes
  if (!quiet && !platform.AskYesNo(Text(TextId::UninstallQuestion, language), L"Tarnix"))
    platform.EndProcess(kUninstallDeclined);
  int machine = kNothingInstalled;
  if (HasMachinePart(platform, app.paths)) {
    const bool elevate = CopiesNeedElevation(platform.OsMajorVersion(), platform.QueryElevation());
    machine = elevate ? platform.RunElevatedAndWait(kRemoveFilesSwitch).value_or(kUninstallDeclined)
                      : RemoveMachinePart(platform, app.paths);
    // A declined prompt changes nothing, the user's part included.
    if (machine == kUninstallDeclined) platform.EndProcess(kUninstallDeclined);
    if (machine < 0 || machine > kNothingInstalled) machine = kLeftMachinePart;  // the helper failed, or never started
  }
  const int user = RemoveUserPart(platform, app.settings);
  auto left = [](int part) { return part == kNothingInstalled ? 0 : part; };
  const int result = machine == kNothingInstalled && user == kNothingInstalled ? kNothingInstalled
                                                                               : left(machine) | left(user);
  if (!quiet) {
    if (result == 0)
      platform.ShowMessage(Text(TextId::UninstallDone, language), kMbIconInformation, L"Tarnix");
    else if (result == kNothingInstalled)
      platform.ShowMessage(Text(TextId::UninstallNothing, language), kMbIconInformation, L"Tarnix");
    else
      platform.ShowMessage(Text(TextId::UninstallLeftovers, language, LeftoversText(result, app.paths)),
                           kMbIconError, L"Tarnix");
  }
  platform.EndProcess(result);
  std::abort();  // EndProcess does not return
}

}  // namespace tarnix
