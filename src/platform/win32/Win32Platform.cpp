#include "platform/win32/Win32Platform.h"

#include <windows.h>
#include <shellapi.h>
#include <winnetwk.h>

#include <vector>

#include "platform/VersionBlock.h"
#include "platform/win32/SystemLibrary.h"
#include "platform/win32/Unique.h"

namespace tarnix {

// The window host loads and initialises the common controls before it makes
// its first window (EnsureCommonControls): a run that makes none, such as /a or
// an action's command, never pays for loading them.
void Win32Platform::InitCommonControls() {}

std::wstring Win32Platform::ExePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::wstring();
    if (n < buffer.size()) return std::wstring(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring Win32Platform::CommandLine() { return GetCommandLineW(); }

std::wstring Win32Platform::Environment(const std::wstring& name) {
  const DWORD needed = GetEnvironmentVariableW(name.c_str(), nullptr, 0);
  if (needed == 0) return std::wstring();
  std::vector<wchar_t> buffer(needed);
  const DWORD n = GetEnvironmentVariableW(name.c_str(), buffer.data(), needed);
  return n < needed ? std::wstring(buffer.data(), n) : std::wstring();
}

unsigned Win32Platform::TickCount() { return GetTickCount(); }

unsigned Win32Platform::DoubleClickTime() { return GetDoubleClickTime(); }

std::wstring Win32Platform::SystemWindowsFolder() {
  wchar_t buffer[MAX_PATH + 1] = {};
  const UINT n = GetWindowsDirectoryW(buffer, MAX_PATH + 1);
  return n > 0 && n <= MAX_PATH ? std::wstring(buffer, n) : std::wstring();
}

bool Win32Platform::FolderExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Platform::ActivateScreenSaver() {
  return SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, SPIF_SENDCHANGE) != FALSE;
}

bool Win32Platform::DeactivateScreenSaver() {
  return SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, SPIF_SENDCHANGE) != FALSE;
}

std::wstring Win32Platform::ReadProfileEntry(const std::wstring& section, const std::wstring& key) {
  std::vector<wchar_t> buffer(MAX_PATH + 1);
  for (;;) {
    const DWORD n = GetProfileStringW(section.c_str(), key.c_str(), L"", buffer.data(), DWORD(buffer.size()));
    if (n + 1 < buffer.size()) return std::wstring(buffer.data(), n);
    buffer.resize(buffer.size() * 2);  // cut to fit: try again with room
  }
}

bool Win32Platform::RemoveProfileEntry(const std::wstring& section, const std::wstring& key) {
  return ::WriteProfileStringW(section.c_str(), key.c_str(), nullptr) != FALSE;
}

bool Win32Platform::AskYesNo(const std::wstring& text, const std::wstring& title) {
  return MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND) == IDYES;
}

bool Win32Platform::FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<uint64_t> Win32Platform::FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return uint64_t(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

bool Win32Platform::DeleteFileNow(const std::wstring& path) {
  if (DeleteFileW(path.c_str())) return true;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool Win32Platform::DeleteFileWhenFree(const std::wstring& path, unsigned timeoutMs) {
  const DWORD start = GetTickCount();
  while (!DeleteFileNow(path)) {
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(100);  // a program that runs it is still ending
  }
  return true;
}

bool Win32Platform::RenameFile(const std::wstring& from, const std::wstring& to) {
  return MoveFileExW(from.c_str(), to.c_str(), 0) != FALSE;  // never over another file
}

bool Win32Platform::DeleteAtRestart(const std::wstring& path) {
  return MoveFileExW(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
}

void Win32Platform::ForgetDownloadMark(const std::wstring& path) {
  // The mark is the file's NTFS stream "Zone.Identifier"; on a disk without
  // streams, or without the mark, the call fails and changes nothing.
  DeleteFileW((path + L":Zone.Identifier").c_str());
}

std::wstring Win32Platform::TempFolder() {
  wchar_t buffer[MAX_PATH + 2] = {};
  const DWORD n = GetTempPathW(MAX_PATH + 2, buffer);
  return n > 0 && n <= MAX_PATH + 1 ? std::wstring(buffer, n) : std::wstring();
}

bool Win32Platform::WriteMachineKey(const std::wstring& subKey, const std::vector<RegistryValue>& values) {
  bool written = false;
  {
    win32::UniqueKey key;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(),
                        nullptr) != ERROR_SUCCESS)
      return false;
    written = true;
    for (const RegistryValue& v : values) {
      const DWORD number = v.number.value_or(0);
      const BYTE* data = v.number ? reinterpret_cast<const BYTE*>(&number) : reinterpret_cast<const BYTE*>(v.text.c_str());
      const DWORD bytes = v.number ? DWORD(sizeof(number)) : DWORD((v.text.size() + 1) * sizeof(wchar_t));
      written = written && RegSetValueExW(key.get(), v.name.c_str(), 0, v.number ? REG_DWORD : REG_SZ, data, bytes) ==
                               ERROR_SUCCESS;
    }
  }
  if (!written) DeleteMachineKey(subKey);  // no half entry
  return written;
}

bool Win32Platform::MachineKeyExists(const std::wstring& subKey) {
  win32::UniqueKey key;
  return RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_QUERY_VALUE, key.put()) == ERROR_SUCCESS;
}

