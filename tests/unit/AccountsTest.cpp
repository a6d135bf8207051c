// The saver wherever Windows starts it: an account that never ran the setup,
// no action chosen, any spelling of the Windows folder, the activation told to
// Windows at once, and a companion that must be a whole program.
#include <gtest/gtest.h>

#include <algorithm>

#include "FakeHost.h"
#include "FakePlatform.h"
#include "app/ActionChoice.h"
#include "settings/LanguageTables.h"
#include "setup/InstallFiles.h"

namespace tarnix {
namespace {

using testing::FakeHost;
using testing::FakeProcess;

struct Process : FakeProcess {
  FakeHost host;
  explicit Process(const wchar_t* arguments) {
    app.SetHost(&host);
    platform.commandLine = std::wstring(L"\"C:\\WINDOWS\\Tarnix.scr\" ") + arguments;
  }
};

// --- An account without texts ---

TEST(NewAccount, ConfigureWritesTheTablesInTheDisplayLanguageThenShowsThem) {
  for (const Language language : {Language::English, Language::German}) {
    Process p(L"/c");
    p.platform.displayLanguage = language;
    ASSERT_FALSE(p.Start());
    MemorySettingsStore expected;
    WriteLanguageTables(expected, language);
    for (const auto& [section, key] : std::vector<std::pair<const wchar_t*, const wchar_t*>>{
             {L"Aktionen", L"0"}, {L"Aktionen", L"6"}, {L"Sprache", L"3"}, {L"Sprache", L"Speichern"},
             {L"Sprache", L"Beschreibung"}, {L"Einstellungen", L"Optionen"}})
      EXPECT_EQ(p.settings.GetSetting(section, key, L"<missing>"), expected.GetSetting(section, key, L""));
    EXPECT_EQ(p.settings.GetSetting(L"Einstellungen", L"Alpha", L""), L"0") << "the thunder box off";
    EXPECT_EQ(p.settings.GetSetting(L"Einstellungen", L"Warnung", L""), L"15");
    EXPECT_FALSE(p.settings.HasSetting(L"Aktionen", L"Use")) << "the action stays the user's to choose";
    frmOptionen& dlg = p.app.options;
    EXPECT_EQ(dlg.cmdOK.Caption(), Text(TextId::SaveCaption, language));
    ASSERT_EQ(dlg.cmbAktion.ListCount(), 7);
    EXPECT_EQ(dlg.cmbAktion.List(6), ActionName(6, language));
    EXPECT_EQ(dlg.cmbAktion.ListIndex(), 6) << "nothing chosen shows the black screen";
  }
}

TEST(NewAccount, ConfigureNeverOverwritesWhatTheStoreHolds) {
  Process p(L"/c");
  p.settings.SaveSetting(L"Aktionen", L"Use", L"2");
  p.settings.SaveSetting(L"Einstellungen", L"Alpha", L"1");
  p.settings.SaveSetting(L"Einstellungen", L"Warnung", L"45");
  ASSERT_FALSE(p.Start());
  EXPECT_EQ(p.settings.GetSetting(L"Aktionen", L"Use", L""), L"2");
  EXPECT_EQ(p.settings.GetSetting(L"Einstellungen", L"Alpha", L""), L"1");
  EXPECT_EQ(p.settings.GetSetting(L"Einstellungen", L"Warnung", L""), L"45");
  EXPECT_EQ(p.settings.GetSetting(L"Aktionen", L"2", L""), L"Hibernate") << "the missing texts were written";

  Process german(L"/c");
  WriteLanguageTables(german.settings, Language::German);
  const size_t before = german.settings.Writes().size();
  ASSERT_FALSE(german.Start());
  EXPECT_EQ(german.settings.Writes().size(), before) << "a store with texts is left alone";
  EXPECT_EQ(german.app.options.cmdOK.Caption(), L"Speichern");
}

TEST(NewAccount, ARefusedWriteStillOpensTheDialogWithTheProgramsTexts) {
  Process p(L"/c");
  p.settings.RefuseWrites(true);
  p.platform.displayLanguage = Language::German;
  ASSERT_FALSE(p.Start());
  EXPECT_TRUE(p.app.options.IsVisible());
  EXPECT_EQ(p.app.options.cmdOK.Caption(), L"Speichern");
  EXPECT_EQ(p.app.options.lblAktion.Caption(), L"Aktion");
  EXPECT_EQ(p.app.options.cmbAktion.List(0), L"Herunterfahren");
  EXPECT_EQ(p.app.options.lblText.Caption(), L"Zeigt einen schwarzen Bildschirm.");
}

TEST(NewAccount, RunAndPreviewNeverWrite) {
  Process run(L"/s");
  ASSERT_FALSE(run.Start());
  EXPECT_TRUE(run.app.main.IsVisible());
  EXPECT_TRUE(run.settings.Writes().empty());
  Process preview(L"/p 1234");
  preview.host.hostWindows[1234] = {152, 112};
  ASSERT_FALSE(preview.Start());
  EXPECT_TRUE(preview.settings.Writes().empty());
}

TEST(NoActionChosen, RunShowsTheBlackScreenAsTheDialogDoes) {
  Process p(L"/s");
  ASSERT_FALSE(p.Start());
  EXPECT_TRUE(p.app.main.OnTop()) << "the black screen, not the design state";
  EXPECT_EQ(ui::PixelsFromTwips(p.app.main.Width()), 1024);
  EXPECT_FALSE(p.app.main.IsWarning());
  EXPECT_TRUE(p.platform.runs.empty());
  Process bad(L"/s");
  bad.settings.SaveSetting(L"Aktionen", L"Use", L"7");
  ASSERT_FALSE(bad.Start());
  EXPECT_FALSE(bad.app.main.OnTop()) << "a value that is no code keeps the design state";
  EXPECT_EQ(bad.app.main.Width(), 8175);
}

// --- The Windows folder ---

TEST(WindowsFolder, WinDirOnlyWhenItNamesAFolderElseWhatTheSystemReports) {
  struct Case {
    const wchar_t* winDir;
    const wchar_t* missing;  // a folder that does not exist, or nullptr
    const wchar_t* winPath;
  };
  for (const Case c : {Case{L"C:\\WINNT", nullptr, L"C:\\WINNT\\"}, Case{L"C:\\WINNT\\", nullptr, L"C:\\WINNT\\"},
                       Case{L" \"C:\\WINNT\" ", nullptr, L"C:\\WINNT\\"}, Case{L"", nullptr, L"D:\\Windows\\"},
                       Case{L"\"\"", nullptr, L"D:\\Windows\\"}, Case{L"C:\\Gone", L"C:\\Gone", L"D:\\Windows\\"},
                       // A drive's root or a folder relative to wherever the saver was started:
                       // folders that exist, but not the Windows folder.
                       Case{L"\\", nullptr, L"D:\\Windows\\"}, Case{L"C:\\", nullptr, L"D:\\Windows\\"},
                       Case{L".", nullptr, L"D:\\Windows\\"}, Case{L"Windows", nullptr, L"D:\\Windows\\"},
                       Case{L"\\Windows", nullptr, L"D:\\Windows\\"}, Case{L"C:Windows", nullptr, L"D:\\Windows\\"},
                       Case{L"\\\\srv\\share", nullptr, L"D:\\Windows\\"},
                       Case{L"\\\\srv\\share\\WINNT", nullptr, L"\\\\srv\\share\\WINNT\\"}}) {
    Process p(L"/s");
    p.platform.winDir = c.winDir;
    p.platform.systemWindowsFolder = L"D:\\Windows";
    if (c.missing) p.platform.missingFolders.insert(c.missing);
    p.settings.SaveSetting(L"Aktionen", L"Use", L"0");
    p.settings.SaveSetting(L"Einstellungen", L"Warnung", L"0");
    ASSERT_TRUE(p.Start());
    EXPECT_EQ(p.app.paths.WinPath, c.winPath) << ::testing::PrintToString(std::wstring(c.winDir));
    ASSERT_EQ(p.platform.runs.size(), 1u);
    EXPECT_EQ(p.platform.runs[0].program, std::wstring(c.winPath) + L"system32\\shutdown.exe");
  }
}

// --- Activation ---

struct Wizard : FakeProcess {
  FakeHost host;
  frmSetup& wiz = app.setup;
  Wizard() {
    app.SetHost(&host);
    platform.exePath = L"D:\\Downloads\\SETUP_Tarnix.exe";
    platform.commandLine = L"\"D:\\Downloads\\SETUP_Tarnix.exe\"";
  }
  void ToActionPage() {
    wiz.Control_Event(wiz.lblOpt[0], ui::Event::Click, {});
    wiz.cmdOK_Click();
    wiz.cmdOK_Click();
  }
};

TEST(Activation, WindowsIsToldAtOnceAfterTheTwoProfileWrites) {
  Wizard s;
  ASSERT_FALSE(s.Start());
  s.ToActionPage();
  s.platform.events.clear();
  s.wiz.cmdOK_Click();
  const std::vector<std::wstring> expected = {L"WriteProfile", L"WriteProfile", L"ActivateScreenSaver"};
  EXPECT_EQ(s.platform.events, expected);
  EXPECT_TRUE(s.platform.messages.empty());
  EXPECT_TRUE(s.wiz.tmrEnd.Enabled()) << "the completion text and its timer follow";
}

TEST(Activation, ARefusedCallTakesThePathOfARefusedProfileWriteWhichNeverAsksWindows) {
  for (const bool profileRefused : {false, true}) {
    Wizard s;
    s.platform.canActivate = profileRefused;
    s.platform.canWriteProfile = !profileRefused;
    ASSERT_FALSE(s.Start());
    s.ToActionPage();
    EXPECT_TRUE(FakeProcess::Ends([&] { s.wiz.cmdOK_Click(); }));
    ASSERT_EQ(s.platform.messages.size(), 1u);
    EXPECT_EQ(s.platform.messages[0].text, L"The Screen Saver could not be installed successfully. Setup will end.");
    ASSERT_EQ(s.platform.runs.size(), 1u) << "the screen-saver page opens for the user to pick it by hand";
    EXPECT_NE(s.platform.runs[0].commandLine.find(L"desk.cpl,,1"), std::wstring::npos);
    if (profileRefused) {
      EXPECT_EQ(std::count(s.platform.events.begin(), s.platform.events.end(), L"ActivateScreenSaver"), 0);
    }
  }
}

// --- A real companion ---

std::string Put(std::string f, size_t at, uint32_t v, size_t bytes) {
  for (size_t i = 0; i < bytes; ++i) f[at + i] = char(v >> (8 * i) & 0xFF);
  return f;
}

TEST(CompanionFile, OnlyACompleteProgramForThisMachine) {
  const std::string program = testing::MinimalProgram();
  EXPECT_TRUE(IsCompleteProgram(program));
  EXPECT_FALSE(IsCompleteProgram(""));
  EXPECT_FALSE(IsCompleteProgram("MZ"));
  EXPECT_FALSE(IsCompleteProgram(program.substr(0, 0x3FF))) << "the section's data cut short";
  EXPECT_FALSE(IsCompleteProgram(program.substr(0, 0x100))) << "the headers cut short";
  EXPECT_FALSE(IsCompleteProgram(Put(program, 0x3C, 0x7FFFFFF0, 4))) << "PE header beyond the end";
  EXPECT_FALSE(IsCompleteProgram(Put(program, 0x40, 0, 1))) << "no PE signature";
  EXPECT_FALSE(IsCompleteProgram(Put(program, 0x56, 0x2102, 2))) << "a library";
  EXPECT_FALSE(IsCompleteProgram(Put(program, 0x44, 0x1C0, 2))) << "built for ARM";
  EXPECT_FALSE(IsCompleteProgram(Put(program, 0x58, 0x20B, 2))) << "an x86 machine with a 64-bit header";
  EXPECT_FALSE(IsCompleteProgram(Put(program, 0x46, 0x200, 2))) << "more sections than the file holds";
  EXPECT_FALSE(IsCompleteProgram(Put(program, 0x58 + 224 + 20, 0xFFFFFF00, 4))) << "data offset that wraps";
  EXPECT_EQ(IsCompleteProgram(testing::MinimalProgram(0x8664)), sizeof(void*) == 8)
      << "a 64-bit companion only beside a 64-bit setup";
}

}  // namespace
}  // namespace tarnix
