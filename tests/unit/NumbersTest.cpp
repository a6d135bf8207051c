#include <gtest/gtest.h>

#include "base/Decimal.h"
#include "base/Text.h"
#include "saver/modSaver.h"

namespace tarnix {
namespace {

TEST(Numbers, WholeTextMustBeANumber) {
  EXPECT_EQ(ParseNumber(L" 12 "), 12.0);
  EXPECT_EQ(ParseNumber(L"-4"), -4.0);
  EXPECT_EQ(ParseNumber(L"2.5"), 2.5);
  EXPECT_EQ(ParseNumber(L".5"), 0.5);
  EXPECT_EQ(ParseNumber(L"1E3"), 1000.0);
  EXPECT_EQ(ParseNumber(L"1d2"), 100.0);
  EXPECT_FALSE(ParseNumber(L""));
  EXPECT_FALSE(ParseNumber(L"."));
  EXPECT_FALSE(ParseNumber(L"1 2"));
  EXPECT_FALSE(ParseNumber(L"/p"));
  EXPECT_FALSE(ParseNumber(L"1e999")) << "overflow is no number";
}

TEST(Numbers, RoundingIsToEvenAndWithin32Bits) {
  EXPECT_EQ(RoundToInt32(2.5), 2);
  EXPECT_EQ(RoundToInt32(3.5), 4);
  EXPECT_EQ(RoundToInt32(-2.5), -2);
  EXPECT_EQ(RoundToInt32(2147483647.0), 2147483647);
  EXPECT_FALSE(RoundToInt32(2147483648.0));
  EXPECT_EQ(RoundToInt32(-2147483648.0), -2147483647 - 1);
  EXPECT_FALSE(RoundToInt32(-2147483649.0));
}

TEST(ParentHwndFromCommand, FindsTheHandleThatEndsTheText) {
  EXPECT_EQ(ParentHwndFromCommand(L"/p 1234"), 1234);
  EXPECT_EQ(ParentHwndFromCommand(L"/p:5678"), 5678);
  EXPECT_EQ(ParentHwndFromCommand(L"  /p 1234  "), 1234);
  EXPECT_EQ(ParentHwndFromCommand(L"/p"), 0);
  EXPECT_EQ(ParentHwndFromCommand(L"12/34"), 34);
  EXPECT_EQ(ParentHwndFromCommand(L""), 0);
}

TEST(ParentHwndFromCommand, HugeAndNegativeNumbersGiveNoUsableHandle) {
  EXPECT_EQ(ParentHwndFromCommand(L"/p 99999999999"), 0);
  EXPECT_EQ(ParentHwndFromCommand(L"/p -5"), -5);
  EXPECT_EQ(ParentHwndFromCommand(L"/p 2147483647"), 2147483647);
  EXPECT_EQ(ParentHwndFromCommand(L"/p 1234.5"), 1234) << "ties round to even";
}

// The search by its definition: every suffix from the longest, each read whole.
int32_t SuffixByDefinition(const std::wstring& text) {
  const std::wstring s = Trim(text);
  for (size_t i = s.size(); i >= 1; --i)
    if (const std::optional<double> value = ParseNumber(s.substr(s.size() - i))) return RoundToInt32(*value).value_or(0);
  return 0;
}

TEST(ParentHwndFromCommand, AgreesWithTheDefinitionOnEveryShape) {
  // Every text of up to five characters over an alphabet of the grammar's
  // pieces, and longer ones around the 308-place edge of a double.
  const std::wstring alphabet = L"0159.+-eE xd";
  std::vector<std::wstring> texts = {L""};
  for (int length = 1; length <= 5; ++length) {
    std::vector<std::wstring> longer;
    for (const std::wstring& t : texts)
      if (t.size() == size_t(length - 1))
        for (wchar_t c : alphabet) longer.push_back(t + c);
    texts.insert(texts.end(), longer.begin(), longer.end());
  }
  const std::wstring places308 = L"17976931348623157" + std::wstring(292, L'0');
  for (const std::wstring& edge : {places308, L"17976931348623159" + std::wstring(292, L'0'), L"9" + std::wstring(308, L'9')})
    for (const std::wstring& around : {edge, L"/p " + edge, L"/p 0000" + edge, L"/p ." + edge + L"e309", L"1e" + edge,
                                       L"/p 1e" + edge + L".5", L"/p " + edge + L"e-5", L"x-." + edge + L"5E+1"})
      texts.push_back(around);
  for (const std::wstring& t : texts)
    ASSERT_EQ(ParentHwndFromCommand(t), SuffixByDefinition(t)) << ::testing::PrintToString(t);
}

TEST(ParentHwndFromCommand, LongDigitRunsEndQuickly) {
  // Re-reading every suffix costs the square of the length: 32,000 digits took
  // seconds, two million would take hours. One pass takes milliseconds.
  EXPECT_EQ(ParentHwndFromCommand(L"/p " + std::wstring(2000000, L'9')), 0);
  EXPECT_EQ(ParentHwndFromCommand(L"/p " + std::wstring(32000, L'7')), 0);
  EXPECT_EQ(ParentHwndFromCommand(L"/p " + std::wstring(32000, L'0') + L"1234"), 1234);
  EXPECT_EQ(ParentHwndFromCommand(std::wstring(32000, L'1') + L"e99999"), 99999) << "the exponent alone";
}

}  // namespace
}  // namespace tarnix
