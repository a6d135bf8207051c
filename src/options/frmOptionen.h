#pragma once
#include "ui/Form.h"

namespace tarnix {

class App;

class frmOptionen : public ui::Form {
 public:
  explicit frmOptionen(App& app) : ui::Form(L"frmOptionen"), app_(app) {}

 protected:
  void Form_Load() override;
  // Closing the window in any way ends the program.
  void Form_QueryUnload(int& cancel, ui::UnloadMode mode) override;
  void Form_Unload(int& cancel) override;

 private:
  App& app_;
};

}  // namespace tarnix
