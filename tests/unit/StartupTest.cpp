// The start-up of a whole process against a fake platform: the version gate,
// the switch table, the run mode and the one way out.
#include <gtest/gtest.h>

#include <algorithm>

#include "FakeHost.h"
#include "FakePlatform.h"

namespace tarnix {
namespace {

using testing::FakeProcess;

TEST(VersionGate, OldWindowsGetsTheMessageAndNothingElse) {
  FakeProcess p;
  p.platform.osMajor = 4;
  EXPECT_TRUE(p.Start());
  ASSERT_EQ(p.platform.messages.size(), 1u);
  EXPECT_EQ(p.platform.messages[0].text,
            L"This program is designed for Microsoft Windows XP and cannot be run under your "
            L"Windows-Version\rDieses Programm wurde speziell für Microsoft Windows XP entwickelt "
            L"und kann unter ihrer Windows-Version nicht betrieben werden.");
  EXPECT_EQ(p.platform.messages[0].style, 0x30u);
  EXPECT_EQ(p.platform.messages[0].title, L"Sorry, ...");
  EXPECT_TRUE(p.platform.runs.empty());
  EXPECT_TRUE(p.app.paths.WinPath.empty()) << "the paths are not filled";
  EXPECT_TRUE(p.settings.Writes().empty());
}

TEST(VersionGate, AFailedVersionQueryCountsAsTooOld) {
  FakeProcess p;
  p.platform.osMajor = 0;
  EXPECT_TRUE(p.Start());
  EXPECT_EQ(p.platform.messages.size(), 1u);
}

TEST(VersionGate, Windows5AndLaterPass) {
  for (long major : {5L, 6L, 10L}) {
    FakeProcess p;
    p.platform.osMajor = major;
    p.platform.commandLine = L"C:\\WINDOWS\\Tarnix.scr /x";
    EXPECT_FALSE(p.Start());
    EXPECT_TRUE(p.platform.messages.empty());
    EXPECT_EQ(p.platform.initCommonControls, 1);
  }
}

TEST(RunMode, StoredCodeStartsItsCommandMinimisedAndEnds) {
  FakeProcess p;
  p.settings.SaveSetting(L"Aktionen", L"Use", L"0");
  p.settings.SaveSetting(L"Einstellungen", L"Warnung", L"0");
  EXPECT_TRUE(p.Start());
  ASSERT_EQ(p.platform.runs.size(), 1u);
  EXPECT_EQ(p.platform.runs[0].program, L"C:\\WINDOWS\\system32\\shutdown.exe");
  EXPECT_EQ(p.platform.runs[0].commandLine, L"\"C:\\WINDOWS\\system32\\shutdown.exe\" -s -t 0");
  EXPECT_EQ(p.platform.runs[0].show, 2);
  EXPECT_FALSE(p.app.main.IsLoaded()) << "EndProgram unloads the saver window";
}

TEST(RunMode, StandByRunsTheCompanionBesideTheSaver) {
  FakeProcess p;
  p.platform.exePath = L"D:\\Saver\\Tarnix.scr";
  p.settings.SaveSetting(L"Aktionen", L"Use", L"3");
  p.settings.SaveSetting(L"Einstellungen", L"Warnung", L"0");
  EXPECT_TRUE(p.Start());
  ASSERT_EQ(p.platform.runs.size(), 1u);
  EXPECT_EQ(p.platform.runs[0].commandLine, L"\"D:\\Saver\\stb.exe\" /s");
}

TEST(RunMode, NoUsableCodeStartsNothingAndShowsTheSaverWindow) {
  for (const wchar_t* stored : {L"", L"x", L"7", L"-1"}) {
    FakeProcess p;
    if (*stored) p.settings.SaveSetting(L"Aktionen", L"Use", stored);
    EXPECT_FALSE(p.Start()) << "stored " << ::testing::PrintToString(std::wstring(stored));
    EXPECT_TRUE(p.platform.runs.empty());
    EXPECT_TRUE(p.app.main.IsVisible()) << "design state";
  }
}

TEST(RunMode, ACommandThatCannotStartIsReportedAndEndsTheProgramWithAnError) {
  FakeProcess p;
  p.platform.canStart = false;
  p.platform.exePath = L"D:\\Saver\\Tarnix.scr";
  p.settings.SaveSetting(L"Aktionen", L"Use", L"2");
  p.settings.SaveSetting(L"Einstellungen", L"Warnung", L"0");
  try {
    p.app.Start();
    FAIL() << "the program went on";
  } catch (const ProcessEnded& e) {
    EXPECT_EQ(e.exitCode, kExitActionNotStarted);
  }
  ASSERT_EQ(p.platform.messages.size(), 1u);
  EXPECT_EQ(p.platform.messages[0].text, L"Tarnix could not start D:\\Saver\\stb.exe.");
  EXPECT_FALSE(p.app.main.IsVisible()) << "no silent design state";
}

TEST(RunMode, BlackScreenIsTheSaverWindowItself) {
  FakeProcess p;
  p.settings.SaveSetting(L"Aktionen", L"Use", L"6");
  EXPECT_FALSE(p.Start());
  EXPECT_TRUE(p.platform.runs.empty());
  EXPECT_TRUE(p.app.main.IsVisible());
}

TEST(Switches, PasswordChangeBeepsAndEnds) {
  FakeProcess p;
  p.platform.commandLine = L"C:\\WINDOWS\\Tarnix.scr /a 1234";
  p.settings.SaveSetting(L"Aktionen", L"Use", L"0");
  EXPECT_TRUE(p.Start());
  EXPECT_EQ(p.platform.beeps, 1);
  EXPECT_TRUE(p.platform.runs.empty());
}

TEST(Switches, UnknownSwitchShowsTheDesignState) {
  FakeProcess p;
  p.platform.commandLine = L"\"C:\\WINDOWS\\Tarnix.scr\" -s";
  p.settings.SaveSetting(L"Aktionen", L"Use", L"0");
  EXPECT_FALSE(p.Start());
  EXPECT_TRUE(p.platform.runs.empty());
  EXPECT_TRUE(p.app.main.IsVisible());
}

TEST(Switches, ConfigurationAndNoArgumentsOpenTheOptionsDialog) {
  for (const wchar_t* line : {L"C:\\WINDOWS\\Tarnix.scr /c:5678", L"C:\\WINDOWS\\Tarnix.scr"}) {
    FakeProcess p;
    p.platform.commandLine = line;
    p.Start();
    EXPECT_TRUE(p.app.options.WasTouched()) << ::testing::PrintToString(std::wstring(line));
    EXPECT_TRUE(p.platform.runs.empty());
  }
}

TEST(Switches, AnyOtherNameOpensTheSetup) {
  FakeProcess p;
  p.platform.exePath = L"D:\\dl\\SETUP_Tarnix.exe";
  p.platform.commandLine = L"D:\\dl\\SETUP_Tarnix.exe /s";
  p.settings.SaveSetting(L"Aktionen", L"Use", L"0");
  p.Start();
  EXPECT_TRUE(p.app.setup.WasTouched());
  EXPECT_FALSE(p.app.main.IsVisible());
  EXPECT_TRUE(p.platform.runs.empty()) << "the setup never runs an action";
  EXPECT_EQ(p.app.paths.ExeFile, L"SETUP_Tarnix.exe");
  EXPECT_EQ(p.app.paths.AppPath, L"D:\\dl\\");
}

// A form whose close handlers re-enter EndProgram, as the dialogs' do.
TEST(EndProgram, NestedCallsEndTheProcessWithoutUnloadingTwice) {
  FakeProcess p;
  p.platform.commandLine = L"C:\\WINDOWS\\Tarnix.scr /x";
  ASSERT_FALSE(p.Start());
  p.platform.events.clear();
  // The options window's close handlers call EndProgram from inside the outer call.
  p.app.options.Show();
  EXPECT_THROW(p.app.options.cmdOK_Click(), ProcessEnded);
  const long cursorShows = std::count(p.platform.events.begin(), p.platform.events.end(), L"ShowCursor(true)");
  const long ends = std::count(p.platform.events.begin(), p.platform.events.end(), L"EndProcess");
  EXPECT_EQ(cursorShows, 1) << "the saver window is unloaded once";
  EXPECT_EQ(ends, 1) << "the innermost call ends the process";
}

TEST(EndProgram, UnloadsTheSaverWindowOnceAndShowsTheCursor) {
  FakeProcess p;
  p.platform.commandLine = L"C:\\WINDOWS\\Tarnix.scr /x";
  ASSERT_FALSE(p.Start());
  p.platform.events.clear();
  EXPECT_THROW(EndProgram(p.app), ProcessEnded);
  const std::vector<std::wstring> expected = {L"ShowCursor(true)", L"EndProcess"};
  EXPECT_EQ(p.platform.events, expected);
  EXPECT_FALSE(p.app.options.IsLoaded()) << "naming a window does not load it";
  EXPECT_FALSE(p.app.setup.IsLoaded());
  EXPECT_FALSE(p.app.blitz.IsLoaded());
}

TEST(Windows, AWindowTheSystemCannotMakeIsSaidAndEndsTheProcess) {
  for (const wchar_t* line : {L"C:\\WINDOWS\\Tarnix.scr /c", L"C:\\WINDOWS\\Tarnix.scr /s",
                              L"D:\\SETUP_Tarnix.exe"}) {
    FakeProcess p;
    testing::FakeHost host;
    host.refuseWindows = true;
    p.app.SetHost(&host);
    p.platform.commandLine = line;
    p.platform.exePath = std::wstring(line).substr(0, std::wstring(line).find(L' '));
    int code = -1;
    try {
      p.app.Start();
    } catch (const ProcessEnded& e) {
      code = e.exitCode;
    }
    EXPECT_EQ(code, kExitNoWindow) << "never a process waiting for input to no window";
    ASSERT_EQ(p.platform.messages.size(), 1u);
    EXPECT_NE(p.platform.messages[0].text.find(L"could not open its window"), std::wstring::npos);
    EXPECT_FALSE(p.app.HasOpenWindow());
  }
}

TEST(Windows, TheMessageLoopGoesOnOnlyWhileAWindowExists) {
  FakeProcess p;
  testing::FakeHost host;
  p.app.SetHost(&host);
  p.platform.commandLine = L"C:\\WINDOWS\\Tarnix.scr /c";
  ASSERT_FALSE(p.Start());
  EXPECT_TRUE(p.app.HasOpenWindow());
  host.refuseWindows = true;  // the window went away without the program's doing
  EXPECT_FALSE(p.app.HasOpenWindow());
}

}  // namespace
}  // namespace tarnix
