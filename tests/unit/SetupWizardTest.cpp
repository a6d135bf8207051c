// The setup wizard against the form model and a fake platform: its pages, the
// language choice, the install and action steps, their failures and the end.
#include <gtest/gtest.h>

#include <algorithm>

#include "FakeHost.h"
#include "FakePlatform.h"
#include "app/ActionChoice.h"
#include "app/StartMode.h"
#include "setup/InstallFiles.h"
#include "settings/LanguageTables.h"

namespace tarnix {
namespace {

constexpr int kEnglish = 0, kGerman = 1;

struct Wizard : testing::FakeProcess {
  testing::FakeHost host;
  frmSetup& wiz = app.setup;
  Wizard() {
    app.SetHost(&host);
    host.pictures = [](int) { return ReadBmp(ReadFileBytes(TARNIX_ART_DIR "/skin_mask.bmp"))->picture; };
    platform.exePath = L"D:\\Downloads\\SETUP_Tarnix.exe";
    platform.commandLine = L"\"D:\\Downloads\\SETUP_Tarnix.exe\"";
    platform.winDir = L"C:\\WINDOWS";
  }
  bool Open() { return !Start(); }
  // The user clicks a language label, then ">>" on the language and install pages.
  void ToInstallPage(int language) {
    wiz.Control_Event(wiz.lblOpt[language], ui::Event::Click, {});
    wiz.cmdOK_Click();
  }
  void ToActionPage(int language) {
    ToInstallPage(language);
    wiz.cmdOK_Click();
  }
  std::vector<std::wstring> WritesSince(size_t before) const {
    return {settings.Writes().begin() + long(before), settings.Writes().end()};
  }
};

TEST(SetupWizard, OpensOnTheLanguagePageCutToTheSkin) {
  Wizard s;
  ASSERT_TRUE(s.Open());
  EXPECT_TRUE(s.wiz.IsVisible());
  EXPECT_FALSE(s.app.main.IsLoaded()) << "the saver window was unloaded";
  EXPECT_EQ(s.wiz.WizardPage(), 0);
  EXPECT_EQ(s.wiz.Caption(), L"     Tarnix: Setup");
  EXPECT_EQ(s.wiz.lblVer.Caption(), L"2.6");
  EXPECT_EQ(ui::PixelsFromTwips(s.wiz.Width()), 440);
  EXPECT_EQ(ui::PixelsFromTwips(s.wiz.Height()), 249);
  EXPECT_EQ(ui::PixelsFromTwips(s.wiz.Left()), 292);
  ASSERT_FALSE(s.wiz.WindowRegion().empty());
  EXPECT_EQ(s.wiz.lblInfo[0].Caption(), L"Select a langugage.");
  EXPECT_EQ(s.wiz.lblInfo[1].Caption(), L"W\u00e4hlen Sie eine Sprache.");
  for (int i : {0, 1}) EXPECT_TRUE(s.wiz.lblOpt[i].Visible() && s.wiz.imgOPt[i].Visible());
  EXPECT_TRUE(s.wiz.chkAlpha.Visible() && s.wiz.lblAlpha.Visible());
  EXPECT_EQ(s.wiz.chkAlpha.Value(), 0);
  EXPECT_FALSE(s.wiz.cmbAktion.Visible());
  EXPECT_FALSE(s.wiz.cmdOK.Enabled()) << "no language chosen yet";
  EXPECT_TRUE(s.wiz.cmdRück.Enabled());
  // What must stay out of sight lies wholly beyond the cut window.
  for (const ui::Control* c : {&s.wiz.picDesign, &s.wiz.imgSp[0], &s.wiz.imgSp[1], &s.wiz.imgSp[2], &s.wiz.imgSp[3],
                                &s.wiz.optSprache[0], &s.wiz.optSprache[1], &s.wiz.lblAktion}) {
    EXPECT_TRUE(ui::PixelsFromTwips(c->Left()) >= 440 || ui::PixelsFromTwips(c->Top()) >= 249)
        << ::testing::PrintToString(c->Name()) << c->Index();
  }
}

TEST(SetupWizard, TheLanguageCanBeChosenBackAndForth) {
  Wizard s;
  ASSERT_TRUE(s.Open());
  const int selectedGerman = s.wiz.imgSp[1].Picture(), unselectedEnglish = s.wiz.imgSp[2].Picture();
  s.wiz.Control_Event(s.wiz.imgOPt[kGerman], ui::Event::Click, {});  // the picture forwards like the label
  EXPECT_TRUE(s.wiz.cmdOK.Enabled());
  EXPECT_EQ(s.wiz.ChosenLanguage(), Language::German);
  EXPECT_EQ(s.wiz.lblAlpha.Caption(), L"Blitz-Effekt");
  EXPECT_EQ(s.wiz.imgOPt[kGerman].Picture(), selectedGerman);
  EXPECT_EQ(s.wiz.imgOPt[kEnglish].Picture(), unselectedEnglish);
  s.wiz.Control_Event(s.wiz.lblOpt[kEnglish], ui::Event::Click, {});
  EXPECT_EQ(s.wiz.ChosenLanguage(), Language::English);
  EXPECT_EQ(s.wiz.optSprache[kGerman].Value(), 0) << "one choice at a time";
  EXPECT_EQ(s.wiz.lblAlpha.Caption(), L"Thunder-Effect");
  EXPECT_EQ(s.wiz.imgOPt[kEnglish].Picture(), s.wiz.imgSp[0].Picture());
  EXPECT_EQ(s.wiz.imgOPt[kGerman].Picture(), s.wiz.imgSp[3].Picture());
}

TEST(SetupWizard, HoverColoursFollowThePointer) {
  Wizard s;
  ASSERT_TRUE(s.Open());
  auto colours = [&] {
    return std::vector<uint32_t>{s.wiz.lblOpt[0].ForeColor(), s.wiz.lblOpt[1].ForeColor(),
                                 s.wiz.lblAlpha.ForeColor()};
  };
  const uint32_t hi = ui::Rgb(192, 64, 0), no = 0;
  s.wiz.Control_Event(s.wiz.imgOPt[0], ui::Event::MouseMove, {});
  EXPECT_EQ(colours(), (std::vector<uint32_t>{hi, no, no}));
  s.wiz.Control_Event(s.wiz.imgOPt[1], ui::Event::MouseMove, {});
  EXPECT_EQ(colours(), (std::vector<uint32_t>{no, hi, no})) << "straight from one picture to the other";
  s.wiz.Control_Event(s.wiz.lblAlpha, ui::Event::MouseMove, {});
  EXPECT_EQ(colours(), (std::vector<uint32_t>{no, no, hi}));
  s.wiz.Control_Event(s.wiz.lblOpt[0], ui::Event::MouseMove, {});
  EXPECT_EQ(colours(), (std::vector<uint32_t>{hi, no, hi})) << "a label lights only itself";
  s.wiz.Form_MouseMove(0, 0, 10, 10);
  EXPECT_EQ(colours(), (std::vector<uint32_t>{no, no, no}));
  s.wiz.Control_Event(s.wiz.chkAlpha, ui::Event::MouseMove, {});
  EXPECT_EQ(colours(), (std::vector<uint32_t>{no, no, hi}));
}

TEST(SetupWizard, ForwardAndBackKeepTheLanguage) {
  Wizard s;
  ASSERT_TRUE(s.Open());
  s.ToInstallPage(kEnglish);
  EXPECT_EQ(s.wiz.WizardPage(), 1);
  EXPECT_FALSE(s.wiz.lblInfo[0].Visible());
  EXPECT_EQ(s.wiz.lblInfo[1].Caption(), L"Click on the right button to install the screen saver.");
  for (int i : {0, 1})
    EXPECT_FALSE(s.wiz.lblOpt[i].Visible() || s.wiz.imgOPt[i].Visible() || s.wiz.optSprache[i].Visible());
  EXPECT_TRUE(s.wiz.chkAlpha.Visible() && s.wiz.lblAlpha.Visible());
  EXPECT_EQ(s.wiz.cmdOK.Caption(), L">>");
  EXPECT_TRUE(s.wiz.cmdOK.Enabled());
  EXPECT_TRUE(s.platform.copies.empty() && s.settings.Writes().empty()) << "nothing happens on this step";

  s.wiz.cmdRück_Click();
  EXPECT_EQ(s.wiz.WizardPage(), 0);
  EXPECT_EQ(s.wiz.lblInfo[1].Caption(), L"W\u00e4hlen Sie eine Sprache.");
  EXPECT_TRUE(s.wiz.lblInfo[0].Visible() && s.wiz.lblInfo[1].Visible());
  for (int i : {0, 1}) EXPECT_TRUE(s.wiz.lblOpt[i].Visible() && s.wiz.imgOPt[i].Visible());
  EXPECT_EQ(s.wiz.ChosenLanguage(), Language::English);
  EXPECT_EQ(s.wiz.lblAlpha.Caption(), L"Thunder-Effect");
  EXPECT_TRUE(s.wiz.cmdOK.Enabled()) << "\">>\" works again at once";

  s.wiz.cmdOK_Click();
  EXPECT_EQ(s.wiz.lblInfo[1].Caption(), L"Click on the right button to install the screen saver.");
}

TEST(SetupWizard, CancellingOnTheLanguagePageWritesAndCopiesNothing) {
  Wizard s;
  ASSERT_TRUE(s.Open());
  s.wiz.Control_Event(s.wiz.lblOpt[kGerman], ui::Event::Click, {});
  EXPECT_TRUE(s.Ends([&] { s.wiz.cmdRück_Click(); }));
  EXPECT_TRUE(s.platform.copies.empty());
  EXPECT_TRUE(s.settings.Writes().empty());
  EXPECT_TRUE(s.platform.profile.empty());
}

TEST(SetupWizard, ClosingOnAnyPageEndsTheProgram) {
  for (int page = 0; page < 3; ++page) {
    Wizard s;
    ASSERT_TRUE(s.Open());
    if (page == 1) s.ToInstallPage(kEnglish);
    if (page == 2) s.ToActionPage(kEnglish);
    EXPECT_TRUE(s.Ends([&] { s.wiz.Unload(ui::UnloadMode::FormControlMenu); })) << "page " << page;
    EXPECT_TRUE(s.platform.profile.empty());
  }
}

TEST(InstallStep, CopiesBothFilesThenWritesTheTablesAndShowsTheActionPage) {
  Wizard s;
  ASSERT_TRUE(s.Open());
  s.wiz.lblAlpha_Click();  // thunder on: kept, but hidden with its label
  s.ToActionPage(kGerman);
  ASSERT_EQ(s.platform.copies.size(), 2u);
  EXPECT_EQ(s.platform.copies[0].from, L"D:\\Downloads\\SETUP_Tarnix.exe");
  EXPECT_EQ(s.platform.copies[0].to, L"C:\\WINDOWS\\Tarnix.scr");
  EXPECT_EQ(s.platform.copies[1].from, L"D:\\Downloads\\stb.drl");
  EXPECT_EQ(s.platform.copies[1].to, L"C:\\WINDOWS\\stb.exe");
  // The tables in their order, as the settings module writes them for German.
  MemorySettingsStore expected;
  WriteLanguageTables(expected, Language::German);
  KeepOrWriteDefaultWarning(expected);
  EXPECT_EQ(s.settings.Writes(), expected.Writes());
  ui::Control& list = s.wiz.cmbAktion;
  ASSERT_EQ(list.ListCount(), 7);
  EXPECT_EQ(list.List(0), L"Herunterfahren");
  EXPECT_EQ(list.List(6), L"Schwarzer Bildschirm");
  EXPECT_EQ(list.ListIndex(), 6);
  EXPECT_TRUE(list.Visible());
  EXPECT_EQ(s.wiz.WizardPage(), 2);
  EXPECT_EQ(s.wiz.lblInfo[1].Caption(),
            L"Der Bildschirmschoner wurde installiert. Welche Aktion soll beim Start des Bildschirmschoners "
            L"durchgef\u00fchrt werden?");
  EXPECT_EQ(s.wiz.cmdOK.Caption(), L"Speichern");
  EXPECT_FALSE(s.wiz.cmdRück.Visible());
  EXPECT_FALSE(s.wiz.chkAlpha.Visible() || s.wiz.lblAlpha.Visible());
  EXPECT_EQ(s.wiz.chkAlpha.Value(), 1);
  EXPECT_FALSE(s.app.blitz.IsVisible()) << "the thunder window is hidden";
  EXPECT_TRUE(s.platform.profile.empty()) << "the profile waits for the action page";
}

TEST(InstallStep, TheListShowsWhatTheStoreHoldsAfterTheWrite) {
  Wizard s;
  ASSERT_TRUE(s.Open());
  s.ToActionPage(kEnglish);
  std::vector<std::wstring> names;
  for (int i = 0; i < s.wiz.cmbAktion.ListCount(); ++i) names.push_back(s.wiz.cmbAktion.List(i));
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Turn Off", L"Restart", L"Hibernate", L"Stand By", L"Log Off",
                                              L"Switch User", L"Black Screen"}));
  EXPECT_EQ(s.wiz.cmdOK.Caption(), L"Save");
}

