// Start-up benchmark, run under Wine: how long the saver takes from its start
// to its end (/a; /s with a command action) and to its first painted frame (/s
// with the black screen; /p in a host window), against a bare static Win32
// program doing the same, medians side by side.
//   startbench RUNS WINDIR SAVER BARE [ends]   ("ends": only the start-to-end rows)
// WINDIR holds system32\shutdown.exe (a recorder): the command action starts it.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "settings/win32/RegistrySettingsStore.h"

namespace {

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

PROCESS_INFORMATION Start(const std::wstring& program, const std::wstring& arguments) {
  std::wstring line = L"\"" + program + L"\" " + arguments;
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    std::printf("cannot start %ls\n", program.c_str());
    std::exit(1);
  }
  return pi;
}

void Finish(PROCESS_INFORMATION& pi, bool kill) {
  if (kill) TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
}

// Milliseconds until the process ends by itself.
double UntilEnd(const std::wstring& program, const std::wstring& arguments) {
  const double t0 = Now();
  PROCESS_INFORMATION pi = Start(program, arguments);
  WaitForSingleObject(pi.hProcess, 10000);
  const double t = Now() - t0;
  Finish(pi, false);
  return t;
}

// Milliseconds until a condition holds, polled; the process is ended then.
double UntilSeen(const std::wstring& program, const std::wstring& arguments, const std::function<bool()>& seen) {
  const double t0 = Now();
  PROCESS_INFORMATION pi = Start(program, arguments);
  double t = -1;
  while (Now() - t0 < 10000) {
    if (seen()) {
      t = Now() - t0;
      break;
    }
    Sleep(1);
  }
  Finish(pi, true);
  Sleep(100);  // the desktop repaints where the window was
  return t;
}

bool ScreenCentreIsBlack() {
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);
  ReleaseDC(nullptr, screen);
  return c == RGB(0, 0, 0);
}

BOOL CALLBACK AnyVisibleChild(HWND h, LPARAM found) {
  if (IsWindowVisible(h)) *reinterpret_cast<bool*>(found) = true;
  return TRUE;
}

bool HasVisibleChild(HWND host) {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  bool found = false;
  EnumChildWindows(host, AnyVisibleChild, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND MakeHost() {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"BenchHost";
  RegisterClassW(&wc);
  HWND h = CreateWindowExW(0, L"BenchHost", L"host", WS_OVERLAPPED | WS_VISIBLE, 10, 10, 200, 160, nullptr, nullptr,
                           wc.hInstance, nullptr);
  UpdateWindow(h);
  return h;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int wmain() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc != 5 && argc != 6) {
    std::fputs("usage: startbench RUNS WINDIR SAVER BARE [ends]\n", stderr);
    return 2;
  }
  const int runs = _wtoi(argv[1]);
  SetEnvironmentVariableW(L"WinDir", argv[2]);
  const std::wstring saver = argv[3], bare = argv[4];
  tarnix::RegistrySettingsStore store;
  HWND host = MakeHost();
  const std::wstring hostArg = std::to_wstring(reinterpret_cast<uintptr_t>(host));

  struct Row { const char* what; std::vector<double> saver, bare; };
  Row rows[] = {{"/a, start to end", {}, {}}, {"/a against a bare program's beep", {}, {}}, {"/s command action, start to end", {}, {}},
                {"/s black screen, to first frame", {}, {}},
                {"/p, to the shown preview", {}, {}}};
  for (int r = 0; r < runs; ++r) {
    rows[0].saver.push_back(UntilEnd(saver, L"/a"));
    rows[0].bare.push_back(UntilEnd(bare, L"exit"));
    rows[1].saver.push_back(rows[0].saver.back());
    rows[1].bare.push_back(UntilEnd(bare, L"beep"));
    store.SaveSetting(L"Aktionen", L"Use", L"0");
    store.SaveSetting(L"Einstellungen", L"Warnung", L"0");  // the start-up, not the user's last chance
    rows[2].saver.push_back(UntilEnd(saver, L"/s"));
    rows[2].bare.push_back(UntilEnd(bare, L"exit"));
    if (argc == 6) continue;
    store.SaveSetting(L"Aktionen", L"Use", L"6");
    rows[3].saver.push_back(UntilSeen(saver, L"/s", ScreenCentreIsBlack));
    rows[3].bare.push_back(UntilSeen(bare, L"window", ScreenCentreIsBlack));
    rows[4].saver.push_back(UntilSeen(saver, L"/p " + hostArg, [&] { return HasVisibleChild(host); }));
    rows[4].bare.push_back(UntilSeen(bare, L"child " + hostArg, [&] { return HasVisibleChild(host); }));
  }
  std::printf("%-34s %10s %10s %8s   (medians of %d runs, ms)\n", "start-up", "saver", "bare", "ratio", runs);
  for (const Row& row : rows) {
    if (row.saver.empty()) continue;
    const double s = Median(row.saver), b = Median(row.bare);
    std::printf("%-34s %10.1f %10.1f %8.2f\n", row.what, s, b, b > 0 ? s / b : 0);
  }
  return 0;
}
