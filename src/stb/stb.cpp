// stb.exe: hibernation or stand-by on request, for the saver's actions.
#include <windows.h>
#include <powrprof.h>

#include <string>

#include "base/Text.h"
#include "platform/win32/Unique.h"
#include "stb/StbCommand.h"

namespace {

class Win32PowerControl : public tarnix::stb::PowerControl {
 public:
  bool EnableShutdownPrivilege() override {
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw)) return false;
    tarnix::win32::UniqueHandle token(raw);
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) return false;
    // Succeeds even when nothing was enabled; only ERROR_SUCCESS means it was.
    return AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr) &&
           GetLastError() == ERROR_SUCCESS;
  }

  bool Suspend(tarnix::stb::PowerRequest request) override {
    const BOOLEAN hibernate = request == tarnix::stb::PowerRequest::Hibernate;
    if (SetSuspendState(hibernate, FALSE, FALSE)) return true;
    error_ = GetLastError();
    return false;
  }

  std::wstring LastErrorText() override {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, error_, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring result = n ? std::wstring(text, n) : L"Error " + std::to_wstring(error_) + L".";
    if (text) LocalFree(text);
    return result;
  }

  void ShowMessage(const std::wstring& text, bool isError) override {
    MessageBoxW(nullptr, text.c_str(), L"stb", MB_OK | (isError ? MB_ICONERROR : MB_ICONINFORMATION));
  }

 private:
  DWORD error_ = 0;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  Win32PowerControl power;
  return tarnix::stb::Run(tarnix::ArgumentsFromCommandLine(GetCommandLineW()), power);
}
