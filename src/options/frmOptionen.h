// The options dialog: which action the saver carries out, and the thunder option.
#pragma once
#include "ui/Form.h"

namespace tarnix {

class App;

class frmOptionen : public ui::Form {
 public:
  explicit frmOptionen(App& app);

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

 protected:
  void Form_Load() override;
  // Closing the window in any way ends the program, without saving.
  void Form_QueryUnload(int& cancel, ui::UnloadMode mode) override;
  void Form_Unload(int& cancel) override;

 private:
  App& app_;
};

}  // namespace tarnix
