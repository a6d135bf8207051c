// stb, the companion program: which request each command line makes, and what
// the user sees when there is none or the system refuses it. No power request
// ever reaches the system here.
#include <gtest/gtest.h>

#include "stb/StbCommand.h"

namespace tarnix::stb {
namespace {

struct FakePower : PowerControl {
  bool refuse = false;
  std::optional<PowerCapabilities> capabilities;  // unset: the system cannot say
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
  std::optional<PowerCapabilities> Capabilities() override { return capabilities; }
  void TurnDisplayOff() override { calls.push_back(L"display off"); }
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
  EXPECT_EQ(power.messages[0].first, L"The computer could not hibernate.\r\nDer Computer konnte nicht in den Ruhezustand wechseln.\r\n\r\n"
            L"The request is not supported.");
  EXPECT_TRUE(power.messages[0].second);
}

constexpr PowerCapabilities kClassicDesktop{.s3 = true, .s4 = true, .hiberFilePresent = true};
constexpr PowerCapabilities kModernStandbyLaptop{.s4 = true, .hiberFilePresent = true, .aoac = true};
constexpr PowerCapabilities kHibernationOff{.s3 = true, .s4 = true};
constexpr PowerCapabilities kNeither{.s4 = true, .hiberFilePresent = true};  // no S3, no Modern Standby (Wine)

TEST(PowerMethod, StandByTakesWhatTheMachineOffers) {
  EXPECT_EQ(ChooseMethod(PowerRequest::StandBy, kClassicDesktop), PowerMethod::Sleep);
  EXPECT_EQ(ChooseMethod(PowerRequest::StandBy, kHibernationOff), PowerMethod::Sleep);
  EXPECT_EQ(ChooseMethod(PowerRequest::StandBy, kModernStandbyLaptop), PowerMethod::DisplayOff)
      << "without S3 the suspend call would hibernate or do nothing";
  EXPECT_EQ(ChooseMethod(PowerRequest::StandBy, PowerCapabilities{.s3 = true, .aoac = true}), PowerMethod::Sleep)
      << "S3 wins where both are reported";
  EXPECT_EQ(ChooseMethod(PowerRequest::StandBy, kNeither), PowerMethod::Sleep) << "as before: the system decides";
  EXPECT_EQ(ChooseMethod(PowerRequest::StandBy, std::nullopt), PowerMethod::Sleep);
}

TEST(PowerMethod, HibernationOnlyWhereItIsSupportedAndOn) {
  EXPECT_EQ(ChooseMethod(PowerRequest::Hibernate, kClassicDesktop), PowerMethod::Hibernate);
  EXPECT_EQ(ChooseMethod(PowerRequest::Hibernate, kModernStandbyLaptop), PowerMethod::Hibernate);
  EXPECT_EQ(ChooseMethod(PowerRequest::Hibernate, kHibernationOff), PowerMethod::HibernationOff) << "powercfg /h off";
  EXPECT_EQ(ChooseMethod(PowerRequest::Hibernate, PowerCapabilities{.hiberFilePresent = true}),
            PowerMethod::HibernationOff)
      << "not supported";
  EXPECT_EQ(ChooseMethod(PowerRequest::Hibernate, std::nullopt), PowerMethod::Hibernate)
      << "an old Windows that cannot say: the plain call";
}

TEST(Companion, StandByOnAModernStandbyMachineTurnsTheDisplayOff) {
  FakePower power;
  power.capabilities = kModernStandbyLaptop;
  EXPECT_EQ(stb::Run(L"/s", power), kExitDone);
  EXPECT_EQ(power.calls, (std::vector<std::wstring>{L"display off"})) << "no suspend call";
  EXPECT_TRUE(power.messages.empty());
}

TEST(Companion, HibernationTurnedOffIsSaidInBothLanguagesAndNothingElseIsDone) {
  FakePower power;
  power.capabilities = kHibernationOff;
  EXPECT_EQ(stb::Run(L"/h", power), kExitRefused);
  EXPECT_TRUE(power.calls.empty());
  ASSERT_EQ(power.messages.size(), 1u);
  const std::wstring& text = power.messages[0].first;
  EXPECT_NE(text.find(L"cannot hibernate"), std::wstring::npos);
  EXPECT_NE(text.find(L"Ruhezustand"), std::wstring::npos);
  EXPECT_NE(text.find(L"powercfg /hibernate on"), std::wstring::npos) << "how to turn it on";
  EXPECT_TRUE(power.messages[0].second);
}

}  // namespace
}  // namespace tarnix::stb
