#include "app/Numeric.h"

#include <algorithm>
#include <cmath>
#include <cwctype>

namespace tarnix {

namespace {
bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
}  // namespace

std::wstring Trim(const std::wstring& text) {
  size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::optional<double> ParseNumber(const std::wstring& text) {
  const std::wstring s = Trim(text);
  size_t i = 0;
  std::string ascii;
  if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) ascii += static_cast<char>(s[i++]);
  size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) { ascii += static_cast<char>(s[i++]); ++digits; }
  if (i < s.size() && s[i] == L'.') {
    ascii += '.';
    ++i;
    while (i < s.size() && IsDigit(s[i])) { ascii += static_cast<char>(s[i++]); ++digits; }
  }
  if (digits == 0) return std::nullopt;
  if (i < s.size() && (s[i] == L'E' || s[i] == L'e' || s[i] == L'D' || s[i] == L'd')) {
    ascii += 'e';
    ++i;
    if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) ascii += static_cast<char>(s[i++]);
    size_t exponentDigits = 0;
    while (i < s.size() && IsDigit(s[i])) { ascii += static_cast<char>(s[i++]); ++exponentDigits; }
    if (exponentDigits == 0) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;
  const double value = std::strtod(ascii.c_str(), nullptr);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<int> WholeNumberIn(const std::wstring& text, int lo, int hi) {
  // Exact: the text's digits and exponent are compared as they stand, so that
  // no rounding can turn 1e-400 into 0 or 2.9999999999999999 into 3.
  const std::wstring s = Trim(text);
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) negative = s[i++] == L'-';
  std::string digits;  // integer and fraction digits, the point dropped
  int64_t scale = 0;   // value = digits * 10^scale
  while (i < s.size() && IsDigit(s[i])) digits += char(s[i++]);
  if (i < s.size() && s[i] == L'.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) {
      digits += char(s[i++]);
      --scale;
    }
  }
  if (digits.empty()) return std::nullopt;
  if (i < s.size() && (s[i] == L'E' || s[i] == L'e' || s[i] == L'D' || s[i] == L'd')) {
    ++i;
    bool negativeExponent = false;
    if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) negativeExponent = s[i++] == L'-';
    if (i == s.size() || !IsDigit(s[i])) return std::nullopt;
    int64_t exponent = 0;
    constexpr int64_t kSaturated = int64_t(1) << 40;  // far beyond any text's digit count
    while (i < s.size() && IsDigit(s[i])) exponent = std::min(kSaturated, exponent * 10 + (s[i++] - L'0'));
    scale += negativeExponent ? -exponent : exponent;
  }
  if (i != s.size()) return std::nullopt;
  const size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return lo <= 0 && 0 <= hi ? std::optional<int>(0) : std::nullopt;
  size_t last = digits.find_last_not_of('0');
  scale += int64_t(digits.size() - 1 - last);
  const std::string significant = digits.substr(first, last - first + 1);
  // Whole only without a fraction; small only with few places.
  if (scale < 0 || int64_t(significant.size()) + scale > 10) return std::nullopt;
  int64_t value = std::stoll(significant);
  for (int64_t k = 0; k < scale; ++k) value *= 10;
  if (negative) value = -value;
  if (value < lo || value > hi) return std::nullopt;
  return int(value);
}

std::optional<int32_t> RoundToInt32(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = std::nearbyint(value);  // default mode rounds ties to even
  if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
  return static_cast<int32_t>(rounded);
}

}  // namespace tarnix
