// The saver window's Form_Load: the program's one entry and its choice of face.
#include "app/App.h"
#include "app/Dispatch.h"
#include "app/modAlpha.h"
#include "platform/Platform.h"
#include "saver/frmMain.h"
#include "settings/SettingsStore.h"

namespace tarnix {

namespace {
const wchar_t kVersionMessage[] =
    L"This program is designed for Microsoft Windows XP and cannot be run under your "
    L"Windows-Version\r"
    L"Dieses Programm wurde speziell f\u00fcr Microsoft Windows XP entwickelt und kann unter "
    L"ihrer Windows-Version nicht betrieben werden.";
}  // namespace

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
      // Elevated, the same setup runs in a new process; declined, this one
      // goes on and its install step reports the refused copy.
      if (ShouldRestartElevated(platform.OsMajorVersion(), platform.QueryElevation()) &&
          platform.RestartElevated(arguments))
        platform.EndProcess(0);
      app_.setup.Show();
      Unload();
      return;
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
      ActionCodeFromText(app_.settings.GetSetting(L"Aktionen", L"use", L""));
  if (!code) return;  // missing, not numeric or out of range: the design state follows
  if (*code == kBlackScreen) {
    EnterBlackScreen();
    return;
  }
  // A command that cannot be started leaves the saver window to the start-up rule.
  DoAction(app_, *code);
}

}  // namespace tarnix
