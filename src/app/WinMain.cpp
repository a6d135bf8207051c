#include <windows.h>

#include <exception>

#include "app/App.h"
#include "platform/win32/Win32Platform.h"
#include "settings/win32/RegistrySettingsStore.h"
#include "ui/win32/Win32Host.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  try {
    tarnix::Win32Platform platform;
    tarnix::RegistrySettingsStore settings;
    tarnix::ui::Win32Host host(instance);
    tarnix::App app(platform, settings);
    app.SetHost(&host);
    app.Start();
    host.RunMessageLoop([&] { return app.HasOpenWindow(); });
    platform.EndProcess(0);
  } catch (const std::exception& e) {
    tarnix::ui::EndOnFatalError(e.what());
  }
}
