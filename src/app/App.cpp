#include "app/App.h"

#include "platform/Platform.h"
#include "settings/LanguageTables.h"

namespace tarnix {

App::App(Platform& p, SettingsStore& s)
    : platform(p), settings(s), main(*this), options(*this), setup(*this), blitz(*this) {}

void App::Start() {
  main.Form_Initialize();
  main.Load();
  if (main.IsLoaded() && !main.WasTouched()) main.ShowDesignState();
  // A shown window the system could not make would leave the process waiting
  // for input to nothing.
  for (const ui::Form* f : Forms())
    if (f->IsVisible() && f->Host() && !f->Host()->HasWindow(*f)) {
      platform.ShowMessage(Text(TextId::NoWindow, TextLanguage()), kMbIconError, L"Tarnix");
      platform.EndProcess(kExitNoWindow);
    }
}

Language App::TextLanguage() { return StoredLanguage(settings, platform.DisplayLanguage()); }

void App::SetHost(ui::FormHost* host) {
  for (ui::Form* f : Forms()) f->SetHost(host);
}

bool App::HasOpenWindow() const {
  for (const ui::Form* f : Forms())
    if (f->IsLoaded() && f->Host() && f->Host()->HasWindow(*f)) return true;
  return false;
}

}  // namespace tarnix
