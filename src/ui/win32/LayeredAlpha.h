// Opacity of a layered window.
#pragma once
#include <windows.h>

namespace tarnix::ui {
// Adds WS_EX_LAYERED, keeping the other extended styles; the style is written
// only when the bit is missing, since a rewrite costs a frame change on Windows.
// A style that cannot be read (-1) is left alone.
void MakeLayered(HWND hwnd);
// Makes the window layered and sets its constant alpha to the low 8 bits.
void ApplyLayeredAlpha(HWND hwnd, int alpha);
}  // namespace tarnix::ui
