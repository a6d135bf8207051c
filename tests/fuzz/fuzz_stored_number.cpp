// A stored number read exactly: whatever it accepts is a text whose value is
// exactly that whole number, which a double then holds exactly too.
#include <cmath>

#include "FuzzInput.h"
#include "app/StartMode.h"
#include "base/Decimal.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarnix;
  const std::wstring text = fuzz::AsciiText(data, size);
  const std::optional<int> code = ActionCodeFromText(text);
  if (code && (*code < 0 || *code > 6)) fuzz::Fail("a code outside 0 to 6");
  const std::optional<int> wide = WholeNumberIn(text, -1000000, 1000000);
  if (code && wide != code) fuzz::Fail("the two ranges disagree");
  if (wide) {
    const std::optional<double> approx = ParseNumber(text);
    if (!approx || *approx != double(*wide)) fuzz::Fail("accepted a text whose double is not that number");
  }
  // A double that is a code and comes from few digits and a small exponent is exact.
  if (size <= 12) {
    const std::optional<double> approx = ParseNumber(text);
    if (approx && *approx >= 0 && *approx <= 6 && *approx == std::trunc(*approx) && !code &&
        text.find_first_of(L"eEdD") == std::wstring::npos)
      fuzz::Fail("a short whole number was refused");
  }
  return 0;
}
