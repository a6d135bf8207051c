// Removing the program against a fake platform: the entry the install
// registers, what "/u" clears for the user and removes for the machine, which
// process removes what, and the exit codes.
#include <gtest/gtest.h>

#include <algorithm>

#include "FakePlatform.h"
#include "app/StartMode.h"
#include "settings/LanguageTables.h"
#include "setup/InstallFiles.h"
#include "setup/Uninstall.h"

namespace tarnix {
namespace {

constexpr wchar_t kSaver[] = L"C:\\WINDOWS\\Tarnix.scr";
constexpr wchar_t kCompanion[] = L"C:\\WINDOWS\\stb.exe";

// A process of the program started with a command line; its exit code once it ended.
struct Program : testing::FakeProcess {
  std::optional<int> exitCode;
  void Start(const std::wstring& exe, const std::wstring& arguments) {
    platform.exePath = exe;
    platform.commandLine = L"\"" + exe + L"\" " + arguments;
    try {
      app.Start();
    } catch (const ProcessEnded& e) {
      exitCode = e.exitCode;
    }
  }
};

// An installed machine with a user who chose Tarnix: its files, its entry,
// the profile naming it and the user's store. The saver runs: the process
// that removes it is the one running it.
struct Installed : Program {
  Installed() {
    platform.files = {kSaver, kCompanion};
    platform.lockedFiles = {kSaver};
    platform.machineKeys[kUninstallKey] = {{L"DisplayName", L"Tarnix", {}}};
    platform.profileNow[L"Desktop/SCRNSAVE.EXE"] = L"C:\\WINDOWS\\TARNIX.SCR";
    platform.profileNow[L"Desktop/ScreenSaveActive"] = L"1";
    WriteLanguageTables(settings, Language::German);
    settings.SaveSetting(L"Aktionen", L"Use", L"1");
  }
  void Uninstall(const std::wstring& arguments = L"/u") { Start(kSaver, arguments); }
  bool StoreEmpty() { return !settings.Exists(); }
};

const RegistryValue* Value(const std::vector<RegistryValue>& values, const wchar_t* name) {
  const auto it = std::find_if(values.begin(), values.end(), [&](const RegistryValue& v) { return v.name == name; });
  return it == values.end() ? nullptr : &*it;
}

TEST(UninstallEntry, TheInstallRegistersTheCopiesWithEveryValue) {
  Program r;
  r.platform.fileHeads[L"D:\\Downloads\\SETUP_Tarnix.exe"] = std::string(150000, 'x');
  r.Start(L"D:\\Downloads\\SETUP_Tarnix.exe", L"/install-files");
  EXPECT_EQ(r.exitCode, kFilesCopied);
  ASSERT_EQ(r.platform.machineKeys.count(kUninstallKey), 1u);
  const auto& values = r.platform.machineKeys[kUninstallKey];
  auto text = [&](const wchar_t* name) { return Value(values, name) ? Value(values, name)->text : L"<missing>"; };
  auto number = [&](const wchar_t* name) { return Value(values, name) ? Value(values, name)->number : std::nullopt; };
  EXPECT_EQ(text(L"DisplayName"), L"Tarnix");
  EXPECT_EQ(text(L"DisplayVersion"), L"2.6.0");
  EXPECT_EQ(text(L"Publisher"), L"Pellhorn Software");
  EXPECT_EQ(text(L"DisplayIcon"), L"C:\\WINDOWS\\Tarnix.scr,0");
  EXPECT_EQ(text(L"InstallLocation"), L"C:\\WINDOWS");
  EXPECT_EQ(text(L"UninstallString"), L"\"C:\\WINDOWS\\Tarnix.scr\" /u");
  EXPECT_EQ(text(L"QuietUninstallString"), L"\"C:\\WINDOWS\\Tarnix.scr\" /u /q");
  EXPECT_EQ(number(L"NoModify"), 1u);
  EXPECT_EQ(number(L"NoRepair"), 1u);
  EXPECT_EQ(number(L"EstimatedSize"), (150000u + 1024u + 1023u) / 1024u) << "the two copies, in KB rounded up";
  // Written once both copies are there: an entry never names a saver that is not.
  const auto& e = r.platform.events;
  const auto lastCopy = std::find(e.rbegin(), e.rend(), L"CopyFile").base() - 1;
  EXPECT_LT(lastCopy, std::find(e.begin(), e.end(), L"WriteMachineKey"));
  EXPECT_TRUE(r.settings.Writes().empty()) << "the helper writes nothing of the user's";
}

TEST(InstallFiles, TheCopiesLoseTheDownloadsMarkAndTheDownloadKeepsIt) {
  Program r;
  const std::set<std::wstring> downloaded = {L"D:\\Downloads\\SETUP_Tarnix.exe", L"D:\\Downloads\\stb.drl"};
  r.platform.downloadMarks = downloaded;
  r.platform.files = {kSaver};
  r.platform.lockedFiles = {kSaver};  // replaced while it runs: the second copy is the one installed
  r.Start(L"D:\\Downloads\\SETUP_Tarnix.exe", L"/install-files");
  EXPECT_EQ(r.exitCode, kFilesCopied);
  EXPECT_EQ(r.platform.downloadMarks, downloaded)
      << "the installed saver and companion start from \"Installed apps\" without the download warning";
}

TEST(UninstallEntry, ARefusedEntryIsTheInstallsFailure) {
  Program r;
  r.platform.canWriteMachine = false;
  r.Start(L"D:\\Downloads\\SETUP_Tarnix.exe", L"/install-files");
  EXPECT_EQ(r.exitCode, kEntryWriteFailed) << "the wizard then shows the install error, as for a failed copy";
  EXPECT_TRUE(r.platform.files.empty()) << "a first install leaves no saver that nothing removes";

  Program wizard;  // where no elevation is needed the wizard writes it itself
  wizard.platform.canWriteMachine = false;
  wizard.Start(L"D:\\Downloads\\SETUP_Tarnix.exe", L"");
  ASSERT_FALSE(wizard.exitCode);
  frmSetup& setup = wizard.app.setup;
  setup.Control_Event(setup.lblOpt[0], ui::Event::Click, {});
  setup.cmdOK_Click();
  EXPECT_TRUE(wizard.Ends([&] { setup.cmdOK_Click(); }));
  ASSERT_EQ(wizard.platform.messages.size(), 1u);
  EXPECT_EQ(wizard.platform.messages[0].title, L"Setup-Error");
  EXPECT_TRUE(wizard.settings.Writes().empty()) << "nothing of the user's after a failed install";
}

// Installing again while the saver runs (the Display control panel's preview,
// an open options dialog): the running file cannot be overwritten.
TEST(InstallOverARunningSaver, TheRunningSaverIsMovedAsideAndGoesAtTheNextRestart) {
  Program r;
  r.platform.files = {kSaver};
  r.platform.lockedFiles = {kSaver};
  r.Start(L"D:\\Downloads\\SETUP_Tarnix.exe", L"/install-files");
  EXPECT_EQ(r.exitCode, kFilesCopied);
  EXPECT_TRUE(r.platform.FileExists(kSaver)) << "the new copy under the saver's name";
  EXPECT_EQ(r.platform.lockedFiles.count(kSaver), 0u) << "the running program keeps the old file";
  ASSERT_EQ(r.platform.deletedAtRestart.size(), 1u);
  const std::wstring aside = r.platform.deletedAtRestart[0];
  EXPECT_EQ(r.platform.lockedFiles.count(aside), 1u) << "what goes at the restart is the old, running file";
  EXPECT_EQ(aside.rfind(L"C:\\WINDOWS\\Tarnix-removed-", 0), 0u) << "beside it, under a name no start takes";
  EXPECT_EQ(r.platform.machineKeys.count(kUninstallKey), 1u);
}

TEST(InstallOverARunningSaver, WhereItCannotBeReplacedTheOldSaverStaysWhole) {
  Program held;  // open without sharing: it cannot even be moved
  held.platform.files = {kSaver};
  held.platform.lockedFiles = {kSaver};
  held.platform.canRename = false;
  held.Start(L"D:\\Downloads\\SETUP_Tarnix.exe", L"/install-files");
  EXPECT_EQ(held.exitCode, kSaverCopyFailed);
  EXPECT_EQ(held.platform.files, std::set<std::wstring>{kSaver});
  EXPECT_TRUE(held.platform.machineKeys.empty());

  Program full;  // moved aside, but the new copy fails too (a full disk, say)
  full.platform.files = {kSaver};
  full.platform.lockedFiles = {kSaver};
  full.platform.copiesAllowed = 1;
  full.Start(L"D:\\Downloads\\SETUP_Tarnix.exe", L"/install-files");
  EXPECT_EQ(full.exitCode, kSaverCopyFailed);
  EXPECT_EQ(full.platform.files, std::set<std::wstring>{kSaver}) << "the old saver has its name back, nothing aside";
  EXPECT_EQ(full.platform.lockedFiles.count(kSaver), 1u);
  EXPECT_TRUE(full.platform.deletedAtRestart.empty());
  EXPECT_TRUE(full.platform.machineKeys.empty());
}

TEST(Uninstall, YesRemovesTheUsersPartAndMovesTheRunningSaverAsideForARemover) {
  Installed m;
  m.Uninstall();
  EXPECT_EQ(m.exitCode, 0);
  ASSERT_EQ(m.platform.questions.size(), 1u);
  EXPECT_EQ(m.platform.questions[0], L"Tarnix von diesem Computer entfernen?") << "in the user's language";
  EXPECT_FALSE(m.platform.FileExists(kCompanion));
  // The user's: the saver cleared from the profile and turned off, the store gone.
  EXPECT_EQ(m.platform.ReadProfileEntry(L"Desktop", L"SCRNSAVE.EXE"), L"");
  EXPECT_EQ(m.platform.ReadProfileEntry(L"Desktop", L"ScreenSaveActive"), L"0");
  EXPECT_NE(std::find(m.platform.events.begin(), m.platform.events.end(), L"DeactivateScreenSaver"),
            m.platform.events.end());
  EXPECT_TRUE(m.StoreEmpty());
  // This process runs the saver: moved aside, it is gone from its name, and so
  // is the entry, before the process ends and the installed programs look again.
  EXPECT_FALSE(m.platform.FileExists(kSaver));
  EXPECT_FALSE(m.platform.MachineKeyExists(kUninstallKey));
  const auto moved = std::find_if(m.platform.files.begin(), m.platform.files.end(), [](const std::wstring& f) {
    return f.rfind(L"C:\\WINDOWS\\", 0) == 0;
  });
  ASSERT_NE(moved, m.platform.files.end()) << "moved within its folder";
  const std::wstring aside = *moved;
  EXPECT_EQ(aside.rfind(L"C:\\WINDOWS\\Tarnix-removed-", 0), 0u) << std::string(aside.begin(), aside.end());
  // A copy in the temporary folder deletes it once it is free.
  ASSERT_EQ(m.platform.runs.size(), 1u);
  const auto& run = m.platform.runs[0];
  EXPECT_EQ(run.program.rfind(L"C:\\TEMP\\Tarnix-remove-", 0), 0u) << std::string(run.program.begin(), run.program.end());
  const std::wstring arguments = L"/remove-after \"" + aside + L"\"";
  EXPECT_EQ(run.commandLine, L"\"" + run.program + L"\" " + arguments);
  ASSERT_EQ(m.platform.messages.size(), 1u);
  EXPECT_EQ(m.platform.messages[0].text, L"Tarnix wurde von diesem Computer entfernt.");

  // The remover, once this process has ended, after a new install meanwhile:
  // the moved file goes, the new install stays.
  Program remover;
  remover.platform.files = {aside, kSaver, kCompanion};
  remover.platform.machineKeys[kUninstallKey] = {{L"DisplayName", L"Tarnix", {}}};
  remover.Start(run.program, arguments);
  EXPECT_EQ(remover.exitCode, 0);
  EXPECT_EQ(remover.platform.files, (std::set<std::wstring>{kSaver, kCompanion}));
  EXPECT_TRUE(remover.platform.MachineKeyExists(kUninstallKey));
  EXPECT_EQ(remover.platform.deletedAtRestart, std::vector<std::wstring>{run.program}) << "itself, at the next restart";
  EXPECT_TRUE(remover.platform.messages.empty());
}

TEST(Uninstall, ASaverThatCannotBeMovedIsRemovedWithTheEntryOnceFree) {
  Installed m;
  m.platform.canRename = false;
  m.Uninstall();
  EXPECT_EQ(m.exitCode, 0);
  EXPECT_TRUE(m.platform.FileExists(kSaver) && m.platform.MachineKeyExists(kUninstallKey))
      << "both wait for the remover: the entry never goes before the saver";
  ASSERT_EQ(m.platform.runs.size(), 1u);
  const auto& run = m.platform.runs[0];
  EXPECT_EQ(run.commandLine, L"\"" + run.program + L"\" /remove-after \"C:\\WINDOWS\\Tarnix.scr\"");

  Program remover;
  remover.platform.files = m.platform.files;
  remover.platform.lockedFiles = m.platform.lockedFiles;
  remover.platform.machineKeys = m.platform.machineKeys;
  remover.Start(run.program, L"/remove-after \"C:\\WINDOWS\\Tarnix.scr\"");
  EXPECT_EQ(remover.exitCode, 0);
  EXPECT_FALSE(remover.platform.FileExists(kSaver));
  EXPECT_FALSE(remover.platform.MachineKeyExists(kUninstallKey));
}

TEST(Uninstall, ASaverThatNeverFreesGoesAtTheNextRestart) {
  for (const bool atRestart : {true, false}) {
    Program remover;
    remover.platform.files = {kSaver};
    remover.platform.lockedFiles = {kSaver};
    remover.platform.freedWithinWait = false;
    remover.platform.canDeleteAtRestart = atRestart;
    remover.platform.machineKeys[kUninstallKey] = {};
    remover.Start(L"C:\\TEMP\\Tarnix-remove-1.exe", L"/remove-after C:\\WINDOWS\\Tarnix.scr");
    EXPECT_EQ(remover.exitCode, atRestart ? 0 : kLeftSaver | kLeftEntry);
    EXPECT_EQ(remover.platform.MachineKeyExists(kUninstallKey), !atRestart)
        << "the entry stays as long as the saver may";
  }
}

TEST(Uninstall, TheRemoverDeletesNothingButASaver) {
  EXPECT_EQ(ChooseMode(L"Tarnix-remove-1", L"/remove-after \"C:\\WINDOWS\\Tarnix.scr\""), StartMode::RemoveAfter);
  EXPECT_EQ(ChooseMode(L"Tarnix-remove-1", L"/REMOVE-AFTER \\\\server\\share\\TARNIX.SCR"), StartMode::RemoveAfter);
  EXPECT_EQ(ChooseMode(L"Tarnix-remove-1", L"/remove-after C:\\WINDOWS\\Tarnix-removed-42.tmp"), StartMode::RemoveAfter);
  for (const wchar_t* args : {L"/remove-after \"C:\\WINDOWS\\explorer.exe\"", L"/remove-after Tarnix.scr",
                              L"/remove-after", L"/remove-afterC:\\WINDOWS\\Tarnix.scr",
                              L"/remove-after \"C:\\WINDOWS\\Tarnix.scr\" \"C:\\boot.ini\"",
                              L"/remove-after C:\\WINDOWS\\Tarnix-removed-.tmp", L"/remove-after C:\\WINDOWS\\Tarnix-removed-1.exe",
                              L"/remove-after C:\\WINDOWS\\Tarnix-removed-1x.tmp"})
    EXPECT_EQ(ChooseMode(L"Tarnix-remove-1", args), StartMode::Setup) << args;
  EXPECT_EQ(ChooseMode(L"TARNIX", L"/U /Q"), StartMode::Uninstall);
  EXPECT_EQ(ChooseMode(L"tarnix", L"/uninstall"), StartMode::Uninstall) << "the first two characters, as for /s";
  EXPECT_EQ(ChooseMode(L"Tarnix", L"/remove-files"), StartMode::RemoveFiles);
  EXPECT_EQ(ChooseMode(L"SETUP_Tarnix", L"/u"), StartMode::Setup) << "only the installed name removes";
}

TEST(Uninstall, NoChangesNothing) {
  Installed m;
  m.platform.answerYes = false;
  m.Uninstall(L"/U");
  EXPECT_EQ(m.exitCode, kUninstallDeclined);
  EXPECT_TRUE(m.platform.FileExists(kCompanion) && m.platform.MachineKeyExists(kUninstallKey));
  EXPECT_FALSE(m.StoreEmpty());
  EXPECT_EQ(m.platform.ReadProfileEntry(L"Desktop", L"SCRNSAVE.EXE"), L"C:\\WINDOWS\\TARNIX.SCR");
  EXPECT_TRUE(m.platform.runs.empty() && m.platform.messages.empty());
}

TEST(Uninstall, TheMachinesPartRunsElevatedWhereTheFolderNeedsItAndADeclinedPromptChangesNothing) {
  for (const std::optional<int> helper : {std::optional<int>(0), std::optional<int>()}) {
    Installed m;
    m.platform.osMajor = 10;
    m.platform.elevation = {false, true};
    m.platform.elevatedExitCode = helper;
    m.Uninstall();
    EXPECT_EQ(m.platform.elevatedRuns, std::vector<std::wstring>{L"/remove-files"});
    EXPECT_TRUE(m.platform.FileExists(kCompanion)) << "the helper removes it, not this process";
    EXPECT_EQ(m.exitCode, helper ? 0 : kUninstallDeclined);
    EXPECT_EQ(m.StoreEmpty(), helper.has_value());
    EXPECT_EQ(m.platform.ReadProfileEntry(L"Desktop", L"SCRNSAVE.EXE").empty(), helper.has_value());
  }
  // The helper itself: the machine's part, nothing of the user's, no window, no question.
  Installed helper;
  helper.Start(kSaver, L"/remove-files");
  EXPECT_EQ(helper.exitCode, 0);
  EXPECT_FALSE(helper.platform.FileExists(kCompanion));
  EXPECT_EQ(helper.platform.runs.size(), 1u) << "the remover";
  EXPECT_FALSE(helper.StoreEmpty());
  EXPECT_TRUE(helper.platform.questions.empty() && helper.platform.messages.empty());
}

// The prompt answered yes, but the helper failed to start (or ShellExecuteEx
// failed for another reason): not a decline, so the user learns what is left.
TEST(Uninstall, AHelperThatNeverStartedIsReportedNotTakenForADecline) {
  Installed m;
  m.platform.osMajor = 10;
  m.platform.elevation = {false, true};
  m.platform.elevatedExitCode = kElevatedNotStarted;
  m.Uninstall();
  EXPECT_EQ(m.exitCode, kLeftMachinePart);
  ASSERT_EQ(m.platform.messages.size(), 1u);
  const std::wstring& text = m.platform.messages[0].text;
  for (const wchar_t* left : {kSaver, kCompanion, L"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\"})
    EXPECT_NE(text.find(left), std::wstring::npos) << "names what is left";
}

TEST(Uninstall, QuietRemovesWithoutAWordAndASecondRunFindsNothing) {
  Installed m;
  m.platform.lockedFiles.clear();  // run from elsewhere: the saver goes at once
  m.Start(L"D:\\Tools\\Tarnix.scr", L"/u /q");
  EXPECT_EQ(m.exitCode, 0);
  EXPECT_TRUE(m.platform.files.empty());
  EXPECT_FALSE(m.platform.MachineKeyExists(kUninstallKey));
  EXPECT_TRUE(m.StoreEmpty());
  EXPECT_TRUE(m.platform.questions.empty() && m.platform.messages.empty() && m.platform.runs.empty());

  Program again;
  again.platform.files.clear();
  again.Start(L"D:\\Tools\\Tarnix.scr", L"/u /q");
  EXPECT_EQ(again.exitCode, kNothingInstalled);
  EXPECT_TRUE(again.platform.messages.empty());
}

TEST(Uninstall, ALockedCompanionLeavesTheRestAndSaysWhatToRemoveByHand) {
  Installed m;
  m.platform.lockedFiles.insert(kCompanion);  // stand-by in progress
  m.Uninstall();
  EXPECT_EQ(m.exitCode, kLeftCompanion | kLeftSaver | kLeftEntry);
  EXPECT_TRUE(m.platform.FileExists(kSaver) && m.platform.MachineKeyExists(kUninstallKey))
      << "nothing half removed: a later removal finds all three";
  EXPECT_TRUE(m.platform.runs.empty());
  ASSERT_EQ(m.platform.messages.size(), 1u);
  const std::wstring& text = m.platform.messages[0].text;
  EXPECT_EQ(text.rfind(L"Tarnix konnte nicht alles entfernen.", 0), 0u) << std::string(text.begin(), text.end());
  for (const wchar_t* left : {kSaver, kCompanion, L"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\"})
    EXPECT_NE(text.find(left), std::wstring::npos) << "names what is left";
}

TEST(Uninstall, AnotherSaverInTheProfileStays) {
  Installed m;
  m.platform.profileNow[L"Desktop/SCRNSAVE.EXE"] = L"C:\\WINDOWS\\system32\\ssText3d.scr";
  m.Uninstall(L"/u /q");
  EXPECT_EQ(m.exitCode, 0);
  EXPECT_EQ(m.platform.ReadProfileEntry(L"Desktop", L"SCRNSAVE.EXE"), L"C:\\WINDOWS\\system32\\ssText3d.scr");
  EXPECT_EQ(m.platform.ReadProfileEntry(L"Desktop", L"ScreenSaveActive"), L"1");
  EXPECT_TRUE(m.StoreEmpty());
}

TEST(Uninstall, ARefusedStoreOrProfileIsReportedAsTheUsersPart) {
  Installed m;
  m.settings.RefuseWrites(true);
  m.Uninstall(L"/u /q");
  EXPECT_EQ(m.exitCode, kLeftUserSettings);
  EXPECT_EQ(LeftoversText(kLeftUserSettings, m.app.paths).find(L"HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Pellhorn Tarnix"), 0u);
}

}  // namespace
}  // namespace tarnix