TEST(InstallStep, AFailedCopyShowsTheMessageLeavesTheStoreAndEnds) {
  struct Case { int failingCopy; int language; const wchar_t* text; const wchar_t* title; };
  for (const Case c : {Case{1, kEnglish, L"The Screen Saver could not be installed successfully. Setup will end.",
                            L"Setup-Error"},
                       Case{2, kGerman, L"Der Bildschirmschoner konnte nicht installiert werden. Setup wird beendet.",
                            L"Setup-Fehler"}}) {
    Wizard s;
    s.settings.SaveSetting(L"Aktionen", L"6", L"old");
    ASSERT_TRUE(s.Open());
    s.wiz.lblAlpha_Click();  // thunder on
    s.ToInstallPage(c.language);
    const size_t before = s.settings.Writes().size();
    s.platform.copiesAllowed = size_t(c.failingCopy - 1);
    bool thunderOverMessage = false;
    s.platform.whileMessageShows = [&] { thunderOverMessage = s.app.blitz.IsVisible(); };
    const bool ended = s.Ends([&] { s.wiz.cmdOK_Click(); });
    EXPECT_TRUE(ended);
    EXPECT_EQ(s.platform.copies.size(), size_t(c.failingCopy));
    ASSERT_EQ(s.platform.messages.size(), 1u);
    EXPECT_EQ(s.platform.messages[0].text, c.text);
    EXPECT_EQ(s.platform.messages[0].title, c.title);
    EXPECT_EQ(s.platform.messages[0].style, 16u);
    EXPECT_FALSE(thunderOverMessage) << "the lightning, raised on every tick, never draws across the message";
    EXPECT_EQ(s.WritesSince(before).size(), 0u) << "the store is as it was";
    EXPECT_EQ(s.settings.GetSetting(L"Aktionen", L"6", L""), L"old");
    EXPECT_TRUE(s.platform.profile.empty());
    EXPECT_EQ(s.platform.events.back(), L"EndProcess");
  }
}

