// Number conversion as the program's stored texts and command lines need it.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace tarnix {

// Accepts a whole text as a decimal number: blanks around it, an optional sign,
// digits with an optional decimal point, an optional exponent (E or D).
// Anything else, the empty text included, is not numeric.
std::optional<double> ParseNumber(const std::wstring& text);

// Rounds to the nearest integer, ties to even; nullopt outside the 32-bit range.
std::optional<int32_t> RoundToInt32(double value);

// The whole number lo to hi that a text names exactly ("3", " +3", "3.0",
// ".3e1", "-0"), read as written with no floating point; nullopt for anything
// else ("3.5", "1e-400", "2.9999999999999999", "").
std::optional<int> WholeNumberIn(const std::wstring& text, int lo, int hi);

std::wstring Trim(const std::wstring& text);

}  // namespace tarnix
