// The mask scan on any small picture: the rectangles are one pixel high, in
// order, inside the picture, and cover exactly the pixels that are not the key.
#include "FuzzInput.h"
#include "effects/modRegion.h"
#include "ui/Picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarnix;
  if (size < 2) return 0;
  const int width = data[0] % 65, height = data[1] % 65;
  Picture picture(width, height);
  // Few colours, so that runs form: each byte picks one of four.
  static const Rgb kColours[4] = {{169, 169, 169}, {0, 0, 0}, {255, 255, 255}, {169, 169, 168}};
  for (int i = 0; i < width * height; ++i) {
    const size_t at = 2 + size_t(i) / 4;
    const int pick = at < size ? (data[at] >> (2 * (i % 4))) & 3 : 0;
    picture.At(i % width, i / width) = kColours[pick];
  }
  const std::vector<ui::Rect> rects = RegionFromPicture(picture);
  if (width == 0 || height == 0) {
    if (!rects.empty()) fuzz::Fail("a region for a picture without pixels");
    return 0;
  }
  long covered = 0;
  for (size_t k = 0; k < rects.size(); ++k) {
    const ui::Rect& r = rects[k];
    if (r.bottom != r.top + 1 || r.left < 0 || r.right > width || r.left >= r.right || r.top < 0 || r.top >= height)
      fuzz::Fail("a rectangle that is not a run inside the picture");
    if (k > 0 && (r.top < rects[k - 1].top || (r.top == rects[k - 1].top && r.left <= rects[k - 1].right)))
      fuzz::Fail("rectangles out of order or touching");
    for (int x = r.left; x < r.right; ++x)
      if (picture.At(x, r.top) == picture.At(0, 0)) fuzz::Fail("a key pixel inside the region");
    covered += r.right - r.left;
  }
  long notKey = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) notKey += !(picture.At(x, y) == picture.At(0, 0));
  if (covered != notKey) fuzz::Fail("the region misses pixels");
  return 0;
}
