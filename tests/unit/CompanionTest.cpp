// stb, the companion program: which request each command line makes, and what
// the user sees when there is none or the system refuses it. No power request
// ever reaches the system here.
#include <gtest/gtest.h>

#include "stb/StbCommand.h"

namespace tarnix::stb {
namespace {

struct FakePower : PowerControl {
  bool refuse = false;
  std::vector<std::wstring> calls;
  std::vector<std::pair<std::wstring, bool>> messages;
  bool EnableShutdownPrivilege() override {
    calls.push_back(L"privilege");
    return true;
  }
  bool Suspend(PowerRequest r) override {
    calls.push_back(r == PowerRequest::Hibernate ? L"hibernate" : L"standby");
    return !refuse;
  }
  std::wstring LastErrorText() override { return L"The request is not supported."; }
  void ShowMessage(const std::wstring& text, bool isError) override { messages.push_back({text, isError}); }
};

TEST(Companion, SlashHHibernatesAndSlashSStandsByInEitherCase) {
  for (const auto& [args, call] : std::vector<std::pair<std::wstring, std::wstring>>{
           {L"/h", L"hibernate"}, {L"/H", L"hibernate"}, {L"  /s ", L"standby"}, {L"/S", L"standby"},
           {L"\t/h\t", L"hibernate"}}) {
    FakePower power;
    EXPECT_EQ(stb::Run(args, power), kExitDone) << ::testing::PrintToString(args);
    EXPECT_EQ(power.calls, (std::vector<std::wstring>{L"privilege", call})) << "the privilege first";
    EXPECT_TRUE(power.messages.empty());
  }
}

TEST(Companion, AnyOtherCommandLineShowsTheUsageAndAsksForNothing) {
  for (const std::wstring args : {L"", L"/", L"h", L"-h", L"/x", L"/hs", L"/h /s", L"/sleep", L"//h", L"/\u00e4"}) {
    FakePower power;
    EXPECT_EQ(stb::Run(args, power), kExitUsage) << ::testing::PrintToString(args);
    EXPECT_TRUE(power.calls.empty());
    ASSERT_EQ(power.messages.size(), 1u);
    EXPECT_NE(power.messages[0].first.find(L"stb /h"), std::wstring::npos);
    EXPECT_FALSE(power.messages[0].second);
  }
}

TEST(Companion, ARefusedRequestSaysWhyInTheSystemsWords) {
  FakePower power;
  power.refuse = true;
  EXPECT_EQ(stb::Run(L"/h", power), kExitRefused);
  ASSERT_EQ(power.messages.size(), 1u);
  EXPECT_EQ(power.messages[0].first, L"The computer could not hibernate.\r\n\r\nThe request is not supported.");
  EXPECT_TRUE(power.messages[0].second);
}

}  // namespace
}  // namespace tarnix::stb
