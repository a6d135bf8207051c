// Test helper run under Wine: plays the display settings' preview host in the
// same process as the program's own preview code, so that the preview's
// pixels can be seen (Wine does not draw a child window whose parent belongs
// to another process).
//   previewhost W H ACTION_CODE ACTION_NAME OUTFILE
// Writes "hwnd=N client=X,Y size=WxH" to OUTFILE and runs until the host is closed.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "app/App.h"
#include "platform/win32/Win32Platform.h"
#include "settings/SettingsStore.h"
#include "ui/win32/Win32Host.h"
#include "TestHost.h"

namespace {

class PreviewPlatform : public tarnix::Win32Platform {
 public:
  std::wstring commandLine;
  std::wstring ExePath() override { return L"C:\\WINDOWS\\Tarnix.scr"; }
  std::wstring CommandLine() override { return commandLine; }
};

}  // namespace

int wmain() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc != 6) {
    std::fputs("usage: previewhost W H ACTION_CODE ACTION_NAME OUTFILE\n", stderr);
    return 2;
  }
  HWND host = tarnix::testing::CreateTestHost(_wtoi(argv[1]), _wtoi(argv[2]), 300, 100);

  PreviewPlatform platform;
  platform.commandLine = L"\"C:\\WINDOWS\\Tarnix.scr\" /p " +
                         std::to_wstring(static_cast<unsigned long>(reinterpret_cast<uintptr_t>(host)));
  tarnix::MemorySettingsStore settings;
  settings.SaveSetting(L"Aktionen", L"Use", argv[3]);
  settings.SaveSetting(L"Aktionen", argv[3], argv[4]);
  tarnix::ui::Win32Host windows(GetModuleHandleW(nullptr));
  tarnix::App app(platform, settings);
  app.main.SetHost(&windows);
  app.Start();

  tarnix::testing::WriteTestHostInfo(argv[5], host);
  tarnix::testing::RunUntilQuit();
  return 0;
}
