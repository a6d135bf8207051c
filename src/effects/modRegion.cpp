#include "effects/modRegion.h"

namespace tarnix {

std::vector<ui::Rect> RegionFromPicture(const Picture& picture) {
  std::vector<ui::Rect> rects;
  const int w = picture.Width(), h = picture.Height();
  if (w <= 0 || h <= 0) return rects;
  const Rgb key = picture.At(0, 0);
  const Rgb* row = picture.Pixels().data();
  for (int y = 0; y < h; ++y, row += w) {
    int x = 0;
    while (x < w) {
      while (x < w && row[x] == key) ++x;
      if (x == w) break;
      const int start = x;
      while (x < w && row[x] != key) ++x;
      rects.push_back({start, y, x, y + 1});
    }
  }
  return rects;
}

}  // namespace tarnix
