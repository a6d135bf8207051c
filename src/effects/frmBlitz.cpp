#include "effects/frmBlitz.h"

#include "app/App.h"
#include "app/modAlpha.h"
#include "forms/Designs.h"
#include "platform/Platform.h"

namespace tarnix {

namespace {
const ui::Route<frmBlitz> kRoutes[] = {TARNIX_ROUTE(frmBlitz, tmrAlpha, Timer)};
}  // namespace

std::span<const ui::Route<frmBlitz>> frmBlitz::Routes() { return kRoutes; }

frmBlitz::frmBlitz(App& app) : ui::Form(kFrmBlitzDesign), app_(app) {}

void frmBlitz::Form_Load() {
  alphaLevel_ = 255;
  ShapeFormToPicture(app_.platform, picDesign, *this);
  // The top-right corner of the screen, the size kept.
  Move(ui::TwipsFromPixels(app_.platform.ScreenPixels().width) - picDesign.Width(), 0);
}

void frmBlitz::SetPulseTimer(int index, bool enabled) {
  Load();
  tmrAlpha[index].SetEnabled(enabled);
}

void frmBlitz::Control_Event(ui::Control& c, ui::Event event, const ui::MouseArgs&) {
  ui::Dispatch(*this, Routes(), c, event);
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
