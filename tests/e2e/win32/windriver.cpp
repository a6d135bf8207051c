// Test helper run under Wine: finds and inspects the program's windows, plays
// the preview host of the display settings, and reads the clipboard and cursor.
//   windriver host W H OUTFILE    a window with a W x H client area; writes its handle, runs until closed
//   windriver close HWND          asks a window to close
//   windriver children HWND       the child windows of a window
//   windriver windows-titled TITLE top-level windows with that title ("" lists tool tips)
//   windriver windows PID         the top-level windows of a process
//   windriver focus HWND          the window with the keyboard focus in HWND's thread
//   windriver cursor              whether the foreground thread shows the cursor
//   windriver region HWND           the window's region, one "left top right bottom" line per rectangle
//   windriver combo HWND [N]        the items of the window's list (the Nth from the top), "*" before the selected one
//   windriver alpha HWND N MS       the extended style, then N samples of the layered alpha MS apart
//   windriver above A B             whether window A lies above window B
//   windriver clip-set TEXT | clip-get
//   windriver desktop               the desktop window's handle
//   windriver monitors              the monitor count and the virtual screen
//   windriver tooltools PID         the tool count of each tool tip control of a process
//   windriver resolution W H        sets the primary monitor's resolution (as a user in the display settings)
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "TestHost.h"
#include "Utf8.h"

namespace {

struct ToolTipSearch {
  DWORD pid;
  std::vector<HWND> tips;
};

BOOL CALLBACK CollectToolTips(HWND h, LPARAM lp) {
  auto* f = reinterpret_cast<ToolTipSearch*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(h, &owner);
  wchar_t cls[64] = {};
  GetClassNameW(h, cls, 64);
  if (owner == f->pid && std::wstring(cls) == L"tooltips_class32") f->tips.push_back(h);
  return TRUE;
}

void Describe(HWND h, const char* kind) {
  RECT r{};
  GetWindowRect(h, &r);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  wchar_t cls[128] = L"", title[256] = L"";
  GetClassNameW(h, cls, 128);
  GetWindowTextW(h, title, 256);
  const LONG style = GetWindowLongW(h, GWL_STYLE), ex = GetWindowLongW(h, GWL_EXSTYLE);
  std::printf("%s=%lu pid=%lu x=%ld y=%ld w=%ld h=%ld visible=%d topmost=%d child=%d popup=%d caption=%d toolwindow=%d appwindow=%d enabled=%d class=%ls title=%ls\n",
              kind, static_cast<unsigned long>(reinterpret_cast<uintptr_t>(h)), pid, r.left, r.top, r.right - r.left,
              r.bottom - r.top, IsWindowVisible(h) ? 1 : 0, (ex & WS_EX_TOPMOST) ? 1 : 0, (style & WS_CHILD) ? 1 : 0,
              (style & WS_POPUP) ? 1 : 0, (style & WS_CAPTION) == WS_CAPTION ? 1 : 0, (ex & WS_EX_TOOLWINDOW) ? 1 : 0,
              (ex & WS_EX_APPWINDOW) ? 1 : 0, IsWindowEnabled(h) ? 1 : 0, cls, title);
}

int Host(int w, int h, const wchar_t* outFile) {
  HWND hwnd = tarnix::testing::CreateTestHost(w, h, 100, 100);
  if (!tarnix::testing::WriteTestHostInfo(outFile, hwnd)) return 1;
  tarnix::testing::RunUntilQuit();
  return 0;
}

HWND HandleArg(const wchar_t* s) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(wcstoul(s, nullptr, 10))); }

BOOL CALLBACK EachChild(HWND h, LPARAM parent) {
  if (GetParent(h) == reinterpret_cast<HWND>(parent)) Describe(h, "child");
  return TRUE;
}

