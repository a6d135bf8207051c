#pragma once
#include "ui/Form.h"

namespace tarnix {

class App;

// The thunder window; it has no unload handler.
class frmBlitz : public ui::Form {
 public:
  explicit frmBlitz(App& app) : ui::Form(L"frmBlitz"), app_(app) {}

  // Enables or disables tmrAlpha(index), the rising (0) or falling (1) half of
  // the pulse; loads the window first, as naming a control does.
  void SetPulseTimer(int index, bool enabled) {
    Load();
    for (const auto& c : Controls())
      if (c->Name() == L"tmrAlpha" && c->Index() == index) c->SetEnabled(enabled);
  }

 private:
  [[maybe_unused]] App& app_;
};

}  // namespace tarnix
