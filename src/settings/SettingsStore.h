// The per-user store of text values that outlives a process.
#pragma once
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/Text.h"

namespace tarnix {

inline constexpr const wchar_t* kSettingsApp = L"Pellhorn Tarnix";

// A write the platform refused.
class SettingsWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored value, or def when the section or key is missing. Keys and
  // sections match without regard to letter case.
  virtual std::wstring GetSetting(const std::wstring& section, const std::wstring& key,
                                  const std::wstring& def) = 0;
  // Creates the section and key as needed; throws SettingsWriteError when refused.
  virtual void SaveSetting(const std::wstring& section, const std::wstring& key,
                           const std::wstring& value) = 0;
  // Whether the key is there at all, whatever its value or kind.
  virtual bool HasSetting(const std::wstring& section, const std::wstring& key) = 0;
  // Whether the store holds anything at all, and removing all of it (true when gone).
  virtual bool Exists() = 0;
  virtual bool DeleteAll() = 0;
};

// Keeps values in memory; used by tests and as the model of the registry's rules.
class MemorySettingsStore : public SettingsStore {
 public:
  std::wstring GetSetting(const std::wstring& section, const std::wstring& key,
                          const std::wstring& def) override;
  void SaveSetting(const std::wstring& section, const std::wstring& key,
                   const std::wstring& value) override;
  bool HasSetting(const std::wstring& section, const std::wstring& key) override;
  bool Exists() override { return !values_.empty(); }
  bool DeleteAll() override;
  // Every write in order, as "section/key=value", for tests of write order.
  const std::vector<std::wstring>& Writes() const { return writes_; }
  void RefuseWrites(bool refuse) { refuse_ = refuse; }

 private:
  std::map<std::wstring, std::wstring> values_;
  std::vector<std::wstring> writes_;
  bool refuse_ = false;
};

}  // namespace tarnix
