#include "settings/win32/RegistrySettingsStore.h"

#include <vector>

#include "platform/win32/Unique.h"

namespace tarnix {

std::wstring RegistrySettingsStore::AppKeyPath() const { return L"Software\\VB and VBA Program Settings\\" + app_; }

std::wstring RegistrySettingsStore::KeyPath(const std::wstring& section) const {
  return AppKeyPath() + L"\\" + section;
}

bool RegistrySettingsStore::Exists() {
  win32::UniqueKey hkey;
  return RegOpenKeyExW(HKEY_CURRENT_USER, AppKeyPath().c_str(), 0, KEY_READ, hkey.put()) == ERROR_SUCCESS;
}

namespace {
// RegDeleteTree is Vista's: a key and everything below it, deepest first.
bool DeleteKeyTree(HKEY parent, const std::wstring& name) {
  {
    win32::UniqueKey hkey;
    const LONG rc = RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ | KEY_WRITE, hkey.put());
    if (rc == ERROR_FILE_NOT_FOUND) return true;
    if (rc != ERROR_SUCCESS) return false;
    for (;;) {
      wchar_t sub[256];  // registry key names are at most 255 characters
      DWORD length = 256;
      const LONG e = RegEnumKeyExW(hkey.get(), 0, sub, &length, nullptr, nullptr, nullptr, nullptr);
      if (e == ERROR_NO_MORE_ITEMS) break;
      if (e != ERROR_SUCCESS || !DeleteKeyTree(hkey.get(), std::wstring(sub, length))) return false;
    }
  }
  const LONG rc = RegDeleteKeyW(parent, name.c_str());
  return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}
}  // namespace

bool RegistrySettingsStore::DeleteAll() { return DeleteKeyTree(HKEY_CURRENT_USER, AppKeyPath()); }

std::wstring RegistrySettingsStore::GetSetting(const std::wstring& section, const std::wstring& key,
                                               const std::wstring& def) {
  if (key.empty()) return def;  // an empty name would read the section's default value
  win32::UniqueKey hkey;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(section).c_str(), 0, KEY_QUERY_VALUE, hkey.put()) !=
      ERROR_SUCCESS)
    return def;
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD type = 0, bytes = 0;
    if (RegQueryValueExW(hkey.get(), key.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS)
      return def;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return def;
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD got = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    const LONG rc = RegQueryValueExW(hkey.get(), key.c_str(), nullptr, &type,
                                     reinterpret_cast<BYTE*>(buffer.data()), &got);
    if (rc == ERROR_MORE_DATA) continue;  // grew between the two calls
    if (rc != ERROR_SUCCESS) return def;
    // The stored data need not end in a zero: take only the bytes it holds.
    size_t length = got / sizeof(wchar_t);
    while (length > 0 && buffer[length - 1] == L'\0') --length;
    return std::wstring(buffer.data(), length);
  }
  return def;
}

bool RegistrySettingsStore::HasSetting(const std::wstring& section, const std::wstring& key) {
  if (key.empty()) return false;
  win32::UniqueKey hkey;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(section).c_str(), 0, KEY_QUERY_VALUE, hkey.put()) != ERROR_SUCCESS)
    return false;
  return RegQueryValueExW(hkey.get(), key.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

void RegistrySettingsStore::SaveSetting(const std::wstring& section, const std::wstring& key,
                                        const std::wstring& value) {
  win32::UniqueKey hkey;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(section).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, hkey.put(), nullptr) != ERROR_SUCCESS)
    throw SettingsWriteError("cannot open the settings section for writing");
  const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  if (RegSetValueExW(hkey.get(), key.c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(value.c_str()), bytes) != ERROR_SUCCESS)
    throw SettingsWriteError("the settings value was not written");
}

}  // namespace tarnix
