#include "saver/modSaver.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "base/Decimal.h"
#include "base/Text.h"

namespace tarnix {

namespace {

// Where s[i..] reads whole as a number (blanks, sign, digits with a point,
// exponent), found in one pass from the end: the number's grammar read
// backwards, with its few states kept as a set.
std::vector<bool> NumericSuffixStarts(const std::wstring& s) {
  enum : unsigned {
    kStart = 1, kExpDigits = 2, kExpSign = 4, kExpMark = 8, kDigits = 16, kPointOnly = 32, kPointDigits = 64,
    kSign = 128, kBlank = 256,
  };
  constexpr unsigned kAccepting = kDigits | kPointDigits | kSign | kBlank;
  std::vector<bool> starts(s.size(), false);
  unsigned states = kStart;
  for (size_t i = s.size(); i-- > 0 && states;) {
    const wchar_t c = s[i];
    unsigned next = 0;
    if (IsDigit(c)) {
      if (states & kStart) next |= kExpDigits | kDigits;
      if (states & kExpDigits) next |= kExpDigits;
      if (states & (kExpMark | kDigits)) next |= kDigits;
      if (states & (kPointOnly | kPointDigits)) next |= kPointDigits;
    } else if (c == L'.') {
      if (states & (kStart | kExpMark)) next |= kPointOnly;
      if (states & kDigits) next |= kPointDigits;
    } else if (IsSign(c)) {
      if (states & kExpDigits) next |= kExpSign;
      if (states & (kDigits | kPointDigits)) next |= kSign;
    } else if (IsExponentMark(c)) {
      if (states & (kExpDigits | kExpSign)) next |= kExpMark;
    } else if (IsBlank(c)) {
      if (states & (kDigits | kPointDigits | kSign | kBlank)) next |= kBlank;
    }
    states = next;
    starts[i] = (states & kAccepting) != 0;
  }
  return starts;
}

// Whether the number a numeric suffix names is finite as a double, that is
// whether the platform's conversion accepts it. Decided from the place value
// of its first significant digit: only a value with 309 integer places needs
// the conversion itself, and at most one first digit per reading has that.
class SuffixFiniteness {
 public:
  explicit SuffixFiniteness(const std::wstring& s) : s_(s), mark_(s.size()) {
    // A suffix with an exponent carries the text's last exponent mark.
    for (size_t i = s.size(); i-- > 0;)
      if (IsExponentMark(s[i])) {
        mark_ = i;
        break;
      }
    if (mark_ < s.size()) {
      size_t j = mark_ + 1;
      const bool negative = j < s.size() && s[j] == L'-';
      if (j < s.size() && IsSign(s[j])) ++j;
      for (; j < s.size() && IsDigit(s[j]); ++j) exponent_ = std::min<int64_t>(exponent_ * 10 + (s[j] - L'0'), 1 << 30);
      if (negative) exponent_ = -exponent_;
    }
    // The next significant digit from each place on, within the digits before
    // the mark and within those after it.
    nextSignificant_.assign(s.size() + 1, s.size());
    for (size_t i = s.size(), next = s.size(); i-- > 0;) {
      if (i == mark_) next = s.size();
      if (s[i] >= L'1' && s[i] <= L'9') next = i;
      nextSignificant_[i] = next;
    }
    for (size_t i = 0; i < s.size(); ++i)
      if (s[i] == L'.') (i < mark_ ? lastPointBefore_ : lastPointAfter_) = i;
  }

  // start: a place where a numeric suffix begins.
  bool Finite(size_t start) {
    const bool withExponent = start < mark_;
    const size_t end = withExponent ? mark_ : s_.size();
    size_t m = start;
    while (m < end && (IsBlank(s_[m]) || IsSign(s_[m]))) ++m;
    const size_t first = nextSignificant_[m];
    if (first >= end) return true;  // zero
    const size_t lastPoint = withExponent ? lastPointBefore_ : lastPointAfter_;
    const size_t point = lastPoint != kNone && lastPoint >= m ? lastPoint : end;
    const int64_t place = (first < point ? int64_t(point - first) - 1 : -int64_t(first - point)) +
                          (withExponent ? exponent_ : 0);
    if (place != 308) return place < 308;
    if (first != cachedFirst_) {
      cachedFirst_ = first;
      const std::wstring number = s_.substr(m, end - m) + (withExponent ? s_.substr(mark_) : std::wstring());
      cachedFinite_ = ParseNumber(number).has_value();
    }
    return cachedFinite_;
  }

 private:
  static constexpr size_t kNone = SIZE_MAX;
  const std::wstring& s_;
  size_t mark_;
  int64_t exponent_ = 0;
  std::vector<size_t> nextSignificant_;
  size_t lastPointBefore_ = kNone, lastPointAfter_ = kNone;  // the last point on either side of the mark
  size_t cachedFirst_ = kNone;
  bool cachedFinite_ = false;
};

}  // namespace

int32_t ParentHwndFromCommand(const std::wstring& text) {
  const std::wstring s = Trim(text);
  const std::vector<bool> starts = NumericSuffixStarts(s);
  SuffixFiniteness finite(s);
  for (size_t i = 0; i < s.size(); ++i) {
    if (!starts[i] || !finite.Finite(i)) continue;
    const std::optional<double> value = ParseNumber(s.substr(i));
    return value ? RoundToInt32(*value).value_or(0) : 0;
  }
  return 0;
}

}  // namespace tarnix
