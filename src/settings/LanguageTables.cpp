#include "settings/LanguageTables.h"

#include <string>

namespace tarnix {

namespace {

const LanguageTable kEnglish = {
    {L"Turn Off", L"Restart", L"Hibernate", L"Stand By", L"Log Off", L"Switch User",
     L"Black Screen"},
    {L"Shuts down the computer. The PC needs NO current.",
     L"Shuts down the computer and turns it on.",
     L"Makes the computer 'Sleeping'. On turning on the PC you can go on with your work. The "
     L"Computer needs NO current!",
     L"Makes the computer 'Sleeping'. On pressing a key you can go on with your work. The "
     L"Computer NEEDS current!",
     L"Logs off the active user and displays the 'dialog box' select user.",
     L"Locks Workstation and displays the 'dialog box' select user.",
     L"Displays a black screen."},
    L"Action",
    L"Save",
    L"Thunder-Effect",
    L"Description:",
    L"     Tarnix: Options",
};

const LanguageTable kGerman = {
    {L"Herunterfahren", L"Neu Starten", L"Ruhezustand", L"Stand By", L"Benutzer Abmelden",
     L"Benutzer wechseln", L"Schwarzer Bildschirm"},
    {L"Schaltet den Computer aus. Der PC braucht keinen Strom.",
     L"F\u00e4hrt den Computer herunter und startet ihn neu.",
     L"Schaltet den Computer aus. Nach dem Wieder-Einschalten k\u00f6nnen Sie ihre angefangenen "
     L"Arbeiten fortsetzen. Der Computer braucht KEINEN Strom!",
     L"Der Computer 'Schl\u00e4ft'. Nach einem Tasten-Druck k\u00f6nnen Sie ihre angefangen "
     L"Arbeiten wieder fortsetzen. Der Computer BRAUCHT Strom!",
     L"Meldet den aktiven Benutzer ab und zeigt das 'Dialogfeld' Benutzer w\u00e4hlen.",
     L"Sperrt die Arbeits-Umgebung und zeigt das 'Dialogfeld' Benutzer w\u00e4hlen.",
     L"Zeigt einen schwarzen Bildschirm."},
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
  for (int i = 0; i < 7; ++i) store.SaveSetting(L"Aktionen", std::to_wstring(i), t.actionNames[i]);
  for (int i = 0; i < 7; ++i) store.SaveSetting(L"Sprache", std::to_wstring(i), t.descriptions[i]);
  store.SaveSetting(L"Sprache", L"Aktion", t.aktion);
  store.SaveSetting(L"Sprache", L"Speichern", t.speichern);
  store.SaveSetting(L"Sprache", L"Alpha", t.alpha);
  store.SaveSetting(L"Sprache", L"Beschreibung", t.beschreibung);
  store.SaveSetting(L"Einstellungen", L"Alpha", L"1");
  store.SaveSetting(L"Einstellungen", L"Optionen", t.optionenTitle);
}

}  // namespace tarnix