TEST(InstallStep, ARefusedSettingsWriteTakesTheSamePath) {
  Wizard s;
  ASSERT_TRUE(s.Open());
  s.ToInstallPage(kEnglish);
  s.settings.RefuseWrites(true);
  EXPECT_TRUE(s.Ends([&] { s.wiz.cmdOK_Click(); }));
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].title, L"Setup-Error");
  EXPECT_TRUE(s.platform.profile.empty());
}

TEST(InstallStep, CopiesItsOwnFileWhateverItsName) {
  for (const wchar_t* name : {L"D:\\Downloads\\setup.scr", L"D:\\Downloads\\SETUP_Tarnix.2.6.exe",
                              L"D:\\Downloads\\SETUP_Tarnix.v26.exe"}) {
    Wizard s;
    s.platform.exePath = name;
    ASSERT_TRUE(s.Open());
    s.ToActionPage(kEnglish);
    ASSERT_FALSE(s.platform.copies.empty());
    EXPECT_EQ(s.platform.copies[0].from, name);
    EXPECT_EQ(s.wiz.WizardPage(), 2) << "installed";
  }
}

TEST(ActionStep, StoresTheChoiceActivatesTheSaverAndShowsTheCompletionText) {
  Wizard s;
  ASSERT_TRUE(s.Open());
  s.ToActionPage(kEnglish);
  s.wiz.cmbAktion.SetListIndex(1);
  const size_t before = s.settings.Writes().size();
  s.wiz.cmdOK_Click();
  EXPECT_EQ(s.WritesSince(before), (std::vector<std::wstring>{L"Aktionen/Use=1"}));
  EXPECT_EQ(s.platform.profile, (std::vector<std::wstring>{L"Desktop/SCRNSAVE.EXE=C:\\WINDOWS\\Tarnix.scr",
                                                           L"Desktop/ScreenSaveActive=1"}));
  EXPECT_FALSE(s.wiz.cmbAktion.Visible());
  EXPECT_TRUE(s.wiz.tmrEnd.Enabled());
  EXPECT_EQ(s.wiz.tmrEnd.Interval(), 1500);
  EXPECT_FALSE(s.wiz.cmdOK.Enabled());
  EXPECT_FALSE(s.wiz.cmdRück.Enabled());
  EXPECT_EQ(s.wiz.lblInfo[1].Caption(),
            L"Free Program!\rAuthor: Pellhorn Software\rVersion: 2.6.0\r"
            L"Screen Saver has beeb successfully installed. \rSetup will end now.");
  EXPECT_TRUE(s.platform.runs.empty()) << "the control panel waits for the timer";
}

