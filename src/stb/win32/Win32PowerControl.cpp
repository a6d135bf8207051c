#include "stb/win32/Win32PowerControl.h"

#include <powrprof.h>

#include "platform/win32/Unique.h"

namespace tarnix::stb {

bool Win32PowerControl::EnableShutdownPrivilege() {
  HANDLE raw = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw)) return false;
  win32::UniqueHandle token(raw);
  TOKEN_PRIVILEGES privileges = {};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) return false;
  // Succeeds even when nothing was enabled; only ERROR_SUCCESS means it was.
  return AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr) &&
         GetLastError() == ERROR_SUCCESS;
}

bool Win32PowerControl::Suspend(PowerRequest request) {
  const BOOLEAN hibernate = request == PowerRequest::Hibernate;
  if (SetSuspendState(hibernate, FALSE, FALSE)) return true;
  error_ = GetLastError();
  return false;
}

std::wstring Win32PowerControl::LastErrorText() {
  wchar_t* text = nullptr;
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                     FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, error_, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring result = n ? std::wstring(text, n) : L"Error " + std::to_wstring(error_) + L".";
  if (text) LocalFree(text);
  return result;
}

void Win32PowerControl::ShowMessage(const std::wstring& text, bool isError) {
  MessageBoxW(nullptr, text.c_str(), L"stb", MB_OK | (isError ? MB_ICONERROR : MB_ICONINFORMATION));
}

std::optional<PowerCapabilities> Win32PowerControl::Capabilities() {
  SYSTEM_POWER_CAPABILITIES caps = {};
  if (CallNtPowerInformation(SystemPowerCapabilities, nullptr, 0, &caps, sizeof(caps)) != 0) return std::nullopt;
  // mingw-w64's structure predates Windows 8: what the SDK names AoAc is byte
  // 0x14, its spare2[2].
  const BYTE aoac = reinterpret_cast<const BYTE*>(&caps)[0x14];
  return PowerCapabilities{caps.SystemS3 != 0, caps.SystemS4 != 0, caps.HiberFilePresent != 0, aoac != 0};
}

void Win32PowerControl::TurnDisplayOff() {
  // As the power button of a Modern Standby machine does; bounded, so that a
  // window that does not answer cannot hold stb.
  SendMessageTimeoutW(HWND_BROADCAST, WM_SYSCOMMAND, SC_MONITORPOWER, 2, SMTO_ABORTIFHUNG | SMTO_NORMAL, 1000,
                      nullptr);
}

}  // namespace tarnix::stb
