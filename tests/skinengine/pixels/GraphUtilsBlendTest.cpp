// Blending routines: colour and bitmap blends, the colour overlay, mixing and grey.
#include <gtest/gtest.h>

#include "platform/Error.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "skinengine/pixels/sGraphUtils.h"

namespace {

using namespace sGraphUtils;
using platform::Bitmap;
using platform::Canvas;
using platform::TColor;

Bitmap Filled(int w, int h, TColor color) {
  Bitmap bitmap(w, h);
  bitmap.Fill(color);
  return bitmap;
}

TEST(BlendBitmaps, MixesEachChannelWithItsOwnWeight) {
  Bitmap a = Filled(4, 3, 0xC8C8C8);        // 200
  const Bitmap b = Filled(4, 3, 0x646464);  // 100
  BlendBitmaps(a, b, GreyWeight(128));
  EXPECT_EQ(a.Pixel(2, 1), 0x969696u);  // 100 + 100 - 50 = 150

  Bitmap c = Filled(2, 2, 0xC8C8C8);
  BlendBitmaps(c, b, 0x00FF00);         // weight 0 gives b, 255 almost keeps a
  EXPECT_EQ(c.Pixel(0, 0), 0x64C864u);  // green: 199 + 100 - 99
}

TEST(BlendBitmaps, StopsAtTheSmallerBitmap) {
  Bitmap a = Filled(6, 5, 0xFFFFFF);
  BlendBitmaps(a, Filled(3, 2, 0), GreyWeight(0));
  EXPECT_EQ(a.Pixel(2, 1), 0u);
  EXPECT_EQ(a.Pixel(3, 1), 0xFFFFFFu);
  EXPECT_EQ(a.Pixel(2, 2), 0xFFFFFFu);
}

TEST(BlendColorMask, MaskZeroGivesTheColourAndSmallMasksStopEarly) {
  Bitmap bitmap = Filled(5, 4, 0x102030);
  Bitmap mask = Filled(3, 2, 0xFF0000);  // blue channel keeps, green and red take the colour
  BlendColorMask(bitmap, mask, 0x0000FF);
  EXPECT_EQ(bitmap.Pixel(0, 0), 0x0F00FFu);  // blue: 0 + floor(255 * 16 / 256) = 15
  EXPECT_EQ(bitmap.Pixel(3, 0), 0x102030u);
  EXPECT_EQ(bitmap.Pixel(0, 2), 0x102030u);
}

class BlendColorTest : public ::testing::Test {
 protected:
  Bitmap source_ = Filled(12, 8, platform::clBlack);
  Bitmap target_ = Filled(20, 12, platform::clBlue);
  Canvas from_{source_};
  Canvas to_{target_};

  Bitmap Overlay(BlendShape shape, int blur, int share) {
    Bitmap target = Filled(20, 12, platform::clBlue);
    Canvas to(target);
    BlendColor(from_, source_.BoundsRect(), to, 0, shape, blur, platform::clWhite, share, {3, 2});
    return target;
  }
};

TEST_F(BlendColorTest, ShareZeroFillsAndShareHundredCopies) {
  const Bitmap filled = Overlay(BlendShape::RoundRect, 2, 0);
  EXPECT_EQ(filled.Pixel(3, 2), platform::clWhite);
  EXPECT_EQ(filled.Pixel(14, 9), platform::clWhite);
  EXPECT_EQ(filled.Pixel(15, 9), platform::clBlue);
  const Bitmap copied = Overlay(BlendShape::RoundRect, 2, 100);
  EXPECT_EQ(copied.Pixel(3, 2), platform::clBlack);
  EXPECT_EQ(copied.Pixel(14, 9), platform::clBlack);
  EXPECT_EQ(copied.Pixel(2, 2), platform::clBlue);
}

TEST_F(BlendColorTest, HalfShareWithoutBlurGivesHalfTheColourEverywhere) {
  const Bitmap half = Overlay(BlendShape::RoundRect, 0, 50);
  for (int y = 2; y < 10; ++y)
    for (int x = 3; x < 15; ++x) EXPECT_EQ(half.Pixel(x, y), 0x808080u) << x << "," << y;
  EXPECT_EQ(half.Pixel(15, 5), platform::clBlue);
}

TEST_F(BlendColorTest, BlurIsLimitedToHalfTheSmallerSide) {
  const Bitmap limited = Overlay(BlendShape::RoundRect, 10, 50);
  EXPECT_EQ(limited, Overlay(BlendShape::RoundRect, 4, 50));
  EXPECT_NE(limited, Overlay(BlendShape::RoundRect, 3, 50));
  // Outermost ring of blur 4: grey 127 + Round(25.6 * 4) = 229 lets most of the black show.
  EXPECT_EQ(limited.Pixel(3, 6), 0x1A1A1Au);
}

TEST_F(BlendColorTest, EllipseLeavesTheCornersAlone) {
  const Bitmap round = Overlay(BlendShape::Ellipse, 0, 50);
  EXPECT_EQ(round.Pixel(3, 2), platform::clBlack);
  EXPECT_EQ(round.Pixel(9, 6), 0x808080u);
}

TEST_F(BlendColorTest, AbsurdRectangleIsAnErrorNotAnOverflow) {
  EXPECT_THROW(BlendColor(from_, {-2000000000, 0, 2000000000, 5}, to_, 0, BlendShape::RoundRect, 1,
                          platform::clWhite, 50, {0, 0}),
               platform::Error);
}

TEST(MixColors, RoundsPerChannelAndResolvesSystemColours) {
  EXPECT_EQ(MixColors(0x000000, 0xFFFFFF, 0.5), 0x808080u);  // 127.5 rounds to even 128
  EXPECT_EQ(MixColors(0x0000FF, 0x00FF00, 0.0), 0x0000FFu);
  EXPECT_EQ(MixColors(0x0000FF, 0x00FF00, 1.0), 0x00FF00u);
  EXPECT_EQ(MixColors(0x000000, 0xFFFFFF, 2.0), 0xFFFFFFu);  // capped
  EXPECT_EQ(MixColors(platform::clBtnFace, 0, 0.0), platform::ColorToRGB(platform::clBtnFace));
}

TEST(MakeGrey, TakesTheMeanOfTheChannels) {
  Bitmap bitmap = Filled(3, 2, 0x0A1432);  // red 50, green 20, blue 10
  MakeGrey(bitmap);
  EXPECT_EQ(bitmap.Pixel(2, 1), GreyWeight(26));
}

}  // namespace
