#include "settings/SettingsStore.h"

namespace tarnix {

namespace {
std::wstring Slot(const std::wstring& section, const std::wstring& key) {
  return FoldCase(section) + L'\n' + FoldCase(key);
}
}  // namespace

bool MemorySettingsStore::HasSetting(const std::wstring& section, const std::wstring& key) {
  return values_.count(Slot(section, key)) != 0;
}

std::wstring MemorySettingsStore::GetSetting(const std::wstring& section, const std::wstring& key,
                                             const std::wstring& def) {
  const auto it = values_.find(Slot(section, key));
  return it == values_.end() ? def : it->second;
}

void MemorySettingsStore::SaveSetting(const std::wstring& section, const std::wstring& key,
                                      const std::wstring& value) {
  if (refuse_) throw SettingsWriteError("settings write refused");
  values_[Slot(section, key)] = value;
  writes_.push_back(section + L"/" + key + L"=" + value);
}

bool MemorySettingsStore::DeleteAll() {
  if (refuse_) return false;
  values_.clear();
  return true;
}

}  // namespace tarnix
