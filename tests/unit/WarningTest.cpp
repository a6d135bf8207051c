// The warning before an action: when it is shown, what it says, what cancels
// it and what starts at zero; the warning list of the options dialog; the
// language the program's own texts are shown in.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "FakeHost.h"
#include "FakePlatform.h"
#include "app/ActionChoice.h"
#include "settings/Actions.h"
#include "settings/LanguageTables.h"

namespace tarnix {
namespace {

using testing::FakeHost;
using testing::FakeProcess;

constexpr int kShiftKey = 0x10, kLeftKey = 0x25, kWindowsKey = 0x5B;

struct Saver : FakeProcess {
  FakeHost host;
  frmMain& main = app.main;
  Saver(const wchar_t* code, const wchar_t* warning) {
    app.SetHost(&host);
    platform.commandLine = L"\"C:\\WINDOWS\\Tarnix.scr\" /s";
    if (code) settings.SaveSetting(L"Aktionen", L"Use", code);
    if (warning) settings.SaveSetting(L"Einstellungen", L"Warnung", warning);
  }
  int Count(const std::wstring& event) const {
    return int(std::count(platform.events.begin(), platform.events.end(), event));
  }
  // Ticks the countdown once; true when that ended the process.
  bool Tick() {
    return Ends([&] { main.Control_Event(main.tmrWarnung, ui::Event::Timer, {}); });
  }
};

TEST(Warning, TheStoredTimeIsReadAsTheActionCodeIs) {
  struct Case {
    const wchar_t* stored;  // nullptr: missing
    int seconds;            // 0: the action starts at once
  };
  for (const Case c : {Case{nullptr, 15}, Case{L"abc", 15}, Case{L"-1", 15}, Case{L"601", 15}, Case{L"1e1", 10},
                       Case{L" 30 ", 30}, Case{L"0", 0}, Case{L"1", 1}, Case{L"600", 600}, Case{L"2.5", 15},
                       Case{L"", 15}}) {
    Saver s(L"0", c.stored);
    const bool ended = s.Start();
    const std::wstring what = c.stored ? c.stored : L"(missing)";
    if (c.seconds == 0) {
      EXPECT_TRUE(ended) << ::testing::PrintToString(what);
      EXPECT_EQ(s.platform.runs.size(), 1u) << ::testing::PrintToString(what);
      continue;
    }
    ASSERT_FALSE(ended) << ::testing::PrintToString(what);
    EXPECT_TRUE(s.main.IsWarning()) << ::testing::PrintToString(what);
    EXPECT_EQ(s.main.SecondsLeft(), c.seconds) << ::testing::PrintToString(what);
    EXPECT_TRUE(s.platform.runs.empty()) << ::testing::PrintToString(what);
  }
}

TEST(Warning, CoversTheScreenLikeTheBlackScreenWithTheLogoAndTheMessage) {
  Saver s(L"1", L"5");
  s.platform.virtualScreen = {-1280, 0, 2304, 1024};  // a monitor left of the 1024 x 768 primary
  ASSERT_FALSE(s.Start());
  EXPECT_TRUE(s.main.IsVisible());
  EXPECT_TRUE(s.main.OnTop());
  EXPECT_EQ(s.platform.cursorCount, -1) << "the cursor is hidden";
  EXPECT_EQ(ui::PixelsFromTwips(s.main.Left()), -1280);
  EXPECT_EQ(ui::PixelsFromTwips(s.main.Width()), 2304);
  EXPECT_TRUE(s.main.imgLogo.Visible() && s.main.lblInfo.Visible() && s.main.lblInfo2.Visible());
  EXPECT_TRUE(s.main.tmrWarnung.Enabled());
  // Centred on the primary monitor, which starts 1280 px into the window.
  const auto centre = [](const ui::Control& c) { return ui::PixelsFromTwips(c.Left() + c.Width() / 2); };
  EXPECT_NEAR(centre(s.main.imgLogo), 1280 + 512, 1);
  EXPECT_NEAR(centre(s.main.lblInfo), 1280 + 512, 1);
  EXPECT_GT(s.main.lblInfo.Top(), s.main.imgLogo.Top() + s.main.imgLogo.Height()) << "the message below the logo";
  EXPECT_LT(ui::PixelsFromTwips(s.main.lblInfo.Top() + s.main.lblInfo.Height()), 768);
  EXPECT_EQ(s.main.lblInfo2.Left() - s.main.lblInfo.Left(), 15) << "the shadow, one pixel down and right";
  EXPECT_EQ(s.main.lblInfo2.Top() - s.main.lblInfo.Top(), 15);
  EXPECT_EQ(s.main.lblInfo2.Caption(), s.main.lblInfo.Caption());

  // A display change: the new desk is covered and the message re-centred.
  s.platform.virtualScreen = {0, 0, 800, 600};
  s.platform.screen = {800, 600};
  s.main.Form_DisplayChanged();
  EXPECT_EQ(ui::PixelsFromTwips(s.main.Width()), 800);
  EXPECT_NEAR(centre(s.main.lblInfo), 400, 1);
}

TEST(Warning, TheCountdownSaysWhatHappensInTheUsersLanguage) {
  struct Case {
    const wchar_t* code;
    Language language;
    const wchar_t* fiveSeconds;
    const wchar_t* oneSecond;
  };
  const Case cases[] = {
      {L"0", Language::English, L"The computer will be turned off in 5 seconds.",
       L"The computer will be turned off in 1 second."},
      {L"1", Language::English, L"The computer will restart in 5 seconds.", L"The computer will restart in 1 second."},
      {L"2", Language::English, L"The computer will hibernate in 5 seconds.",
       L"The computer will hibernate in 1 second."},
      {L"3", Language::English, L"The computer will go to stand by in 5 seconds.",
       L"The computer will go to stand by in 1 second."},
      {L"4", Language::English, L"You will be logged off in 5 seconds.", L"You will be logged off in 1 second."},
      {L"0", Language::German, L"Der Computer wird in 5 Sekunden heruntergefahren.",
       L"Der Computer wird in 1 Sekunde heruntergefahren."},
      {L"1", Language::German, L"Der Computer wird in 5 Sekunden neu gestartet.",
       L"Der Computer wird in 1 Sekunde neu gestartet."},
      {L"2", Language::German, L"Der Computer wechselt in 5 Sekunden in den Ruhezustand.",
       L"Der Computer wechselt in 1 Sekunde in den Ruhezustand."},
      {L"3", Language::German, L"Der Computer wechselt in 5 Sekunden in den Stand-By.",
       L"Der Computer wechselt in 1 Sekunde in den Stand-By."},
      {L"4", Language::German, L"Sie werden in 5 Sekunden abgemeldet.", L"Sie werden in 1 Sekunde abgemeldet."},
  };
  for (const Case& c : cases) {
    Saver s(c.code, L"5");
    WriteLanguageTables(s.settings, c.language);
    ASSERT_FALSE(s.Start());
    const std::wstring hint = c.language == Language::German
                                  ? L"Bewegen Sie die Maus oder dr\u00fccken Sie eine Taste, um abzubrechen."
                                  : L"Move the mouse or press a key to cancel.";
    EXPECT_EQ(s.main.lblInfo.Caption(), std::wstring(c.fiveSeconds) + L"\r" + hint);
    for (int i = 0; i < 4; ++i) ASSERT_FALSE(s.Tick());
    EXPECT_EQ(s.main.lblInfo.Caption(), std::wstring(c.oneSecond) + L"\r" + hint);
    EXPECT_EQ(s.main.lblInfo2.Caption(), s.main.lblInfo.Caption());
    EXPECT_TRUE(s.platform.runs.empty());
  }
}

TEST(Warning, AtZeroTheActionsOwnCommandStartsMinimisedAndTheProgramEnds) {
  Saver s(L"0", L"3");
  ASSERT_FALSE(s.Start());
  ASSERT_FALSE(s.Tick());
  ASSERT_FALSE(s.Tick());
  EXPECT_TRUE(s.platform.runs.empty()) << "nothing before the last second is over";
  ASSERT_TRUE(s.Tick());
  ASSERT_EQ(s.platform.runs.size(), 1u);
  EXPECT_EQ(s.platform.runs[0].commandLine, L"\"C:\\WINDOWS\\system32\\shutdown.exe\" -s -t 0");
  EXPECT_EQ(s.platform.runs[0].show, kShowMinimized);
  EXPECT_EQ(s.platform.cursorCount, 0) << "the cursor is back";
}

TEST(Warning, ZeroSecondsStartsTheActionAtOnceWithoutAWindow) {
  Saver s(L"4", L"0");
  ASSERT_TRUE(s.Start());
  ASSERT_EQ(s.platform.runs.size(), 1u);
  EXPECT_EQ(s.platform.runs[0].commandLine, L"\"C:\\WINDOWS\\system32\\shutdown.exe\" -l");
  EXPECT_FALSE(s.main.IsVisible());
  EXPECT_EQ(s.Count(L"ShowCursor(false)"), 0);
}

TEST(Warning, SwitchUserAndTheBlackScreenLoseNothingAndShowNone) {
  Saver lock(L"5", L"30");
  ASSERT_TRUE(lock.Start());
  ASSERT_EQ(lock.platform.runs.size(), 1u);
  EXPECT_EQ(lock.platform.runs[0].commandLine, L"\"C:\\WINDOWS\\system32\\rundll32.exe\" user32.dll,LockWorkStation");
  Saver black(L"6", L"30");
  ASSERT_FALSE(black.Start());
  EXPECT_FALSE(black.main.IsWarning());
  EXPECT_FALSE(black.main.lblInfo.Visible());
  EXPECT_FALSE(black.main.tmrWarnung.Enabled());
}

TEST(Warning, AnyInputCancelsWithNothingStartedAndTheCursorBack) {
  struct Input {
    const char* what;
    std::function<void(frmMain&)> play;
  };
  const Input inputs[] = {
      {"Shift", [](frmMain& m) { m.Form_KeyDown(kShiftKey, 1); }},
      {"an arrow", [](frmMain& m) { m.Form_KeyDown(kLeftKey, 0); }},
      {"the Windows key", [](frmMain& m) { m.Form_KeyDown(kWindowsKey, 0); }},
      {"a character", [](frmMain& m) {
         int key = 'a';
         m.Form_KeyPress(key);
       }},
      {"the right button", [](frmMain& m) { m.Form_MouseDown(2, 0, 100, 100); }},
      {"a click", [](frmMain& m) { m.Form_Click(); }},
      {"the wheel", [](frmMain& m) { m.Form_MouseWheel(-120); }},
      {"another program in front", [](frmMain& m) { m.Form_AppDeactivate(); }},
      {"a move of 3 px after the first report", [](frmMain& m) {
         m.Form_MouseMove(0, 0, 7680, 5760);
         m.Form_MouseMove(0, 0, 7680 + 45, 5760);
       }},
      {"a press on the logo", [](frmMain& m) { m.Control_Event(m.imgLogo, ui::Event::MouseDown, {2, 0, 10, 10}); }},
      {"a move of 3 px over the message", [](frmMain& m) {
         m.Control_Event(m.lblInfo, ui::Event::MouseMove, {0, 0, 300, 30});
         m.Control_Event(m.lblInfo, ui::Event::MouseMove, {0, 0, 300, 75});
       }},
  };
  for (const Input& in : inputs) {
    Saver s(L"0", L"5");
    ASSERT_FALSE(s.Start());
    ASSERT_FALSE(s.Tick());
    ASSERT_TRUE(FakeProcess::Ends([&] { in.play(s.main); })) << in.what;
    EXPECT_TRUE(s.platform.runs.empty()) << in.what;
    EXPECT_EQ(s.platform.cursorCount, 0) << in.what << ": the cursor is shown again";
  }
}

TEST(Warning, TheFirstMoveReportAndSmallStepsDoNotCancel) {
  Saver s(L"2", L"5");
  ASSERT_FALSE(s.Start());
  EXPECT_FALSE(FakeProcess::Ends([&] { s.main.Form_MouseMove(0, 0, 30000, 30000); }));
  EXPECT_FALSE(FakeProcess::Ends([&] { s.main.Form_MouseMove(0, 0, 30030, 30030); }));
  // Onto the logo, 2 px on: the logo's own coordinates count from its corner.
  const ui::Control& logo = s.main.imgLogo;
  EXPECT_FALSE(FakeProcess::Ends([&] {
    s.main.Control_Event(s.main.imgLogo, ui::Event::MouseMove,
                         {0, 0, 30060 - float(logo.Left()), 30030 - float(logo.Top())});
  }));
  EXPECT_TRUE(s.main.IsWarning());
}

TEST(Warning, AnActionThatCannotStartIsReportedOnTopNamingItsProgram) {
  for (const Language language : {Language::English, Language::German}) {
    Saver s(L"1", L"1");
    WriteLanguageTables(s.settings, language);
    s.platform.canStart = false;
    s.host.deactivateOnHide = true;  // the cover going is no input of the user's
    ASSERT_FALSE(s.Start());
    int exitCode = 0;
    try {
      s.main.Control_Event(s.main.tmrWarnung, ui::Event::Timer, {});
    } catch (const ProcessEnded& e) {
      exitCode = e.exitCode;
    }
    EXPECT_EQ(exitCode, kExitActionNotStarted);
    ASSERT_EQ(s.platform.messages.size(), 1u);
    EXPECT_EQ(s.platform.messages[0].text, language == Language::German
                                               ? L"Tarnix konnte C:\\WINDOWS\\system32\\shutdown.exe nicht starten."
                                               : L"Tarnix could not start C:\\WINDOWS\\system32\\shutdown.exe.");
    EXPECT_TRUE(s.platform.messages[0].style & kMbTopmost);
    EXPECT_FALSE(s.main.IsVisible()) << "the black cover is gone before the message";
    EXPECT_EQ(s.platform.cursorCount, 0);
  }
}

// --- The language of the program's own texts ---

TEST(TextLanguage, TheWizardsChoiceThenAnOlderStoresTextsThenTheDisplayLanguage) {
  MemorySettingsStore chosen;
  WriteLanguageTables(chosen, Language::German);
  EXPECT_EQ(StoredLanguage(chosen, Language::English), Language::German);

  MemorySettingsStore olderGerman;  // written before the language itself was stored
  olderGerman.SaveSetting(L"Sprache", L"Speichern", L"Speichern");
  olderGerman.SaveSetting(L"Aktionen", L"0", L"Herunterfahren");
  EXPECT_EQ(StoredLanguage(olderGerman, Language::English), Language::German);

  MemorySettingsStore olderEnglish;
  olderEnglish.SaveSetting(L"Sprache", L"Speichern", L"Save");
  olderEnglish.SaveSetting(L"Aktionen", L"0", L"Turn Off");
  EXPECT_EQ(StoredLanguage(olderEnglish, Language::German), Language::English);

  MemorySettingsStore empty;
  EXPECT_EQ(StoredLanguage(empty, Language::German), Language::German);
  EXPECT_EQ(StoredLanguage(empty, Language::English), Language::English);
  empty.SaveSetting(L"Aktionen", L"Use", L"3");  // an action, but no texts
  EXPECT_EQ(StoredLanguage(empty, Language::German), Language::German);

  MemorySettingsStore garbled;
  WriteLanguageTables(garbled, Language::English);
  garbled.SaveSetting(L"Einstellungen", L"Sprache", L"7");  // no language: the texts decide
  EXPECT_EQ(StoredLanguage(garbled, Language::German), Language::English);
}

TEST(TextLanguage, AStoreWithoutTextsWarnsInTheDisplayLanguage) {
  Saver s(L"3", L"5");
  s.platform.displayLanguage = Language::German;
  ASSERT_FALSE(s.Start());
  EXPECT_EQ(s.main.lblInfo.Caption().rfind(L"Der Computer wechselt in 5 Sekunden in den Stand-By.", 0), 0u);
}

TEST(Texts, EveryTextHasBothLanguages) {
  for (int i = 0; i < int(TextId::Count); ++i)
    for (const Language language : {Language::English, Language::German}) {
      const wchar_t* text = Text(TextId(i), language);
      ASSERT_NE(text, nullptr) << "text " << i;
      EXPECT_NE(std::wstring(text), L"") << "text " << i;
    }
  for (int code = 0; code < kActionCount; ++code) {
    EXPECT_NE(std::wstring(ActionName(code, Language::German)), L"");
    EXPECT_NE(std::wstring(ActionDescription(code, Language::English)), L"");
  }
}

// --- Choosing it in the options dialog ---

struct Options : FakeProcess {
  FakeHost host;
  frmOptionen& dlg = app.options;
  explicit Options(Language language, const wchar_t* warning) {
    app.SetHost(&host);
    platform.commandLine = L"C:\\WINDOWS\\Tarnix.scr /c";
    WriteLanguageTables(settings, language);
    if (warning) settings.SaveSetting(L"Einstellungen", L"Warnung", warning);
  }
  std::vector<std::wstring> Entries() const {
    std::vector<std::wstring> all;
    for (int i = 0; i < dlg.cmbWarnung.ListCount(); ++i) all.push_back(dlg.cmbWarnung.List(i));
    return all;
  }
  std::wstring Shown() const { return dlg.cmbWarnung.List(dlg.cmbWarnung.ListIndex()); }
};

TEST(WarningList, OpensOnTheStoredTimeInTheUsersLanguage) {
  Options en(Language::English, L"30");
  ASSERT_FALSE(en.Start());
  EXPECT_EQ(en.dlg.lblWarnung.Caption(), L"Warning:");
  EXPECT_EQ(en.Entries(), (std::vector<std::wstring>{L"No warning", L"15 seconds", L"30 seconds", L"60 seconds"}));
  EXPECT_EQ(en.Shown(), L"30 seconds");

  Options de(Language::German, L"0");
  ASSERT_FALSE(de.Start());
  EXPECT_EQ(de.dlg.lblWarnung.Caption(), L"Vorwarnung:");
  EXPECT_EQ(de.Entries(),
            (std::vector<std::wstring>{L"Keine Warnung", L"15 Sekunden", L"30 Sekunden", L"60 Sekunden"}));
  EXPECT_EQ(de.Shown(), L"Keine Warnung");
}

TEST(WarningList, AValidTimeOutsideTheListIsItsOwnEntryAndAnInvalidOneShowsTheDefault) {
  Options own(Language::English, L"45");
  ASSERT_FALSE(own.Start());
  EXPECT_EQ(own.Entries(),
            (std::vector<std::wstring>{L"No warning", L"15 seconds", L"30 seconds", L"45 seconds", L"60 seconds"}));
  EXPECT_EQ(own.Shown(), L"45 seconds");
  Options one(Language::English, L"1");
  ASSERT_FALSE(one.Start());
  EXPECT_EQ(one.Shown(), L"1 second");
  for (const wchar_t* bad : {static_cast<const wchar_t*>(nullptr), L"601", L"abc"}) {
    Options o(Language::English, bad);
    ASSERT_FALSE(o.Start());
    EXPECT_EQ(o.Entries().size(), 4u);
    EXPECT_EQ(o.Shown(), L"15 seconds");
  }
}

TEST(WarningList, SaveStoresTheChoiceAndAnyOtherWayOutStoresNothing) {
  Options o(Language::English, L"45");
  ASSERT_FALSE(o.Start());
  o.dlg.cmbWarnung.SetListIndex(4);
  ASSERT_TRUE(FakeProcess::Ends([&] { o.dlg.cmdOK_Click(); }));
  EXPECT_EQ(o.settings.GetSetting(L"Einstellungen", L"Warnung", L""), L"60");

  Options closed(Language::English, L"45");
  ASSERT_FALSE(closed.Start());
  closed.dlg.cmbWarnung.SetListIndex(0);
  const size_t before = closed.settings.Writes().size();
  ASSERT_TRUE(FakeProcess::Ends([&] { closed.dlg.Unload(ui::UnloadMode::FormControlMenu); }));
  EXPECT_EQ(closed.settings.Writes().size(), before);
  EXPECT_EQ(closed.settings.GetSetting(L"Einstellungen", L"Warnung", L""), L"45");
}

TEST(WarningList, TheInstallKeepsAChosenTimeAndWritesTheDefaultOtherwise) {
  for (const auto& [before, after] : std::vector<std::pair<const wchar_t*, const wchar_t*>>{
           {nullptr, L"15"}, {L"garbage", L"15"}, {L"45", L"45"}, {L"0", L"0"}}) {
    MemorySettingsStore s;
    if (before) s.SaveSetting(L"Einstellungen", L"Warnung", before);
    KeepOrWriteDefaultWarning(s);
    EXPECT_EQ(s.GetSetting(L"Einstellungen", L"Warnung", L""), after);
  }
}

}  // namespace
}  // namespace tarnix
