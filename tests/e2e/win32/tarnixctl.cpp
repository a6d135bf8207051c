// Test helper run under Wine: reads and writes the program's settings through
// the program's own registry store, and reads the program's version block.
//   tarnixctl set SECTION KEY VALUE | get SECTION KEY | clear
//   tarnixctl roundtrip english|german   writes the tables, then checks them
//   tarnixctl tables english|german      checks what the store holds against a table
//   tarnixctl profile-get SECTION KEY | profile-delete SECTION KEY | profile-set SECTION KEY VALUE   the Windows profile
//   tarnixctl saver-active [on|off]      Windows' screen-saver switch, as SystemParametersInfo reports it
//   tarnixctl set-typed SECTION KEY dword|binary|multi VALUE | unset SECTION KEY
//   tarnixctl set-repeated SECTION KEY CHAR COUNT TAIL   COUNT times CHAR, then TAIL
//   tarnixctl hostile-texts              fills every shown text with huge or control-character values
//   tarnixctl hold FILE                  holds a file open without sharing until killed
//   tarnixctl version EXE | icons EXE
//   tarnixctl waitpid PID MS | kill PID   waitpid prints "ended exit=N" or "running"
//   tarnixctl run-elevated MS CODE         starts itself through the program's elevated start, waits, prints its exit
//   tarnixctl exit-after MS CODE
//   tarnixctl uninstall-entry | uninstall-entry-delete   the program's entry in the installed programs
#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Utf8.h"
#include "platform/VersionBlock.h"
#include "settings/LanguageTables.h"
#include "platform/win32/Win32Platform.h"
#include "settings/win32/RegistrySettingsStore.h"

namespace {

using tarnix::testing::PrintUtf8;

// Reads a value straight from the registry, to check what the store really wrote.
bool RawValue(const std::wstring& section, const std::wstring& key, DWORD* type, std::wstring* value) {
  HKEY hkey = nullptr;
  const std::wstring path = L"Software\\VB and VBA Program Settings\\Pellhorn Tarnix\\" + section;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &hkey) != ERROR_SUCCESS)
    return false;
  wchar_t buffer[1024] = {};
  DWORD bytes = sizeof(buffer) - sizeof(wchar_t);
  const LONG rc = RegQueryValueExW(hkey, key.c_str(), nullptr, type, reinterpret_cast<BYTE*>(buffer), &bytes);
  RegCloseKey(hkey);
  *value = buffer;
  return rc == ERROR_SUCCESS;
}

// Compares every entry the setup writes with the language's table, through the
// store and straight from the registry.
int CheckTables(tarnix::Language language) {
  using tarnix::Text;
  using tarnix::TextId;
  struct Entry { std::wstring section, key, expected; };
  std::vector<Entry> entries;
  for (int i = 0; i < 7; ++i) entries.push_back({L"Aktionen", std::to_wstring(i), tarnix::ActionName(i, language)});
  for (int i = 0; i < 7; ++i) entries.push_back({L"Sprache", std::to_wstring(i), tarnix::ActionDescription(i, language)});
  entries.push_back({L"Sprache", L"Aktion", Text(TextId::ActionCaption, language)});
  entries.push_back({L"Sprache", L"Speichern", Text(TextId::SaveCaption, language)});
  entries.push_back({L"Sprache", L"Alpha", Text(TextId::ThunderCaption, language)});
  entries.push_back({L"Sprache", L"Beschreibung", Text(TextId::DescriptionCaption, language)});
  entries.push_back({L"Einstellungen", L"Alpha", L"1"});
  entries.push_back({L"Einstellungen", L"Optionen", Text(TextId::OptionsTitle, language)});
  if (language == tarnix::Language::German) {
    // Written out here as the user reads them, independent of the table's spelling.
    entries.push_back({L"Sprache", L"1", L"Fährt den Computer herunter und startet ihn neu."});
    entries.push_back({L"sprache", L"4", L"Meldet den aktiven Benutzer ab und zeigt das 'Dialogfeld' Benutzer wählen."});
  }
  int failures = 0;
  tarnix::RegistrySettingsStore reader;  // a fresh store: nothing cached
  for (const Entry& e : entries) {
    const std::wstring got = reader.GetSetting(e.section, e.key, L"<missing>");
    DWORD type = 0;
    std::wstring raw;
    const bool rawOk = RawValue(e.section, e.key, &type, &raw);
    if (got != e.expected || !rawOk || type != REG_SZ || raw != e.expected) {
      ++failures;
      std::printf("MISMATCH %ls/%ls: ", e.section.c_str(), e.key.c_str());
      PrintUtf8(got);
    }
  }
  std::printf("tables: %zu values, %d mismatches\n", entries.size(), failures);
  return failures == 0 ? 0 : 1;
}

int RoundTrip(tarnix::Language language) {
  tarnix::WriteLanguageTables(*std::make_unique<tarnix::RegistrySettingsStore>(), language);
  return CheckTables(language);
}

