#include "app/Numeric.h"

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
  const std::optional<double> value = ParseNumber(text);
  if (!value) return std::nullopt;
  for (int n = lo; n <= hi; ++n)
    if (*value == n) return n;
  return std::nullopt;
}

std::optional<int32_t> RoundToInt32(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = std::nearbyint(value);  // default mode rounds ties to even
  if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
  return static_cast<int32_t>(rounded);
}

}  // namespace tarnix
