#include "saver/modSaver.h"

#include "app/Numeric.h"

namespace tarnix {

int32_t ParentHwndFromCommand(const std::wstring& text) {
  const std::wstring s = Trim(text);
  for (size_t i = s.size(); i >= 1; --i) {
    if (const std::optional<double> value = ParseNumber(s.substr(s.size() - i))) {
      return RoundToInt32(*value).value_or(0);
    }
  }
  return 0;
}

}  // namespace tarnix
