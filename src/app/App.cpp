#include "app/App.h"

namespace tarnix {

App::App(Platform& p, SettingsStore& s)
    : platform(p), settings(s), main(*this), options(*this), setup(*this), blitz(*this) {}

void App::Start() {
  main.Form_Initialize();
  main.Load();
  if (main.IsLoaded() && !main.WasTouched()) main.ShowDesignState();
}

void App::SetHost(ui::FormHost* host) {
  for (ui::Form* f : Forms()) f->SetHost(host);
}

bool App::HasOpenWindow() const {
  for (const ui::Form* f : Forms())
    if (f->IsLoaded() && f->Host()) return true;
  return false;
}

}  // namespace tarnix
