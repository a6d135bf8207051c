// Stands in for shutdown.exe, rundll32.exe and stb.exe in tests: appends its own
// command line and show state to the log named by TARNIX_RECORD_LOG, and exits.
// With TARNIX_RECORD_EXE set it also logs which file ran: a copy planted
// elsewhere logs the same command line.
#include <windows.h>

#include <string>

int wmain() {
  wchar_t logPath[MAX_PATH] = L"";
  if (!GetEnvironmentVariableW(L"TARNIX_RECORD_LOG", logPath, MAX_PATH)) return 2;
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  GetStartupInfoW(&si);
  const int show = (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : -1;
  std::wstring line = GetCommandLineW();
  line += L"\tshow=" + std::to_wstring(show);
  if (GetEnvironmentVariableW(L"TARNIX_RECORD_EXE", nullptr, 0)) {
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    line += std::wstring(L"\texe=") + self;
  }
  line += L"\n";
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(bytes > 0 ? bytes - 1 : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, utf8.data(), bytes, nullptr, nullptr);
  HANDLE f = CreateFileW(logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return 3;
  DWORD written = 0;
  WriteFile(f, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
  CloseHandle(f);
  return 0;
}
