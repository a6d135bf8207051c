// Where the program's entries live in the settings store: the sections and the
// named keys. The action names ("Aktionen") and descriptions ("Sprache") are
// keyed by the action code as decimal text.
#pragma once

namespace tarnix::keys {

inline constexpr wchar_t kAktionen[] = L"Aktionen";            // action names by code, and Use
inline constexpr wchar_t kSprache[] = L"Sprache";              // descriptions by code, and the captions
inline constexpr wchar_t kEinstellungen[] = L"Einstellungen";  // the thunder option, the options title, the language, the warning

inline constexpr wchar_t kUse[] = L"Use";                    // Aktionen: the chosen action code
inline constexpr wchar_t kAktion[] = L"Aktion";              // Sprache
inline constexpr wchar_t kSpeichern[] = L"Speichern";        // Sprache
inline constexpr wchar_t kAlpha[] = L"Alpha";                // Sprache: the box's caption; Einstellungen: its value
inline constexpr wchar_t kBeschreibung[] = L"Beschreibung";  // Sprache
inline constexpr wchar_t kOptionen[] = L"Optionen";          // Einstellungen
inline constexpr wchar_t kSpracheGewaehlt[] = L"Sprache";    // Einstellungen: the wizard's language, 0 English, 1 German
inline constexpr wchar_t kWarnung[] = L"Warnung";            // Einstellungen: seconds of warning before an action

}  // namespace tarnix::keys
