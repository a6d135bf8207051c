// A plain white top-level window that plays the display settings' preview
// host in the test helpers: made with a given client size, its handle and
// client origin written to a file, alive until it is closed.
#pragma once
#include <windows.h>

#include <cstdint>
#include <cstdio>

namespace tarnix::testing {

inline LRESULT CALLBACK TestHostProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(h, msg, wp, lp);
}

inline HWND CreateTestHost(int clientWidth, int clientHeight, int left, int top) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = TestHostProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));  // told apart from a black preview
  wc.lpszClassName = L"TarnixTestHost";
  RegisterClassW(&wc);
  RECT r{0, 0, clientWidth, clientHeight};
  AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
  HWND hwnd = CreateWindowW(L"TarnixTestHost", L"Preview host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, left, top,
                            r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  UpdateWindow(hwnd);
  return hwnd;
}

// Writes "hwnd=N client=X,Y size=WxH pid=P"; false when the file cannot be written.
inline bool WriteTestHostInfo(const wchar_t* file, HWND hwnd) {
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  RECT client{};
  GetClientRect(hwnd, &client);
  FILE* f = _wfopen(file, L"w");
  if (!f) return false;
  std::fprintf(f, "hwnd=%lu client=%ld,%ld size=%ldx%ld pid=%lu\n",
               static_cast<unsigned long>(reinterpret_cast<uintptr_t>(hwnd)), origin.x, origin.y, client.right,
               client.bottom, static_cast<unsigned long>(GetCurrentProcessId()));
  std::fclose(f);
  return true;
}

inline void RunUntilQuit() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace tarnix::testing
