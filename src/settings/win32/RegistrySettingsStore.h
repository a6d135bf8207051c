#pragma once
#include "settings/SettingsStore.h"

namespace tarnix {

// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<app>\<section>, one
// REG_SZ per key: where earlier versions kept these settings, so an upgrade
// keeps the user's choice. The registry compares names without letter case.
class RegistrySettingsStore : public SettingsStore {
 public:
  explicit RegistrySettingsStore(std::wstring app = kSettingsApp) : app_(std::move(app)) {}
  std::wstring GetSetting(const std::wstring& section, const std::wstring& key,
                          const std::wstring& def) override;
  void SaveSetting(const std::wstring& section, const std::wstring& key,
                   const std::wstring& value) override;
  bool HasSetting(const std::wstring& section, const std::wstring& key) override;
  bool Exists() override;
  bool DeleteAll() override;

 private:
  std::wstring AppKeyPath() const;
  std::wstring KeyPath(const std::wstring& section) const;
  std::wstring app_;
};

}  // namespace tarnix