TEST(ActionStep, TheGermanCompletionTextAndTheUntouchedDefault) {
  Wizard s;
  ASSERT_TRUE(s.Open());
  s.ToActionPage(kGerman);
  s.wiz.cmdOK_Click();
  EXPECT_EQ(s.settings.GetSetting(L"Aktionen", L"use", L""), L"6") << "the preselected black screen";
  EXPECT_EQ(s.wiz.lblInfo[1].Caption(),
            L"Kostenloses Programm!\rAutor: Pellhorn Software\rVersion: 2.6.0\r"
            L"Die Installation wurde erfolgreich abgeschlossen.\rSetup wird jetzt beendet.");
}

TEST(ActionStep, ARefusedWriteOfTheChoiceEndsWithTheMessageBeforeTheProfile) {
  Wizard s;
  ASSERT_TRUE(s.Open());
  s.ToActionPage(kGerman);
  s.settings.RefuseWrites(true);
  EXPECT_TRUE(s.Ends([&] { s.wiz.cmdOK_Click(); }));
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].title, L"Setup-Fehler");
  EXPECT_TRUE(s.platform.profile.empty());
}

TEST(ActionStep, ARefusedProfileWriteIsReportedAndTheScreenSaverPageStillOpens) {
  for (const int language : {kEnglish, kGerman}) {
    Wizard s;
    s.platform.canWriteProfile = false;
    ASSERT_TRUE(s.Open());
    s.ToActionPage(language);
    EXPECT_TRUE(s.Ends([&] { s.wiz.cmdOK_Click(); }));
    ASSERT_EQ(s.platform.messages.size(), 1u) << "no success text when the saver is not active";
    EXPECT_EQ(s.platform.messages[0].text,
              language == kEnglish ? L"The Screen Saver could not be installed successfully. Setup will end."
                                   : L"Der Bildschirmschoner konnte nicht installiert werden. Setup wird beendet.");
    EXPECT_EQ(s.platform.messages[0].style, kMbIconError);
    EXPECT_EQ(s.wiz.lblInfo[1].Caption().find(L"successfully installed"), std::wstring::npos);
    EXPECT_EQ(s.platform.profile.size(), 1u) << "no ScreenSaveActive for a saver whose path was refused";
    ASSERT_EQ(s.platform.runs.size(), 1u) << "where the user can pick it by hand";
    EXPECT_NE(s.platform.runs[0].commandLine.find(L"desk.cpl,,1"), std::wstring::npos);
    const auto& e = s.platform.events;
    EXPECT_LT(std::find(e.begin(), e.end(), L"Message"), std::find(e.begin(), e.end(), L"Run")) << "after OK";
  }
}

