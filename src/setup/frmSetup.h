// The setup wizard: the language page, the install page and the action page on
// one skinned window; it installs the saver and makes it the active one.
#pragma once
#include <span>
#include <string>

#include "settings/LanguageTables.h"
#include "ui/Form.h"
#include "ui/Routes.h"

namespace tarnix {

class App;
struct VersionInfo;

// The label colours of the hover effect.
inline constexpr uint32_t kHoverHighlight = 0x40C0;
inline constexpr uint32_t kHoverNormal = 0;

// The five-line text shown when the setup is done, lines ended by a lone carriage return.
std::wstring CompletionText(Language language, const VersionInfo& version);

class frmSetup : public ui::Form {
 public:
  explicit frmSetup(App& app);

  // 0 the language page, 1 the install page, 2 the action page.
  int WizardPage() const { return wizardPage_; }
  // English when optSprache(0) is chosen, German otherwise.
  Language ChosenLanguage();

  // The designed controls.
  ui::Control& cmbAktion = Bind(L"cmbAktion");
  ui::Control& chkAlpha = Bind(L"chkAlpha");
  ui::Control& picDesign = Bind(L"picDesign");
  ui::Control& tmrEnd = Bind(L"tmrEnd");
  ui::Control& cmdRück = Bind(L"cmdR\u00fcck");
  ui::Control& cmdOK = Bind(L"cmdOK");
  ui::ControlArray optSprache = BindArray(L"optSprache");
  ui::Control& lblVer = Bind(L"lblVer");
  ui::Control& lblAktion = Bind(L"lblAktion");
  ui::Control& lblAlpha = Bind(L"lblAlpha");
  ui::ControlArray imgSp = BindArray(L"imgSp");
  ui::ControlArray lblOpt = BindArray(L"lblOpt");
  ui::ControlArray imgOPt = BindArray(L"imgOPt");
  ui::ControlArray lblInfo = BindArray(L"lblInfo");

  // Every event of the wizard's controls and the handler it runs.
  static std::span<const ui::Route<frmSetup>> Routes();
  void Control_Event(ui::Control& control, ui::Event event, const ui::MouseArgs& args) override;
  void Form_MouseMove(int button, int shift, float x, float y) override;

  void cmdOK_Click();
  void cmdRück_Click();
  void optSprache_Click(int index);
  void lblOpt_Click(int index);
  void imgOPt_Click(int index);
  void lblOpt_MouseMove(int index);
  void imgOPt_MouseMove(int index);
  void lblAlpha_MouseMove();
  void chkAlpha_MouseMove();
  void lblAlpha_Click();
  void chkAlpha_Click();
  void tmrEnd_Timer();

 protected:
  void Form_Load() override;
  // Closing the window in any way ends the program.
  void Form_QueryUnload(int& cancel, ui::UnloadMode mode) override;
  void Form_Unload(int& cancel) override;

 private:
  void InstallStep();
  // The install step's two copies, by this process or its elevated helper.
  int CopyFiles();
  void ActionStep();
  // The language page's four controls, shown or hidden together.
  void ShowLanguageChoice(bool visible);
  void HideThunder();
  // In the chosen language; a known cause follows the message.
  void ShowInstallError(const std::wstring& cause = std::wstring());
  // The Display control panel on its screen-saver page; false when it could not start.
  bool OpenScreenSaverPage();
  [[noreturn]] void InstallFailed(const std::wstring& cause = std::wstring());

  // Turns to a page; a click that lands on what the page puts under the
  // pointer within the double-click time belongs to the click before.
  void TurnTo(int page);
  bool JustTurned();

  App& app_;
  int wizardPage_ = 0;
  unsigned turnedAt_ = 0;
  bool turned_ = false;
  bool elevateCopies_ = false;
};

}  // namespace tarnix
