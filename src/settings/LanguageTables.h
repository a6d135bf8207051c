// The texts the setup writes in the chosen language and every later reader shows.
#pragma once
#include "settings/Actions.h"
#include "settings/SettingsStore.h"

namespace tarnix {

enum class Language { English = 0, German = 1 };

struct LanguageTable {
  Language language;
  const wchar_t* aktion;            // "Sprache"/"Aktion"
  const wchar_t* speichern;         // "Sprache"/"Speichern"
  const wchar_t* alpha;             // "Sprache"/"Alpha"
  const wchar_t* beschreibung;      // "Sprache"/"Beschreibung"
  const wchar_t* optionenTitle;     // "Einstellungen"/"Optionen"
  // "Aktionen"/code and "Sprache"/code, from the action table.
  const wchar_t* ActionName(int code) const { return kActions[code].name[int(language)]; }
  const wchar_t* Description(int code) const { return kActions[code].description[int(language)]; }
};

const LanguageTable& TableFor(Language language);

// Writes every entry of the table, in the order the setup's install step uses;
// a refused write propagates as SettingsWriteError.
void WriteLanguageTables(SettingsStore& store, Language language);

}  // namespace tarnix
