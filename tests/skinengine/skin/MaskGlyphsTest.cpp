// Glyph cell images: which cell is drawn where, clipping, the transparent colour and the
// lightened mode.
#include <gtest/gtest.h>

#include "skinengine/skin/sMaskData.h"

namespace {

using platform::Bitmap;
using platform::TColor;
using sMaskData::GlyphMode;
using sMaskData::MaskedImageBlend;

constexpr TColor Magenta = 0xFF00FF;
constexpr TColor Grey = 0x404040;

// A 51 x 32 image of 17 x 16 cells: picture pixel (x, y) is RGB(x, 4·y, 50), over mask m.
Bitmap Cells(int m = 0) {
  Bitmap image(51, 32);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 51; ++x) {
      image.SetPixel(x, y, platform::RGB(x, 4 * y, 50));
      image.SetPixel(x, y + 16, static_cast<TColor>(m) * 0x010101u);
    }
  return image;
}

Bitmap Target(int width, int height) {
  Bitmap b(width, height);
  b.Fill(Grey);
  return b;
}

TEST(GlyphCellTest, TheCellIsDrawnAtThePointFromItsThirdOfTheImage) {
  Bitmap dest = Target(30, 30);
  sMaskData::PaintGlyphCell(dest, Cells(), {5, 7}, GlyphMode::Plain, Magenta, 1);
  EXPECT_EQ(dest.Pixel(5, 7), platform::RGB(17, 0, 50));
  EXPECT_EQ(dest.Pixel(21, 22), platform::RGB(33, 60, 50));
  EXPECT_EQ(dest.Pixel(22, 22), Grey);
  EXPECT_EQ(dest.Pixel(21, 23), Grey);
  EXPECT_EQ(dest.Pixel(4, 7), Grey);
}

TEST(GlyphCellTest, NothingIsDrawnUnlessACellIsSmallerThanTheDestination) {
  Bitmap narrow = Target(17, 30);
  sMaskData::PaintGlyphCell(narrow, Cells(), {0, 0}, GlyphMode::Plain, Magenta, 0);
  EXPECT_EQ(narrow, Target(17, 30));
  Bitmap low = Target(30, 16);
  sMaskData::PaintGlyphCellNoKey(low, Cells(), {0, 0}, GlyphMode::Plain, 0);
  EXPECT_EQ(low, Target(30, 16));
  Bitmap fits = Target(18, 17);
  sMaskData::PaintGlyphCell(fits, Cells(), {0, 0}, GlyphMode::Plain, Magenta, 2);
  EXPECT_EQ(fits.Pixel(16, 15), platform::RGB(50, 60, 50));
}

TEST(GlyphCellTest, PointsOffTheDestinationMoveTheSourceStart) {
  Bitmap dest = Target(30, 30);
  sMaskData::PaintGlyphCell(dest, Cells(), {-2, -3}, GlyphMode::Plain, Magenta, 0);
  EXPECT_EQ(dest.Pixel(0, 0), platform::RGB(2, 12, 50));
  EXPECT_EQ(dest.Pixel(14, 12), platform::RGB(16, 60, 50));
  EXPECT_EQ(dest.Pixel(15, 12), Grey);

  Bitmap corner = Target(30, 30);
  sMaskData::PaintGlyphCell(corner, Cells(), {25, 20}, GlyphMode::Plain, Magenta, 0);
  EXPECT_EQ(corner.Pixel(29, 29), platform::RGB(4, 36, 50)) << "cut at the right and bottom";
}

TEST(GlyphCellTest, TransparentPixelsAreSkippedOnlyWithAKey) {
  Bitmap image = Cells();
  image.SetPixel(3, 3, Magenta);
  Bitmap keyed = Target(30, 30);
  sMaskData::PaintGlyphCell(keyed, image, {0, 0}, GlyphMode::Plain, Magenta, 0);
  EXPECT_EQ(keyed.Pixel(3, 3), Grey);
  Bitmap plain = Target(30, 30);
  sMaskData::PaintGlyphCellNoKey(plain, image, {0, 0}, GlyphMode::Plain, 0);
  EXPECT_EQ(plain.Pixel(3, 3), Magenta);
}

TEST(GlyphCellTest, TheLightenedModeRaisesTheMaskBy100UpTo255) {
  Bitmap dest = Target(30, 30);
  sMaskData::PaintGlyphCellNoKey(dest, Cells(0), {0, 0}, GlyphMode::Lightened, 0);
  EXPECT_EQ(platform::GetBValue(dest.Pixel(0, 0)), MaskedImageBlend(0x40, 50, 100));
  EXPECT_EQ(platform::GetGValue(dest.Pixel(5, 10)), MaskedImageBlend(0x40, 40, 100));

  Bitmap capped = Target(30, 30);
  sMaskData::PaintGlyphCellNoKey(capped, Cells(200), {0, 0}, GlyphMode::Lightened, 0);
  EXPECT_EQ(platform::GetBValue(capped.Pixel(0, 0)), MaskedImageBlend(0x40, 50, 255))
      << "200 + 100 is capped at 255";
}

TEST(GlyphCellTest, CellsOutsideTheImageDrawNothing) {
  Bitmap dest = Target(30, 30);
  sMaskData::PaintGlyphCell(dest, Cells(), {0, 0}, GlyphMode::Plain, Magenta, 3);
  sMaskData::PaintGlyphCell(dest, Cells(), {0, 0}, GlyphMode::Plain, Magenta, -1);
  sMaskData::PaintGlyphCell(dest, Bitmap(), {0, 0}, GlyphMode::Plain, Magenta, 0);
  EXPECT_EQ(dest, Target(30, 30));
}

}  // namespace
