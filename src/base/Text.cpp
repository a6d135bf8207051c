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

bool IsFullPathBelowRoot(std::wstring_view path) {
  const auto separator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
  // The length of one name starting at `at`; 0 where none starts there.
  const auto name = [&](size_t at) {
    size_t end = at;
    while (end < path.size() && !separator(path[end])) ++end;
    return end - at;
  };
  size_t rest = 0;  // where the part below the root starts
  const bool drive = path.size() >= 3 && ((path[0] | 0x20) >= L'a' && (path[0] | 0x20) <= L'z') &&
                     path[1] == L':' && separator(path[2]);
  if (drive) {
    rest = 3;
  } else if (path.size() >= 2 && separator(path[0]) && separator(path[1])) {
    const size_t server = name(2);
    if (server == 0 || 2 + server >= path.size()) return false;
    const size_t share = name(3 + server);
    rest = 3 + server + share + 1;
    if (share == 0 || rest > path.size()) return false;
  } else {
    return false;
  }
  return rest < path.size() && name(rest) > 0;
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
