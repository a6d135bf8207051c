// The setup wizard: the language page, the install page and the action page on
// one skinned window; it installs the saver and makes it the active one.
#pragma once
#include <string>

#include "settings/LanguageTables.h"
#include "ui/Form.h"

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
  void ActionStep();
  [[noreturn]] void InstallFailed();

  App& app_;
  int wizardPage_ = 0;
};

}  // namespace tarnix
