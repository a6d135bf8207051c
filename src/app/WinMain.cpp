#include <windows.h>

#include "app/App.h"
#include "platform/win32/Win32Platform.h"
#include "settings/win32/RegistrySettingsStore.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  tarnix::Win32Platform platform;
  tarnix::RegistrySettingsStore settings;
  tarnix::App app(platform, settings);
  app.Start();
  // Windows that are not built yet have no message loop to keep the process:
  // the program ends rather than lingering invisibly.
  MSG msg;
  while (app.HasOpenWindow() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  platform.EndProcess(0);
}
