#include "app/modWinMods.h"

#include <cstdlib>

#include "app/App.h"
#include "app/Dispatch.h"
#include "platform/Platform.h"

namespace tarnix {

namespace {
std::wstring WithBackslash(std::wstring path) {
  if (path.empty() || path.back() != L'\\') path += L'\\';
  return path;
}
}  // namespace

Paths ComputePaths(const std::wstring& exeFolder, const std::wstring& exeName,
                   const std::wstring& winDir) {
  Paths p;
  p.AppPath = WithBackslash(exeFolder);
  p.WinPath = WithBackslash(winDir);
  const std::wstring tail = exeName.size() > 4 ? exeName.substr(exeName.size() - 4) : exeName;
  p.ExeFile = (!tail.empty() && tail[0] == L'.') ? exeName : exeName + L".exe";
  return p;
}

void InitPaths(App& app) {
  const std::wstring exe = app.platform.ExePath();
  app.paths = ComputePaths(FolderOfPath(exe), ExeNameFromPath(exe),
                           app.platform.Environment(L"WinDir"));
}

std::wstring ActionCommand::CommandLine() const {
  return L"\"" + program + L"\" " + arguments;
}

ActionCommand CommandForAction(int code, const Paths& paths) {
  switch (code) {
    case 0: return {paths.WinPath + L"system32\\shutdown.exe", L"-s -t 0"};
    case 1: return {paths.WinPath + L"system32\\shutdown.exe", L"-r -t 0"};
    case 2: return {paths.AppPath + L"stb.exe", L"/h"};
    case 3: return {paths.AppPath + L"stb.exe", L"/s"};
    case 4: return {paths.WinPath + L"system32\\shutdown.exe", L"-l"};
    case 5: return {paths.WinPath + L"system32\\rundll32.exe", L"user32.dll,LockWorkStation"};
    default: return {};
  }
}

bool DoAction(App& app, int code) {
  const ActionCommand cmd = CommandForAction(code, app.paths);
  if (cmd.program.empty()) return false;
  if (!app.platform.RunCommand(cmd.program, cmd.CommandLine(), kShowMinimized)) return false;
  EndProgram(app);
}

bool DoShutDown(App& app) { return DoAction(app, 0); }
bool DoRestart(App& app) { return DoAction(app, 1); }
bool DoHibernate(App& app) { return DoAction(app, 2); }
bool DoStandBy(App& app) { return DoAction(app, 3); }
bool DoLogOff(App& app) { return DoAction(app, 4); }
bool DoLockWorkstation(App& app) { return DoAction(app, 5); }

void EndProgram(App& app) {
  app.main.Unload();
  app.options.Unload();
  app.setup.Unload();
  app.blitz.Unload();
  app.platform.EndProcess(0);
  std::abort();  // EndProcess does not return; the compiler cannot see through the virtual call
}

}  // namespace tarnix
