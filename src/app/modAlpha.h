#pragma once

namespace tarnix {
class Platform;
// Layered windows and the program's other needs start with Windows 2000 (5.0).
bool IsWindows5OrLater(Platform& platform);
}  // namespace tarnix