TEST(EndTimer, FiresOnceOpensTheScreenSaverPageAndEnds) {
  // XP's Display control panel opens on its tab 1; from Vista on a number
  // opens the display settings, and the screen saver's page goes by its name.
  for (const auto& [osMajor, page] : {std::pair{5L, L"desk.cpl,,1"}, std::pair{6L, L"desk.cpl,screensaver,@screensaver"},
                                      std::pair{10L, L"desk.cpl,screensaver,@screensaver"}}) {
    Wizard s;
    s.platform.winDir = L"C:\\Win Dir";
    s.platform.osMajor = osMajor;
    ASSERT_TRUE(s.Open());
    s.ToActionPage(kEnglish);
    s.wiz.cmdOK_Click();
    EXPECT_TRUE(s.Ends([&] { s.wiz.Control_Event(s.wiz.tmrEnd, ui::Event::Timer, {}); }));
    ASSERT_EQ(s.platform.runs.size(), 1u);
    EXPECT_EQ(s.platform.runs[0].program, L"C:\\Win Dir\\system32\\rundll32.exe");
    EXPECT_EQ(s.platform.runs[0].commandLine,
              L"\"C:\\Win Dir\\system32\\rundll32.exe\" shell32.dll,Control_RunDLL " + std::wstring(page))
        << "Windows " << osMajor;
    EXPECT_EQ(s.platform.runs[0].show, 2);
    EXPECT_EQ(s.platform.events.back(), L"EndProcess");
  }
}

TEST(EndTimer, AControlPanelThatCannotStartLeavesTheTextUntilTheUserCloses) {
  Wizard s;
  ASSERT_TRUE(s.Open());
  s.ToActionPage(kEnglish);
  s.wiz.cmdOK_Click();
  s.platform.canStart = false;
  EXPECT_FALSE(s.Ends([&] { s.wiz.Control_Event(s.wiz.tmrEnd, ui::Event::Timer, {}); }));
  EXPECT_FALSE(s.wiz.tmrEnd.Enabled()) << "it fires once";
  EXPECT_NE(s.wiz.lblInfo[1].Caption().find(L"Setup will end now."), std::wstring::npos);
  EXPECT_TRUE(s.Ends([&] { s.wiz.Unload(ui::UnloadMode::FormControlMenu); }));
}

TEST(OpenDisplayProperties, ClampsTheTabInTheCallersVariable) {
  for (const auto& [given, opened] : std::vector<std::pair<int, int>>{{-1, 3}, {0, 0}, {3, 3}, {5, 3}}) {
    testing::FakeProcess p;
    p.app.paths.WinPath = L"C:\\WINDOWS\\";
    int tab = given;
    EXPECT_TRUE(OpenDisplayProperties(p.app, tab));
    EXPECT_EQ(tab, opened);
    ASSERT_EQ(p.platform.runs.size(), 1u);
    EXPECT_EQ(p.platform.runs[0].commandLine, L"\"C:\\WINDOWS\\system32\\rundll32.exe\" "
                                              L"shell32.dll,Control_RunDLL desk.cpl,," + std::to_wstring(opened));
  }
  testing::FakeProcess p;
  p.platform.canStart = false;
  int tab = 1;
  EXPECT_FALSE(OpenDisplayProperties(p.app, tab));
}

