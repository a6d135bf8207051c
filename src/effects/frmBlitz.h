// The thunder window: a lightning bolt cut from the ripple texture that
// flickers in the top-right corner of the screen while the setup's thunder
// box is ticked. It reacts to no input and has no unload handler.
#pragma once
#include <span>

#include "ui/Form.h"
#include "ui/Routes.h"

namespace tarnix {

class App;

class frmBlitz : public ui::Form {
 public:
  explicit frmBlitz(App& app);

  int AlphaLevel() const { return alphaLevel_; }

  // Enables or disables tmrAlpha(index), the rising (0) or falling (1) half of
  // the pulse; loads the window first, as naming a control does.
  void SetPulseTimer(int index, bool enabled);

  // The designed controls.
  ui::ControlArray tmrAlpha = BindArray(L"tmrAlpha");
  ui::Control& picDesign = Bind(L"picDesign");

  static std::span<const ui::Route<frmBlitz>> Routes();
  void Control_Event(ui::Control& control, ui::Event event, const ui::MouseArgs& args) override;
  void tmrAlpha_Timer(int index);

 protected:
  void Form_Load() override;

 private:
  App& app_;
  int alphaLevel_ = 0;
};

}  // namespace tarnix
