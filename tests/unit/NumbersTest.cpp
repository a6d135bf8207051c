#include <gtest/gtest.h>

#include "app/Numeric.h"
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

}  // namespace
}  // namespace tarnix