TEST(Elevation, OnlyAVistaSetupWithoutRightsThatCanGetThemAsks) {
  EXPECT_TRUE(CopiesNeedElevation(6, {.elevated = false, .canElevate = true}));
  EXPECT_TRUE(CopiesNeedElevation(10, {.elevated = false, .canElevate = true}));
  EXPECT_FALSE(CopiesNeedElevation(5, {.elevated = false, .canElevate = true})) << "XP has no UAC";
  EXPECT_FALSE(CopiesNeedElevation(6, {.elevated = true, .canElevate = false}));
  EXPECT_FALSE(CopiesNeedElevation(6, {.elevated = false, .canElevate = false})) << "UAC off: asking would loop";
}

// A standard user on Vista or later: asking gives rights, but as an administrator's process.
struct StandardUserWizard : Wizard {
  StandardUserWizard() {
    platform.osMajor = 6;
    platform.elevation = {.elevated = false, .canElevate = true};
  }
};

TEST(Elevation, TheWizardRunsAsTheUserWhoStartedIt) {
  StandardUserWizard s;
  ASSERT_TRUE(s.Open()) << "no restart at start";
  EXPECT_TRUE(s.wiz.IsVisible());
  EXPECT_TRUE(s.platform.elevatedRuns.empty());
}

TEST(Elevation, OnlyTheTwoCopiesRunElevatedTheSettingsAndProfileStayTheUsers) {
  StandardUserWizard s;
  ASSERT_TRUE(s.Open());
  s.ToActionPage(kGerman);
  EXPECT_EQ(s.platform.elevatedRuns, (std::vector<std::wstring>{L"/install-files"}));
  EXPECT_TRUE(s.platform.copies.empty()) << "this process copies nothing itself";
  EXPECT_EQ(s.wiz.WizardPage(), 2);
  EXPECT_EQ(s.settings.GetSetting(L"Sprache", L"Aktion", L""), L"Aktion") << "written by the user's own process";
  EXPECT_TRUE(s.wiz.cmdOK.Enabled());
  EXPECT_FALSE(s.Ends([&] { s.wiz.cmdOK_Click(); }));
  EXPECT_EQ(s.platform.profile.size(), 2u) << "the profile keys, by the user's own process";
  EXPECT_EQ(s.platform.elevatedRuns.size(), 1u);
}

TEST(Elevation, ADeclinedPromptOrAFailedCopyTakesTheInstallErrorPath) {
  for (const std::optional<int> helper : {std::optional<int>(), std::optional<int>(1), std::optional<int>(2)}) {
    StandardUserWizard s;
    s.platform.elevatedExitCode = helper;
    ASSERT_TRUE(s.Open());
    s.ToInstallPage(kEnglish);
    EXPECT_TRUE(s.Ends([&] { s.wiz.cmdOK_Click(); }));
    ASSERT_EQ(s.platform.messages.size(), 1u);
    EXPECT_EQ(s.platform.messages[0].text, L"The Screen Saver could not be installed successfully. Setup will end.");
    EXPECT_TRUE(s.settings.Writes().empty()) << "nothing written after a failed copy";
  }
}

TEST(Elevation, TheForwardButtonShowsTheShieldOnlyBeforeTheStepThatAsks) {
  StandardUserWizard s;
  ASSERT_TRUE(s.Open());
  EXPECT_FALSE(s.wiz.cmdOK.Shield());
  s.ToInstallPage(kEnglish);
  EXPECT_TRUE(s.wiz.cmdOK.Shield());
  s.wiz.cmdRück_Click();
  EXPECT_FALSE(s.wiz.cmdOK.Shield()) << "the language page asks for nothing";
  s.wiz.cmdOK_Click();
  s.wiz.cmdOK_Click();
  EXPECT_EQ(s.wiz.WizardPage(), 2);
  EXPECT_FALSE(s.wiz.cmdOK.Shield()) << "saving asks for nothing";

  Wizard xp;
  ASSERT_TRUE(xp.Open());
  xp.ToInstallPage(kEnglish);
  EXPECT_FALSE(xp.wiz.cmdOK.Shield()) << "an administrator is asked nothing";
}

TEST(Elevation, TheInstalledSaverNeverAsks) {
  testing::FakeProcess p;
  p.platform.osMajor = 6;
  p.platform.elevation = {.elevated = false, .canElevate = true};
  p.platform.commandLine = L"C:\\WINDOWS\\Tarnix.scr /install-files";
  p.Start();
  EXPECT_TRUE(p.platform.elevatedRuns.empty());
  EXPECT_TRUE(p.platform.copies.empty()) << "an unknown switch to the saver: the design state";
  EXPECT_TRUE(p.app.main.IsVisible());
}

