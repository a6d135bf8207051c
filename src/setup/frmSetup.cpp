#include "setup/frmSetup.h"

#include "app/App.h"
#include "forms/Designs.h"
#include "platform/Platform.h"
#include "settings/Actions.h"
#include "settings/SettingsStore.h"

namespace tarnix {

namespace {

// The wizard's own texts; the texts for later readers are the language tables.
struct SetupTexts {
  const wchar_t* installInstruction;
  const wchar_t* actionPrompt;
  const wchar_t* save;
  const wchar_t* errorText;
  const wchar_t* errorTitle;
  const wchar_t* freeProgram;
  const wchar_t* authorPrefix;
  const wchar_t* success;
  const wchar_t* ending;
};

const SetupTexts kSetupTexts[2] = {
    {
        L"Click on the right button to install the screen saver.",
        L"Screen Saver has been installed. Choose what the Screen Saver should do on starting.",
        L"Save",
        L"The Screen Saver could not be installed successfully. Setup will end.",
        L"Setup-Error",
        L"Free Program!",
        L"Author: ",
        L"Screen Saver has beeb successfully installed. ",
        L"Setup will end now.",
    },
    {
        L"Klicken Sie auf die rechte Schaltfl\u00e4che, um den Bildschirmschoner zu installieren.",
        L"Der Bildschirmschoner wurde installiert. Welche Aktion soll beim Start des Bildschirmschoners "
        L"durchgef\u00fchrt werden?",
        L"Speichern",
        L"Der Bildschirmschoner konnte nicht installiert werden. Setup wird beendet.",
        L"Setup-Fehler",
        L"Kostenloses Programm!",
        L"Autor: ",
        L"Die Installation wurde erfolgreich abgeschlossen.",
        L"Setup wird jetzt beendet.",
    },
};

const SetupTexts& TextsFor(Language language) { return kSetupTexts[int(language)]; }

const wchar_t kChooseLanguage[] = L"W\u00e4hlen Sie eine Sprache.";
constexpr int kScreenSaverTab = 1;

}  // namespace

std::wstring CompletionText(Language language, const VersionInfo& v) {
  const SetupTexts& t = TextsFor(language);
  return std::wstring(t.freeProgram) + L"\r" + t.authorPrefix + v.companyName + L"\rVersion: " + MajorMinor(v) +
         L"." + std::to_wstring(v.revision) + L"\r" + t.success + L"\r" + t.ending;
}

frmSetup::frmSetup(App& app) : ui::Form(kFrmSetupDesign), app_(app) {}

Language frmSetup::ChosenLanguage() {
  return C(L"optSprache", 0).Value() ? Language::English : Language::German;
}

void frmSetup::Form_Load() {
  const VersionInfo version = app_.platform.ReadVersionInfo();
  C(L"lblVer").SetCaption(MajorMinor(version));
  InitPaths(app_);
  wizardPage_ = 0;
  ShapeFormToPicture(app_.platform, C(L"picDesign"), *this);
}

void frmSetup::Control_Event(ui::Control& c, ui::Event event, const ui::MouseArgs&) {
  const std::wstring& name = c.Name();
  const int index = c.Index();
  if (event == ui::Event::Click) {
    if (name == L"cmdOK") cmdOK_Click();
    else if (name == L"cmdR\u00fcck") cmdRück_Click();
    else if (name == L"optSprache") optSprache_Click(index);
    else if (name == L"lblOpt") lblOpt_Click(index);
    else if (name == L"imgOPt") imgOPt_Click(index);
    else if (name == L"lblAlpha") lblAlpha_Click();
    else if (name == L"chkAlpha") chkAlpha_Click();
  } else if (event == ui::Event::MouseMove) {
    if (name == L"lblOpt") lblOpt_MouseMove(index);
    else if (name == L"imgOPt") imgOPt_MouseMove(index);
    else if (name == L"lblAlpha") lblAlpha_MouseMove();
    else if (name == L"chkAlpha") chkAlpha_MouseMove();
  } else if (event == ui::Event::Timer) {
    if (name == L"tmrEnd") tmrEnd_Timer();
  }
}

// --- The language page ---

void frmSetup::lblOpt_Click(int index) { C(L"optSprache", index).SetValue(1); }

void frmSetup::imgOPt_Click(int index) { C(L"optSprache", index).SetValue(1); }

void frmSetup::optSprache_Click(int index) {
  C(L"cmdOK").SetEnabled(true);
  C(L"lblAlpha").SetCaption(index == 0 ? L"Thunder-Effect" : L"Blitz-Effekt");
  C(L"imgOPt", 0).SetPicture(C(L"imgSp", 2).Picture());
  C(L"imgOPt", 1).SetPicture(C(L"imgSp", 3).Picture());
  C(L"imgOPt", index).SetPicture(C(L"imgSp", index).Picture());
}

void frmSetup::Form_MouseMove(int, int, float, float) {
  C(L"lblOpt", 0).SetForeColor(kHoverNormal);
  C(L"lblOpt", 1).SetForeColor(kHoverNormal);
  C(L"lblAlpha").SetForeColor(kHoverNormal);
}

void frmSetup::imgOPt_MouseMove(int index) {
  C(L"lblAlpha").SetForeColor(kHoverNormal);
  C(L"lblOpt", 0).SetForeColor(kHoverNormal);
  C(L"lblOpt", 1).SetForeColor(kHoverNormal);
  C(L"lblOpt", index).SetForeColor(kHoverHighlight);
}

void frmSetup::lblOpt_MouseMove(int index) { C(L"lblOpt", index).SetForeColor(kHoverHighlight); }

void frmSetup::lblAlpha_MouseMove() {
  C(L"lblAlpha").SetForeColor(kHoverHighlight);
  C(L"lblOpt", 1).SetForeColor(kHoverNormal);
}

void frmSetup::chkAlpha_MouseMove() { C(L"lblAlpha").SetForeColor(kHoverHighlight); }

void frmSetup::lblAlpha_Click() {
  ui::Control& box = C(L"chkAlpha");
  box.SetValue(box.Value() == 0 ? 1 : 0);  // runs chkAlpha_Click
}

void frmSetup::chkAlpha_Click() {
  const int value = C(L"chkAlpha").Value();
  if (value == 1) {
    app_.blitz.Show();
    app_.blitz.SetPulseTimer(0, true);
  } else if (value == 0) {
    app_.blitz.Hide();
    app_.blitz.SetPulseTimer(0, false);
    app_.blitz.SetPulseTimer(1, false);
  }
}

// --- Forward and back ---

void frmSetup::cmdOK_Click() {
  switch (wizardPage_) {
    case 0: {
      C(L"lblInfo", 0).SetVisible(false);
      C(L"lblInfo", 1).SetCaption(TextsFor(ChosenLanguage()).installInstruction);
      wizardPage_ = 1;
      C(L"optSprache", 0).SetVisible(false);
      C(L"optSprache", 1).SetVisible(false);
      C(L"lblOpt", 0).SetVisible(false);
      C(L"imgOPt", 0).SetVisible(false);
      C(L"lblOpt", 1).SetVisible(false);
      C(L"imgOPt", 1).SetVisible(false);
      break;
    }
    case 1: InstallStep(); break;
    case 2: ActionStep(); break;
    default: break;
  }
}

void frmSetup::cmdRück_Click() {
  if (wizardPage_ == 0) EndProgram(app_);  // nothing written, nothing copied
  if (wizardPage_ == 1) {
    C(L"lblInfo", 1).SetCaption(kChooseLanguage);
    C(L"lblInfo", 1).SetVisible(true);
    C(L"lblInfo", 0).SetVisible(true);
    C(L"optSprache", 0).SetVisible(true);
    C(L"optSprache", 1).SetVisible(true);
    C(L"lblOpt", 0).SetVisible(true);
    C(L"imgOPt", 0).SetVisible(true);
    C(L"lblOpt", 1).SetVisible(true);
    C(L"imgOPt", 1).SetVisible(true);
    wizardPage_ = 0;
  }
  C(L"cmbAktion").SetVisible(false);
}

// --- Installing and activating ---

void frmSetup::InstallStep() {
  const Language language = ChosenLanguage();
  const Paths& p = app_.paths;
  if (!app_.platform.CopyFileTo(p.AppPath + p.ExeFile, p.WinPath + L"Tarnix.scr")) InstallFailed();
  if (!app_.platform.CopyFileTo(p.AppPath + L"stb.drl", p.WinPath + L"stb.exe")) InstallFailed();
  try {
    WriteLanguageTables(app_.settings, language);
  } catch (const SettingsWriteError&) {
    InstallFailed();
  }
  ui::Control& list = C(L"cmbAktion");
  for (int code = 0; code < kActionCount; ++code)
    list.AddItem(app_.settings.GetSetting(L"Aktionen", std::to_wstring(code), L""));
  list.SetVisible(true);
  list.SetListIndex(kBlackScreen);
  C(L"lblInfo", 1).SetCaption(TextsFor(language).actionPrompt);
  C(L"cmdOK").SetCaption(TextsFor(language).save);
  C(L"cmdR\u00fcck").SetVisible(false);
  app_.blitz.Hide();
  app_.blitz.SetPulseTimer(0, false);
  app_.blitz.SetPulseTimer(1, false);
  C(L"chkAlpha").SetVisible(false);
  C(L"lblAlpha").SetVisible(false);
  wizardPage_ = 2;
}

void frmSetup::InstallFailed() {
  const SetupTexts& t = TextsFor(ChosenLanguage());
  app_.platform.ShowMessage(t.errorText, kMbIconError, t.errorTitle);
  EndProgram(app_);
}

void frmSetup::ActionStep() {
  int code = C(L"cmbAktion").ListIndex();
  if (code < 0 || code >= kActionCount) code = kBlackScreen;  // never store a code the saver cannot run
  try {
    app_.settings.SaveSetting(L"Aktionen", L"Use", std::to_wstring(code));
  } catch (const SettingsWriteError&) {
    // Activating a saver whose action was not stored would leave it doing what
    // the user did not choose.
    InstallFailed();
  }
  C(L"cmbAktion").SetVisible(false);
  // The profile's answers are not examined: the saver is installed either way.
  app_.platform.WriteProfileEntry(L"Desktop", L"SCRNSAVE.EXE", app_.paths.WinPath + L"Tarnix.scr");
  app_.platform.WriteProfileEntry(L"Desktop", L"ScreenSaveActive", L"1");
  C(L"tmrEnd").SetEnabled(true);
  C(L"cmdOK").SetEnabled(false);
  C(L"cmdR\u00fcck").SetEnabled(false);
  C(L"lblInfo", 1).SetCaption(CompletionText(ChosenLanguage(), app_.platform.ReadVersionInfo()));
}

void frmSetup::tmrEnd_Timer() {
  C(L"tmrEnd").SetEnabled(false);  // once
  int tab = kScreenSaverTab;
  if (OpenDisplayProperties(app_, tab)) EndProgram(app_);
  // Not started: the completion text stays until the user closes the wizard.
}

void frmSetup::Form_QueryUnload(int& /*cancel*/, ui::UnloadMode /*mode*/) { EndProgram(app_); }

void frmSetup::Form_Unload(int& /*cancel*/) { EndProgram(app_); }

}  // namespace tarnix
