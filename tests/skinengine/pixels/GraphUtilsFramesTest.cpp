// Bevels, line frames, 3D frames, focus dots and the check mark.
#include <gtest/gtest.h>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "skinengine/pixels/sGraphUtils.h"

namespace {

using namespace sGraphUtils;
using namespace sBevels;
using platform::Bitmap;
using platform::Canvas;
using platform::TColor;

Bitmap Grey(int w, int h, int level) {
  Bitmap bitmap(w, h);
  bitmap.Fill(GreyWeight(level));
  return bitmap;
}

TEST(PaintBevel, NothingForNoKindOrWhenTheWidthDoesNotFit) {
  Bitmap bitmap = Grey(20, 5, 100);
  PaintBevel(bitmap, {0, 0, 20, 5}, 3, true, cbRaisedSoft);  // width falls to 1
  PaintBevel(bitmap, {0, 0, 20, 5}, 3, true, cbNone);
  EXPECT_EQ(bitmap, Grey(20, 5, 100));
}

TEST(PaintBevel, HardStripsBlendHalfOfTheirColourAndMeetOnTheDiagonals) {
  Bitmap bitmap = Grey(20, 20, 100);
  PaintBevel(bitmap, bitmap.BoundsRect(), 3, false, cbRaisedHard);
  EXPECT_EQ(bitmap.Pixel(0, 9), GreyWeight(170));  // left, grey 240
  EXPECT_EQ(bitmap.Pixel(9, 0), GreyWeight(178));  // top, white
  EXPECT_EQ(bitmap.Pixel(18, 9), GreyWeight(62));  // right, grey 25
  EXPECT_EQ(bitmap.Pixel(9, 18), GreyWeight(49));  // bottom, black
  EXPECT_EQ(bitmap.Pixel(1, 1), GreyWeight(170));
  EXPECT_EQ(bitmap.Pixel(2, 1), GreyWeight(178));
  EXPECT_EQ(bitmap.Pixel(9, 9), GreyWeight(100));
  EXPECT_EQ(bitmap.Pixel(19, 9), GreyWeight(100));  // the rectangle is clipped to width - 1
}

TEST(PaintBevel, SoftStripsFadeInwards) {
  Bitmap lowered = Grey(20, 20, 100);
  PaintBevel(lowered, lowered.BoundsRect(), 3, true, cbLoweredSoft);
  EXPECT_EQ(lowered.Pixel(9, 0), 0u);  // top, black at full strength
  EXPECT_EQ(lowered.Pixel(0, 9), GreyWeight(25));
  EXPECT_EQ(lowered.Pixel(0, 1), GreyWeight(25));
  Bitmap raised = Grey(20, 20, 100);
  PaintBevel(raised, raised.BoundsRect(), 3, true, cbRaisedSoft);
  EXPECT_EQ(raised.Pixel(1, 9), GreyWeight(193));  // mask 85: 240 + floor(85 * -140 / 256)
  Bitmap hardKind = Grey(20, 20, 100);
  PaintBevel(hardKind, hardKind.BoundsRect(), 3, true, cbRaisedHard);
  EXPECT_EQ(hardKind.Pixel(0, 9), GreyWeight(100));  // mask 255 starts almost clear
}

TEST(PaintBevel, OversizedRectanglesStayInsideTheBitmap) {
  for (const bool soft : {false, true}) {
    Bitmap bitmap = Grey(12, 9, 100);
    PaintBevel(bitmap, {-50, -50, 500, 500}, 4, soft, cbLoweredHard);
    PaintBevel(bitmap, {-50, -50, 500, 500}, 1, soft, cbLoweredHard);
    EXPECT_NE(bitmap.Pixel(0, 4), GreyWeight(100));
  }
}

TEST(PaintBevel, WidthOneIsAPlainLineFrame) {
  Bitmap bitmap = Grey(10, 10, 100);
  PaintBevel(bitmap, bitmap.BoundsRect(), 1, true, cbLoweredSoft);
  EXPECT_EQ(bitmap.Pixel(0, 5), 0u);
  EXPECT_EQ(bitmap.Pixel(5, 0), 0u);
  EXPECT_EQ(bitmap.Pixel(9, 5), platform::clWhite);
  EXPECT_EQ(bitmap.Pixel(5, 9), platform::clWhite);
  EXPECT_EQ(bitmap.Pixel(5, 5), GreyWeight(100));
}

TEST(PaintLineFrame, SoftLinesFadeFromTheOutermostTowardsTheBlendColour) {
  Bitmap bitmap = Grey(10, 10, 100);
  Canvas canvas(bitmap);
  PaintLineFrame(canvas, platform::clRed, platform::clLime, true, ebRaised, 2, {0, 0, 10, 10},
                 platform::clWhite);
  EXPECT_EQ(bitmap.Pixel(0, 5), platform::clWhite);
  EXPECT_EQ(bitmap.Pixel(1, 5), 0x8080FFu);
  EXPECT_EQ(bitmap.Pixel(5, 0), platform::clWhite);
  EXPECT_EQ(bitmap.Pixel(9, 5), 0u);
  EXPECT_EQ(bitmap.Pixel(8, 5), 0x80C080u);
  EXPECT_EQ(bitmap.Pixel(5, 9), 0u);
  EXPECT_EQ(bitmap.Pixel(2, 5), GreyWeight(100));
  EXPECT_EQ(canvas.GetPen().Color, platform::clBlack);
}

TEST(PaintLineFrame, BorderKindsUseOneColourAndNoneDrawsNothing) {
  Bitmap bitmap = Grey(10, 10, 100);
  Canvas canvas(bitmap);
  PaintLineFrame(canvas, platform::clRed, platform::clLime, true, ebAsBottomBorder, 2,
                 bitmap.BoundsRect(), platform::clWhite);
  EXPECT_EQ(bitmap.Pixel(0, 5), platform::clLime);
  EXPECT_EQ(bitmap.Pixel(8, 5), platform::clLime);
  Bitmap untouched = Grey(10, 10, 100);
  Canvas other(untouched);
  PaintLineFrame(other, platform::clRed, platform::clLime, false, ebNone, 2, untouched.BoundsRect(),
                 platform::clWhite);
  PaintLineFrame(other, platform::clRed, platform::clLime, false, ebRaised, 2000000000,
                 {20, 20, 30, 30}, platform::clWhite);
  EXPECT_EQ(untouched, Grey(10, 10, 100));
}

TEST(PaintFrame3D, DrawsNestedFramesAndUsesUpTheCount) {
  Bitmap bitmap = Grey(10, 10, 100);
  Canvas canvas(bitmap);
  int count = 2;
  PaintFrame3D(canvas, bitmap.BoundsRect(), platform::clBtnShadow, count, platform::clWhite);
  EXPECT_EQ(count, 0);
  const TColor shadow = platform::ColorToRGB(platform::clBtnShadow);
  EXPECT_EQ(bitmap.Pixel(0, 5), shadow);
  EXPECT_EQ(bitmap.Pixel(1, 5), shadow);
  EXPECT_EQ(bitmap.Pixel(5, 1), shadow);
  EXPECT_EQ(bitmap.Pixel(9, 5), platform::clWhite);
  EXPECT_EQ(bitmap.Pixel(5, 8), platform::clWhite);
  EXPECT_EQ(bitmap.Pixel(2, 5), GreyWeight(100));
}

TEST(PaintFocusDots, BlackEveryThirdPixelWithWhiteUpAndLeft) {
  Bitmap bitmap = Grey(16, 12, 100);
  Canvas canvas(bitmap);
  PaintFocusDots(canvas, {2, 2, 11, 8});
  for (const int x : {2, 5, 8, 11}) {
    EXPECT_EQ(bitmap.Pixel(x, 2), 0u);
    EXPECT_EQ(bitmap.Pixel(x, 8), 0u);
    EXPECT_EQ(bitmap.Pixel(x - 1, 1), platform::clWhite);
  }
  EXPECT_EQ(bitmap.Pixel(2, 5), 0u);
  EXPECT_EQ(bitmap.Pixel(11, 5), 0u);
  EXPECT_EQ(bitmap.Pixel(3, 2), GreyWeight(100));
}

TEST(PaintCheckMark, TickStaysInsideItsRectangleAndIsEmbossedWhenDisabled) {
  for (const bool enabled : {true, false}) {
    Bitmap bitmap = Grey(30, 30, 100);
    Canvas canvas(bitmap);
    PaintCheckMark(canvas, {5, 5, 21, 21}, enabled, platform::clNavy);
    int inColour = 0;
    int light = 0;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 30; ++x) {
        const TColor c = bitmap.Pixel(x, y);
        if (c == GreyWeight(100)) continue;
        EXPECT_TRUE(x >= 5 && x < 22 && y >= 5 && y < 22) << x << "," << y;
        inColour += c == platform::clNavy;
        light += c == platform::ColorToRGB(platform::cl3DLight);
      }
    EXPECT_EQ(inColour > 0, enabled);
    EXPECT_EQ(light > 0, !enabled);
  }
}

}  // namespace
