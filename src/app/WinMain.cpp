#include <windows.h>

#include <exception>

#include "app/App.h"
#include "base/Texts.h"
#include "platform/win32/Win32Platform.h"
#include "settings/win32/RegistrySettingsStore.h"
#include "ui/win32/Win32Host.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using tarnix::Language, tarnix::Text, tarnix::TextId;
  // Both languages until the store has told which one is the user's.
  tarnix::ui::SetFatalErrorText(std::wstring(Text(TextId::FatalError, Language::English)) + L"\r\n" +
                                Text(TextId::FatalError, Language::German));
  try {
    tarnix::Win32Platform platform;
    tarnix::RegistrySettingsStore settings;
    tarnix::ui::Win32Host host(instance);
    tarnix::App app(platform, settings);
    tarnix::ui::SetFatalErrorText(Text(TextId::FatalError, app.TextLanguage()));
    app.SetHost(&host);
    app.Start();
    host.RunMessageLoop([&] { return app.HasOpenWindow(); });
    platform.EndProcess(0);
  } catch (const std::exception& e) {
    tarnix::ui::EndOnFatalError(e.what());
  }
}
