#include "setup/frmSetup.h"

#include "app/ActionChoice.h"
#include "app/App.h"
#include "forms/Designs.h"
#include "platform/Platform.h"
#include "settings/Actions.h"
#include "settings/Keys.h"
#include "settings/SettingsStore.h"
#include "setup/InstallFiles.h"

namespace tarnix {

namespace {

// The wizard's events and their handlers.
const ui::Route<frmSetup> kRoutes[] = {
    TARNIX_ROUTE(frmSetup, cmdOK, Click),         TARNIX_ROUTE(frmSetup, cmdRück, Click),
    TARNIX_ROUTE(frmSetup, optSprache, Click),    TARNIX_ROUTE(frmSetup, lblOpt, Click),
    TARNIX_ROUTE(frmSetup, imgOPt, Click),        TARNIX_ROUTE(frmSetup, lblAlpha, Click),
    TARNIX_ROUTE(frmSetup, chkAlpha, Click),      TARNIX_ROUTE(frmSetup, lblOpt, MouseMove),
    TARNIX_ROUTE(frmSetup, imgOPt, MouseMove),    TARNIX_ROUTE(frmSetup, lblAlpha, MouseMove),
    TARNIX_ROUTE(frmSetup, chkAlpha, MouseMove),  TARNIX_ROUTE(frmSetup, tmrEnd, Timer),
};

}  // namespace

std::span<const ui::Route<frmSetup>> frmSetup::Routes() { return kRoutes; }

std::wstring CompletionText(Language language, const VersionInfo& v) {
  return std::wstring(Text(TextId::FreeProgram, language)) + L"\r" + Text(TextId::AuthorPrefix, language) +
         v.companyName + L"\rVersion: " + MajorMinor(v) + L"." + std::to_wstring(v.revision) + L"\r" +
         Text(TextId::InstallSuccess, language) + L"\r" + Text(TextId::SetupEnding, language);
}

frmSetup::frmSetup(App& app) : ui::Form(kFrmSetupDesign), app_(app) {}

Language frmSetup::ChosenLanguage() {
  return optSprache[0].Value() ? Language::English : Language::German;
}

void frmSetup::Form_Load() {
  const VersionInfo version = app_.platform.ReadVersionInfo();
  lblVer.SetCaption(MajorMinor(version));
  InitPaths(app_);
  wizardPage_ = 0;
  ShapeFormToPicture(app_.platform, picDesign, *this);
}

void frmSetup::Control_Event(ui::Control& c, ui::Event event, const ui::MouseArgs&) {
  ui::Dispatch(*this, Routes(), c, event);
}

// --- The language page ---

void frmSetup::lblOpt_Click(int index) { optSprache[index].SetValue(1); }

void frmSetup::imgOPt_Click(int index) { optSprache[index].SetValue(1); }

void frmSetup::optSprache_Click(int index) {
  cmdOK.SetEnabled(true);
  lblAlpha.SetCaption(Text(TextId::ThunderCaption, index == 0 ? Language::English : Language::German));
  imgOPt[0].SetPicture(imgSp[2].Picture());
  imgOPt[1].SetPicture(imgSp[3].Picture());
  imgOPt[index].SetPicture(imgSp[index].Picture());
}

void frmSetup::Form_MouseMove(int, int, float, float) {
  lblOpt[0].SetForeColor(kHoverNormal);
  lblOpt[1].SetForeColor(kHoverNormal);
  lblAlpha.SetForeColor(kHoverNormal);
}

void frmSetup::imgOPt_MouseMove(int index) {
  lblAlpha.SetForeColor(kHoverNormal);
  lblOpt[0].SetForeColor(kHoverNormal);
  lblOpt[1].SetForeColor(kHoverNormal);
  lblOpt[index].SetForeColor(kHoverHighlight);
}

void frmSetup::lblOpt_MouseMove(int index) { lblOpt[index].SetForeColor(kHoverHighlight); }

void frmSetup::lblAlpha_MouseMove() {
  lblAlpha.SetForeColor(kHoverHighlight);
  lblOpt[1].SetForeColor(kHoverNormal);
}

void frmSetup::chkAlpha_MouseMove() { lblAlpha.SetForeColor(kHoverHighlight); }

void frmSetup::lblAlpha_Click() { ToggleBox(chkAlpha); }  // runs chkAlpha_Click

void frmSetup::chkAlpha_Click() {
  const int value = chkAlpha.Value();
  if (value == 1) {
    app_.blitz.Show();
    app_.blitz.SetPulseTimer(0, true);
  } else if (value == 0) {
    HideThunder();
  }
}

void frmSetup::HideThunder() {
  app_.blitz.Hide();
  app_.blitz.SetPulseTimer(0, false);
  app_.blitz.SetPulseTimer(1, false);
}

void frmSetup::ShowLanguageChoice(bool visible) {
  for (int i = 0; i < 2; ++i) {
    optSprache[i].SetVisible(visible);
    lblOpt[i].SetVisible(visible);
    imgOPt[i].SetVisible(visible);
  }
}

// --- Forward and back ---

void frmSetup::TurnTo(int page) {
  wizardPage_ = page;
  turnedAt_ = app_.platform.TickCount();
  turned_ = true;
}

bool frmSetup::JustTurned() {
  if (!turned_ || app_.platform.TickCount() - turnedAt_ >= app_.platform.DoubleClickTime()) return false;
  // The press gave the button the focus: the action page keeps it on its list.
  if (wizardPage_ == 2) cmbAktion.SetFocus();
  return true;
}

void frmSetup::cmdOK_Click() {
  if (JustTurned()) return;
  switch (wizardPage_) {
    case 0: {
      lblInfo[0].SetVisible(false);
      lblInfo[1].SetCaption(Text(TextId::InstallInstruction, ChosenLanguage()));
      TurnTo(1);
      ShowLanguageChoice(false);
      // The next step asks for rights where it needs them: the button says so, as Windows' own do.
      elevateCopies_ = CopiesNeedElevation(app_.platform.OsMajorVersion(), app_.platform.QueryElevation());
      cmdOK.SetShield(elevateCopies_);
      break;
    }
    case 1: InstallStep(); break;
    case 2: ActionStep(); break;
    default: break;
  }
}

void frmSetup::cmdRück_Click() {
  if (JustTurned()) return;
  if (wizardPage_ == 0) EndProgram(app_);  // nothing written, nothing copied
  if (wizardPage_ == 1) {
    lblInfo[1].SetCaption(Text(TextId::ChooseLanguage, Language::German));
    lblInfo[1].SetVisible(true);
    lblInfo[0].SetVisible(true);
    ShowLanguageChoice(true);
    cmdOK.SetShield(false);
    TurnTo(0);
  }
  cmbAktion.SetVisible(false);
}

// --- Installing and activating ---

void frmSetup::InstallStep() {
  const Language language = ChosenLanguage();
  // Checked here too, before the administrator prompt: an install that cannot
  // succeed asks for no rights, and the user learns what to do about it.
  if (!CompanionIsComplete(app_.platform, app_.paths))
    InstallFailed(Text(TextId::CompanionMissing, language, app_.paths.AppPath + kCompanionDownload));
  if (CopyFiles() != kFilesCopied) InstallFailed();
  cmdOK.SetShield(false);
  try {
    WriteLanguageTables(app_.settings, language);
    KeepOrWriteDefaultWarning(app_.settings);
  } catch (const SettingsWriteError&) {
    InstallFailed();
  }
  FillActionList(cmbAktion, app_.settings, language);
  cmbAktion.SetVisible(true);
  cmbAktion.SetListIndex(kBlackScreen);
  lblInfo[1].SetCaption(Text(TextId::ActionPrompt, language));
  cmdOK.SetCaption(Text(TextId::SaveCaption, language));
  cmdRück.SetVisible(false);
  HideThunder();
  chkAlpha.SetVisible(false);
  lblAlpha.SetVisible(false);
  TurnTo(2);
  cmbAktion.SetFocus();  // the choice comes first, not the button now under the pointer
}

int frmSetup::CopyFiles() {
  if (!elevateCopies_) return CopyInstallFiles(app_.platform, app_.paths);
  // Only the copies run elevated: the settings and the profile below stay the
  // user's own, not those of the administrator who answers the prompt. The
  // buttons wait with them, so that no second click starts a second helper.
  cmdOK.SetEnabled(false);
  cmdRück.SetEnabled(false);
  const int result = app_.platform.RunElevatedAndWait(kInstallFilesSwitch).value_or(kElevationDeclined);
  cmdOK.SetEnabled(true);
  cmdRück.SetEnabled(true);
  return result;
}

void frmSetup::ShowInstallError(const std::wstring& cause) {
  HideThunder();  // raised on every tick, the lightning would draw across the message
  const Language language = ChosenLanguage();
  std::wstring text = Text(TextId::InstallError, language);
  if (!cause.empty()) text += L"\r\r" + cause;
  app_.platform.ShowMessage(text, kMbIconError, Text(TextId::InstallErrorTitle, language));
}

void frmSetup::InstallFailed(const std::wstring& cause) {
  ShowInstallError(cause);
  EndProgram(app_);
}

void frmSetup::ActionStep() {
  try {
    app_.settings.SaveSetting(keys::kAktionen, keys::kUse, std::to_wstring(ChosenActionCode(cmbAktion)));
  } catch (const SettingsWriteError&) {
    // Activating a saver whose action was not stored would leave it doing what
    // the user did not choose.
    InstallFailed();
  }
  cmbAktion.SetVisible(false);
  // The saver is active only with both entries: after a refused one the user
  // learns it, and picks it by hand on the page that opens.
  const bool activated =
      app_.platform.WriteProfileEntry(L"Desktop", L"SCRNSAVE.EXE", app_.paths.WinPath + kSaverFile) &&
      app_.platform.WriteProfileEntry(L"Desktop", L"ScreenSaveActive", L"1") &&
      app_.platform.ActivateScreenSaver();  // now, not at the next sign-in
  if (!activated) {
    ShowInstallError();
    OpenScreenSaverPage();
    EndProgram(app_);
  }
  tmrEnd.SetEnabled(true);
  cmdOK.SetEnabled(false);
  cmdRück.SetEnabled(false);
  lblInfo[1].SetCaption(CompletionText(ChosenLanguage(), app_.platform.ReadVersionInfo()));
}

void frmSetup::tmrEnd_Timer() {
  tmrEnd.SetEnabled(false);  // once
  if (OpenScreenSaverPage()) EndProgram(app_);
  // Not started: the completion text stays until the user closes the wizard.
}

bool frmSetup::OpenScreenSaverPage() {
  int tab = kScreenSaverTab;
  return OpenDisplayProperties(app_, tab);
}

void frmSetup::Form_QueryUnload(int& /*cancel*/, ui::UnloadMode /*mode*/) { EndProgram(app_); }

void frmSetup::Form_Unload(int& /*cancel*/) { EndProgram(app_); }

}  // namespace tarnix
