// Small text rules the whole program shares: the character classes of decimal
// text, trimming, the settings store's letter-case folding and the command line.
#pragma once
#include <string>
#include <string_view>

namespace tarnix {

inline bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
inline bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
inline bool IsSign(wchar_t c) { return c == L'+' || c == L'-'; }
inline bool IsExponentMark(wchar_t c) { return c == L'E' || c == L'e' || c == L'D' || c == L'd'; }

// Without the blanks and tabs at either end.
std::wstring_view TrimView(std::wstring_view text);
std::wstring Trim(const std::wstring& text);
// Trimmed, without one pair of quotes around it, and trimmed inside them too.
std::wstring Unquoted(const std::wstring& text);

// A path that names one place below a drive's or a share's root whatever the
// current drive and folder: "C:\Windows", "\\server\share\Windows". Not
// "\Windows", "Windows", "C:Windows", "C:\" or "\\server\share".
bool IsFullPathBelowRoot(std::wstring_view path);

// Upper case for ASCII and Latin-1 letters: names that differ only in letter
// case are one name.
std::wstring FoldCase(const std::wstring& text);

// The text after the program's own path on a Windows command line.
std::wstring ArgumentsFromCommandLine(const std::wstring& commandLine);

}  // namespace tarnix
