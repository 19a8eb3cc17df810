// The nine-slice border painters: the blend rule, where each slice lands, tiling, the
// transparent colour and the region it cuts.
#include <gtest/gtest.h>

#include <algorithm>

#include "skinengine/skin/sMaskData.h"

namespace {

using platform::Bitmap;
using platform::Region;
using platform::TColor;
using platform::TPoint;
using platform::TRect;
using sMaskData::MaskedImageBlend;

constexpr TColor Magenta = 0xFF00FF;
constexpr TColor Grey = 0x404040;

// A border mask whose picture names each of its pixels (red = 2·x, green = 3·y) over a mask
// of `maskValue`, so that with mask 0 every painted pixel says where it came from.
Bitmap NamedMask(int width, int height, int maskValue = 0) {
  Bitmap mask(width, height);
  const int half = height / 2;
  for (int y = 0; y < half; ++y)
    for (int x = 0; x < width; ++x) {
      mask.SetPixel(x, y, platform::RGB(2 * x, 3 * y, 100));
      mask.SetPixel(x, y + half, static_cast<TColor>(maskValue) * 0x010101u);
    }
  return mask;
}

// The mask pixel a destination pixel was copied from, or (-1, -1) where nothing was painted.
TPoint From(const Bitmap& dest, int x, int y) {
  const TColor c = dest.Pixel(x, y);
  if (platform::GetBValue(c) != 100) return {-1, -1};
  return {platform::GetRValue(c) / 2, platform::GetGValue(c) / 3};
}

Bitmap Target(int width, int height) {
  Bitmap b(width, height);
  b.Fill(Grey);
  return b;
}

void Paint(Bitmap& dest, const Bitmap& mask, int state = 0, bool centre = true) {
  Region region(dest.BoundsRect());
  sMaskData::PaintMaskedBorder(dest, mask, state, centre, Magenta, region);
}

TEST(MaskedImageBlendTest, MaskZeroCopiesThePictureAndFullMaskKeepsTheBackground) {
  EXPECT_EQ(MaskedImageBlend(200, 100, 0), 100);
  EXPECT_EQ(MaskedImageBlend(200, 100, 255), 200);  // 199 + 100 - 99
  EXPECT_EQ(MaskedImageBlend(255, 0, 255), 254);
  EXPECT_EQ(MaskedImageBlend(0, 255, 255), 1) << "the picture's 1/256 remainder";
  EXPECT_EQ(MaskedImageBlend(200, 100, 128), 150);
  for (int d : {0, 97, 255})
    for (int p : {0, 13, 254, 255})
      for (int m : {0, 1, 127, 254, 255}) {
        const int v = MaskedImageBlend(d, p, m);
        EXPECT_TRUE(v >= 0 && v <= 255) << d << " " << p << " " << m;
      }
}

TEST(MaskBordersTest, SliceSizeIsANinthByASixth) {
  EXPECT_EQ(sMaskData::SliceSize(Bitmap(90, 60)), (platform::TSize{10, 10}));
  EXPECT_EQ(sMaskData::SliceSize(Bitmap(144, 60)), (platform::TSize{16, 10}));
  EXPECT_EQ(sMaskData::SliceSize(Bitmap(50, 20)), (platform::TSize{5, 3}));
}

TEST(MaskBordersTest, ASquareTargetTakesCornersOneTileOnEachEdgeAndOneCentreTile) {
  Bitmap dest = Target(30, 30);
  Paint(dest, NamedMask(90, 60));
  EXPECT_EQ(From(dest, 0, 0), (TPoint{0, 0}));
  EXPECT_EQ(From(dest, 29, 0), (TPoint{29, 0}));
  EXPECT_EQ(From(dest, 0, 29), (TPoint{0, 29}));
  EXPECT_EQ(From(dest, 29, 29), (TPoint{29, 29}));
  EXPECT_EQ(From(dest, 15, 0), (TPoint{15, 0})) << "top edge";
  EXPECT_EQ(From(dest, 0, 15), (TPoint{0, 15})) << "left edge";
  EXPECT_EQ(From(dest, 29, 15), (TPoint{29, 15})) << "right edge";
  EXPECT_EQ(From(dest, 15, 29), (TPoint{15, 29})) << "bottom edge";
  EXPECT_EQ(From(dest, 15, 15), (TPoint{15, 15})) << "centre";
}

TEST(MaskBordersTest, ATargetTwoSlicesHighHasNoSideEdgesOrCentre) {
  Bitmap dest = Target(30, 20);
  Paint(dest, NamedMask(90, 60));
  EXPECT_EQ(From(dest, 15, 0), (TPoint{15, 0}));
  EXPECT_EQ(From(dest, 15, 19), (TPoint{15, 29}));
  EXPECT_EQ(From(dest, 0, 10), (TPoint{0, 20})) << "the bottom corners meet the top ones";
  EXPECT_EQ(From(dest, 29, 9), (TPoint{29, 9}));
}

TEST(MaskBordersTest, EdgesAndCentreAreTiledNotStretchedAndEndInAPartialTile) {
  Bitmap dest = Target(45, 37);
  Paint(dest, NamedMask(90, 60));
  // Top edge: whole tiles at 10 and 20, then 5 of the next up to the right corner at 35.
  EXPECT_EQ(From(dest, 10, 0), (TPoint{10, 0}));
  EXPECT_EQ(From(dest, 25, 0), (TPoint{15, 0}));
  EXPECT_EQ(From(dest, 34, 0), (TPoint{14, 0}));
  EXPECT_EQ(From(dest, 35, 0), (TPoint{20, 0}));
  // Left edge: a whole tile at 10; the next starts below 37 - 20, so it stops at 27.
  EXPECT_EQ(From(dest, 0, 19), (TPoint{0, 19}));
  EXPECT_EQ(From(dest, 0, 26), (TPoint{0, 16}));
  EXPECT_EQ(From(dest, 0, 27), (TPoint{0, 20})) << "bottom corner";
  EXPECT_EQ(From(dest, 44, 26), (TPoint{29, 16}));
  // Centre bands repeat the centre slice both ways, with the same partial ends.
  EXPECT_EQ(From(dest, 33, 23), (TPoint{13, 13}));
  EXPECT_EQ(From(dest, 34, 26), (TPoint{14, 16}));
  EXPECT_EQ(From(dest, 44, 36), (TPoint{29, 29}));
}

// Every centre pixel of a target painted with state 1 repeats the centre slice of block 1.
void ExpectRepeatedCentre(const Bitmap& dest, const TRect& target, const TRect& visible) {
  for (int y = std::max(target.Top + 10, visible.Top); y < visible.Bottom; ++y)
    for (int x = std::max(target.Left + 10, visible.Left); x < visible.Right; ++x)
      ASSERT_EQ(From(dest, x, y), (TPoint{40 + (x - target.Left) % 10, 10 + (y - target.Top) % 10}))
          << x << ", " << y;
}

TEST(MaskBordersTest, LargeCentresRepeatTheSliceRightUpToTheFrame) {
  for (const platform::TSize size : {platform::TSize{23, 21}, {257, 131}, {31, 600}}) {
    Bitmap dest = Target(size.cx, size.cy);
    Region region(dest.BoundsRect());
    sMaskData::PaintMaskedBorder(dest, NamedMask(90, 60), 1, true, Magenta, region);
    ExpectRepeatedCentre(dest, dest.BoundsRect(), {0, 0, size.cx - 10, size.cy - 10});
    EXPECT_EQ(From(dest, size.cx - 10, size.cy / 2).X, 50) << "right edge";
  }
  // A section reaching past the bitmap is cut at its edge.
  Bitmap dest = Target(100, 80);
  sMaskData::PaintSectionBorder(dest, NamedMask(90, 60), 1, true, {7, 3, 140, 130});
  ExpectRepeatedCentre(dest, {7, 3, 140, 130}, dest.BoundsRect());

  // One starting left of the bitmap keeps to whole tiles: those starting off it are left out.
  Bitmap off = Target(40, 40);
  sMaskData::PaintSectionBorder(off, NamedMask(90, 60), 1, true, {-15, 0, 40, 40});
  EXPECT_EQ(off.Pixel(0, 15), Grey) << "the centre tile at -5";
  EXPECT_EQ(From(off, 5, 15), (TPoint{40, 15}));
}

TEST(MaskBordersTest, ANarrowTargetSplitsTheCornersWithTheOddPixelOnTheRight) {
  Bitmap dest = Target(15, 30);
  Paint(dest, NamedMask(90, 60));
  EXPECT_EQ(From(dest, 6, 0), (TPoint{6, 0})) << "left corner 7 wide";
  EXPECT_EQ(From(dest, 7, 0), (TPoint{22, 0})) << "right corner 8 wide, its outer part";
  EXPECT_EQ(From(dest, 14, 29), (TPoint{29, 29}));
}

TEST(MaskBordersTest, TheStateChoosesTheBlock) {
  Bitmap dest = Target(30, 30);
  Paint(dest, NamedMask(90, 60), 2);
  EXPECT_EQ(From(dest, 0, 0), (TPoint{60, 0}));
  EXPECT_EQ(From(dest, 29, 29), (TPoint{89, 29}));
  EXPECT_EQ(From(dest, 15, 15), (TPoint{75, 15}));
  Bitmap outside = Target(30, 30);
  Paint(outside, NamedMask(90, 60), 3);
  EXPECT_EQ(outside, Target(30, 30)) << "a block beyond the mask paints nothing";
}

TEST(MaskBordersTest, WithoutFillingTheCentreStaysAsItWas) {
  Bitmap dest = Target(30, 30);
  Paint(dest, NamedMask(90, 60), 0, false);
  EXPECT_EQ(dest.Pixel(15, 15), Grey);
  EXPECT_EQ(From(dest, 15, 0), (TPoint{15, 0}));
}

TEST(MaskBordersTest, TheMaskHalfBlendsEachPixel) {
  Bitmap dest = Target(30, 30);
  Paint(dest, NamedMask(90, 60, 128));
  const TColor picture = platform::RGB(2 * 3, 3 * 4, 100);
  const TColor got = dest.Pixel(3, 4);
  EXPECT_EQ(platform::GetRValue(got), MaskedImageBlend(0x40, platform::GetRValue(picture), 128));
  EXPECT_EQ(platform::GetGValue(got), MaskedImageBlend(0x40, platform::GetGValue(picture), 128));
  EXPECT_EQ(platform::GetBValue(got), MaskedImageBlend(0x40, 100, 128));
}

TEST(MaskBordersTest, TransparentPixelsAreSkippedAndCutFromTheRegion) {
  Bitmap mask = NamedMask(90, 60);
  mask.SetPixel(0, 0, Magenta);
  mask.SetPixel(1, 0, Magenta);
  mask.SetPixel(9, 1, Magenta);    // ends its tile row
  mask.SetPixel(15, 15, Magenta);  // centre: blended, never cut
  Bitmap dest = Target(30, 30);
  Region region(dest.BoundsRect());
  sMaskData::PaintMaskedBorder(dest, mask, 0, true, Magenta, region);
  EXPECT_EQ(dest.Pixel(0, 0), Grey);
  EXPECT_EQ(dest.Pixel(1, 0), Grey);
  EXPECT_EQ(dest.Pixel(9, 1), Grey);
  EXPECT_EQ(dest.Pixel(15, 15), Magenta);
  Region expected(dest.BoundsRect());
  expected.Exclude({0, 0, 2, 1});
  expected.Exclude({9, 1, 10, 2});
  EXPECT_EQ(region, expected);
}

TEST(MaskBordersTest, TinyTargetsAndDegenerateMasksPaintNothing) {
  for (const auto& [w, h] : {std::pair{2, 30}, std::pair{30, 2}}) {
    Bitmap dest = Target(w, h);
    Paint(dest, NamedMask(90, 60));
    EXPECT_EQ(dest, Target(w, h));
  }
  Bitmap dest = Target(30, 30);
  Paint(dest, NamedMask(8, 60));  // slices 0 pixels wide would never advance
  Paint(dest, NamedMask(90, 5));
  Paint(dest, Bitmap());
  EXPECT_EQ(dest, Target(30, 30));
}

TEST(SectionBorderTest, PaintsIntoTheRectangleWithoutATransparentColour) {
  Bitmap mask = NamedMask(90, 60);
  mask.SetPixel(0, 0, Magenta);
  Bitmap dest = Target(40, 40);
  sMaskData::PaintSectionBorder(dest, mask, 0, true, {5, 6, 35, 36});
  EXPECT_EQ(dest.Pixel(5, 6), Magenta);
  EXPECT_EQ(From(dest, 6, 6), (TPoint{1, 0}));
  EXPECT_EQ(From(dest, 34, 35), (TPoint{29, 29}));
  EXPECT_EQ(From(dest, 20, 21), (TPoint{15, 15}));
  EXPECT_EQ(dest.Pixel(4, 6), Grey);
  EXPECT_EQ(dest.Pixel(35, 20), Grey);
}

TEST(SectionBorderTest, TilesStartingOffTheBitmapAreLeftOutAndTheRestClipped) {
  Bitmap dest = Target(20, 20);
  sMaskData::PaintSectionBorder(dest, NamedMask(90, 60), 0, false, {-5, 0, 25, 30});
  EXPECT_EQ(dest.Pixel(0, 0), Grey) << "the corner tile starts at -5";
  EXPECT_EQ(From(dest, 5, 0), (TPoint{10, 0}));
  EXPECT_EQ(From(dest, 19, 0), (TPoint{24, 0})) << "right corner, cut at the bitmap";
  EXPECT_EQ(From(dest, 19, 19), (TPoint{24, 19}));
}

TEST(SectionBorderTest, RectanglesBelowTwoPixelsPaintNothing) {
  Bitmap dest = Target(20, 20);
  sMaskData::PaintSectionBorder(dest, NamedMask(90, 60), 0, true, {0, 0, 1, 20});
  sMaskData::PaintSectionBorder(dest, NamedMask(90, 60), 0, true, {0, 0, 20, 1});
  EXPECT_EQ(dest, Target(20, 20));
}

}  // namespace
