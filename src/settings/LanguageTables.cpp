#include "settings/LanguageTables.h"

#include <string>

namespace tarnix {

namespace {

const LanguageTable kEnglish = {
    Language::English,
    L"Action",
    L"Save",
    L"Thunder-Effect",
    L"Description:",
    L"     Tarnix: Options",
};

const LanguageTable kGerman = {
    Language::German,
    L"Aktion",
    L"Speichern",
    L"Blitz-Effekt",
    L"Beschreibung:",
    L"     Tarnix: Optionen",
};

}  // namespace

const LanguageTable& TableFor(Language language) {
  return language == Language::German ? kGerman : kEnglish;
}

void WriteLanguageTables(SettingsStore& store, Language language) {
  const LanguageTable& t = TableFor(language);
  for (int i = 0; i < kActionCount; ++i) store.SaveSetting(L"Aktionen", std::to_wstring(i), t.ActionName(i));
  for (int i = 0; i < kActionCount; ++i) store.SaveSetting(L"Sprache", std::to_wstring(i), t.Description(i));
  store.SaveSetting(L"Sprache", L"Aktion", t.aktion);
  store.SaveSetting(L"Sprache", L"Speichern", t.speichern);
  store.SaveSetting(L"Sprache", L"Alpha", t.alpha);
  store.SaveSetting(L"Sprache", L"Beschreibung", t.beschreibung);
  store.SaveSetting(L"Einstellungen", L"Alpha", L"1");
  store.SaveSetting(L"Einstellungen", L"Optionen", t.optionenTitle);
}

}  // namespace tarnix
