#include "ui/win32/LayeredAlpha.h"

namespace tarnix::ui {

void MakeLayered(HWND hwnd) {
  const LONG ex = GetWindowLongW(hwnd, GWL_EXSTYLE);
  if (ex != -1 && !(ex & WS_EX_LAYERED)) SetWindowLongW(hwnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);
}

void ApplyLayeredAlpha(HWND hwnd, int alpha) {
  MakeLayered(hwnd);
  SetLayeredWindowAttributes(hwnd, 0, BYTE(alpha & 0xFF), LWA_ALPHA);
}

}  // namespace tarnix::ui
