#pragma once
#include <cstdint>
#include <string>

namespace tarnix {
// The window handle that ends a preview command line ("/p 1234", "/p:1234"):
// the longest numeric suffix of the trimmed text, 0 when there is none or it
// does not fit 32 bits.
int32_t ParentHwndFromCommand(const std::wstring& text);
}  // namespace tarnix
