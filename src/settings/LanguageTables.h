// The texts the setup writes in the chosen language and every later reader
// shows, and the rule that tells which language a user's texts are in.
#pragma once
#include "base/Texts.h"
#include "settings/SettingsStore.h"

namespace tarnix {

// Writes every entry of the language's tables, in the order the setup's
// install step uses, and the language itself; a refused write propagates as
// SettingsWriteError.
void WriteLanguageTables(SettingsStore& store, Language language);

// The text the tables write for a section and key in a language; empty for
// an entry that is not one of their texts.
std::wstring TableText(const std::wstring& section, const std::wstring& key, Language language);
// The stored text, or where the store holds none, the tables' text in the
// language: what an account that never ran the setup sees.
std::wstring StoredText(SettingsStore& store, const std::wstring& section, const std::wstring& key,
                        Language language);

// Whether the store holds any of the texts the tables write.
bool HasLanguageTables(SettingsStore& store);

// The language of the user's texts: the one the wizard stored; in a store
// written before the wizard stored it, German when its texts are the German
// ones; in a store without texts, the Windows display language.
Language StoredLanguage(SettingsStore& store, Language displayLanguage);

}  // namespace tarnix
