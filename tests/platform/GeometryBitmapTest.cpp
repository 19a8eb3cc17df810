#include <gtest/gtest.h>

#include <utility>

#include "platform/Error.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"

namespace platform {
namespace {

TEST(Geometry, RectangleArithmetic) {
  const TRect r = TRect::FromBounds(8, 216, 265, 241);
  EXPECT_EQ(r, (TRect{8, 216, 273, 457}));
  EXPECT_EQ(r.Width(), 265);
  EXPECT_EQ(r.Size(), (TSize{265, 241}));
  EXPECT_EQ(r.Inflate(1, 2), (TRect{7, 214, 274, 459}));
  EXPECT_EQ((TRect{0, 0, 10, 10}).Intersect({5, 5, 20, 20}), (TRect{5, 5, 10, 10}));
  EXPECT_EQ((TRect{0, 0, 10, 10}).Intersect({10, 0, 20, 20}), TRect{});
  EXPECT_EQ((TRect{0, 0, 10, 10}).Union({}), (TRect{0, 0, 10, 10}));
  EXPECT_EQ((TRect{0, 0, 1, 1}).Union({5, 5, 6, 7}), (TRect{0, 0, 6, 7}));
}

TEST(Geometry, MovedIntoAnAreaMovesJustEnough) {
  const TRect area{100, 50, 300, 250};
  const std::pair<TRect, TRect> cases[] = {
      {{150, 60, 250, 160}, {150, 60, 250, 160}},    // inside: stays
      {{250, 200, 350, 300}, {200, 150, 300, 250}},  // over right and bottom: back by 50 each
      {{0, 0, 100, 100}, {100, 50, 200, 150}},       // over left and top
      {{250, 60, 550, 560}, {100, 50, 400, 550}},    // larger than the area: its top-left
  };
  for (const auto& [r, moved] : cases)
    EXPECT_EQ(r.MovedInto(area), moved) << r.Left << "," << r.Top;
}

TEST(Color, SystemColorsResolveThroughTheTable) {
  const std::pair<TColor, TColor> resolved[] = {
      {clBtnFace, 0xC8D0D4u},   {clWindow, 0xFFFFFFu},     {clWindowText, 0x000000u},
      {clBtnShadow, 0x808080u}, {cl3DDkShadow, 0x404040u}, {clMenuHighlight, 0xC56A31u},
      {clHighlight, 0x6A240Au}, {clInfoBk, 0xE1FFFFu},     {clSkyBlue, 0xF0CAA6u},
      {0xFF0000FFu, clBlack},  // unknown system index
  };
  for (const auto& [color, rgb] : resolved) EXPECT_EQ(ColorToRGB(color), rgb) << std::hex << color;
  EXPECT_EQ(GetRValue(clRed), 255);
  EXPECT_EQ(GetBValue(clBlue), 255);
}

TEST(Bitmap, PixelsAreBlueGreenRedWithPaddedRows) {
  Bitmap b(3, 2);
  EXPECT_EQ(b.Stride(), 12u);
  b.SetPixel(1, 1, RGB(10, 20, 30));
  const std::uint8_t* p = b.ScanLine(1) + 3;
  EXPECT_EQ(p[0], 30);
  EXPECT_EQ(p[1], 20);
  EXPECT_EQ(p[2], 10);
  EXPECT_EQ(b.Pixel(1, 1), RGB(10, 20, 30));
  EXPECT_EQ(b.Pixel(0, 0), clBlack);
}

TEST(Bitmap, OutOfRangeAccessIsIgnored) {
  Bitmap b(2, 2);
  b.SetPixel(-1, 0, clWhite);
  b.SetPixel(2, 0, clWhite);
  b.SetPixel(0, 2, clWhite);
  EXPECT_EQ(b, Bitmap(2, 2));
  EXPECT_EQ(b.Pixel(5, 5), clBlack);
}

TEST(Bitmap, FillResolvesSystemColoursAndClipsRectangles) {
  Bitmap b(4, 4);
  b.Fill(clBtnFace);
  EXPECT_EQ(b.Pixel(3, 3), 0xC8D0D4u);
  b.FillRect({2, 2, 10, 10}, clRed);
  EXPECT_EQ(b.Pixel(1, 1), 0xC8D0D4u);
  EXPECT_EQ(b.Pixel(3, 3), clRed);
}

TEST(Bitmap, ResizeKeepsTopLeft) {
  Bitmap b(3, 3);
  b.Fill(clWhite);
  b.SetSize(5, 2);
  EXPECT_EQ(b.Width(), 5);
  EXPECT_EQ(b.Height(), 2);
  EXPECT_EQ(b.Pixel(2, 1), clWhite);
  EXPECT_EQ(b.Pixel(3, 1), clBlack);
  b.SetSize(0, 4);  // rows without columns hold no pixels
  b.SetSize(2, 4);
  EXPECT_EQ(b.Pixel(1, 3), clBlack);
  b.SetSize(0, 0);
  EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, AbsurdSizesAreRefused) {
  EXPECT_THROW(Bitmap(-1, 5), Error);
  EXPECT_THROW(Bitmap(Bitmap::MaxDimension + 1, 1), Error);
  EXPECT_THROW(Bitmap(20000, 20000), Error);
  EXPECT_NO_THROW(Bitmap(0, 100));
}

TEST(Bitmap, CopiesAreIndependentAndMovesTakeThePixels) {
  Bitmap a(2, 2);
  Bitmap b = a;
  b.SetPixel(0, 0, clWhite);
  EXPECT_EQ(a.Pixel(0, 0), clBlack);
  EXPECT_FALSE(a == b);
  a = b;
  b.SetPixel(1, 1, clRed);
  EXPECT_EQ(a.Pixel(0, 0), clWhite);
  EXPECT_EQ(a.Pixel(1, 1), clBlack);
  const Bitmap moved = std::move(b);
  EXPECT_EQ(moved.Pixel(1, 1), clRed);
  const Bitmap empty;
  EXPECT_TRUE(Bitmap(empty).Empty());  // nothing to copy
}

}  // namespace
}  // namespace platform
