#include "app/App.h"

#include "platform/Platform.h"

namespace tarnix {

App::App(Platform& p, SettingsStore& s)
    : platform(p), settings(s), main(*this), options(*this), setup(*this), blitz(*this) {}

namespace {
const wchar_t kNoWindow[] =
    L"Tarnix could not open its window and will end.\r"
    L"Tarnix konnte sein Fenster nicht \u00f6ffnen und wird beendet.";
}  // namespace

void App::Start() {
  main.Form_Initialize();
  main.Load();
  if (main.IsLoaded() && !main.WasTouched()) main.ShowDesignState();
  // A shown window the system could not make would leave the process waiting
  // for input to nothing.
  for (const ui::Form* f : Forms())
    if (f->IsVisible() && f->Host() && !f->Host()->HasWindow(*f)) {
      platform.ShowMessage(kNoWindow, kMbIconError, L"Tarnix");
      platform.EndProcess(kExitNoWindow);
    }
}

void App::SetHost(ui::FormHost* host) {
  for (ui::Form* f : Forms()) f->SetHost(host);
}

bool App::HasOpenWindow() const {
  for (const ui::Form* f : Forms())
    if (f->IsLoaded() && f->Host() && f->Host()->HasWindow(*f)) return true;
  return false;
}

}  // namespace tarnix
