#include <gtest/gtest.h>

#include "app/StartMode.h"
#include "base/Text.h"

namespace tarnix {
namespace {

TEST(Switch, TakesTheFirstTwoCharactersUpperCased) {
  EXPECT_EQ(FormSwitch(L"/p 1234"), L"/P");
  EXPECT_EQ(FormSwitch(L"/c:5678"), L"/C");
  EXPECT_EQ(FormSwitch(L"/s"), L"/S");
  EXPECT_EQ(FormSwitch(L"/Sx"), L"/S");
  EXPECT_EQ(FormSwitch(L"-s"), L"-S");
  EXPECT_EQ(FormSwitch(L"x"), L"X");
  EXPECT_EQ(FormSwitch(L""), L"");
}

TEST(Switch, DispatchFollowsTheSwitchTable) {
  EXPECT_EQ(ChooseMode(L"Tarnix", L"/p 1234"), StartMode::Preview);
  EXPECT_EQ(ChooseMode(L"Tarnix", L"/c:5678"), StartMode::Configure);
  EXPECT_EQ(ChooseMode(L"Tarnix", L"/c"), StartMode::Configure);
  EXPECT_EQ(ChooseMode(L"Tarnix", L""), StartMode::Configure);
  EXPECT_EQ(ChooseMode(L"Tarnix", L"/a 1234"), StartMode::PasswordChange);
  EXPECT_EQ(ChooseMode(L"Tarnix", L"/s"), StartMode::Run);
  EXPECT_EQ(ChooseMode(L"Tarnix", L"/Sx"), StartMode::Run) << "only two characters count";
  EXPECT_EQ(ChooseMode(L"Tarnix", L"-s"), StartMode::None);
  EXPECT_EQ(ChooseMode(L"Tarnix", L"/x"), StartMode::None);
  EXPECT_EQ(ChooseMode(L"Tarnix", L" /s"), StartMode::None) << "a blank is a character of the switch";
}

TEST(NameRule, TheNameTarnixInAnyLetterCaseIsTheSaver) {
  EXPECT_EQ(ChooseMode(L"Tarnix", L"/s"), StartMode::Run);
  EXPECT_EQ(ChooseMode(ExeNameFromPath(L"C:\\WINDOWS\\TARNIX.SCR"), L"/s"), StartMode::Run)
      << "the short name older Windows start it by";
  EXPECT_EQ(ChooseMode(L"tarnix", L"/c"), StartMode::Configure);
  EXPECT_EQ(ChooseMode(L"Tarnix2", L"/s"), StartMode::Setup);
  EXPECT_EQ(ChooseMode(ExeNameFromPath(L"C:\\x\\Tarnix.scr.exe"), L"/s"), StartMode::Setup)
      << "a file Tarnix.scr.exe is named Tarnix.scr";
  EXPECT_EQ(ChooseMode(L"SETUP_Tarnix", L""), StartMode::Setup);
  EXPECT_EQ(ChooseMode(ExeNameFromPath(L"C:\\WINDOWS\\Tarnix.scr"), L"/s"), StartMode::Run);
  EXPECT_EQ(ChooseMode(ExeNameFromPath(L"C:\\Tools\\Tarnix.exe"), L"/s"), StartMode::Run);
}

TEST(CommandLine, ArgumentsFollowTheProgramPath) {
  EXPECT_EQ(ArgumentsFromCommandLine(L"\"C:\\Program Files\\Tarnix.scr\" /p 1234"), L"/p 1234");
  EXPECT_EQ(ArgumentsFromCommandLine(L"C:\\WINDOWS\\Tarnix.scr /s"), L"/s");
  EXPECT_EQ(ArgumentsFromCommandLine(L"C:\\WINDOWS\\Tarnix.scr"), L"");
  EXPECT_EQ(ArgumentsFromCommandLine(L"Tarnix.scr   /c:5678"), L"/c:5678");
  EXPECT_EQ(ArgumentsFromCommandLine(L"\"unterminated /s"), L"");
  EXPECT_EQ(ArgumentsFromCommandLine(L""), L"");
}

TEST(CommandLine, ExeNameDropsFolderAndLastExtension) {
  EXPECT_EQ(ExeNameFromPath(L"C:\\WINDOWS\\Tarnix.scr"), L"Tarnix");
  EXPECT_EQ(ExeNameFromPath(L"D:\\dl\\SETUP_Tarnix.exe"), L"SETUP_Tarnix");
  EXPECT_EQ(ExeNameFromPath(L"C:\\a.b\\noext"), L"noext");
  EXPECT_EQ(ExeNameFromPath(L"Tarnix.scr"), L"Tarnix");
}

TEST(StoredActionCode, ReadsTheTextAsANumber) {
  EXPECT_EQ(ActionCodeFromText(L"3"), 3);
  EXPECT_EQ(ActionCodeFromText(L" 3"), 3);
  EXPECT_EQ(ActionCodeFromText(L"3 "), 3);
  EXPECT_EQ(ActionCodeFromText(L"0"), 0);
  EXPECT_EQ(ActionCodeFromText(L"6"), 6);
  EXPECT_EQ(ActionCodeFromText(L"3.0"), 3);
  EXPECT_EQ(ActionCodeFromText(L"+2"), 2);
  EXPECT_EQ(ActionCodeFromText(L"03"), 3);
  EXPECT_EQ(ActionCodeFromText(L".3e1"), 3);
  EXPECT_EQ(ActionCodeFromText(L"1e0"), 1);
  EXPECT_EQ(ActionCodeFromText(L"-0"), 0);
  EXPECT_EQ(ActionCodeFromText(L"600e-2"), 6);
  EXPECT_EQ(ActionCodeFromText(L"0.000000000000000000000000000000000000000005e42"), 5);
  EXPECT_EQ(ActionCodeFromText(L"4D0"), 4);
  EXPECT_EQ(ActionCodeFromText(L"30e-1"), 3);
}

// A value that only rounds to a code is no code: a floating-point reading would
// start a shutdown for 1e-400 and stand-by for 3.0000000000000001.
TEST(StoredActionCode, NearlyWholeAndTinyNumbersNameNoAction) {
  for (const wchar_t* text : {L"1e-400", L"0.1e-330", L"5.9999999999999999", L"3.0000000000000001",
                              L"2.9999999999999999", L"1e-99999999999999999999", L"0.0000001",
                              L"6.0000000000000000000000000000001", L"1e99999999999999999999", L"2147483648",
                              L"-6", L"7e0"})
    EXPECT_FALSE(ActionCodeFromText(text).has_value()) << "stored text: " << ::testing::PrintToString(std::wstring(text));
}

TEST(StoredActionCode, AnythingElseNamesNoAction) {
  for (const wchar_t* text : {L"", L"x", L"7", L"-1", L"3.5", L"3x", L" ", L"1e", L"0x3", L"\u0663"})
    EXPECT_FALSE(ActionCodeFromText(text).has_value()) << "stored text: " << ::testing::PrintToString(std::wstring(text));
}

}  // namespace
}  // namespace tarnix