bool Win32Platform::DeleteMachineKey(const std::wstring& subKey) {
  const LONG rc = RegDeleteKeyW(HKEY_LOCAL_MACHINE, subKey.c_str());
  return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

Language Win32Platform::DisplayLanguage() {
  // The language of the user's Windows menus and dialogs, not the format settings.
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_GERMAN ? Language::German : Language::English;
}

long Win32Platform::OsMajorVersion() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&info)) return 0;
#pragma GCC diagnostic pop
  return static_cast<long>(info.dwMajorVersion);
}

void Win32Platform::ShowMessage(const std::wstring& text, unsigned style, const std::wstring& title) {
  MessageBoxW(nullptr, text.c_str(), title.c_str(), style);
}

void Win32Platform::Beep() { MessageBeep(MB_OK); }

void Win32Platform::EndProcess(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

bool Win32Platform::RunCommand(const std::wstring& program, const std::wstring& commandLine,
                               int showState) {
  std::vector<wchar_t> mutableLine(commandLine.begin(), commandLine.end());
  mutableLine.push_back(L'\0');
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESHOWWINDOW;
  // A program started hidden shows nothing, so the pointer must not wait for it either.
  if (showState == SW_HIDE) si.dwFlags |= STARTF_FORCEOFFFEEDBACK;
  si.wShowWindow = static_cast<WORD>(showState);
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(program.empty() ? nullptr : program.c_str(), mutableLine.data(), nullptr,
                      nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return false;
  win32::UniqueHandle process(pi.hProcess), thread(pi.hThread);
  return true;
}

VersionInfo Win32Platform::ReadVersionInfo() {
  HRSRC res = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16) /* RT_VERSION */);
  if (!res) return {};
  HGLOBAL loaded = LoadResource(nullptr, res);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return ParseVersionBlock(static_cast<const uint8_t*>(data), SizeofResource(nullptr, res))
      .value_or(VersionInfo{});
}

int Win32Platform::ShowCursor(bool show) { return ::ShowCursor(show ? TRUE : FALSE); }

ScreenSize Win32Platform::ScreenPixels() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool Win32Platform::CopyFileTo(const std::wstring& from, const std::wstring& to) {
  return ::CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE;
}

bool Win32Platform::WriteProfileEntry(const std::wstring& section, const std::wstring& key,
                                      const std::wstring& value) {
  return ::WriteProfileStringW(section.c_str(), key.c_str(), value.c_str()) != FALSE;
}

namespace {
// Whether User Account Control is switched on: only then does a "runas"
// start give a standard process administrator rights.
bool UacEnabled() {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System", 0,
                    KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS)
    return false;
  win32::UniqueKey key(raw);
  DWORD value = 0, size = sizeof(value), type = 0;
  if (RegQueryValueExW(key.get(), L"EnableLUA", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD)
    return false;
  return value != 0;
}
}  // namespace

Elevation Win32Platform::QueryElevation() {
  HANDLE raw = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) return {};
  win32::UniqueHandle token(raw);
  // Windows before Vista knows neither query: every process has the rights its user has.
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  if (!GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof(elevation), &size)) return {};
  TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
  if (!GetTokenInformation(token.get(), TokenElevationType, &type, sizeof(type), &size))
    type = TokenElevationTypeDefault;
  Elevation e;
  e.elevated = elevation.TokenIsElevated != 0;
  // A filtered administrator has a full token behind the consent prompt; a
  // standard user gets the credentials prompt, but only while UAC is on.
  e.canElevate = !e.elevated && (type == TokenElevationTypeLimited || UacEnabled());
  return e;
}

