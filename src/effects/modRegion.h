// The shape of a skinned window, read from its mask picture.
#pragma once
#include <vector>

#include "ui/Form.h"
#include "ui/Picture.h"

namespace tarnix {

// Every run of pixels that do not have the key colour (the colour of pixel
// (0, 0)) as a one-pixel-high rectangle, row by row from the top and left to
// right within a row; runs end at the right edge. Empty when the picture has
// no other colour or no pixel.
std::vector<ui::Rect> RegionFromPicture(const Picture& picture);

}  // namespace tarnix
