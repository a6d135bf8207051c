#include "base/Decimal.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/Text.h"

namespace tarnix {

std::optional<DecimalParts> ScanDecimal(std::wstring_view text) {
  const std::wstring_view s = TrimView(text);
  DecimalParts p;
  size_t i = 0;
  const auto digitsFrom = [&](size_t from) {
    while (i < s.size() && IsDigit(s[i])) ++i;
    return s.substr(from, i - from);
  };
  if (i < s.size() && IsSign(s[i])) p.negative = s[i++] == L'-';
  p.integerDigits = digitsFrom(i);
  if (i < s.size() && s[i] == L'.') {
    ++i;
    p.fractionDigits = digitsFrom(i);
  }
  if (p.integerDigits.empty() && p.fractionDigits.empty()) return std::nullopt;
  if (i < s.size() && IsExponentMark(s[i])) {
    ++i;
    p.hasExponent = true;
    if (i < s.size() && IsSign(s[i])) p.negativeExponent = s[i++] == L'-';
    p.exponentDigits = digitsFrom(i);
    if (p.exponentDigits.empty()) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;
  return p;
}

std::optional<double> ParseNumber(const std::wstring& text) {
  const std::optional<DecimalParts> p = ScanDecimal(text);
  if (!p) return std::nullopt;
  std::string ascii = p->negative ? "-" : "";
  for (wchar_t c : p->integerDigits) ascii += char(c);
  ascii += '.';
  for (wchar_t c : p->fractionDigits) ascii += char(c);
  if (p->hasExponent) {
    ascii += p->negativeExponent ? "e-" : "e";
    for (wchar_t c : p->exponentDigits) ascii += char(c);
  }
  const double value = std::strtod(ascii.c_str(), nullptr);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<int> WholeNumberIn(const std::wstring& text, int lo, int hi) {
  // Exact: the text's digits and exponent are compared as they stand, so that
  // no rounding can turn 1e-400 into 0 or 2.9999999999999999 into 3.
  const std::optional<DecimalParts> p = ScanDecimal(text);
  if (!p) return std::nullopt;
  std::string digits;  // integer and fraction digits, the point dropped
  for (wchar_t c : p->integerDigits) digits += char(c);
  for (wchar_t c : p->fractionDigits) digits += char(c);
  int64_t scale = -int64_t(p->fractionDigits.size());  // value = digits * 10^scale
  int64_t exponent = 0;
  constexpr int64_t kSaturated = int64_t(1) << 40;  // far beyond any text's digit count
  for (wchar_t c : p->exponentDigits) exponent = std::min(kSaturated, exponent * 10 + (c - L'0'));
  scale += p->negativeExponent ? -exponent : exponent;
  const size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return lo <= 0 && 0 <= hi ? std::optional<int>(0) : std::nullopt;
  const size_t last = digits.find_last_not_of('0');
  scale += int64_t(digits.size() - 1 - last);
  const std::string significant = digits.substr(first, last - first + 1);
  // Whole only without a fraction; small only with few places.
  if (scale < 0 || int64_t(significant.size()) + scale > 10) return std::nullopt;
  int64_t value = std::stoll(significant);
  for (int64_t k = 0; k < scale; ++k) value *= 10;
  if (p->negative) value = -value;
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
