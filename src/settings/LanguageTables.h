// The texts the setup writes in the chosen language and every later reader shows.
#pragma once
#include "settings/SettingsStore.h"

namespace tarnix {

enum class Language { English = 0, German = 1 };

struct LanguageTable {
  const wchar_t* actionNames[7];    // "Aktionen"/"0".."6"
  const wchar_t* descriptions[7];   // "Sprache"/"0".."6"
  const wchar_t* aktion;            // "Sprache"/"Aktion"
  const wchar_t* speichern;         // "Sprache"/"Speichern"
  const wchar_t* alpha;             // "Sprache"/"Alpha"
  const wchar_t* beschreibung;      // "Sprache"/"Beschreibung"
  const wchar_t* optionenTitle;     // "Einstellungen"/"Optionen"
};

const LanguageTable& TableFor(Language language);

// Writes every entry of the table, in the order the setup's install step uses;
// a refused write propagates as SettingsWriteError.
void WriteLanguageTables(SettingsStore& store, Language language);

}  // namespace tarnix
