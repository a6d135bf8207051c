#include "effects/frmBlitz.h"

#include "app/App.h"
#include "app/modAlpha.h"
#include "forms/Designs.h"
#include "platform/Platform.h"

namespace tarnix {

frmBlitz::frmBlitz(App& app) : ui::Form(kFrmBlitzDesign), app_(app) {}

void frmBlitz::Form_Load() {
  alphaLevel_ = 255;
  ui::Control& picture = C(L"picDesign");
  ShapeFormToPicture(app_.platform, picture, *this);
  // The top-right corner of the screen, the size kept.
  Move(ui::TwipsFromPixels(app_.platform.ScreenPixels().width) - picture.Width(), 0);
}

void frmBlitz::SetPulseTimer(int index, bool enabled) {
  Load();
  C(L"tmrAlpha", index).SetEnabled(enabled);
}

void frmBlitz::Control_Event(ui::Control& c, ui::Event event, const ui::MouseArgs&) {
  if (event == ui::Event::Timer && c.Name() == L"tmrAlpha") tmrAlpha_Timer(c.Index());
}

void frmBlitz::tmrAlpha_Timer(int index) {
  if (Windows5OrLater(app_)) {
    const PulseStep step = ThunderPulse(alphaLevel_, index);
    alphaLevel_ = step.level;
    if (step.handOver) {
      SetPulseTimer(index, false);
      SetPulseTimer(1 - index, true);
    }
    SetFormAlpha(app_, *this, alphaLevel_);
  }
  ZOrder();  // above the wizard, on every version
}

}  // namespace tarnix
