#include "saver/frmMain.h"

#include <cmath>
#include <cstdlib>

#include "app/App.h"
#include "app/StartMode.h"
#include "app/modAlpha.h"
#include "base/Text.h"
#include "forms/Designs.h"
#include "platform/Platform.h"
#include "saver/modSaver.h"
#include "settings/Keys.h"
#include "settings/SettingsStore.h"
#include "setup/InstallFiles.h"

namespace tarnix {

namespace {
// Twips as the move handler records them: rounded to the nearest, ties to even.
int32_t RecordedTwips(float v) {
  const double r = std::nearbyint(double(v));
  return int32_t(r < -2147483648.0 ? -2147483648.0 : r > 2147483647.0 ? 2147483647.0 : r);
}

const wchar_t kVersionMessage[] =
    L"This program is designed for Microsoft Windows XP and cannot be run under your "
    L"Windows-Version\r"
    L"Dieses Programm wurde speziell f\u00fcr Microsoft Windows XP entwickelt und kann unter "
    L"ihrer Windows-Version nicht betrieben werden.";
}  // namespace

frmMain::frmMain(App& app) : ui::Form(kFrmMainDesign), app_(app) {}

void frmMain::Form_Initialize() { app_.platform.InitCommonControls(); }

void frmMain::Form_Load() {
  Platform& platform = app_.platform;
  if (!IsWindows5OrLater(platform)) {
    platform.ShowMessage(kVersionMessage, kMbIconExclamation, L"Sorry, ...");
    platform.EndProcess(0);
  }
  InitPaths(app_);

  const std::wstring arguments = ArgumentsFromCommandLine(platform.CommandLine());
  switch (ChooseMode(ExeNameFromPath(platform.ExePath()), arguments)) {
    case StartMode::Setup:
      app_.setup.Show();
      Unload();
      return;
    case StartMode::InstallFiles:
      // The elevated helper of a setup: the two copies, no window, nothing else.
      platform.EndProcess(CopyInstallFiles(platform, app_.paths));
      break;
    case StartMode::Preview:
      EnterPreview(arguments);
      return;
    case StartMode::Configure:
      app_.options.Show();
      Hide();
      return;
    case StartMode::PasswordChange:
      platform.Beep();
      platform.EndProcess(0);
      break;
    case StartMode::Run:
      RunStoredAction();
      return;
    case StartMode::None:
      return;
  }
}

void frmMain::RunStoredAction() {
  const std::optional<int> code =
      ActionCodeFromText(app_.settings.GetSetting(keys::kAktionen, keys::kUse, L""));
  if (!code) return;  // missing, not numeric or out of range: the design state follows
  if (*code == kBlackScreen) {
    EnterBlackScreen();
    return;
  }
  // A command that cannot be started leaves the saver window to the start-up rule.
  DoAction(app_, *code);
}

void frmMain::EndAtOnce() {
  app_.platform.EndProcess(0);
  std::abort();  // EndProcess does not return
}

void frmMain::ShowDesignState() { Show(); }

void frmMain::EnterPreview(const std::wstring& arguments) {
  isPreview_ = true;
  // The clipboard is left alone: the preview runs every time the display
  // settings show it, and must not destroy what the user copied.
  hostWindow_ = ParentHwndFromCommand(arguments);
  if (hostWindow_ == 0) EndAtOnce();  // no usable host: nothing to draw into
  SetCaption(L"Preview");
  if (!Host() || !Host()->EmbedInto(*this, hostWindow_)) EndAtOnce();
  ShownByHost();

  const int w = Width(), h = Height();
  imgLogo.Move(0, 0, w, h);
  imgLogo.SetVisible(true);
  lblInfo.Move(0, 0, w);
  lblInfo2.Move(15, 15, w);
  lblInfo.SetVisible(true);
  lblInfo2.SetVisible(true);

  const std::wstring code = app_.settings.GetSetting(keys::kAktionen, keys::kUse, L"");
  const std::wstring name = code.empty() ? std::wstring() : app_.settings.GetSetting(keys::kAktionen, code, L"");
  lblInfo.SetCaption(name);
  lblInfo2.SetCaption(lblInfo.Caption());
}

void frmMain::EnterBlackScreen() {
  SetOnTop(true);
  app_.platform.ShowCursor(false);
  blackScreen_ = true;
  CoverEveryMonitor();
  Show();
}

// Every monitor, not only the primary one that maximising would cover.
void frmMain::CoverEveryMonitor() {
  const ScreenArea all = app_.platform.VirtualScreenPixels();
  Move(ui::TwipsFromPixels(all.left), ui::TwipsFromPixels(all.top), ui::TwipsFromPixels(all.width),
       ui::TwipsFromPixels(all.height));
}

void frmMain::Form_DisplayChanged() {
  if (!blackScreen_) return;
  // A monitor plugged in or a resolution changed while the screen is black:
  // cover the new desk. The cursor stayed where it was but the window moved
  // under it, so the next mouse report only records again.
  CoverEveryMonitor();
  lastMouseX_ = lastMouseY_ = 0;
}

void frmMain::SetOnTop(bool value) {
  SetTopmost(value);
  onTop_ = value;
}

void frmMain::Form_Click() {
  if (isPreview_) return;
  app_.platform.ShowCursor(true);
  EndAtOnce();
}

void frmMain::Form_MouseWheel(int /*delta*/) { Form_Click(); }

void frmMain::Form_KeyPress(int& /*keyAscii*/) {
  if (isPreview_) return;
  app_.platform.ShowCursor(true);
  EndAtOnce();
}

void frmMain::Form_MouseMove(int /*button*/, int /*shift*/, float x, float y) {
  if (isPreview_) return;
  const float dx = std::fabs(float(lastMouseX_) - x), dy = std::fabs(float(lastMouseY_) - y);
  // The first report after showing only records: both coordinates are still 0.
  if ((dx >= 45 || dy >= 45) && (lastMouseX_ != 0 || lastMouseY_ != 0)) EndAtOnce();
  lastMouseX_ = RecordedTwips(x);
  lastMouseY_ = RecordedTwips(y);
}

void frmMain::WindowLost() {
  // The preview's host destroyed the window: nothing is left to show.
  EndAtOnce();
}

void frmMain::Form_Unload(int& /*cancel*/) { Form_Terminate(); }

void frmMain::Form_Terminate() { app_.platform.ShowCursor(true); }

}  // namespace tarnix