namespace {
// The elevated helper runs in the administrator's logon session, which does
// not see the user's mapped drive letters: a program started from one is
// named to it by its network path. Any other path stays as it is.
std::wstring NetworkPathOf(const std::wstring& path) {
  if (path.size() < 3 || path[1] != L':' || path[2] != L'\\') return path;
  const wchar_t root[] = {path[0], L':', L'\\', L'\0'};
  if (GetDriveTypeW(root) != DRIVE_REMOTE) return path;
  using GetUniversalNameFn = DWORD(WINAPI*)(LPCWSTR, DWORD, LPVOID, LPDWORD);
  const auto getUniversalName = SystemFunctionAs<GetUniversalNameFn>(L"mpr.dll", "WNetGetUniversalNameW");
  if (!getUniversalName) return path;
  std::vector<UNIVERSAL_NAME_INFOW> buffer(64);  // the structure, then its string
  DWORD bytes = DWORD(buffer.size() * sizeof(buffer[0]));
  DWORD result = getUniversalName(path.c_str(), UNIVERSAL_NAME_INFO_LEVEL, buffer.data(), &bytes);
  if (result == ERROR_MORE_DATA) {
    buffer.resize(bytes / sizeof(buffer[0]) + 1);
    bytes = DWORD(buffer.size() * sizeof(buffer[0]));
    result = getUniversalName(path.c_str(), UNIVERSAL_NAME_INFO_LEVEL, buffer.data(), &bytes);
  }
  if (result != NO_ERROR || !buffer[0].lpUniversalName || !*buffer[0].lpUniversalName) return path;
  return buffer[0].lpUniversalName;
}
}  // namespace

std::optional<int> Win32Platform::RunElevatedAndWait(const std::wstring& arguments) {
  const std::wstring exe = NetworkPathOf(ExePath());
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof(info);
  // Not SEE_MASK_FLAG_NO_UI: it holds back every prompt of the shell, not only
  // its error boxes (the security warning for a downloaded file too, since
  // SmartScreen's 2024 update), and the start then fails instead of asking.
  // A declined prompt shows nothing either way.
  // The program's file type, not the file's own: ".scr" has no "runas" verb
  // (Windows' screen-saver type offers "open" as "%1 /S", which must never
  // run here), nor has a download saved under another extension; the program
  // type's "runas" starts any program file as a program.
  // No zone check either: this is the file that already runs, whose download
  // warning the user has answered; asking again before the administrator
  // prompt would only put a second question in the way.
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_CLASSNAME | SEE_MASK_NOZONECHECKS;
  info.lpClass = L"exefile";
  info.hwnd = GetActiveWindow();  // the prompt belongs to the wizard
  info.lpVerb = L"runas";
  info.lpFile = exe.c_str();
  info.lpParameters = arguments.empty() ? nullptr : arguments.c_str();
  info.nShow = SW_HIDE;
  // shell32 is loaded only here: no other run of the program needs it.
  using ShellExecuteExFn = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
  const auto shellExecuteEx = SystemFunctionAs<ShellExecuteExFn>(L"shell32.dll", "ShellExecuteExW");
  if (!shellExecuteEx) return kElevatedNotStarted;
  // Only a refused prompt is the user's answer; any other failure the user must hear of.
  if (!shellExecuteEx(&info))
    return GetLastError() == ERROR_CANCELLED ? std::nullopt : std::optional<int>(kElevatedNotStarted);
  if (!info.hProcess) return kElevatedNotStarted;
  win32::UniqueHandle process(info.hProcess);
  // The wizard's windows go on painting (and its thunder flickering) meanwhile.
  HANDLE handle = process.get();
  bool quit = false;  // a quit request is kept for the program's own loop
  int quitCode = 0;
  for (;;) {
    const DWORD woke = quit ? WaitForSingleObject(handle, INFINITE)
                            : MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_ALLINPUT);
    if (woke != WAIT_OBJECT_0 + 1) break;
    MSG msg;
    while (!quit && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = true;
        quitCode = int(msg.wParam);
        break;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  if (quit) PostQuitMessage(quitCode);
  DWORD code = 0;
  if (!GetExitCodeProcess(handle, &code)) return std::nullopt;
  return int(code);
}

std::string Win32Platform::ReadFileHead(const std::wstring& path, size_t count) {
  win32::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.get() || file.get() == INVALID_HANDLE_VALUE) return std::string();
  std::string head(count, '\0');
  DWORD read = 0;
  if (!ReadFile(file.get(), head.data(), DWORD(count), &read, nullptr)) return std::string();
  head.resize(read);
  return head;
}

ScreenArea Win32Platform::VirtualScreenPixels() {
  ScreenArea a{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
               GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  if (a.width <= 0 || a.height <= 0) {  // a system without the metrics: the primary screen
    const ScreenSize s = ScreenPixels();
    a = {0, 0, s.width, s.height};
  }
  return a;
}

}  // namespace tarnix