BOOL CALLBACK EachTitled(HWND h, LPARAM title) {
  wchar_t text[256] = L"";
  GetWindowTextW(h, text, 256);
  const wchar_t* want = reinterpret_cast<const wchar_t*>(title);
  wchar_t cls[64] = L"";
  GetClassNameW(h, cls, 64);
  if ((*want && std::wcscmp(text, want) == 0) || (!*want && std::wcscmp(cls, L"tooltips_class32") == 0))
    Describe(h, "window");
  return TRUE;
}

BOOL CALLBACK EachTop(HWND h, LPARAM pid) {
  DWORD owner = 0;
  GetWindowThreadProcessId(h, &owner);
  if (owner == DWORD(pid)) Describe(h, "window");
  return TRUE;
}

int Region(HWND h) {
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(h, rgn);
  if (kind == ERROR) {
    std::puts("region=none");
    DeleteObject(rgn);
    return 0;
  }
  const DWORD bytes = GetRegionData(rgn, 0, nullptr);
  std::vector<char> buffer(bytes);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  GetRegionData(rgn, bytes, data);
  const RECT* r = reinterpret_cast<const RECT*>(data->Buffer);
  for (DWORD i = 0; i < data->rdh.nCount; ++i) std::printf("%ld %ld %ld %ld\n", r[i].left, r[i].top, r[i].right, r[i].bottom);
  DeleteObject(rgn);
  return 0;
}

BOOL CALLBACK FindCombos(HWND h, LPARAM out) {
  wchar_t cls[64] = L"";
  GetClassNameW(h, cls, 64);
  if (_wcsicmp(cls, L"ComboBox") == 0) reinterpret_cast<std::vector<HWND>*>(out)->push_back(h);
  return TRUE;
}

int Combo(HWND parent, size_t n) {
  std::vector<HWND> combos;
  EnumChildWindows(parent, FindCombos, reinterpret_cast<LPARAM>(&combos));
  const auto top = [](HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r.top;
  };
  std::sort(combos.begin(), combos.end(), [&](HWND a, HWND b) { return top(a) < top(b); });
  if (n >= combos.size()) return 1;
  HWND combo = combos[n];
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0), selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(size_t(SendMessageW(combo, CB_GETLBTEXTLEN, WPARAM(i), 0)) + 1, L'\0');
    text.resize(size_t(SendMessageW(combo, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text.data()))));
    tarnix::testing::PrintUtf8((i == selected ? L"*" : L" ") + text);
  }
  return 0;
}

}  // namespace

