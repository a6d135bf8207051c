#include "base/Texts.h"

#include <cstddef>

namespace tarnix {

namespace {

constexpr size_t kTextCount = size_t(TextId::Count);

// In the order of TextId: an extra line fails to compile, a test finds a missing one.
const wchar_t* const kEnglish[kTextCount] = {
    L"Action",
    L"Save",
    L"Thunder-Effect",
    L"Description:",
    L"     Tarnix: Options",
    L"W\u00e4hlen Sie eine Sprache.",
    L"Click on the right button to install the screen saver.",
    L"Screen Saver has been installed. Choose what the Screen Saver should do on starting.",
    L"The Screen Saver could not be installed successfully. Setup will end.",
    L"Setup-Error",
    L"%1 is missing or damaged. Unpack the whole archive into one folder and start the setup from there.",
    L"Free Program!",
    L"Author: ",
    L"Screen Saver has beeb successfully installed. ",
    L"Setup will end now.",
    L"This program is designed for Microsoft Windows XP and cannot be run under your Windows-Version",
    L"Sorry, ...",
    L"Tarnix could not open its window and will end.",
    L"Tarnix has met an error it cannot recover from and will end.",
    L"The settings could not be saved.",
    L"Tarnix could not start %1.",
    L"The computer will be turned off in %1.",
    L"The computer will restart in %1.",
    L"The computer will hibernate in %1.",
    L"The computer will go to stand by in %1.",
    L"You will be logged off in %1.",
    L"Move the mouse or press a key to cancel.",
    L"Warning:",
    L"No warning",
    L"1 second",
    L"%1 seconds",
    (L"stb puts the computer to sleep for the Tarnix screen saver.\r\n\r\n"
     L"stb /h\tHibernate: the computer saves its work to disk and turns off.\r\n"
     L"stb /s\tStand by: the computer sleeps and wakes on a key press."),
    (L"This computer cannot hibernate: hibernation is turned off or not supported.\r\n"
     L"To turn it on, open a command prompt as administrator and enter: powercfg /hibernate on"),
    L"The computer could not hibernate.",
    L"The computer could not go into stand-by.",
    L"Remove Tarnix from this computer?",
    L"Tarnix has been removed from this computer.",
    (L"Tarnix could not remove everything. Remove what is left by hand, with administrator rights "
     L"(or run the removal again as administrator):\r\r%1"),
    L"Tarnix is not installed on this computer: there was nothing to remove.",
};

const wchar_t* const kGerman[kTextCount] = {
    L"Aktion",
    L"Speichern",
    L"Blitz-Effekt",
    L"Beschreibung:",
    L"     Tarnix: Optionen",
    L"W\u00e4hlen Sie eine Sprache.",
    L"Klicken Sie auf die rechte Schaltfl\u00e4che, um den Bildschirmschoner zu installieren.",
    (L"Der Bildschirmschoner wurde installiert. Welche Aktion soll beim Start des Bildschirmschoners "
     L"durchgef\u00fchrt werden?"),
    L"Der Bildschirmschoner konnte nicht installiert werden. Setup wird beendet.",
    L"Setup-Fehler",
    (L"%1 fehlt oder ist besch\u00e4digt. Entpacken Sie das ganze Archiv in einen Ordner und starten "
     L"Sie das Setup von dort."),
    L"Kostenloses Programm!",
    L"Autor: ",
    L"Die Installation wurde erfolgreich abgeschlossen.",
    L"Setup wird jetzt beendet.",
    (L"Dieses Programm wurde speziell f\u00fcr Microsoft Windows XP entwickelt und kann unter ihrer "
     L"Windows-Version nicht betrieben werden."),
    L"Sorry, ...",
    L"Tarnix konnte sein Fenster nicht \u00f6ffnen und wird beendet.",
    L"Tarnix ist auf einen Fehler gesto\u00dfen, den es nicht beheben kann, und wird beendet.",
    L"Die Einstellungen konnten nicht gespeichert werden.",
    L"Tarnix konnte %1 nicht starten.",
    L"Der Computer wird in %1 heruntergefahren.",
    L"Der Computer wird in %1 neu gestartet.",
    L"Der Computer wechselt in %1 in den Ruhezustand.",
    L"Der Computer wechselt in %1 in den Stand-By.",
    L"Sie werden in %1 abgemeldet.",
    L"Bewegen Sie die Maus oder dr\u00fccken Sie eine Taste, um abzubrechen.",
    L"Vorwarnung:",
    L"Keine Warnung",
    L"1 Sekunde",
    L"%1 Sekunden",
    (L"stb versetzt den Computer f\u00fcr den Bildschirmschoner Tarnix in den Schlaf.\r\n\r\n"
     L"stb /h\tRuhezustand: der Computer sichert seine Arbeit auf die Festplatte und schaltet sich aus.\r\n"
     L"stb /s\tStand-By: der Computer schl\u00e4ft und wacht bei einem Tastendruck auf."),
    (L"Dieser Computer kann nicht in den Ruhezustand wechseln: der Ruhezustand ist ausgeschaltet "
     L"oder wird nicht unterst\u00fctzt.\r\n"
     L"Zum Einschalten \u00f6ffnen Sie eine Eingabeaufforderung als Administrator und geben ein: "
     L"powercfg /hibernate on"),
    L"Der Computer konnte nicht in den Ruhezustand wechseln.",
    L"Der Computer konnte nicht in den Stand-By wechseln.",
    L"Tarnix von diesem Computer entfernen?",
    L"Tarnix wurde von diesem Computer entfernt.",
    (L"Tarnix konnte nicht alles entfernen. Entfernen Sie den Rest von Hand mit Administratorrechten "
     L"(oder starten Sie das Entfernen erneut als Administrator):\r\r%1"),
    L"Tarnix ist auf diesem Computer nicht installiert: es gab nichts zu entfernen.",
};

struct ActionTexts {
  const wchar_t* name[2];
  const wchar_t* description[2];
};

const ActionTexts kActionTexts[] = {
    {{L"Turn Off", L"Herunterfahren"},
     {L"Shuts down the computer. The PC needs NO current.",
      L"Schaltet den Computer aus. Der PC braucht keinen Strom."}},
    {{L"Restart", L"Neu Starten"},
     {L"Shuts down the computer and turns it on.",
      L"F\u00e4hrt den Computer herunter und startet ihn neu."}},
    {{L"Hibernate", L"Ruhezustand"},
     {L"Makes the computer 'Sleeping'. On turning on the PC you can go on with your work. The "
      L"Computer needs NO current!",
      L"Schaltet den Computer aus. Nach dem Wieder-Einschalten k\u00f6nnen Sie ihre angefangenen "
      L"Arbeiten fortsetzen. Der Computer braucht KEINEN Strom!"}},
    {{L"Stand By", L"Stand By"},
     {L"Makes the computer 'Sleeping'. On pressing a key you can go on with your work. The "
      L"Computer NEEDS current!",
      L"Der Computer 'Schl\u00e4ft'. Nach einem Tasten-Druck k\u00f6nnen Sie ihre angefangen "
      L"Arbeiten wieder fortsetzen. Der Computer BRAUCHT Strom!"}},
    {{L"Log Off", L"Benutzer Abmelden"},
     {L"Logs off the active user and displays the 'dialog box' select user.",
      L"Meldet den aktiven Benutzer ab und zeigt das 'Dialogfeld' Benutzer w\u00e4hlen."}},
    {{L"Switch User", L"Benutzer wechseln"},
     {L"Locks Workstation and displays the 'dialog box' select user.",
      L"Sperrt die Arbeits-Umgebung und zeigt das 'Dialogfeld' Benutzer w\u00e4hlen."}},
    {{L"Black Screen", L"Schwarzer Bildschirm"},
     {L"Displays a black screen.", L"Zeigt einen schwarzen Bildschirm."}},
};
constexpr int kActionTextCount = int(sizeof(kActionTexts) / sizeof(kActionTexts[0]));

int Column(Language language) { return language == Language::German ? 1 : 0; }

}  // namespace

const wchar_t* Text(TextId id, Language language) {
  const size_t i = size_t(id);
  if (i >= kTextCount) return L"";
  return (language == Language::German ? kGerman : kEnglish)[i];
}

std::wstring Text(TextId id, Language language, const std::wstring& arg) {
  std::wstring text = Text(id, language);
  const size_t at = text.find(L"%1");
  if (at != std::wstring::npos) text.replace(at, 2, arg);
  return text;
}

std::wstring BothLanguages(TextId id, const wchar_t* separator) {
  return std::wstring(Text(id, Language::English)) + separator + Text(id, Language::German);
}

std::wstring SecondsText(int seconds, Language language) {
  if (seconds == 1) return Text(TextId::Second, language);
  return Text(TextId::Seconds, language, std::to_wstring(seconds));
}

const wchar_t* ActionName(int code, Language language) {
  return code >= 0 && code < kActionTextCount ? kActionTexts[code].name[Column(language)] : L"";
}

const wchar_t* ActionDescription(int code, Language language) {
  return code >= 0 && code < kActionTextCount ? kActionTexts[code].description[Column(language)] : L"";
}

}  // namespace tarnix
