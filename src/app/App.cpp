#include "app/App.h"

namespace tarnix {

App::App(Platform& p, SettingsStore& s)
    : platform(p), settings(s), main(*this), options(*this), setup(*this), blitz(*this) {}

void App::Start() {
  main.Form_Initialize();
  main.Load();
  if (main.IsLoaded() && !main.WasTouched()) main.ShowDesignState();
}

bool App::HasOpenWindow() const {
  for (const ui::Form* f : {static_cast<const ui::Form*>(&main), static_cast<const ui::Form*>(&options),
                            static_cast<const ui::Form*>(&setup), static_cast<const ui::Form*>(&blitz)})
    if (f->IsLoaded() && f->Host()) return true;
  return false;
}

}  // namespace tarnix
