#include "settings/LanguageTables.h"

#include <string>

#include "settings/Keys.h"

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
  for (int i = 0; i < kActionCount; ++i) store.SaveSetting(keys::kAktionen, std::to_wstring(i), t.ActionName(i));
  for (int i = 0; i < kActionCount; ++i) store.SaveSetting(keys::kSprache, std::to_wstring(i), t.Description(i));
  store.SaveSetting(keys::kSprache, keys::kAktion, t.aktion);
  store.SaveSetting(keys::kSprache, keys::kSpeichern, t.speichern);
  store.SaveSetting(keys::kSprache, keys::kAlpha, t.alpha);
  store.SaveSetting(keys::kSprache, keys::kBeschreibung, t.beschreibung);
  store.SaveSetting(keys::kEinstellungen, keys::kAlpha, L"1");
  store.SaveSetting(keys::kEinstellungen, keys::kOptionen, t.optionenTitle);
}

}  // namespace tarnix
