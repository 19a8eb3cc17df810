// Tiling and transparent copies.
#include <gtest/gtest.h>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "skinengine/pixels/sGraphUtils.h"

namespace {

using namespace sGraphUtils;
using platform::Bitmap;
using platform::TColor;

constexpr TColor kMagenta = 0xFF00FF;
constexpr TColor kBackground = 0x303030;

// Every pixel different, so a misplaced tile or pixel shows.
Bitmap Pattern(int w, int h) {
  Bitmap bitmap(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bitmap.SetPixel(x, y, platform::RGB(x * 20 + 1, y * 20 + 1, 7));
  return bitmap;
}

Bitmap Background(int w, int h) {
  Bitmap bitmap(w, h);
  bitmap.Fill(kBackground);
  return bitmap;
}

TEST(TilePicture, BitmapTilesAreCutAtTheRectangle) {
  const Bitmap tile = Pattern(10, 10);
  Bitmap target = Background(30, 30);
  platform::Canvas canvas(target);
  TilePicture(canvas, {0, 0, 25, 25}, tile);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) {
      const TColor expected = x < 25 && y < 25 ? tile.Pixel(x % 10, y % 10) : kBackground;
      ASSERT_EQ(target.Pixel(x, y), expected) << x << "," << y;
    }
  EXPECT_EQ(canvas.ClipRegion().Bounds(), target.BoundsRect());
}

TEST(TilePicture, JpegPicturesAreDrawnWholeAndEmptyPicturesNotAtAll) {
  const Bitmap tile = Pattern(10, 10);
  Bitmap target = Background(30, 30);
  platform::Canvas canvas(target);
  TilePicture(canvas, {2, 3, 17, 17}, tile, PictureKind::Jpeg);
  EXPECT_EQ(target.Pixel(2, 3), tile.Pixel(0, 0));
  EXPECT_EQ(target.Pixel(21, 22), tile.Pixel(9, 9));
  EXPECT_EQ(target.Pixel(22, 22), kBackground);
  Bitmap untouched = Background(30, 30);
  platform::Canvas other(untouched);
  TilePicture(other, {0, 0, 30, 30}, Bitmap());
  EXPECT_EQ(untouched, Background(30, 30));
}

TEST(TilePicture, HugeRectangleOnlyCostsTheVisibleTiles) {
  const Bitmap tile = Pattern(1, 1);
  Bitmap target = Background(8, 8);
  platform::Canvas canvas(target);
  TilePicture(canvas, {-2000000000, -2000000000, 2000000000, 2000000000}, tile);
  EXPECT_EQ(target.Pixel(7, 7), tile.Pixel(0, 0));
}

TEST(DrawTransparent, SkipsTheTransparentColourAndEverythingOutsideTheTarget) {
  Bitmap source = Pattern(4, 3);
  source.SetPixel(1, 1, kMagenta);
  for (const platform::TPoint at : {platform::TPoint{-2, -1}, platform::TPoint{3, 4},
                                    platform::TPoint{-100, 2}, platform::TPoint{2000000000, 0}}) {
    Bitmap target = Background(5, 5);
    DrawTransparent(target, source, at.X, at.Y, kMagenta);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 5; ++x) {
        const int sx = x - at.X;
        const int sy = y - at.Y;
        const bool copied = sx >= 0 && sx < 4 && sy >= 0 && sy < 3 && !(sx == 1 && sy == 1);
        EXPECT_EQ(target.Pixel(x, y), copied ? source.Pixel(sx, sy) : kBackground);
      }
  }
}

TEST(DrawTransparentRect, RectangleIsInclusiveAndClampedToTheSource) {
  const Bitmap source = Pattern(4, 3);
  Bitmap target = Background(8, 8);
  DrawTransparentRect(target, source, 1, 1, {2, 1, 3, 1}, kMagenta);
  EXPECT_EQ(target.Pixel(1, 1), source.Pixel(2, 1));
  EXPECT_EQ(target.Pixel(2, 1), source.Pixel(3, 1));
  EXPECT_EQ(target.Pixel(1, 2), kBackground);
  EXPECT_EQ(target.Pixel(3, 1), kBackground);

  Bitmap clamped = Background(8, 8);
  DrawTransparentRect(clamped, source, 0, 0, {-5, -5, 100, 100}, kMagenta);
  EXPECT_EQ(clamped.Pixel(3, 2), source.Pixel(3, 2));
  EXPECT_EQ(clamped.Pixel(4, 2), kBackground);
}

TEST(BlendTransparent, FactorRunsFromCopyToUnchanged) {
  Bitmap source(2, 1);
  source.Fill(0xFFFFFF);
  source.SetPixel(1, 0, kMagenta);
  const auto blended = [&](double f) {
    Bitmap target(3, 1);
    BlendTransparent(target, 0, 0, kMagenta, f, {0, 0, 5, 5}, source);
    return target;
  };
  EXPECT_EQ(blended(0.0).Pixel(0, 0), 0xFFFFFFu);
  EXPECT_EQ(blended(1.0).Pixel(0, 0), 0u);
  EXPECT_EQ(blended(0.5).Pixel(0, 0), 0x808080u);  // 127.5 to even
  EXPECT_EQ(blended(0.5).Pixel(1, 0), 0u);
  EXPECT_EQ(blended(-3.0).Pixel(0, 0), 0xFFFFFFu);  // capped instead of wrapping
}

}  // namespace
