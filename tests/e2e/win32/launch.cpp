// Starts a program with a chosen WinDir (Wine sets its own for every process).
//   launch.exe WINDIR WAIT_MS PROGRAM [ARGUMENTS...]
// WINDIR "-" keeps the inherited value, "!" removes it. WAIT_MS 0 prints
// "pid=N" and returns at once; otherwise it waits, prints "exit=N" when the
// program ended in time, or ends it and prints "timeout" and what it showed
// then (exit code 3): a program that should have ended tells why it did not.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "Utf8.h"

namespace {
// The shown top-level windows of one process, with a dialog's texts.
struct Shown {
  DWORD pid;
  std::wstring text;
};

BOOL CALLBACK AddChildText(HWND child, LPARAM param) {
  wchar_t cls[64] = L"", title[512] = L"";
  GetClassNameW(child, cls, 64);
  if (lstrcmpiW(cls, L"Static") == 0 && GetWindowTextW(child, title, 512) > 0)
    reinterpret_cast<std::wstring*>(param)->append(std::wstring(L" \"") + title + L"\"");
  return TRUE;
}

BOOL CALLBACK AddShown(HWND window, LPARAM param) {
  Shown& shown = *reinterpret_cast<Shown*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != shown.pid || !IsWindowVisible(window)) return TRUE;
  wchar_t cls[64] = L"", title[256] = L"";
  GetClassNameW(window, cls, 64);
  GetWindowTextW(window, title, 256);
  RECT r = {};
  GetWindowRect(window, &r);
  shown.text += std::wstring(L" [") + cls + L" '" + title + L"' " + std::to_wstring(r.left) + L"," +
                std::to_wstring(r.top) + L" " + std::to_wstring(r.right - r.left) + L"x" +
                std::to_wstring(r.bottom - r.top);
  if (lstrcmpW(cls, L"#32770") == 0) EnumChildWindows(window, AddChildText, reinterpret_cast<LPARAM>(&shown.text));
  shown.text += L"]";
  return TRUE;
}
}  // namespace

int wmain() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc < 4) {
    std::fputs("usage: launch WINDIR WAIT_MS PROGRAM [ARGUMENTS...]\n", stderr);
    return 2;
  }
  const std::wstring windir = argv[1];
  if (windir == L"!") SetEnvironmentVariableW(L"WinDir", nullptr);
  else if (windir != L"-") SetEnvironmentVariableW(L"WinDir", windir.c_str());
  const DWORD waitMs = static_cast<DWORD>(_wtoi(argv[2]));
  std::wstring program = argv[3];
  std::wstring line = L"\"" + program + L"\"";
  for (int i = 4; i < argc; ++i) line += std::wstring(L" ") + argv[i];

  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &si, &pi)) {
    std::printf("cannot-start error=%lu\n", GetLastError());
    return 4;
  }
  CloseHandle(pi.hThread);
  int rc = 0;
  if (waitMs == 0) {
    std::printf("pid=%lu\n", pi.dwProcessId);
  } else if (WaitForSingleObject(pi.hProcess, waitMs) == WAIT_OBJECT_0) {
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    std::printf("exit=%lu\n", code);
  } else {
    Shown shown{pi.dwProcessId, L""};
    EnumWindows(AddShown, reinterpret_cast<LPARAM>(&shown));
    TerminateProcess(pi.hProcess, 99);
    tarnix::testing::PrintUtf8(L"timeout showing:" + (shown.text.empty() ? L" nothing" : shown.text));
    rc = 3;
  }
  std::fflush(stdout);
  CloseHandle(pi.hProcess);
  return rc;
}