// The elevated helper: "SETUP_Tarnix.exe /install-files".
struct InstallFilesRun : Wizard {
  std::optional<int> exitCode;
  explicit InstallFilesRun(const wchar_t* arguments = L" /install-files") {
    platform.commandLine = std::wstring(L"\"D:\\Downloads\\SETUP_Tarnix.exe\"") + arguments;
    try {
      app.Start();
    } catch (const ProcessEnded& e) {
      exitCode = e.exitCode;
    }
  }
};

TEST(InstallFiles, MakesTheTwoCopiesInOrderAndNothingElse) {
  InstallFilesRun r;
  EXPECT_EQ(r.exitCode, 0);
  ASSERT_EQ(r.platform.copies.size(), 2u);
  EXPECT_EQ(r.platform.copies[0].from, L"D:\\Downloads\\SETUP_Tarnix.exe");
  EXPECT_EQ(r.platform.copies[0].to, L"C:\\WINDOWS\\Tarnix.scr");
  EXPECT_EQ(r.platform.copies[1].from, L"D:\\Downloads\\stb.drl");
  EXPECT_EQ(r.platform.copies[1].to, L"C:\\WINDOWS\\stb.exe");
  EXPECT_TRUE(r.settings.Writes().empty());
  EXPECT_TRUE(r.platform.profile.empty());
  for (const ui::Form* f : r.app.Forms()) EXPECT_FALSE(f->IsVisible()) << "no window";
  EXPECT_FALSE(r.wiz.IsLoaded());
  EXPECT_TRUE(r.platform.messages.empty());
}

TEST(InstallFiles, ItsExitCodeSaysWhichCopyFailed) {
  struct Case {
    size_t copiesAllowed;
    const char* companionHead;  // nullptr: a program
    int exitCode;
    size_t copiesTried;
  };
  // A foreign companion's kinds are the wizard's test below; here, its exit code.
  // A damaged companion is found before the first copy: no saver is left without it.
  for (const Case c : {Case{0, nullptr, 1, 1}, Case{1, nullptr, 2, 2}, Case{SIZE_MAX, "", 2, 0}}) {
    testing::FakePlatform platform;
    MemorySettingsStore settings;
    App app(platform, settings);
    platform.exePath = L"D:\\Downloads\\SETUP_Tarnix.exe";
    platform.commandLine = L"\"D:\\Downloads\\SETUP_Tarnix.exe\" /INSTALL-FILES ";
    platform.copiesAllowed = c.copiesAllowed;
    if (c.companionHead) platform.fileHeads[L"D:\\Downloads\\stb.drl"] = c.companionHead;
    int code = -1;
    try {
      app.Start();
    } catch (const ProcessEnded& e) {
      code = e.exitCode;
    }
    EXPECT_EQ(code, c.exitCode);
    EXPECT_EQ(platform.copies.size(), c.copiesTried);
    EXPECT_TRUE(platform.files.empty()) << "a first install that failed takes its copies back";
    EXPECT_TRUE(settings.Writes().empty());
    EXPECT_TRUE(platform.messages.empty()) << "the helper shows nothing; the wizard reports";
  }
}

// Over an installed Tarnix, whose entry removes it, the new saver stays: the
// old one is gone already, and the removal finds everything.
TEST(InstallFiles, AFailedCompanionCopyOverAnInstalledTarnixKeepsTheFiles) {
  testing::FakePlatform platform;
  MemorySettingsStore settings;
  App app(platform, settings);
  platform.exePath = L"D:\\Downloads\\SETUP_Tarnix.exe";
  platform.commandLine = L"\"D:\\Downloads\\SETUP_Tarnix.exe\" /install-files";
  platform.files = {L"C:\\WINDOWS\\Tarnix.scr", L"C:\\WINDOWS\\stb.exe"};
  platform.lockedFiles = {L"C:\\WINDOWS\\stb.exe"};  // stand-by in progress
  int code = -1;
  try {
    app.Start();
  } catch (const ProcessEnded& e) {
    code = e.exitCode;
  }
  EXPECT_EQ(code, kCompanionCopyFailed);
  EXPECT_EQ(platform.files, (std::set<std::wstring>{L"C:\\WINDOWS\\Tarnix.scr", L"C:\\WINDOWS\\stb.exe"}));
  EXPECT_EQ(platform.copies.size(), 2u);
}

TEST(InstallFiles, AnyOtherArgumentsOpenTheWizard) {
  InstallFilesRun r(L" /install-files x");
  EXPECT_FALSE(r.exitCode.has_value());
  EXPECT_TRUE(r.wiz.IsVisible());
  EXPECT_TRUE(r.platform.copies.empty());
}

