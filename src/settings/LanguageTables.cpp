#include "settings/LanguageTables.h"

#include <array>
#include <string>

#include "base/Decimal.h"
#include "settings/Actions.h"
#include "settings/Keys.h"

namespace tarnix {

void WriteLanguageTables(SettingsStore& store, Language language) {
  for (int i = 0; i < kActionCount; ++i) store.SaveSetting(keys::kAktionen, std::to_wstring(i), ActionName(i, language));
  for (int i = 0; i < kActionCount; ++i)
    store.SaveSetting(keys::kSprache, std::to_wstring(i), ActionDescription(i, language));
  store.SaveSetting(keys::kSprache, keys::kAktion, Text(TextId::ActionCaption, language));
  store.SaveSetting(keys::kSprache, keys::kSpeichern, Text(TextId::SaveCaption, language));
  store.SaveSetting(keys::kSprache, keys::kAlpha, Text(TextId::ThunderCaption, language));
  store.SaveSetting(keys::kSprache, keys::kBeschreibung, Text(TextId::DescriptionCaption, language));
  store.SaveSetting(keys::kEinstellungen, keys::kAlpha, L"1");
  store.SaveSetting(keys::kEinstellungen, keys::kOptionen, Text(TextId::OptionsTitle, language));
  store.SaveSetting(keys::kEinstellungen, keys::kSpracheGewaehlt, std::to_wstring(int(language)));
}

std::wstring TableText(const std::wstring& section, const std::wstring& key, Language language) {
  // The settings section holds one text, the title; the rest are choices.
  if (FoldCase(section) == FoldCase(keys::kEinstellungen) && FoldCase(key) != FoldCase(keys::kOptionen)) return {};
  MemorySettingsStore tables;
  WriteLanguageTables(tables, language);
  return tables.GetSetting(section, key, L"");
}

std::wstring StoredText(SettingsStore& store, const std::wstring& section, const std::wstring& key,
                        Language language) {
  const std::wstring stored = store.GetSetting(section, key, L"");
  return stored.empty() ? TableText(section, key, language) : stored;
}

namespace {
// The entries whose text tells the language of a store written before the
// language itself was stored, with their German text.
struct Marker {
  const wchar_t* section;
  const wchar_t* key;
  const wchar_t* german;
};
std::array<Marker, 2> Markers() {
  return {Marker{keys::kSprache, keys::kSpeichern, Text(TextId::SaveCaption, Language::German)},
          Marker{keys::kAktionen, L"0", ActionName(0, Language::German)}};
}
}  // namespace

bool HasLanguageTables(SettingsStore& store) {
  for (const Marker& m : Markers())
    if (!store.GetSetting(m.section, m.key, L"").empty()) return true;
  return !store.GetSetting(keys::kSprache, keys::kAktion, L"").empty();
}

Language StoredLanguage(SettingsStore& store, Language displayLanguage) {
  if (const std::optional<int> chosen =
          WholeNumberIn(store.GetSetting(keys::kEinstellungen, keys::kSpracheGewaehlt, L""), 0, 1))
    return Language(*chosen);
  for (const Marker& m : Markers())
    if (store.GetSetting(m.section, m.key, L"") == m.german) return Language::German;
  return HasLanguageTables(store) ? Language::English : displayLanguage;
}

}  // namespace tarnix
