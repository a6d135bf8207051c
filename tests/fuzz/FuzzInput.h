// Turns a fuzzer's bytes into the program's inputs.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace tarnix::fuzz {

// Two bytes per UTF-16 code unit, so every unit the platform can deliver
// (surrogates and U+0000 included) can appear.
inline std::wstring Utf16Text(const uint8_t* data, size_t size) {
  std::wstring text;
  for (size_t i = 0; i + 1 < size; i += 2) text += wchar_t(data[i] | data[i + 1] << 8);
  return text;
}

// One byte per character, for grammars of plain ASCII where short inputs matter.
inline std::wstring AsciiText(const uint8_t* data, size_t size) {
  return std::wstring(data, data + size);
}

[[noreturn]] inline void Fail(const char* what) {
  __builtin_printf("finding: %s\n", what);
  __builtin_trap();
}

}  // namespace tarnix::fuzz