// A settings value of another registry type than text, as another program might leave it.
int SetTyped(const std::wstring& section, const std::wstring& name, const std::wstring& type, const std::wstring& value) {
  HKEY key = nullptr;
  const std::wstring path = L"Software\\VB and VBA Program Settings\\Pellhorn Tarnix\\" + section;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return 1;
  LONG rc = ERROR_INVALID_PARAMETER;
  if (type == L"dword") {
    const DWORD v = wcstoul(value.c_str(), nullptr, 10);
    rc = RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof(v));
  } else if (type == L"binary") {
    const std::string bytes(value.begin(), value.end());
    rc = RegSetValueExW(key, name.c_str(), 0, REG_BINARY, reinterpret_cast<const BYTE*>(bytes.data()), DWORD(bytes.size()));
  } else if (type == L"multi") {
    const std::wstring multi = value + L'\0' + value + L'\0' + L'\0';
    rc = RegSetValueExW(key, name.c_str(), 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(multi.data()),
                        DWORD(multi.size() * sizeof(wchar_t)));
  }
  RegCloseKey(key);
  return rc == ERROR_SUCCESS ? 0 : 1;
}

tarnix::Language LanguageArg(const wchar_t* s) {
  return std::wstring(s) == L"german" ? tarnix::Language::German : tarnix::Language::English;
}

BOOL CALLBACK CountResource(HMODULE, LPCWSTR, LPWSTR, LONG_PTR count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int Version(const wchar_t* exe) {
  HMODULE module = LoadLibraryExW(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) { std::puts("cannot load"); return 1; }
  HRSRC res = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16));
  HGLOBAL loaded = res ? LoadResource(module, res) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) { std::puts("no version block"); return 1; }
  const auto info = tarnix::ParseVersionBlock(static_cast<const uint8_t*>(data), SizeofResource(module, res));
  if (!info) { std::puts("malformed version block"); return 1; }
  std::printf("%d.%d.%d ", info->major, info->minor, info->revision);
  PrintUtf8(info->companyName);
  return 0;
}

}  // namespace

int g_ticks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++g_ticks; }

