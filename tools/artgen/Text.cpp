#include "Text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <stdexcept>

namespace artgen {

namespace {

struct Box {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
  int Width() const { return right - left + 1; }
  int Height() const { return bottom - top + 1; }
};

// Faint fringe pixels below this coverage are dropped, so the box is what the eye sees.
constexpr double kFringe = 24.0 / 255.0;

class Face {
 public:
  explicit Face(const std::string& file) {
    if (FT_Init_FreeType(&lib_) || FT_New_Face(lib_, file.c_str(), 0, &face_))
      throw std::runtime_error("cannot open font " + file);
  }
  ~Face() {
    FT_Done_Face(face_);
    FT_Done_FreeType(lib_);
  }
  // Renders at em height h pixels, horizontal stretch sx, pen at (px, py).
  Coverage Render(const std::string& text, double h, double sx, double embolden, double px, double py, int w,
                  int hgt) {
    Coverage c(w, hgt);
    FT_Set_Char_Size(face_, 0, FT_F26Dot6(std::lround(h * 64)), 72, 72);
    FT_Matrix m{FT_Fixed(std::lround(sx * 65536)), 0, 0, 0x10000};
    double pen = px;
    for (char ch : text) {
      FT_Vector delta{FT_Pos(std::lround((pen - std::floor(pen)) * 64)), 0};
      FT_Set_Transform(face_, &m, &delta);
      if (FT_Load_Char(face_, FT_ULong(static_cast<unsigned char>(ch)), FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP))
        continue;
      FT_GlyphSlot g = face_->glyph;
      if (embolden > 0) FT_Outline_Embolden(&g->outline, FT_Pos(std::lround(embolden * 64)));
      FT_Render_Glyph(g, FT_RENDER_MODE_NORMAL);
      const int ox = int(std::floor(pen)) + g->bitmap_left, oy = int(std::lround(py)) - g->bitmap_top;
      for (unsigned y = 0; y < g->bitmap.rows; ++y)
        for (unsigned x = 0; x < g->bitmap.width; ++x) {
          const double a = g->bitmap.buffer[y * g->bitmap.pitch + x] / 255.0;
          if (a >= kFringe) c.Max(ox + int(x), oy + int(y), a);
        }
      pen += (g->advance.x + (embolden > 0 ? std::lround(embolden * 64) : 0)) / 64.0;
    }
    return c;
  }

 private:
  FT_Library lib_ = nullptr;
  FT_Face face_ = nullptr;
};

Box Measure(const Coverage& c) {
  Box b;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x)
      if (c.At(x, y) > 0) {
        b.left = std::min(b.left, x);
        b.right = std::max(b.right, x);
        b.top = std::min(b.top, y);
        b.bottom = std::max(b.bottom, y);
      }
  return b;
}

}  // namespace

Coverage FitText(const std::string& text, const TextStyle& style, int canvasW, int canvasH, int left, int top,
                 int right, int bottom) {
  Face face(style.fontFile);
  const int wantW = right - left + 1, wantH = bottom - top + 1;
  const int scratchW = wantW * 3 + 200, scratchH = wantH * 4 + 100;
  auto render = [&](double h, double sx) {
    return face.Render(text, h, sx, style.embolden, 50, wantH * 2 + 20, scratchW, scratchH);
  };
  // Height first (stretch does not change it), then the stretch for the width.
  double lo = 2, hi = wantH * 3.0;
  for (int i = 0; i < 40; ++i) {
    const double mid = (lo + hi) / 2;
    (Measure(render(mid, 1.0)).Height() <= wantH ? lo : hi) = mid;
  }
  const double h = lo;
  double slo = 0.2, shi = 8.0;
  for (int i = 0; i < 40; ++i) {
    const double mid = (slo + shi) / 2;
    (Measure(render(h, mid)).Width() <= wantW ? slo : shi) = mid;
  }
  const Coverage scratch = render(h, slo);
  const Box b = Measure(scratch);
  Coverage out(canvasW, canvasH);
  for (int y = b.top; y <= b.bottom; ++y)
    for (int x = b.left; x <= b.right; ++x)
      if (scratch.At(x, y) > 0) out.Max(left + x - b.left, top + y - b.top, scratch.At(x, y));
  return out;
}

}  // namespace artgen
