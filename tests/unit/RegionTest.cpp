// The shape of a skinned window: the scan of its mask and the centring.
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "FakePlatform.h"
#include "effects/modRegion.h"
#include "forms/Designs.h"

namespace tarnix {
namespace {

constexpr Rgb K{169, 169, 169}, A{200, 150, 60}, B{0, 0, 0};

Picture FromRows(std::initializer_list<std::initializer_list<Rgb>> rows) {
  const int h = int(rows.size()), w = int(rows.begin()->size());
  Picture p(w, h);
  int y = 0;
  for (const auto& row : rows) {
    int x = 0;
    for (const Rgb c : row) p.At(x++, y) = c;
    ++y;
  }
  return p;
}

std::vector<ui::Rect> Rects(std::initializer_list<ui::Rect> r) { return r; }

TEST(RegionScan, RunsBecomeOnePixelHighRectanglesInScanOrder) {
  const Picture p = FromRows({{K, K, K, K, K}, {K, A, A, K, B}, {A, A, A, A, A}});
  EXPECT_EQ(RegionFromPicture(p), Rects({{1, 1, 3, 2}, {4, 1, 5, 2}, {0, 2, 5, 3}}));
}

TEST(RegionScan, TheTopLeftPixelAloneNamesTheKeyColour) {
  Picture p(4, 3, A);
  p.At(0, 0) = B;  // the only pixel of its colour
  EXPECT_EQ(RegionFromPicture(p), Rects({{1, 0, 4, 1}, {0, 1, 4, 2}, {0, 2, 4, 3}}));
}

TEST(RegionScan, ARunAtTheRightEdgeEndsThereAndDoesNotContinueBelow) {
  const Picture p = FromRows({{K, K, A}, {A, K, K}});
  EXPECT_EQ(RegionFromPicture(p), Rects({{2, 0, 3, 1}, {0, 1, 1, 2}}));
}

TEST(RegionScan, APictureOfOneColourOrNoPixelsGivesNoRegion) {
  EXPECT_TRUE(RegionFromPicture(Picture(7, 5, A)).empty());
  EXPECT_TRUE(RegionFromPicture(Picture()).empty());
}

TEST(RegionScan, ABitmapFileOfOddWidthReadsRowsBottomUpWithoutItsPadding) {
  // 5 px of 24 bits need 15 bytes a row, padded to 16: a reader that ignores
  // the padding, the bottom-up order or BGR shifts the shape.
  const Picture p = FromRows({{K, K, K, K, K}, {K, A, A, K, B}, {A, A, A, A, A}});
  const std::optional<Bitmap> read24 = ReadBmp(WriteBmp24(p));
  ASSERT_TRUE(read24);
  EXPECT_EQ(RegionFromPicture(read24->picture), Rects({{1, 1, 3, 2}, {4, 1, 5, 2}, {0, 2, 5, 3}}));
  const std::optional<Bitmap> read8 = ReadBmp(WriteBmp8(p, {K, A, B}));
  ASSERT_TRUE(read8);
  EXPECT_EQ(RegionFromPicture(read8->picture), RegionFromPicture(read24->picture));
  // A bitmap resource holds the same bytes without the file header.
  for (const std::vector<uint8_t>& file : {WriteBmp24(p), WriteBmp8(p, {K, A, B})}) {
    const std::optional<Bitmap> dib = ReadDib(file.data() + 14, file.size() - 14);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->picture.Pixels(), p.Pixels());
  }
  // A 24-bit resource may carry a palette of biClrUsed entries before its bits.
  std::vector<uint8_t> withPalette = WriteBmp24(p);
  withPalette[46] = 2;  // biClrUsed
  withPalette.insert(withPalette.begin() + 54, {9, 9, 9, 0, 8, 8, 8, 0});
  const std::optional<Bitmap> hinted = ReadDib(withPalette.data() + 14, withPalette.size() - 14);
  ASSERT_TRUE(hinted);
  EXPECT_EQ(hinted->picture.Pixels(), p.Pixels()) << "the bits follow the palette";
  withPalette[46] = 0xFF;  // more entries than the resource holds
  withPalette[49] = 0x7F;
  EXPECT_FALSE(ReadDib(withPalette.data() + 14, withPalette.size() - 14));
  // Red and blue must not be swapped: a key colour of (1, 2, 3) against (3, 2, 1).
  const Picture rb = FromRows({{Rgb{1, 2, 3}, Rgb{3, 2, 1}, Rgb{1, 2, 3}}});
  EXPECT_EQ(RegionFromPicture(ReadBmp(WriteBmp24(rb))->picture), Rects({{1, 0, 2, 1}}));
}

TEST(ShapeFormToPicture, CentresOnA1024By768ScreenAndSizesToThePictureBox) {
  testing::FakeProcess p;
  testing::FakeHost host;
  host.pictures = [](int) { return std::optional<Picture>(Picture(440, 249, A)); };
  ui::Form form(kFrmOptionenDesign);
  form.SetHost(&host);
  form.Load();
  ShapeFormToPicture(p.platform, form.C(L"picDesign"), form);
  // Half the screen less half the picture: 292 px and 259.5 px; the window
  // lands on whole twips and so on pixel 259.
  EXPECT_EQ(form.Left(), 4380);
  EXPECT_EQ(form.Top(), 3892);
  EXPECT_EQ(ui::PixelsFromTwips(form.Left()), 292);
  EXPECT_EQ(ui::PixelsFromTwips(form.Top()), 259);
  EXPECT_EQ(form.Width(), 6600);
  EXPECT_EQ(form.Height(), 3735);
  EXPECT_TRUE(form.WindowRegion().empty()) << "a picture of one colour leaves the window unclipped";
  EXPECT_EQ(host.regionsApplied, 1);
}

}  // namespace
}  // namespace tarnix
