// Test helper run under Wine: plays the display settings' preview host in the
// same process as the program's own preview code, so that the preview's
// pixels can be seen (Wine does not draw a child window whose parent belongs
// to another process).
//   previewhost W H ACTION_CODE ACTION_NAME OUTFILE
// Writes "hwnd=N client=X,Y" to OUTFILE and runs until the host is closed.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "app/App.h"
#include "platform/win32/Win32Platform.h"
#include "settings/SettingsStore.h"
#include "ui/win32/Win32Host.h"

namespace {

class PreviewPlatform : public tarnix::Win32Platform {
 public:
  std::wstring commandLine;
  std::wstring ExePath() override { return L"C:\\WINDOWS\\Tarnix.scr"; }
  std::wstring CommandLine() override { return commandLine; }
};

LRESULT CALLBACK HostProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(h, msg, wp, lp);
}

}  // namespace

int wmain() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc != 6) {
    std::fputs("usage: previewhost W H ACTION_CODE ACTION_NAME OUTFILE\n", stderr);
    return 2;
  }
  WNDCLASSW wc = {};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = L"TarnixTestHost";
  RegisterClassW(&wc);
  RECT r{0, 0, _wtoi(argv[1]), _wtoi(argv[2])};
  AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
  HWND host = CreateWindowW(L"TarnixTestHost", L"Preview host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 300, 100,
                            r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(host, SW_SHOWNORMAL);
  UpdateWindow(host);

  PreviewPlatform platform;
  platform.commandLine = L"\"C:\\WINDOWS\\Tarnix.scr\" /p " +
                         std::to_wstring(static_cast<unsigned long>(reinterpret_cast<uintptr_t>(host)));
  tarnix::MemorySettingsStore settings;
  settings.SaveSetting(L"Aktionen", L"Use", argv[3]);
  settings.SaveSetting(L"Aktionen", argv[3], argv[4]);
  tarnix::ui::Win32Host windows(wc.hInstance);
  tarnix::App app(platform, settings);
  app.main.SetHost(&windows);
  app.Start();

  POINT origin{0, 0};
  ClientToScreen(host, &origin);
  if (FILE* f = _wfopen(argv[5], L"w")) {
    std::fprintf(f, "hwnd=%lu client=%ld,%ld\n", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(host)),
                 origin.x, origin.y);
    std::fclose(f);
  }
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
