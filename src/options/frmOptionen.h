// The options dialog: which action the saver carries out, and the thunder option.
#pragma once
#include <span>
#include <vector>

#include "ui/Form.h"
#include "ui/Routes.h"

namespace tarnix {

class App;

class frmOptionen : public ui::Form {
 public:
  explicit frmOptionen(App& app);

  // The designed controls.
  ui::Control& picDesign = Bind(L"picDesign");
  ui::Control& chkAlpha = Bind(L"chkAlpha");
  ui::Control& cmdOK = Bind(L"cmdOK");
  ui::Control& cmbAktion = Bind(L"cmbAktion");
  ui::Control& imgVersch = Bind(L"imgVersch");
  ui::Control& lblVer = Bind(L"lblVer");
  ui::Control& lblText = Bind(L"lblText");
  ui::Control& lblBesch = Bind(L"lblBesch");
  ui::Control& lblAlpha = Bind(L"lblAlpha");
  ui::Control& lblAktion = Bind(L"lblAktion");
  ui::Control& lblWarnung = Bind(L"lblWarnung");
  ui::Control& cmbWarnung = Bind(L"cmbWarnung");

  // Every event of the dialog's controls and the handler it runs.
  static std::span<const ui::Route<frmOptionen>> Routes();
  void Control_Event(ui::Control& control, ui::Event event, const ui::MouseArgs& args) override;
  void Form_MouseMove(int button, int shift, float x, float y) override;

  void cmbAktion_Click();
  void cmbAktion_Change() { cmbAktion_Click(); }
  void cmdOK_Click();
  void lblAlpha_Click();
  void chkAlpha_Click() {}
  void chkAlpha_MouseMove();
  void lblAlpha_MouseMove();
  void imgVersch_MouseDown();

  // The warning time the list shows, in seconds.
  int ChosenWarningSeconds() const;

 protected:
  void Form_Load() override;
  // Closing the window in any way ends the program, without saving.
  void Form_QueryUnload(int& cancel, ui::UnloadMode mode) override;
  void Form_Unload(int& cancel) override;

 private:
  App& app_;
  std::vector<int> warningChoices_;  // the list's entries, in seconds
};

}  // namespace tarnix