int wmain() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  const std::wstring cmd = argc > 1 ? argv[1] : L"";
  tarnix::RegistrySettingsStore store;
  if (cmd == L"set" && argc == 5) {
    store.SaveSetting(argv[2], argv[3], argv[4]);
    return 0;
  }
  if (cmd == L"get" && argc == 4) {
    PrintUtf8(store.GetSetting(argv[2], argv[3], L"<missing>"));
    return 0;
  }
  if (cmd == L"exit-after" && argc == 4) {  // MS CODE: ends with CODE after MS
    Sleep(static_cast<DWORD>(_wtoi(argv[2])));
    return _wtoi(argv[3]);
  }
  if (cmd == L"run-elevated" && (argc == 4 || (argc == 5 && std::wstring(argv[4]) == L"moved"))) {
    // MS CODE [moved]: the platform's elevated start of itself, waited for;
    // "moved" first moves this program's file away, so that the start fails.
    if (argc == 5) {
      wchar_t self[MAX_PATH];
      GetModuleFileNameW(nullptr, self, MAX_PATH);
      if (!MoveFileW(self, (std::wstring(self) + L".moved").c_str())) return 2;
    }
    // A timer of this thread counts what the wait dispatches, as a wizard's paint and pulse would be.
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, CountTick);
    const std::optional<int> code =
        tarnix::Win32Platform().RunElevatedAndWait(std::wstring(L"exit-after ") + argv[2] + L" " + argv[3]);
    KillTimer(nullptr, timer);
    if (code) std::printf("exit=%d ticks=%d\n", *code, g_ticks);
    else std::puts("declined");
    return 0;
  }
  if (cmd == L"clear") {
    SHDeleteKeyW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Pellhorn Tarnix");
    return 0;
  }
  if (cmd == L"uninstall-entry") {  // "name=value" per value, or "absent"
    const wchar_t* path = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarnix";
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
      std::puts("absent");
      return 0;
    }
    for (DWORD i = 0;; ++i) {
      wchar_t name[256];
      DWORD nameLength = 256, type = 0;
      BYTE data[4096] = {};
      DWORD bytes = sizeof(data) - sizeof(wchar_t);
      if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &bytes) != ERROR_SUCCESS) break;
      const std::wstring value = type == REG_DWORD ? std::to_wstring(*reinterpret_cast<const DWORD*>(data))
                                                   : std::wstring(reinterpret_cast<const wchar_t*>(data));
      PrintUtf8(std::wstring(name, nameLength) + (type == REG_DWORD ? L"#" : L"=") + value);
    }
    RegCloseKey(key);
    return 0;
  }
  if (cmd == L"uninstall-entry-delete") {
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarnix");
    return 0;
  }
  if (cmd == L"store") {  // whether the program's settings key exists at all
    HKEY key = nullptr;
    const bool present = RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Pellhorn Tarnix", 0,
                                       KEY_READ, &key) == ERROR_SUCCESS;
    if (key) RegCloseKey(key);
    std::puts(present ? "present" : "absent");
    return 0;
  }
  if (cmd == L"roundtrip" && argc == 3) return RoundTrip(LanguageArg(argv[2]));
  if (cmd == L"tables" && argc == 3) return CheckTables(LanguageArg(argv[2]));
  if (cmd == L"set-typed" && argc == 6) return SetTyped(argv[2], argv[3], argv[4], argv[5]);
  if (cmd == L"set-repeated" && argc == 7) {  // SECTION KEY CHAR COUNT TAIL: too long for a command line
    store.SaveSetting(argv[2], argv[3], std::wstring(size_t(_wtoi(argv[5])), argv[4][0]) + argv[6]);
    return 0;
  }
  if (cmd == L"unset" && argc == 4) {
    HKEY key = nullptr;
    const std::wstring path = std::wstring(L"Software\\VB and VBA Program Settings\\Pellhorn Tarnix\\") + argv[2];
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return 0;
    RegDeleteValueW(key, argv[3]);
    RegCloseKey(key);
    return 0;
  }
  if (cmd == L"hostile-texts") {  // every text the dialogs show: huge or full of control characters
    const std::wstring huge(100000, L'W'), control = L"a\r\nb\t\x01\x7f\x1b[31m\u202e\U0001F600\xffff";
    for (int i = 0; i < 7; ++i) {
      store.SaveSetting(L"Aktionen", std::to_wstring(i), i % 2 ? control : huge);
      store.SaveSetting(L"Sprache", std::to_wstring(i), i % 2 ? huge : control);
    }
    for (const wchar_t* key : {L"Aktion", L"Speichern", L"Alpha", L"Beschreibung"})
      store.SaveSetting(L"Sprache", key, key[0] == L'S' ? control : huge);
    store.SaveSetting(L"Einstellungen", L"Alpha", huge);
    return 0;
  }
  if (cmd == L"profile-get" && argc == 4) {
    wchar_t value[1024] = L"";
    GetProfileStringW(argv[2], argv[3], L"<missing>", value, 1024);
    PrintUtf8(value);
    return 0;
  }
  if (cmd == L"saver-active" && argc <= 3) {  // [on|off]: Windows' own switch, set first; prints "active=N"
    if (argc == 3)
      SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, std::wstring(argv[2]) == L"on", nullptr, SPIF_SENDCHANGE);
    BOOL active = FALSE;
    if (!SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0)) return 1;
    std::printf("active=%d\n", active ? 1 : 0);
    return 0;
  }
  if (cmd == L"profile-delete" && argc == 4) return WriteProfileStringW(argv[2], argv[3], nullptr) ? 0 : 1;
  if (cmd == L"profile-set" && argc == 5) return WriteProfileStringW(argv[2], argv[3], argv[4]) ? 0 : 1;
  if (cmd == L"hold" && argc == 3) {  // opens a file without sharing until killed
    HANDLE f = CreateFileW(argv[2], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) { std::puts("cannot open"); return 1; }
    std::puts("held");
    std::fflush(stdout);
    Sleep(INFINITE);
  }
  if (cmd == L"version" && argc == 3) return Version(argv[2]);
  if (cmd == L"icons" && argc == 3) {  // how many icon groups a program carries
    HMODULE module = LoadLibraryExW(argv[2], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) { std::puts("cannot load"); return 1; }
    int groups = 0;
    EnumResourceNamesW(module, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, CountResource,
                       reinterpret_cast<LONG_PTR>(&groups));
    std::printf("icons=%d\n", groups);
    return 0;
  }
  if (cmd == L"waitpid" && argc == 4) {
    HANDLE p = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, static_cast<DWORD>(_wtoi(argv[2])));
    if (!p) { std::puts("gone"); return 0; }
    const bool ended = WaitForSingleObject(p, static_cast<DWORD>(_wtoi(argv[3]))) == WAIT_OBJECT_0;
    DWORD code = 0;
    if (ended && GetExitCodeProcess(p, &code)) std::printf("ended exit=%lu\n", static_cast<unsigned long>(code));
    else std::puts(ended ? "ended" : "running");
    CloseHandle(p);
    return ended ? 0 : 3;
  }
  if (cmd == L"kill" && argc == 3) {
    HANDLE p = OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(_wtoi(argv[2])));
    if (p) { TerminateProcess(p, 99); CloseHandle(p); }
    return 0;
  }
  std::fputs("usage: tarnixctl set|get|clear|store|roundtrip|tables|profile-get|profile-delete|hold|version|icons|waitpid|kill ...\n", stderr);
  return 2;
}
