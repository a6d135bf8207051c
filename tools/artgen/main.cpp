// Draws every picture of the program into a folder, deterministically:
//   artgen OUTPUT_FOLDER [--stats]
#include <cstdio>
#include <string>

#include "Flag.h"
#include "Pictures.h"

#ifndef ARTGEN_FONT
#define ARTGEN_FONT "/usr/share/fonts/truetype/liberation/LiberationSans-BoldItalic.ttf"
#endif

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: artgen OUTPUT_FOLDER [--stats]\n");
    return 2;
  }
  const std::string dir = argv[1];
  bool ok = true;
  auto write = [&](const std::string& name, const std::vector<uint8_t>& bytes) {
    if (!tarnix::WriteFileBytes(dir + "/" + name, bytes)) {
      std::fprintf(stderr, "artgen: cannot write %s/%s\n", dir.c_str(), name.c_str());
      ok = false;
    }
  };
  try {
    const artgen::PalettedPicture skin = artgen::DrawSkin(ARTGEN_FONT, "Pellhorn Software");
    write("skin.bmp", tarnix::WriteBmp24(skin.picture));
    write("skin_mask.bmp", tarnix::WriteBmp8(skin.picture, skin.palette));
    for (int i = 0; i < 4; ++i)
      write("sprache" + std::to_string(i) + ".bmp", tarnix::WriteBmp24(artgen::DrawLanguageButton(i)));
    write("logo.bmp", tarnix::WriteBmp24(artgen::DrawLogo()));
    const artgen::PalettedPicture ripples = artgen::DrawRipples();
    write("ripples.bmp", tarnix::WriteBmp8(ripples.picture, ripples.palette));
    artgen::LightningStats stats;
    const artgen::PalettedPicture blitz = artgen::DrawLightningMask({}, &stats);
    write("blitz_mask.bmp", tarnix::WriteBmp8(blitz.picture, blitz.palette));
    write("tarnix.ico", artgen::DrawIconFile());
    if (argc > 2 && std::string(argv[2]) == "--stats")
      std::printf("lightning: %d stroke pixels, at most %d runs in a row\n", stats.strokePixels, stats.maxRuns);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "artgen: %s\n", e.what());
    return 1;
  }
  return ok ? 0 : 1;
}
