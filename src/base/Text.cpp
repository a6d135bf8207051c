#include "base/Text.h"

namespace tarnix {

std::wstring_view TrimView(std::wstring_view text) {
  size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::wstring Trim(const std::wstring& text) { return std::wstring(TrimView(text)); }

std::wstring Unquoted(const std::wstring& text) {
  std::wstring t = Trim(text);
  if (t.size() >= 2 && t.front() == L'"' && t.back() == L'"') t = Trim(t.substr(1, t.size() - 2));
  return t;
}

std::wstring FoldCase(const std::wstring& text) {
  std::wstring out = text;
  for (wchar_t& c : out) {
    if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) c = static_cast<wchar_t>(c - 0x20);
  }
  return out;
}

std::wstring ArgumentsFromCommandLine(const std::wstring& commandLine) {
  size_t i = 0;
  while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
  if (i < commandLine.size() && commandLine[i] == L'"') {
    const size_t close = commandLine.find(L'"', i + 1);
    i = close == std::wstring::npos ? commandLine.size() : close + 1;
  } else {
    while (i < commandLine.size() && !IsBlank(commandLine[i])) ++i;
  }
  while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
  return commandLine.substr(i);
}

}  // namespace tarnix
