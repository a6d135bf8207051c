#pragma once
#include "Pictures.h"

namespace artgen {

struct Rgba {
  Col c;
  double a = 0;
};
struct FlagLook {
  double cx, cy, size, tilt;
};
Rgba FlagAt(double x, double y, const FlagLook& f);
// One pixel of the emblem by 4 x 4 samples: its colour and how much of it is covered.
Rgba FlagPixel(int x, int y, const FlagLook& f);

struct LightningParams {
  uint64_t seed = 17;
  int branches = 30;
  double fanLeft = 262, fanRight = 610;
  double minLength = 80, maxLength = 200;
  double forkChance = 0.5;
};
struct LightningStats {
  int strokePixels = 0;
  int maxRuns = 0;
};
// The key colour and 64 levels of white blended into it, as one palette.
PalettedPicture DrawLightningMask(const LightningParams& params, LightningStats* stats);

}  // namespace artgen
