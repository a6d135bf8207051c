// Opacity of a layered window.
#pragma once
#include <windows.h>

namespace tarnix::ui {
// Adds WS_EX_LAYERED when it is missing (keeping the other extended styles)
// and sets the window's constant alpha.
void ApplyLayeredAlpha(HWND hwnd, int alpha);
}  // namespace tarnix::ui
