#include "app/modAlpha.h"

#include <cstdint>

#include "app/App.h"
#include "platform/Platform.h"

namespace tarnix {

bool IsWindows5OrLater(Platform& platform) { return platform.OsMajorVersion() >= 5; }

bool Windows5OrLater(App& app) {
  if (!app.windows5OrLater) app.windows5OrLater = IsWindows5OrLater(app.platform);
  return *app.windows5OrLater;
}

PulseStep ThunderPulse(int level, int timerIndex) {
  // Wrapping like the 32-bit level it models, never undefined.
  const auto add = [](int a, int b) { return int(int32_t(uint32_t(a) + uint32_t(b))); };
  if (timerIndex == 0) {
    const int next = add(level, 85);
    return {next, next > 240};
  }
  if (timerIndex == 1) {
    const int next = add(level, -90);
    return {next, next < 50};
  }
  return {level, false};
}

}  // namespace tarnix
