// Decimal text as the program's stored numbers and command lines hold it.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnix {

// One number's parts, read by one scanner for every reader: blanks around
// it, an optional sign, digits with an optional decimal point, an optional
// exponent (E or D) with its own sign. The views point into the scanned text.
struct DecimalParts {
  bool negative = false;
  std::wstring_view integerDigits, fractionDigits;
  bool hasExponent = false;
  bool negativeExponent = false;
  std::wstring_view exponentDigits;
};
// nullopt unless the whole text is one such number (the empty text is none).
std::optional<DecimalParts> ScanDecimal(std::wstring_view text);

// The text's value as a double; nullopt when it is not numeric or not finite.
std::optional<double> ParseNumber(const std::wstring& text);

// Rounds to the nearest integer, ties to even; nullopt outside the 32-bit range.
std::optional<int32_t> RoundToInt32(double value);

// The whole number lo to hi that a text names exactly ("3", " +3", "3.0",
// ".3e1", "-0"), read as written with no floating point; nullopt for anything
// else ("3.5", "1e-400", "2.9999999999999999", "").
std::optional<int> WholeNumberIn(const std::wstring& text, int lo, int hi);

}  // namespace tarnix
