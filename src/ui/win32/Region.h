// Window regions from the form model's rectangle lists.
#pragma once
#include <windows.h>

#include <vector>

#include "platform/win32/Unique.h"
#include "ui/Form.h"

namespace tarnix::ui {

// The union of one-pixel-high rectangles in scan order (rows from the top,
// left to right within a row). One region per row, made in one call, and the
// rows united pairwise: the cost grows with the number of rectangles, where
// uniting them one at a time grows with its square. Null for no rectangle.
win32::UniqueRegion RegionFromRects(const std::vector<Rect>& rects);

}  // namespace tarnix::ui
