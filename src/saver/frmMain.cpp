#include "saver/frmMain.h"

#include <cmath>
#include <cstdlib>

#include "app/App.h"
#include "app/Numeric.h"
#include "forms/Designs.h"
#include "platform/Platform.h"
#include "saver/modSaver.h"
#include "settings/SettingsStore.h"

namespace tarnix {

namespace {
// Twips as the move handler records them: rounded to the nearest, ties to even.
int32_t RecordedTwips(float v) {
  const double r = std::nearbyint(double(v));
  return int32_t(r < -2147483648.0 ? -2147483648.0 : r > 2147483647.0 ? 2147483647.0 : r);
}

std::wstring Lower(std::wstring s) {
  for (wchar_t& c : s)
    if (c >= L'A' && c <= L'Z') c = wchar_t(c - L'A' + L'a');
  return s;
}
}  // namespace

frmMain::frmMain(App& app) : ui::Form(kFrmMainDesign), app_(app) {}

void frmMain::EndAtOnce() {
  app_.platform.EndProcess(0);
  std::abort();  // EndProcess does not return
}

void frmMain::ShowDesignState() { Show(); }

void frmMain::EnterPreview(const std::wstring& arguments) {
  isPreview_ = true;
  // The clipboard is left alone: the preview runs every time the display
  // settings show it, and must not destroy what the user copied.
  hostWindow_ = ParentHwndFromCommand(Lower(Trim(arguments)));
  if (hostWindow_ == 0) EndAtOnce();  // no usable host: nothing to draw into
  SetCaption(L"Preview");
  if (!Host() || !Host()->EmbedInto(*this, hostWindow_)) EndAtOnce();
  ShownByHost();

  const int w = Width(), h = Height();
  ui::Control& logo = C(L"imgLogo");
  ui::Control& info = C(L"lblInfo");
  ui::Control& shadow = C(L"lblInfo2");
  logo.Move(0, 0, w, h);
  logo.SetVisible(true);
  info.Move(0, 0, w);
  shadow.Move(15, 15, w);
  info.SetVisible(true);
  shadow.SetVisible(true);

  const std::wstring code = app_.settings.GetSetting(L"Aktionen", L"use", L"");
  const std::wstring name = code.empty() ? std::wstring() : app_.settings.GetSetting(L"Aktionen", code, L"");
  info.SetCaption(name);
  shadow.SetCaption(info.Caption());
}

void frmMain::EnterBlackScreen() {
  SetOnTop(true);
  app_.platform.ShowCursor(false);
  SetWindowState(ui::WindowState::Maximized);
  Show();
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
