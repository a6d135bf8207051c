#include "app/modAlpha.h"

#include "platform/Platform.h"

namespace tarnix {
bool IsWindows5OrLater(Platform& platform) { return platform.OsMajorVersion() >= 5; }
}  // namespace tarnix
