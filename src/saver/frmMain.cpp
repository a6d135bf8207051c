#include "saver/frmMain.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/App.h"
#include "app/StartMode.h"
#include "app/modAlpha.h"
#include "base/Text.h"
#include "forms/Designs.h"
#include "platform/Platform.h"
#include "saver/modSaver.h"
#include "app/ActionChoice.h"
#include "settings/Keys.h"
#include "settings/LanguageTables.h"
#include "settings/SettingsStore.h"
#include "setup/InstallFiles.h"
#include "setup/Uninstall.h"

namespace tarnix {

namespace {
// Twips as the move handler records them: rounded to the nearest, ties to even.
int32_t RecordedTwips(float v) {
  const double r = std::nearbyint(double(v));
  return int32_t(r < -2147483648.0 ? -2147483648.0 : r > 2147483647.0 ? 2147483647.0 : r);
}

const ui::Route<frmMain> kRoutes[] = {TARNIX_ROUTE(frmMain, tmrWarnung, Timer)};

// The warning's first line, by action code.
constexpr TextId kWarningTexts[] = {TextId::WarnTurnOff, TextId::WarnRestart, TextId::WarnHibernate,
                                    TextId::WarnStandBy, TextId::WarnLogOff};

// The warning's message: at most this wide, and this far below the logo (twips).
constexpr int kWarningTextWidth = 900 * ui::kTwipsPerPixel;
constexpr int kWarningMargin = 40 * ui::kTwipsPerPixel;
constexpr int kWarningGap = 20 * ui::kTwipsPerPixel;
}  // namespace

std::span<const ui::Route<frmMain>> frmMain::Routes() { return kRoutes; }

frmMain::frmMain(App& app) : ui::Form(kFrmMainDesign), app_(app) {}

void frmMain::Control_Event(ui::Control& c, ui::Event event, const ui::MouseArgs& args) {
  // The logo and the message are part of the screen: the pointer over them is
  // input to the window, in the window's coordinates.
  const float x = args.x + float(c.Left()), y = args.y + float(c.Top());
  switch (event) {
    case ui::Event::MouseMove: Form_MouseMove(args.button, args.shift, x, y); return;
    case ui::Event::MouseDown: Form_MouseDown(args.button, args.shift, x, y); return;
    case ui::Event::Click: Form_Click(); return;
    default: ui::Dispatch(*this, Routes(), c, event);
  }
}

void frmMain::Form_Initialize() { app_.platform.InitCommonControls(); }

void frmMain::Form_Load() {
  Platform& platform = app_.platform;
  if (!IsWindows5OrLater(platform)) {
    platform.ShowMessage(BothLanguages(TextId::WrongWindows, L"\r"), kMbIconExclamation,
                         Text(TextId::WrongWindowsTitle, Language::English));
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
      WriteSettingsIfNewAccount();
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
    case StartMode::Uninstall:
      RunUninstall(app_, arguments);
      break;
    case StartMode::RemoveFiles:
      // The removal's elevated helper: the machine's part, no window, nothing of the user's.
      platform.EndProcess(RemoveMachinePart(platform, app_.paths));
      break;
    case StartMode::RemoveAfter:
      platform.EndProcess(RunRemover(platform, arguments));
      break;
    case StartMode::None:
      return;
  }
}

// An account that never ran the setup (the saver is installed for the whole
// machine): its settings get the texts in its language, as the setup would
// write them, before the dialog shows them. A refused write changes nothing:
// the dialog falls back on the same texts.
void frmMain::WriteSettingsIfNewAccount() {
  if (HasLanguageTables(app_.settings)) return;
  try {
    WriteSettingsForNewAccount(app_.settings, app_.platform.DisplayLanguage());
  } catch (const SettingsWriteError&) {
  }
}

std::optional<int> frmMain::StoredActionCode() {
  SettingsStore& s = app_.settings;
  // Nothing chosen yet is the black screen, the setup's own default.
  if (!s.HasSetting(keys::kAktionen, keys::kUse)) return kBlackScreen;
  return ActionCodeFromText(s.GetSetting(keys::kAktionen, keys::kUse, L""));
}

void frmMain::RunStoredAction() {
  SettingsStore& s = app_.settings;
  const std::optional<int> code = StoredActionCode();
  const int warning = WarningSecondsOrDefault(s.GetSetting(keys::kEinstellungen, keys::kWarnung, L""));
  switch (ChooseRunFace(code, warning)) {
    case RunFace::DesignState: return;  // missing, not numeric or out of range: the start-up rule shows it
    case RunFace::BlackScreen: EnterBlackScreen(); return;
    case RunFace::Warn: EnterWarning(*code, warning); return;
    case RunFace::ActNow: Act(*code);
  }
}

void frmMain::Act(int code) {
  tmrWarnung.SetEnabled(false);
  DoAction(app_, code);  // ends the program once started
  // Not started: the user must learn on return why the computer is still on.
  // The countdown is over: the activation that hiding the cover hands on is
  // no input that cancels, and must not end the program before the message.
  warning_ = false;
  Hide();
  app_.platform.ShowCursor(true);
  const std::wstring program = CommandForAction(code, app_.paths).program;
  app_.platform.ShowMessage(Text(TextId::ActionNotStarted, app_.TextLanguage(), program),
                            kMbIconError | kMbTopmost, L"Tarnix");
  app_.platform.EndProcess(kExitActionNotStarted);
  std::abort();  // EndProcess does not return
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

  // The stored name; where the store has none, the program's own.
  const std::wstring stored = app_.settings.GetSetting(keys::kAktionen, keys::kUse, L"");
  std::wstring name = stored.empty() ? std::wstring() : app_.settings.GetSetting(keys::kAktionen, stored, L"");
  const std::optional<int> code = StoredActionCode();
  if (name.empty() && code) name = ActionName(*code, app_.TextLanguage());
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

void frmMain::EnterWarning(int code, int seconds) {
  warning_ = true;
  warningCode_ = code;
  secondsLeft_ = seconds;
  ShowWarningText();
  EnterBlackScreen();
  LayOutWarning();
  imgLogo.SetVisible(true);
  lblInfo.SetVisible(true);
  lblInfo2.SetVisible(true);
  tmrWarnung.SetEnabled(true);
}

void frmMain::ShowWarningText() {
  const Language language = app_.TextLanguage();
  lblInfo.SetCaption(Text(kWarningTexts[warningCode_], language, SecondsText(secondsLeft_, language)) + L"\r" +
                     Text(TextId::WarnCancelHint, language));
  lblInfo2.SetCaption(lblInfo.Caption());
}

// The logo and the message above each other, in the middle of the primary
// monitor, which lies at the virtual screen's origin.
void frmMain::LayOutWarning() {
  const ScreenArea all = app_.platform.VirtualScreenPixels();
  const ScreenSize primary = app_.platform.ScreenPixels();
  const int left = ui::TwipsFromPixels(-all.left), top = ui::TwipsFromPixels(-all.top);
  const int width = ui::TwipsFromPixels(primary.width), height = ui::TwipsFromPixels(primary.height);
  const int textWidth = std::max(std::min(kWarningTextWidth, width - 2 * kWarningMargin), 15);
  const int textLeft = left + (width - textWidth) / 2;
  lblInfo.Move(textLeft, 0, textWidth);  // measures the message's height at this width
  const ui::ControlDesign& logo = imgLogo.Design();
  const int blockTop = top + (height - logo.height - kWarningGap - lblInfo.Height()) / 2;
  imgLogo.Move(left + (width - logo.width) / 2, blockTop, logo.width, logo.height);
  const int textTop = blockTop + logo.height + kWarningGap;
  lblInfo.Move(textLeft, textTop, textWidth);
  lblInfo2.Move(textLeft + 15, textTop + 15, textWidth);
}

void frmMain::tmrWarnung_Timer() {
  if (!warning_) return;
  if (--secondsLeft_ > 0) {
    ShowWarningText();
    return;
  }
  Act(warningCode_);
}

void frmMain::CancelWarning() {
  tmrWarnung.SetEnabled(false);
  app_.platform.ShowCursor(true);
  EndAtOnce();
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
  if (warning_) LayOutWarning();
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

void frmMain::Form_KeyDown(int /*keyCode*/, int /*shift*/) {
  if (warning_) CancelWarning();
}

void frmMain::Form_MouseDown(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
  if (warning_) CancelWarning();
}

void frmMain::Form_AppDeactivate() {
  if (warning_) CancelWarning();
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
  if ((dx >= 45 || dy >= 45) && (lastMouseX_ != 0 || lastMouseY_ != 0)) {
    if (warning_) CancelWarning();
    EndAtOnce();
  }
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
