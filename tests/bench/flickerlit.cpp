// The thunder window's flicker on its own, for the flicker benchmark: the same
// lightning-shaped layered window and pulse, ticked either with the literal
// per-tick calls (the version asked twice, the style read and rewritten, the
// alpha set, the window raised) or trimmed as the program does it.
//   flickerlit literal|trimmed
#include <windows.h>

#include <cstring>

#include "app/modAlpha.h"
#include "effects/modRegion.h"
#include "forms/resource.h"
#include "ui/win32/GdiCache.h"
#include "ui/win32/Region.h"

namespace {

bool literal = true;
int level = 255, rising = 1;
HBITMAP ripples = nullptr;

bool VersionIs5OrLater() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExA(&info);
#pragma GCC diagnostic pop
  return info.dwMajorVersion >= 5;
}

void Tick(HWND hwnd) {
  static const bool once = VersionIs5OrLater();
  if (literal ? VersionIs5OrLater() : once) {
    const tarnix::PulseStep step = tarnix::ThunderPulse(level, rising ? 0 : 1);
    level = step.level;
    if (step.handOver) rising = !rising;
    if (literal ? VersionIs5OrLater() : once) {
      const LONG ex = GetWindowLongA(hwnd, GWL_EXSTYLE);
      if (literal || !(ex & WS_EX_LAYERED)) SetWindowLongA(hwnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);
      SetLayeredWindowAttributes(hwnd, 0, BYTE(level & 0xFF), LWA_ALPHA);
    }
  }
  bool covered = literal;
  for (HWND above = GetWindow(hwnd, GW_HWNDPREV); above && !covered; above = GetWindow(above, GW_HWNDPREV))
    covered = IsWindowVisible(above) && !(GetWindowLongW(above, GWL_EXSTYLE) & WS_EX_TOPMOST);
  if (covered) SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
  switch (m) {
    case WM_TIMER: Tick(h); return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(h, &ps);
      HDC mem = CreateCompatibleDC(dc);
      HGDIOBJ old = SelectObject(mem, ripples);
      BitBlt(dc, 0, 0, 640, 480, mem, 0, 0, SRCCOPY);
      SelectObject(mem, old);
      DeleteDC(mem);
      EndPaint(h, &ps);
      return 0;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(h, m, w, l);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  literal = std::wcsstr(GetCommandLineW(), L"trimmed") == nullptr;
  tarnix::ui::GdiCache gdi(instance);
  ripples = gdi.Picture(IDB_RIPPLES);
  WNDCLASSW wc = {};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.lpszClassName = L"FlickerBench";
  RegisterClassW(&wc);
  HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, L"FlickerBench", L"Form1", WS_POPUP, GetSystemMetrics(SM_CXSCREEN) - 640,
                              0, 640, 480, nullptr, nullptr, instance, nullptr);
  if (const auto mask = gdi.Pixels(IDB_BLITZ_MASK))
    SetWindowRgn(hwnd, tarnix::ui::RegionFromRects(tarnix::RegionFromPicture(*mask)).release(), TRUE);
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  SetTimer(hwnd, 1, 1, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}