int wmain() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  const std::wstring cmd = argc > 1 ? argv[1] : L"";
  if (cmd == L"host" && argc == 5) return Host(_wtoi(argv[2]), _wtoi(argv[3]), argv[4]);
  if (cmd == L"close" && argc == 3) return PostMessageW(HandleArg(argv[2]), WM_CLOSE, 0, 0) ? 0 : 1;
  if (cmd == L"monitors") {
    std::printf("monitors=%d virtual=%d,%d,%dx%d\n", GetSystemMetrics(SM_CMONITORS), GetSystemMetrics(SM_XVIRTUALSCREEN),
                GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN),
                GetSystemMetrics(SM_CYVIRTUALSCREEN));
    return 0;
  }
  if (cmd == L"resolution" && argc == 4) {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = DWORD(_wtoi(argv[2]));
    mode.dmPelsHeight = DWORD(_wtoi(argv[3]));
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    const LONG result = ChangeDisplaySettingsW(&mode, 0);
    std::printf("%ld\n", static_cast<long>(result));
    return result == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
  }
  if (cmd == L"desktop") {
    std::printf("%lu\n", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(GetDesktopWindow())));
    return 0;
  }
  if (cmd == L"tooltools" && argc == 3) {
    const DWORD pid = static_cast<DWORD>(_wtoi(argv[2]));
    ToolTipSearch found{pid, {}};
    EnumWindows(CollectToolTips, reinterpret_cast<LPARAM>(&found));
    for (HWND h : found.tips)
      std::printf("tools=%ld visible=%d\n", static_cast<long>(SendMessageW(h, 0x0400 + 13 /* TTM_GETTOOLCOUNT */, 0, 0)),
                  IsWindowVisible(h) ? 1 : 0);
    return 0;
  }
  if (cmd == L"children" && argc == 3) {
    EnumChildWindows(HandleArg(argv[2]), EachChild, reinterpret_cast<LPARAM>(HandleArg(argv[2])));
    return 0;
  }
  if (cmd == L"windows-titled" && argc == 3) {  // top-level windows with this title ("" : tool tips)
    EnumWindows(EachTitled, reinterpret_cast<LPARAM>(argv[2]));
    return 0;
  }
  if (cmd == L"windows" && argc == 3) {
    EnumWindows(EachTop, LPARAM(_wtoi(argv[2])));
    return 0;
  }
  if (cmd == L"focus" && argc == 3) {  // the control with the keyboard focus in a window's thread
    GUITHREADINFO gti = {};
    gti.cbSize = sizeof(gti);
    const DWORD tid = GetWindowThreadProcessId(HandleArg(argv[2]), nullptr);
    if (!tid || !GetGUIThreadInfo(tid, &gti) || !gti.hwndFocus) {
      std::puts("focus=none");
      return 0;
    }
    Describe(gti.hwndFocus, "focus");
    return 0;
  }
  if (cmd == L"region" && argc == 3) return Region(HandleArg(argv[2]));
  if (cmd == L"combo" && (argc == 3 || argc == 4)) return Combo(HandleArg(argv[2]), argc == 4 ? size_t(_wtoi(argv[3])) : 0);
  if (cmd == L"alpha" && argc == 5) {  // alpha HWND SAMPLES MS: the layered alpha, sampled
    HWND h = HandleArg(argv[2]);
    std::printf("exstyle=%08lx\n", static_cast<unsigned long>(GetWindowLongW(h, GWL_EXSTYLE)));
    for (int i = 0; i < _wtoi(argv[3]); ++i) {
      BYTE alpha = 0;
      DWORD flags = 0;
      if (GetLayeredWindowAttributes(h, nullptr, &alpha, &flags) && (flags & LWA_ALPHA)) std::printf("%u\n", alpha);
      else std::puts("none");
      Sleep(DWORD(_wtoi(argv[4])));
    }
    return 0;
  }
  if (cmd == L"above" && argc == 4) {  // above A B: whether window A lies above window B
    HWND a = HandleArg(argv[2]);
    for (HWND h = GetWindow(HandleArg(argv[3]), GW_HWNDPREV); h; h = GetWindow(h, GW_HWNDPREV))
      if (h == a) { std::puts("yes"); return 0; }
    std::puts("no");
    return 1;
  }
  if (cmd == L"cursor") {
    CURSORINFO ci = {};
    ci.cbSize = sizeof(ci);
    GetCursorInfo(&ci);
    std::printf("showing=%d\n", (ci.flags & CURSOR_SHOWING) ? 1 : 0);
    return 0;
  }
  if (cmd == L"clip-set" && argc == 3) {
    if (!OpenClipboard(nullptr)) return 1;
    EmptyClipboard();
    const size_t bytes = (wcslen(argv[2]) + 1) * sizeof(wchar_t);
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(mem), argv[2], bytes);
    GlobalUnlock(mem);
    SetClipboardData(CF_UNICODETEXT, mem);
    CloseClipboard();
    return 0;
  }
  if (cmd == L"clip-get") {
    if (!OpenClipboard(nullptr)) return 1;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const wchar_t* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    std::printf("%ls\n", text ? text : L"<empty>");
    if (data) GlobalUnlock(data);
    CloseClipboard();
    return 0;
  }
  std::fputs("usage: windriver host|close|children|windows|cursor|clip-set|clip-get ...\n", stderr);
  return 2;
}
