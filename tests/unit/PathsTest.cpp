#include <gtest/gtest.h>

#include "app/StartMode.h"
#include "app/modWinMods.h"

namespace tarnix {
namespace {

TEST(InitPaths, ProgramFolderEndsInOneBackslash) {
  EXPECT_EQ(ComputePaths(L"C:\\Tools", L"x", L"").AppPath, L"C:\\Tools\\");
  EXPECT_EQ(ComputePaths(FolderOfPath(L"C:\\Tarnix.scr"), L"x", L"").AppPath, L"C:\\");
  EXPECT_EQ(FolderOfPath(L"C:\\Tools\\Tarnix.scr"), L"C:\\Tools");
  EXPECT_EQ(FolderOfPath(L"\\\\server\\share\\Tarnix.scr"), L"\\\\server\\share");
}

TEST(InitPaths, WindowsFolderFromWinDir) {
  EXPECT_EQ(ComputePaths(L"C:\\", L"x", L"C:\\WINDOWS").WinPath, L"C:\\WINDOWS\\");
  EXPECT_EQ(ComputePaths(L"C:\\", L"x", L"C:\\WINDOWS\\").WinPath, L"C:\\WINDOWS\\");
  EXPECT_EQ(ComputePaths(L"C:\\", L"x", L"").WinPath, L"\\") << "unset WinDir";
}

TEST(InitPaths, ExeFileKeepsAThreeLetterExtension) {
  EXPECT_EQ(ComputePaths(L"C:\\", L"SETUP_Tarnix", L"").ExeFile, L"SETUP_Tarnix.exe");
  EXPECT_EQ(ComputePaths(L"C:\\", L"Tarnix.scr", L"").ExeFile, L"Tarnix.scr");
  EXPECT_EQ(ComputePaths(L"C:\\", L"abc", L"").ExeFile, L"abc.exe");
  EXPECT_EQ(ComputePaths(L"C:\\", L".ab", L"").ExeFile, L".ab") << "short name beginning with a point";
  EXPECT_EQ(ComputePaths(L"C:\\", L"a.b", L"").ExeFile, L"a.b.exe");
  EXPECT_EQ(ComputePaths(L"C:\\", L"", L"").ExeFile, L".exe");
}

TEST(ActionCommands, EachActionStartsItsProgramWithItsArguments) {
  const Paths p = ComputePaths(L"D:\\Saver", L"Tarnix", L"C:\\WINDOWS");
  EXPECT_EQ(CommandForAction(0, p).CommandLine(), L"\"C:\\WINDOWS\\system32\\shutdown.exe\" -s -t 0");
  EXPECT_EQ(CommandForAction(1, p).CommandLine(), L"\"C:\\WINDOWS\\system32\\shutdown.exe\" -r -t 0");
  EXPECT_EQ(CommandForAction(2, p).CommandLine(), L"\"D:\\Saver\\stb.exe\" /h");
  EXPECT_EQ(CommandForAction(3, p).CommandLine(), L"\"D:\\Saver\\stb.exe\" /s");
  EXPECT_EQ(CommandForAction(4, p).CommandLine(), L"\"C:\\WINDOWS\\system32\\shutdown.exe\" -l");
  EXPECT_EQ(CommandForAction(5, p).CommandLine(),
            L"\"C:\\WINDOWS\\system32\\rundll32.exe\" user32.dll,LockWorkStation");
  EXPECT_EQ(CommandForAction(0, p).program, L"C:\\WINDOWS\\system32\\shutdown.exe");
  EXPECT_TRUE(CommandForAction(6, p).program.empty()) << "the black screen starts no program";
}

TEST(ActionCommands, AFolderWithABlankStaysOneProgram) {
  const Paths p = ComputePaths(L"C:\\Program Files\\Tarnix", L"Tarnix", L"C:\\My Windows");
  EXPECT_EQ(CommandForAction(3, p).CommandLine(), L"\"C:\\Program Files\\Tarnix\\stb.exe\" /s");
  EXPECT_EQ(CommandForAction(0, p).program, L"C:\\My Windows\\system32\\shutdown.exe");
}

}  // namespace
}  // namespace tarnix
