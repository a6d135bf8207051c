// Prints a UTF-16 text as one UTF-8 line, so that the test scripts read umlauts as they are.
#pragma once
#include <windows.h>

#include <cstdio>
#include <string>

namespace tarnix::testing {

inline void PrintUtf8(const std::wstring& text) {
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(bytes > 0 ? size_t(bytes - 1) : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), bytes, nullptr, nullptr);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  std::fputs("\n", stdout);
}

}  // namespace tarnix::testing
