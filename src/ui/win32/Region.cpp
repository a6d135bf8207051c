#include "ui/win32/Region.h"

#include <cstring>

namespace tarnix::ui {

namespace {

win32::UniqueRegion RowRegion(const Rect* first, size_t count) {
  std::vector<uint8_t> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = DWORD(count);
  data->rdh.nRgnSize = DWORD(count * sizeof(RECT));
  RECT bounds{first->left, first->top, first->right, first->bottom};
  auto* out = reinterpret_cast<RECT*>(data->Buffer);
  for (size_t i = 0; i < count; ++i) {
    const Rect& r = first[i];
    out[i] = {r.left, r.top, r.right, r.bottom};
    if (r.left < bounds.left) bounds.left = r.left;
    if (r.right > bounds.right) bounds.right = r.right;
    if (r.bottom > bounds.bottom) bounds.bottom = r.bottom;
  }
  data->rdh.rcBound = bounds;
  return win32::UniqueRegion(ExtCreateRegion(nullptr, DWORD(buffer.size()), data));
}

}  // namespace

win32::UniqueRegion RegionFromRects(const std::vector<Rect>& rects) {
  std::vector<win32::UniqueRegion> level;
  for (size_t start = 0; start < rects.size();) {
    size_t end = start + 1;
    while (end < rects.size() && rects[end].top == rects[start].top) ++end;
    level.push_back(RowRegion(&rects[start], end - start));
    start = end;
  }
  // Pairwise: each region takes part in about log2(rows) unions, and at most
  // rows + log2(rows) regions exist at once.
  while (level.size() > 1) {
    std::vector<win32::UniqueRegion> next;
    next.reserve((level.size() + 1) / 2);
    for (size_t i = 0; i + 1 < level.size(); i += 2) {
      CombineRgn(level[i].get(), level[i].get(), level[i + 1].get(), RGN_OR);
      next.push_back(std::move(level[i]));
    }
    if (level.size() % 2) next.push_back(std::move(level.back()));
    level = std::move(next);
  }
  return level.empty() ? win32::UniqueRegion() : std::move(level.front());
}

}  // namespace tarnix::ui
