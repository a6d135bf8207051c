#include "app/modWinMods.h"

#include <cstdlib>

#include "app/App.h"
#include "app/StartMode.h"
#include "app/modAlpha.h"
#include "base/Text.h"
#include "effects/modRegion.h"
#include "platform/Platform.h"
#include "settings/Actions.h"

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
  // Only a full path to a folder that exists: an unset, damaged or relative
  // WinDir ("\\", ".") must never make a drive's root or the current folder,
  // which any user can fill, the Windows folder.
  std::wstring windows = Unquoted(app.platform.Environment(L"WinDir"));
  if (!IsFullPathBelowRoot(windows) || !app.platform.FolderExists(windows))
    windows = app.platform.SystemWindowsFolder();
  app.paths = ComputePaths(FolderOfPath(exe), ExeNameFromPath(exe), windows);
}

std::wstring ActionCommand::CommandLine() const {
  return L"\"" + program + L"\" " + arguments;
}

ActionCommand CommandForAction(int code, const Paths& paths) {
  if (code < 0 || code >= kActionCount) return {};
  const ActionDef& a = kActions[code];
  switch (a.folder) {
    case ActionFolder::System32: return {paths.WinPath + L"system32\\" + a.program, a.arguments};
    case ActionFolder::Program: return {paths.AppPath + a.program, a.arguments};
    case ActionFolder::None: break;
  }
  return {};
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

ActionCommand DisplayPropertiesCommand(const Paths& paths, int tab, long osMajor) {
  // From Vista on the Display control panel has no tabs, and a number opens
  // the display settings; the screen saver's page has a name instead.
  const std::wstring page =
      osMajor >= 6 && tab == kScreenSaverTab ? L"screensaver,@screensaver" : L"," + std::to_wstring(tab);
  return {paths.WinPath + L"system32\\rundll32.exe", L"shell32.dll,Control_RunDLL desk.cpl," + page};
}

bool OpenDisplayProperties(App& app, int& tab) {
  if (tab < 0 || tab > 3) tab = 3;
  const ActionCommand cmd = DisplayPropertiesCommand(app.paths, tab, app.platform.OsMajorVersion());
  return app.platform.RunCommand(cmd.program, cmd.CommandLine(), kShowMinimized);
}

void ShapeFormToPicture(Platform& platform, ui::Control& picture, ui::Form& form) {
  const ScreenSize screen = platform.ScreenPixels();
  const float sw = float(ui::TwipsFromPixels(screen.width)), sh = float(ui::TwipsFromPixels(screen.height));
  const float pw = float(picture.Width()), ph = float(picture.Height());
  // The halves are taken separately; the window lands on whole twips, the
  // fraction dropped, and the runtime turns those into pixels.
  const float left = sw / 2 - pw / 2, top = sh / 2 - ph / 2;
  form.Move(int(left), int(top), picture.Width(), picture.Height());
  std::optional<Picture> pixels;
  if (form.Host() && picture.Picture()) pixels = form.Host()->ReadPicture(picture.Picture());
  form.SetWindowRegion(pixels ? RegionFromPicture(*pixels) : std::vector<ui::Rect>());
}

void SetFormAlpha(App& app, ui::Form& form, int level) {
  if (!Windows5OrLater(app)) return;
  form.SetOpacity(level & 0xFF);
}

void EndProgram(App& app) {
  for (ui::Form* form : app.Forms()) form->Unload();
  app.platform.EndProcess(0);
  std::abort();  // EndProcess does not return; the compiler cannot see through the virtual call
}

}  // namespace tarnix
