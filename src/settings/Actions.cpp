#include "settings/Actions.h"

namespace tarnix {

const ActionDef kActions[kActionCount] = {
    {{L"Turn Off", L"Herunterfahren"},
     {L"Shuts down the computer. The PC needs NO current.",
      L"Schaltet den Computer aus. Der PC braucht keinen Strom."},
     ActionFolder::System32, L"shutdown.exe", L"-s -t 0"},
    {{L"Restart", L"Neu Starten"},
     {L"Shuts down the computer and turns it on.",
      L"F\u00e4hrt den Computer herunter und startet ihn neu."},
     ActionFolder::System32, L"shutdown.exe", L"-r -t 0"},
    {{L"Hibernate", L"Ruhezustand"},
     {L"Makes the computer 'Sleeping'. On turning on the PC you can go on with your work. The "
      L"Computer needs NO current!",
      L"Schaltet den Computer aus. Nach dem Wieder-Einschalten k\u00f6nnen Sie ihre angefangenen "
      L"Arbeiten fortsetzen. Der Computer braucht KEINEN Strom!"},
     ActionFolder::Program, L"stb.exe", L"/h"},
    {{L"Stand By", L"Stand By"},
     {L"Makes the computer 'Sleeping'. On pressing a key you can go on with your work. The "
      L"Computer NEEDS current!",
      L"Der Computer 'Schl\u00e4ft'. Nach einem Tasten-Druck k\u00f6nnen Sie ihre angefangen "
      L"Arbeiten wieder fortsetzen. Der Computer BRAUCHT Strom!"},
     ActionFolder::Program, L"stb.exe", L"/s"},
    {{L"Log Off", L"Benutzer Abmelden"},
     {L"Logs off the active user and displays the 'dialog box' select user.",
      L"Meldet den aktiven Benutzer ab und zeigt das 'Dialogfeld' Benutzer w\u00e4hlen."},
     ActionFolder::System32, L"shutdown.exe", L"-l"},
    {{L"Switch User", L"Benutzer wechseln"},
     {L"Locks Workstation and displays the 'dialog box' select user.",
      L"Sperrt die Arbeits-Umgebung und zeigt das 'Dialogfeld' Benutzer w\u00e4hlen."},
     ActionFolder::System32, L"rundll32.exe", L"user32.dll,LockWorkStation"},
    {{L"Black Screen", L"Schwarzer Bildschirm"},
     {L"Displays a black screen.", L"Zeigt einen schwarzen Bildschirm."},
     ActionFolder::None, nullptr, nullptr},
};

}  // namespace tarnix
