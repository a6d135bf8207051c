#pragma once
#include "ui/Form.h"

namespace tarnix {

class App;

// The thunder window; it has no unload handler.
class frmBlitz : public ui::Form {
 public:
  explicit frmBlitz(App& app) : ui::Form(L"frmBlitz"), app_(app) {}

 private:
  [[maybe_unused]] App& app_;
};

}  // namespace tarnix
