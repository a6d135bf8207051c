// Prints the program's scan of a mask picture, one "left top right bottom"
// line per run, for the end-to-end tests to compare with a window's region.
#include <cstdio>

#include "effects/modRegion.h"
#include "ui/Picture.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const auto bitmap = tarnix::ReadBmp(tarnix::ReadFileBytes(argv[1]));
  if (!bitmap) return 1;
  for (const auto& r : tarnix::RegionFromPicture(bitmap->picture)) std::printf("%d %d %d %d\n", r.left, r.top, r.right, r.bottom);
  return 0;
}
