// Starts a program with a chosen WinDir (Wine sets its own for every process).
//   launch.exe WINDIR WAIT_MS PROGRAM [ARGUMENTS...]
// WINDIR "-" keeps the inherited value, "!" removes it. WAIT_MS 0 prints
// "pid=N" and returns at once; otherwise it waits, prints "exit=N" when the
// program ended in time, or ends it and prints "timeout" (exit code 3).
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

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
    TerminateProcess(pi.hProcess, 99);
    std::printf("timeout\n");
    rc = 3;
  }
  std::fflush(stdout);
  CloseHandle(pi.hProcess);
  return rc;
}
