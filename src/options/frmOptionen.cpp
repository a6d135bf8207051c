#include "options/frmOptionen.h"

#include <string>

#include "app/ActionChoice.h"
#include "app/App.h"
#include "app/StartMode.h"
#include "base/Decimal.h"
#include "forms/Designs.h"
#include "platform/Platform.h"
#include "settings/Actions.h"
#include "settings/Keys.h"
#include "settings/LanguageTables.h"
#include "settings/SettingsStore.h"
#include "ui/Routes.h"

namespace tarnix {

namespace {
// The dialog's events and their handlers.
const ui::Route<frmOptionen> kRoutes[] = {
    TARNIX_ROUTE(frmOptionen, cmbAktion, Click),      TARNIX_ROUTE(frmOptionen, cmbAktion, Change),
    TARNIX_ROUTE(frmOptionen, cmdOK, Click),          TARNIX_ROUTE(frmOptionen, lblAlpha, Click),
    TARNIX_ROUTE(frmOptionen, chkAlpha, Click),       TARNIX_ROUTE(frmOptionen, chkAlpha, MouseMove),
    TARNIX_ROUTE(frmOptionen, lblAlpha, MouseMove),   TARNIX_ROUTE(frmOptionen, imgVersch, MouseDown),
};
}  // namespace

std::span<const ui::Route<frmOptionen>> frmOptionen::Routes() { return kRoutes; }

frmOptionen::frmOptionen(App& app) : ui::Form(kFrmOptionenDesign), app_(app) {}

void frmOptionen::Form_Load() {
  SettingsStore& s = app_.settings;
  // Where the store lacks a text, the program's own in the user's language.
  const Language language = app_.TextLanguage();
  const auto text = [&](const wchar_t* section, const wchar_t* key) { return StoredText(s, section, key, language); };
  lblBesch.SetCaption(text(keys::kSprache, keys::kBeschreibung));
  lblVer.SetCaption(MajorMinor(app_.platform.ReadVersionInfo()));
  ShapeFormToPicture(app_.platform, picDesign, *this);
  FillActionList(cmbAktion, s, language);
  // A stored code that is missing, not whole or out of range selects the
  // black screen, as the setup does.
  cmbAktion.SetListIndex(ActionCodeFromText(s.GetSetting(keys::kAktionen, keys::kUse, L"")).value_or(kBlackScreen));
  lblAktion.SetCaption(text(keys::kSprache, keys::kAktion));
  lblAlpha.SetCaption(text(keys::kSprache, keys::kAlpha));
  cmdOK.SetCaption(text(keys::kSprache, keys::kSpeichern));
  // "1" ticks the box, "2" greys it, anything else clears it.
  chkAlpha.SetValue(WholeNumberIn(s.GetSetting(keys::kEinstellungen, keys::kAlpha, L""), 1, 2).value_or(0));
  // The warning is newer than the stored texts: its words are always the program's.
  const std::wstring warning = s.GetSetting(keys::kEinstellungen, keys::kWarnung, L"");
  lblWarnung.SetCaption(Text(TextId::WarningCaption, language));
  warningChoices_ = WarningChoices(warning);
  FillWarningList(cmbWarnung, warningChoices_, warning, language);
}

int frmOptionen::ChosenWarningSeconds() const {
  const int i = cmbWarnung.ListIndex();
  return i >= 0 && i < int(warningChoices_.size()) ? warningChoices_[size_t(i)] : kDefaultWarningSeconds;
}

void frmOptionen::Control_Event(ui::Control& c, ui::Event event, const ui::MouseArgs&) {
  ui::Dispatch(*this, Routes(), c, event);
}

void frmOptionen::cmbAktion_Click() {
  lblText.SetCaption(
      StoredText(app_.settings, keys::kSprache, std::to_wstring(cmbAktion.ListIndex()), app_.TextLanguage()));
}

void frmOptionen::cmdOK_Click() {
  try {
    app_.settings.SaveSetting(keys::kAktionen, keys::kUse, std::to_wstring(ChosenActionCode(cmbAktion)));
    app_.settings.SaveSetting(keys::kEinstellungen, keys::kAlpha, std::to_wstring(chkAlpha.Value()));
    app_.settings.SaveSetting(keys::kEinstellungen, keys::kWarnung, std::to_wstring(ChosenWarningSeconds()));
  } catch (const SettingsWriteError&) {
    // The user must not believe the choice was kept.
    app_.platform.ShowMessage(Text(TextId::SaveFailed, app_.TextLanguage()), kMbIconExclamation, L"Tarnix");
  }
  EndProgram(app_);
}

void frmOptionen::lblAlpha_Click() { ToggleBox(chkAlpha); }

void frmOptionen::chkAlpha_MouseMove() { lblAlpha.SetUnderline(true); }

void frmOptionen::lblAlpha_MouseMove() { lblAlpha.SetUnderline(true); }

void frmOptionen::Form_MouseMove(int, int, float, float) { lblAlpha.SetUnderline(false); }

void frmOptionen::imgVersch_MouseDown() { BeginDrag(); }

void frmOptionen::Form_QueryUnload(int& /*cancel*/, ui::UnloadMode /*mode*/) { EndProgram(app_); }

void frmOptionen::Form_Unload(int& /*cancel*/) { EndProgram(app_); }

}  // namespace tarnix
