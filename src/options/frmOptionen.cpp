#include "options/frmOptionen.h"

#include <string>

#include "app/App.h"
#include "app/Numeric.h"
#include "forms/Designs.h"
#include "platform/Platform.h"
#include "settings/Actions.h"
#include "settings/SettingsStore.h"

namespace tarnix {

namespace {
const wchar_t kSaveFailed[] =
    L"The settings could not be saved.\r"
    L"Die Einstellungen konnten nicht gespeichert werden.";
}  // namespace

frmOptionen::frmOptionen(App& app) : ui::Form(kFrmOptionenDesign), app_(app) {}

void frmOptionen::Form_Load() {
  SettingsStore& s = app_.settings;
  C(L"lblBesch").SetCaption(s.GetSetting(L"Sprache", L"Beschreibung", L""));
  const VersionInfo version = app_.platform.ReadVersionInfo();
  C(L"lblVer").SetCaption(MajorMinor(version));
  ShapeFormToPicture(app_.platform, C(L"picDesign"), *this);
  ui::Control& list = C(L"cmbAktion");
  for (int code = 0; code < kActionCount; ++code)
    list.AddItem(s.GetSetting(L"Aktionen", std::to_wstring(code), L""));
  // A stored code that is missing, not whole or out of range selects the
  // black screen, as the setup does.
  list.SetListIndex(WholeNumberIn(s.GetSetting(L"Aktionen", L"use", L""), 0, kActionCount - 1).value_or(kBlackScreen));
  C(L"lblAktion").SetCaption(s.GetSetting(L"Sprache", L"Aktion", L""));
  C(L"lblAlpha").SetCaption(s.GetSetting(L"Sprache", L"Alpha", L""));
  C(L"cmdOK").SetCaption(s.GetSetting(L"Sprache", L"Speichern", L""));
  // "1" ticks the box, "2" greys it, anything else clears it.
  C(L"chkAlpha").SetValue(WholeNumberIn(s.GetSetting(L"Einstellungen", L"Alpha", L""), 1, 2).value_or(0));
}

void frmOptionen::Control_Event(ui::Control& c, ui::Event event, const ui::MouseArgs&) {
  const std::wstring& name = c.Name();
  if (event == ui::Event::Click) {
    if (name == L"cmbAktion") cmbAktion_Click();
    else if (name == L"cmdOK") cmdOK_Click();
    else if (name == L"lblAlpha") lblAlpha_Click();
    else if (name == L"chkAlpha") chkAlpha_Click();
  } else if (event == ui::Event::MouseMove) {
    if (name == L"chkAlpha") chkAlpha_MouseMove();
    else if (name == L"lblAlpha") lblAlpha_MouseMove();
  } else if (event == ui::Event::MouseDown) {
    if (name == L"imgVersch") imgVersch_MouseDown();
  }
}

void frmOptionen::cmbAktion_Click() {
  const int code = C(L"cmbAktion").ListIndex();
  C(L"lblText").SetCaption(app_.settings.GetSetting(L"Sprache", std::to_wstring(code), L""));
}

void frmOptionen::cmdOK_Click() {
  int code = C(L"cmbAktion").ListIndex();
  if (code < 0 || code >= kActionCount) code = kBlackScreen;  // never store a code the saver cannot run
  try {
    app_.settings.SaveSetting(L"Aktionen", L"Use", std::to_wstring(code));
    app_.settings.SaveSetting(L"Einstellungen", L"Alpha", std::to_wstring(C(L"chkAlpha").Value()));
  } catch (const SettingsWriteError&) {
    // The user must not believe the choice was kept.
    app_.platform.ShowMessage(kSaveFailed, kMbIconExclamation, L"Tarnix");
  }
  EndProgram(app_);
}

void frmOptionen::lblAlpha_Click() {
  ui::Control& box = C(L"chkAlpha");
  box.SetValue(box.Value() == 0 ? 1 : 0);
}

void frmOptionen::chkAlpha_MouseMove() { C(L"lblAlpha").SetUnderline(true); }

void frmOptionen::lblAlpha_MouseMove() { C(L"lblAlpha").SetUnderline(true); }

void frmOptionen::Form_MouseMove(int, int, float, float) { C(L"lblAlpha").SetUnderline(false); }

void frmOptionen::imgVersch_MouseDown() { BeginDrag(); }

void frmOptionen::Form_QueryUnload(int& /*cancel*/, ui::UnloadMode /*mode*/) { EndProgram(app_); }

void frmOptionen::Form_Unload(int& /*cancel*/) { EndProgram(app_); }

}  // namespace tarnix
