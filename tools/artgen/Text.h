// Lettering through FreeType, fitted into a box of pixels.
#pragma once
#include <string>

#include "Draw.h"

namespace artgen {

struct TextStyle {
  std::string fontFile;
  double embolden = 0;  // extra stroke, in pixels
};

// Renders text so that its visible pixels span exactly the box [left, right] x
// [top, bottom] (or as near as whole pixels allow, never outside it).
Coverage FitText(const std::string& text, const TextStyle& style, int canvasW, int canvasH, int left,
                 int top, int right, int bottom);

}  // namespace artgen
