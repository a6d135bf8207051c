// Every picture of the program, drawn procedurally.
#pragma once
#include <string>
#include <vector>

#include "Draw.h"

namespace artgen {

inline constexpr Rgb kSkinKey{169, 169, 169};
inline constexpr Rgb kBlitzKey{127, 124, 43};

struct PalettedPicture {
  Picture picture;
  std::vector<Rgb> palette;
};

// The golden card of both dialogs; company is the credit line.
PalettedPicture DrawSkin(const std::string& boldItalicFont, const std::string& company);
// index 0..3: upper selected, lower selected, upper unselected, lower unselected.
Picture DrawLanguageButton(int index);
Picture DrawLogo();
PalettedPicture DrawRipples();

std::vector<uint8_t> DrawIconFile();

}  // namespace artgen
