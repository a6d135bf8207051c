#include <gtest/gtest.h>

#include "settings/LanguageTables.h"

namespace tarnix {
namespace {

TEST(SettingsStore, KeysAndSectionsMatchWithoutLetterCase) {
  MemorySettingsStore store;
  store.SaveSetting(L"Aktionen", L"Use", L"3");
  EXPECT_EQ(store.GetSetting(L"Aktionen", L"use", L""), L"3");
  EXPECT_EQ(store.GetSetting(L"AKTIONEN", L"USE", L""), L"3");
  store.SaveSetting(L"aktionen", L"USE", L"5");
  EXPECT_EQ(store.GetSetting(L"Aktionen", L"Use", L""), L"5") << "a write replaces the value";
}

TEST(SettingsStore, MissingEntriesReadAsTheDefault) {
  MemorySettingsStore store;
  EXPECT_EQ(store.GetSetting(L"Aktionen", L"use", L""), L"");
  store.SaveSetting(L"Aktionen", L"0", L"Turn Off");
  EXPECT_EQ(store.GetSetting(L"Aktionen", L"use", L"none"), L"none");
  EXPECT_EQ(store.GetSetting(L"Sprache", L"0", L""), L"");
}

// The texts as the user reads them, written out here rather than copied from the tables.
TEST(LanguageTables, EnglishTexts) {
  MemorySettingsStore s;
  WriteLanguageTables(s, Language::English);
  EXPECT_EQ(s.GetSetting(L"Aktionen", L"0", L""), L"Turn Off");
  EXPECT_EQ(s.GetSetting(L"Aktionen", L"3", L""), L"Stand By");
  EXPECT_EQ(s.GetSetting(L"Aktionen", L"5", L""), L"Switch User");
  EXPECT_EQ(s.GetSetting(L"Aktionen", L"6", L""), L"Black Screen");
  EXPECT_EQ(s.GetSetting(L"Sprache", L"2", L""),
            L"Makes the computer 'Sleeping'. On turning on the PC you can go on with your work. "
            L"The Computer needs NO current!");
  EXPECT_EQ(s.GetSetting(L"Sprache", L"4", L""),
            L"Logs off the active user and displays the 'dialog box' select user.");
  EXPECT_EQ(s.GetSetting(L"Sprache", L"Aktion", L""), L"Action");
  EXPECT_EQ(s.GetSetting(L"Sprache", L"Speichern", L""), L"Save");
  EXPECT_EQ(s.GetSetting(L"Sprache", L"Alpha", L""), L"Thunder-Effect");
  EXPECT_EQ(s.GetSetting(L"Sprache", L"Beschreibung", L""), L"Description:");
  EXPECT_EQ(s.GetSetting(L"Einstellungen", L"Alpha", L""), L"1");
  EXPECT_EQ(s.GetSetting(L"Einstellungen", L"Optionen", L""), L"     Tarnix: Options");
}

TEST(LanguageTables, GermanTextsKeepTheirUmlauts) {
  MemorySettingsStore s;
  WriteLanguageTables(s, Language::German);
  EXPECT_EQ(s.GetSetting(L"Aktionen", L"0", L""), L"Herunterfahren");
  EXPECT_EQ(s.GetSetting(L"Aktionen", L"1", L""), L"Neu Starten");
  EXPECT_EQ(s.GetSetting(L"Aktionen", L"3", L""), L"Stand By");
  EXPECT_EQ(s.GetSetting(L"Aktionen", L"4", L""), L"Benutzer Abmelden");
  EXPECT_EQ(s.GetSetting(L"Aktionen", L"6", L""), L"Schwarzer Bildschirm");
  EXPECT_EQ(s.GetSetting(L"Sprache", L"1", L""), L"Fährt den Computer herunter und startet ihn neu.");
  EXPECT_EQ(s.GetSetting(L"Sprache", L"2", L""),
            L"Schaltet den Computer aus. Nach dem Wieder-Einschalten können Sie ihre angefangenen "
            L"Arbeiten fortsetzen. Der Computer braucht KEINEN Strom!");
  EXPECT_EQ(s.GetSetting(L"Sprache", L"3", L""),
            L"Der Computer 'Schläft'. Nach einem Tasten-Druck können Sie ihre angefangen Arbeiten "
            L"wieder fortsetzen. Der Computer BRAUCHT Strom!");
  EXPECT_EQ(s.GetSetting(L"Sprache", L"5", L""),
            L"Sperrt die Arbeits-Umgebung und zeigt das 'Dialogfeld' Benutzer wählen.");
  EXPECT_EQ(s.GetSetting(L"Sprache", L"Alpha", L""), L"Blitz-Effekt");
  EXPECT_EQ(s.GetSetting(L"Einstellungen", L"Optionen", L""), L"     Tarnix: Optionen");
}

TEST(LanguageTables, WrittenInTheSetupOrder) {
  MemorySettingsStore s;
  WriteLanguageTables(s, Language::English);
  std::vector<std::wstring> keys;
  for (const std::wstring& w : s.Writes()) keys.push_back(w.substr(0, w.find(L'=')));
  const std::vector<std::wstring> expected = {
      L"Aktionen/0", L"Aktionen/1", L"Aktionen/2", L"Aktionen/3", L"Aktionen/4", L"Aktionen/5",
      L"Aktionen/6", L"Sprache/0", L"Sprache/1", L"Sprache/2", L"Sprache/3", L"Sprache/4",
      L"Sprache/5", L"Sprache/6", L"Sprache/Aktion", L"Sprache/Speichern", L"Sprache/Alpha",
      L"Sprache/Beschreibung", L"Einstellungen/Alpha", L"Einstellungen/Optionen", L"Einstellungen/Sprache"};
  EXPECT_EQ(keys, expected);
  EXPECT_EQ(s.GetSetting(L"Aktionen", L"use", L"untouched"), L"untouched")
      << "the language tables never choose the action";
}

TEST(LanguageTables, ARefusedWriteReachesTheCaller) {
  MemorySettingsStore s;
  s.RefuseWrites(true);
  EXPECT_THROW(WriteLanguageTables(s, Language::German), SettingsWriteError);
}

}  // namespace
}  // namespace tarnix
