// The reference for the start-up benchmark: a bare static Win32 program.
//   bare exit           starts and ends
//   bare beep           sounds the default beep and ends, as the saver's /a does
//   bare window         a black topmost popup over the whole screen, until ended
//   bare child HWND     a black child window filling HWND's client area, until ended
#include <windows.h>

#include <cwchar>

namespace {
LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(h, m, w, l);
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // Its own command line, without shell32: a bare program loads nothing more.
  const wchar_t* line = GetCommandLineW();
  if (*line == L'"') line = std::wcschr(line + 1, L'"') ? std::wcschr(line + 1, L'"') + 1 : L"";
  else while (*line && *line != L' ') ++line;
  while (*line == L' ') ++line;
  if (!*line || std::wcsncmp(line, L"exit", 4) == 0) return 0;
  if (std::wcsncmp(line, L"beep", 4) == 0) return MessageBeep(MB_OK) ? 0 : 1;
  WNDCLASSW wc = {};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  wc.lpszClassName = L"Bare";
  RegisterClassW(&wc);
  HWND w;
  if (std::wcsncmp(line, L"child ", 6) == 0) {
    HWND host = reinterpret_cast<HWND>(static_cast<uintptr_t>(wcstoul(line + 6, nullptr, 10)));
    RECT r{};
    GetClientRect(host, &r);
    w = CreateWindowExW(0, L"Bare", L"", WS_CHILD | WS_VISIBLE, 0, 0, r.right, r.bottom, host, nullptr, instance, nullptr);
  } else {
    w = CreateWindowExW(WS_EX_TOPMOST, L"Bare", L"", WS_POPUP | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                        GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
  }
  UpdateWindow(w);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}
