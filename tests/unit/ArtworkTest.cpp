// The committed pictures carry what the windows depend on: sizes, key colours,
// the skin's outline, where black may appear, the lightning's run structure,
// and the icon's images.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ui/Picture.h"

namespace tarnix {
namespace {

const Rgb kSkinKey{169, 169, 169};
const Rgb kBlitzKey{127, 124, 43};
const Rgb kBlack{0, 0, 0};

Bitmap Load(const std::string& name) {
  const std::vector<uint8_t> bytes = ReadFileBytes(std::string(TARNIX_ART_DIR) + "/" + name);
  const std::optional<Bitmap> bmp = ReadBmp(bytes);
  if (!bmp) ADD_FAILURE() << name << " is missing or not a readable bitmap";
  return bmp.value_or(Bitmap{});
}

struct Row {
  int first = -1, last = -1, runs = 0;
};
Row Scan(const Picture& p, int y, Rgb key) {
  Row r;
  bool in = false;
  for (int x = 0; x < p.Width(); ++x) {
    const bool shape = p.At(x, y) != key;
    if (shape) {
      if (r.first < 0) r.first = x;
      r.last = x;
      if (!in) ++r.runs;
    }
    in = shape;
  }
  return r;
}

TEST(SkinPicture, BothCopiesHaveTheSameSizeAndPixels) {
  const Bitmap skin = Load("skin.bmp"), mask = Load("skin_mask.bmp");
  EXPECT_EQ(skin.bitsPerPixel, 24);
  EXPECT_EQ(mask.bitsPerPixel, 8);
  ASSERT_EQ(skin.picture.Width(), 440);
  ASSERT_EQ(skin.picture.Height(), 249);
  EXPECT_TRUE(skin.picture.Pixels() == mask.picture.Pixels()) << "the background and the mask differ";
  EXPECT_EQ(skin.picture.At(0, 0), kSkinKey);
}

TEST(SkinPicture, OutlineRowByRow) {
  const Picture p = Load("skin_mask.bmp").picture;
  ASSERT_EQ(p.Width(), 440);
  struct Sample { int row, first, last; };
  for (const Sample s : {Sample{1, 226, 275}, {2, 203, 294}, {10, 138, 343}, {20, 107, 363}, {30, 84, 377},
                         {44, 57, 395}, {45, 55, 437}, {60, 30, 437}, {74, 2, 437}, {75, 1, 437},
                         {150, 1, 437}, {234, 1, 437}, {240, 1, 432}, {246, 1, 422}}) {
    const Row r = Scan(p, s.row, kSkinKey);
    EXPECT_EQ(r.first, s.first) << "row " << s.row;
    EXPECT_EQ(r.last, s.last) << "row " << s.row;
  }
  for (int y = 1; y <= 246; ++y) EXPECT_EQ(Scan(p, y, kSkinKey).runs, 1) << "row " << y << " must be one run";
  for (int y : {0, 247, 248}) EXPECT_EQ(Scan(p, y, kSkinKey).runs, 0) << "row " << y << " must be key only";
  for (int y = 0; y < 249; ++y) {
    EXPECT_EQ(p.At(0, y), kSkinKey);
    EXPECT_EQ(p.At(438, y), kSkinKey);
    EXPECT_EQ(p.At(439, y), kSkinKey);
  }
}

TEST(SkinPicture, BlackOnlyInTheTitleAndCreditLettering) {
  const Picture p = Load("skin_mask.bmp").picture;
  ASSERT_EQ(p.Width(), 440);
  int titleBlack = 0, creditBlack = 0, strayBlack = 0;
  int titleLeft = 999, titleRight = -1, titleTop = 999, titleBottom = -1;
  for (int y = 0; y < p.Height(); ++y)
    for (int x = 0; x < p.Width(); ++x) {
      if (p.At(x, y) != kBlack) continue;
      if (x >= 127 && x <= 345 && y >= 15 && y <= 31) {
        ++titleBlack;
        titleLeft = std::min(titleLeft, x), titleRight = std::max(titleRight, x);
        titleTop = std::min(titleTop, y), titleBottom = std::max(titleBottom, y);
      } else if (x >= 281 && x <= 432 && y >= 53 && y <= 61) {
        ++creditBlack;
      } else {
        ++strayBlack;
      }
    }
  EXPECT_EQ(strayBlack, 0) << "black pixels outside the two lettering boxes";
  EXPECT_GT(titleBlack, 600) << "the title lettering is heavy";
  EXPECT_GT(creditBlack, 100);
  EXPECT_LE(titleRight - titleLeft, 218);
  EXPECT_GT(titleRight - titleLeft, 190) << "the title spans the dome";
  EXPECT_GT(titleBottom - titleTop, 12);
}

TEST(SkinPicture, GoldenInsideTheOutline) {
  const Picture p = Load("skin_mask.bmp").picture;
  ASSERT_EQ(p.Width(), 440);
  const Rgb upper = p.At(200, 120), lowerLeft = p.At(20, 235);
  EXPECT_GT(upper.r, 240);
  EXPECT_GT(upper.g, 170);
  EXPECT_LT(upper.b, 120) << "amber, not grey";
  EXPECT_LT(lowerLeft.r + lowerLeft.g, upper.r + upper.g) << "deeper toward the lower left";
}

TEST(LanguageButtons, SizesCornersAndOrnament) {
  const Rgb corners[4] = {{255, 204, 87}, {248, 183, 78}, {255, 204, 87}, {245, 181, 77}};
  for (int i = 0; i < 4; ++i) {
    const Bitmap b = Load("sprache" + std::to_string(i) + ".bmp");
    ASSERT_EQ(b.picture.Width(), 205);
    ASSERT_EQ(b.picture.Height(), 56);
    EXPECT_EQ(b.picture.At(0, 0), corners[i]) << "button " << i;
    const Rgb stroke = b.picture.At(110, 28);
    EXPECT_GT(stroke.r, 120) << "the red stroke lies under the language name";
    EXPECT_LT(stroke.g, 60);
    int blue = 0;
    for (int y = 14; y < 42; ++y)
      for (int x = 38; x < 66; ++x) {
        const Rgb c = b.picture.At(x, y);
        if (c.b > c.r + 40) ++blue;
      }
    if (i < 2) EXPECT_GT(blue, 40) << "selected button " << i << " shows the blue curl";
    else EXPECT_EQ(blue, 0) << "unselected button " << i << " shows an empty ring";
  }
}

TEST(LanguageButtons, BlendIntoTheSkinWhereTheySit) {
  const Bitmap skin = Load("skin.bmp");
  for (int i = 0; i < 4; ++i) {
    const Bitmap b = Load("sprache" + std::to_string(i) + ".bmp");
    const int top = i % 2 == 0 ? 112 : 169;  // the wizard's upper and lower button, at x = 121
    int differ = 0;
    for (int y : {0, 1, 2, 3, 4, 5, 51, 52, 53, 54, 55})  // above and below the ornament
      for (int x = 1; x < 205; ++x)
        if (!(b.picture.At(x, y) == skin.picture.At(121 + x, top + y))) ++differ;
    EXPECT_EQ(differ, 0) << "button " << i << " shows an edge against the skin";
  }
}

TEST(OtherPictures, LogoAndRipples) {
  const Bitmap logo = Load("logo.bmp"), ripples = Load("ripples.bmp");
  EXPECT_EQ(logo.picture.Width(), 297);
  EXPECT_EQ(logo.picture.Height(), 240);
  EXPECT_EQ(logo.picture.At(0, 0), (Rgb{4, 4, 4}));
  EXPECT_EQ(ripples.picture.Width(), 640);
  EXPECT_EQ(ripples.picture.Height(), 480);
  EXPECT_EQ(ripples.bitsPerPixel, 8);
  EXPECT_EQ(ripples.picture.At(0, 0), (Rgb{217, 181, 0}));
}

TEST(LightningMask, KeyStrokesAndRuns) {
  const Bitmap b = Load("blitz_mask.bmp");
  const Picture& p = b.picture;
  ASSERT_EQ(p.Width(), 640);
  ASSERT_EQ(p.Height(), 480);
  EXPECT_EQ(p.At(0, 0), kBlitzKey);
  int strokes = 0, maxRuns = 0, left = 999, right = -1, top = 999, bottom = -1;
  std::set<uint32_t> colours;
  for (int y = 0; y < 480; ++y) {
    maxRuns = std::max(maxRuns, Scan(p, y, kBlitzKey).runs);
    for (int x = 0; x < 640; ++x) {
      const Rgb c = p.At(x, y);
      colours.insert(uint32_t(c.r) << 16 | c.g << 8 | c.b);
      if (c == kBlitzKey) continue;
      ++strokes;
      left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  EXPECT_GE(strokes, 15840);
  EXPECT_LE(strokes, 19390);
  EXPECT_GE(left, 48);
  EXPECT_LE(right, 635);
  EXPECT_GE(top, 0);
  EXPECT_LE(bottom, 470);
  EXPECT_GE(maxRuns, 20) << "the fan must be dense";
  EXPECT_LE(maxRuns, 31);
  EXPECT_GE(colours.size(), 30u) << "soft edges blend into the olive";
  EXPECT_NE(p.At(634, 0), kBlitzKey) << "the bolt starts at the top edge near the right corner";
}

uint16_t U16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }
uint32_t U32(const std::vector<uint8_t>& b, size_t at) { return U16(b, at) | uint32_t(U16(b, at + 2)) << 16; }

TEST(ProgramIcon, TwentyTwoImages) {
  const std::vector<uint8_t> ico = ReadFileBytes(std::string(TARNIX_ART_DIR) + "/tarnix.ico");
  ASSERT_GE(ico.size(), 6u);
  EXPECT_EQ(U16(ico, 2), 1) << "an icon, not a cursor";
  ASSERT_EQ(U16(ico, 4), 22);
  std::set<std::pair<int, int>> seen;
  for (int i = 0; i < 22; ++i) {
    const size_t e = 6 + 16 * size_t(i);
    const int size = ico[e], bits = U16(ico, e + 6);
    const uint32_t bytes = U32(ico, e + 8), offset = U32(ico, e + 12);
    ASSERT_LE(size_t(offset) + bytes, ico.size()) << "entry " << i;
    EXPECT_EQ(U32(ico, offset + 4), uint32_t(size)) << "image width of entry " << i;
    EXPECT_EQ(U32(ico, offset + 8), uint32_t(size * 2)) << "image height with its mask";
    EXPECT_EQ(U16(ico, offset + 14), bits);
    seen.insert({size, bits});
  }
  std::set<std::pair<int, int>> expected;
  for (int s : {16, 24, 32, 48}) for (int b : {4, 8, 24, 32}) expected.insert({s, b});
  for (int s : {64, 96}) for (int b : {8, 24, 32}) expected.insert({s, b});
  EXPECT_EQ(seen, expected);
}

TEST(BmpReader, RejectsDamagedFiles) {
  std::vector<uint8_t> bytes = ReadFileBytes(std::string(TARNIX_ART_DIR) + "/sprache0.bmp");
  ASSERT_TRUE(ReadBmp(bytes));
  for (size_t cut : {size_t(0), size_t(10), size_t(60), bytes.size() / 2, bytes.size() - 1}) {
    std::vector<uint8_t> shorter(bytes.begin(), bytes.begin() + long(cut));
    EXPECT_FALSE(ReadBmp(shorter)) << "cut at " << cut;
  }
  bytes[28] = 7;  // bits per pixel nobody writes
  EXPECT_FALSE(ReadBmp(bytes));
}

}  // namespace
}  // namespace tarnix
