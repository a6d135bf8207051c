// The preview handle that ends "/p ..." against its definition: every suffix
// read whole, from the longest.
#include "FuzzInput.h"
#include "base/Decimal.h"
#include "base/Text.h"
#include "saver/modSaver.h"

namespace {
int32_t ByDefinition(const std::wstring& text) {
  const std::wstring s = tarnix::Trim(text);
  for (size_t i = s.size(); i >= 1; --i)
    if (const auto value = tarnix::ParseNumber(s.substr(s.size() - i))) return tarnix::RoundToInt32(*value).value_or(0);
  return 0;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::wstring text = tarnix::fuzz::AsciiText(data, size);
  const int32_t handle = tarnix::ParentHwndFromCommand(text);
  // The definition is quadratic: compare on the lengths it handles quickly.
  if (size <= 2048 && handle != ByDefinition(text)) tarnix::fuzz::Fail("handle differs from the definition");
  return 0;
}
