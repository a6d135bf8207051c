#include "ui/win32/LayeredAlpha.h"

namespace tarnix::ui {

void ApplyLayeredAlpha(HWND hwnd, int alpha) {
  const LONG ex = GetWindowLongW(hwnd, GWL_EXSTYLE);
  // Rewriting the style costs a frame change on Windows: only when the bit is missing.
  if (!(ex & WS_EX_LAYERED)) SetWindowLongW(hwnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);
  SetLayeredWindowAttributes(hwnd, 0, BYTE(alpha & 0xFF), LWA_ALPHA);
}

}  // namespace tarnix::ui