// A setup started from inside the archive finds no stb.drl beside it.
TEST(Companion, AMissingEmptyForeignOrTruncatedStbDrlCopiesNothingAndSaysWhatToDo) {
  for (const std::string& head : {std::string(), std::string("PK\x03\x04"), std::string("M"),
                                  testing::MinimalProgram().substr(0, 0x300)}) {
    Wizard s;
    s.platform.osMajor = 10;
    s.platform.elevation = {false, true};
    s.platform.fileHeads[L"D:\\Downloads\\stb.drl"] = head;
    ASSERT_TRUE(s.Open());
    s.ToInstallPage(kGerman);
    EXPECT_TRUE(s.Ends([&] { s.wiz.cmdOK_Click(); })) << head.size() << " bytes";
    ASSERT_EQ(s.platform.messages.size(), 1u);
    EXPECT_EQ(s.platform.messages[0].title, L"Setup-Fehler");
    EXPECT_EQ(s.platform.messages[0].text,
              L"Der Bildschirmschoner konnte nicht installiert werden. Setup wird beendet.\r\r"
              L"D:\\Downloads\\stb.drl fehlt oder ist besch\u00e4digt. Entpacken Sie das ganze Archiv in "
              L"einen Ordner und starten Sie das Setup von dort.");
    EXPECT_TRUE(s.platform.elevatedRuns.empty()) << "no administrator prompt for an install that cannot succeed";
    EXPECT_TRUE(s.platform.copies.empty()) << "no saver left behind without its companion";
    EXPECT_TRUE(s.settings.Writes().empty());
  }
}

}  // namespace
}  // namespace tarnix

namespace tarnix {
namespace {

TEST(PageTurns, AClickWithinTheDoubleClickTimeOfATurnIsIgnored) {
  Wizard s;
  ASSERT_TRUE(s.Open());
  s.ToActionPage(kEnglish);
  EXPECT_EQ(s.host.focused, &s.wiz.cmbAktion) << "the action list has the focus after the install";
  // The second click of a double-click on ">>" lands on "Save" in the same instant.
  s.platform.tickStep = 0;
  s.host.focused = &s.wiz.cmdOK;  // pressed, the button took the focus
  s.wiz.cmdOK_Click();
  EXPECT_EQ(s.wiz.WizardPage(), 2);
  EXPECT_EQ(s.host.focused, &s.wiz.cmbAktion) << "the list keeps the focus";
  EXPECT_EQ(s.settings.GetSetting(L"Aktionen", L"Use", L"<missing>"), L"<missing>") << "nothing saved";
  EXPECT_TRUE(s.platform.profile.empty());
  // The same click a moment later is the user's.
  s.platform.tick += s.platform.doubleClickTime;
  s.wiz.cmdOK_Click();
  EXPECT_EQ(s.settings.GetSetting(L"Aktionen", L"Use", L""), L"6");
}

TEST(Focus, TabMovesOnlyBetweenWhatEachPageShowsInReadingOrder) {
  Wizard s;
  ASSERT_TRUE(s.Open());
  bool seen = false;
  EXPECT_EQ(testing::TabStops(s.wiz, &seen), (std::vector<std::wstring>{L"optSprache0", L"optSprache1", L"cmdR\u00fcck",
                                                               L"chkAlpha"}))
      << "the skin's picture box takes no focus; >> waits for a language";
  EXPECT_TRUE(seen) << "the option buttons below the skin count where their captions are";
  s.wiz.Control_Event(s.wiz.lblOpt[kEnglish], ui::Event::Click, {});
  EXPECT_EQ(testing::TabStops(s.wiz).back(), L"cmdOK");
  s.wiz.cmdOK_Click();
  EXPECT_EQ(testing::TabStops(s.wiz, &seen), (std::vector<std::wstring>{L"cmdR\u00fcck", L"chkAlpha", L"cmdOK"}));
  EXPECT_TRUE(seen);
  s.platform.tick += 1000;
  s.wiz.cmdOK_Click();
  EXPECT_EQ(testing::TabStops(s.wiz, &seen), (std::vector<std::wstring>{L"cmbAktion", L"cmdOK"}));
  EXPECT_TRUE(seen);
}

TEST(PageTurns, EveryTurnGuardsBothButtons) {
  Wizard s;
  ASSERT_TRUE(s.Open());
  s.wiz.Control_Event(s.wiz.lblOpt[kGerman], ui::Event::Click, {});
  s.platform.tickStep = 0;
  s.wiz.cmdOK_Click();  // to the install page
  ASSERT_EQ(s.wiz.WizardPage(), 1);
  s.wiz.cmdOK_Click();
  EXPECT_TRUE(s.platform.copies.empty()) << "a double-click on >> does not install";
  s.platform.tick += 1000;
  s.wiz.cmdRück_Click();  // back to the language page
  ASSERT_EQ(s.wiz.WizardPage(), 0);
  EXPECT_FALSE(s.Ends([&] { s.wiz.cmdRück_Click(); })) << "a double-click on << does not cancel the setup";
}

}  // namespace
}  // namespace tarnix
