#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "platform/CanvasPictures.h"
#include "platform/graphics/Canvas.h"

namespace platform {
namespace {

using namespace pictures;
using Rows = std::vector<std::string>;

// A picture whose every pixel has its own colour, none black.
TColor Marker(int x, int y) {
  return RGB(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 0x80);
}

Bitmap MarkedPicture(int width, int height) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.SetPixel(x, y, Marker(x, y));
  return b;
}

// --- Clip and origin ----------------------------------------------------------------------

TEST(CanvasClip, LogicalClipRectanglesFollowTheOrigin) {
  Scene s(8, 6);
  s.canvas.SetOrigin({2, 1});
  s.canvas.IntersectClipRect({0, 0, 4, 3});
  EXPECT_EQ(s.canvas.ClipRegion(), Region(TRect{2, 1, 6, 4})) << "kept in bitmap coordinates";
  EXPECT_EQ(s.canvas.ClipRect(), (TRect{0, 0, 4, 3}));
  s.canvas.ExcludeClipRect({1, 1, 2, 2});
  s.canvas.FillRect({-5, -5, 20, 20});
  EXPECT_EQ(Art(s.bitmap),
            (Rows{"........", "..BBBB..", "..B.BB..", "..BBBB..", "........", "........"}));

  s.canvas.SetOrigin({0, 0});
  EXPECT_EQ(s.canvas.ClipRect(), (TRect{2, 1, 6, 4})) << "the clip stays where it was";
}

TEST(CanvasClip, RegionsAreCutToTheBitmapAndCanBeReset) {
  Scene s(8, 6);
  s.canvas.SetClipRegion(Region(TRect{-10, 4, 50, 50}));
  EXPECT_EQ(s.canvas.ClipRegion(), Region(TRect{0, 4, 8, 6}));
  s.canvas.SetClipRegion(Region(TRect{20, 20, 30, 30}));
  EXPECT_TRUE(s.canvas.ClipRegion().IsEmpty());
  EXPECT_EQ(s.canvas.ClipRect(), TRect{});
  s.canvas.FillRect({0, 0, 8, 6});
  s.canvas.SetPixel(1, 1, clWhite);
  EXPECT_TRUE(PixelsOf(s.bitmap).empty()) << "an empty clip paints nothing";
  s.canvas.ResetClip();
  EXPECT_EQ(s.canvas.ClipRegion(), Region(TRect{0, 0, 8, 6}));
}

TEST(CanvasClip, PixelsUseLogicalCoordinates) {
  Scene s(4, 4);
  s.canvas.SetOrigin({1, 2});
  s.canvas.SetPixel(0, 0, clBtnShadow);
  EXPECT_EQ(s.bitmap.Pixel(1, 2), 0x808080u) << "system colours are resolved";
  EXPECT_EQ(s.canvas.GetPixel(0, 0), 0x808080u);
  s.canvas.SetPixel(3, 0, clWhite);
  EXPECT_EQ(PixelsOf(s.bitmap).size(), 1u) << "outside the bitmap is ignored";
  EXPECT_EQ(s.canvas.GetPixel(5, 5), clBlack);
}

// --- Fills and frames ----------------------------------------------------------------------

TEST(CanvasFill, FillRectExcludesRightAndBottomAndIgnoresTheBrushStyle) {
  Scene s(6, 4);
  s.SetBrush(BrushStyle::Clear);
  s.canvas.FillRect({1, 1, 4, 3});
  EXPECT_EQ(Art(s.bitmap), (Rows{"......", ".BBB..", ".BBB..", "......"}));
  s.canvas.FillRect({5, 3, 4, 0});
  EXPECT_EQ(PixelsOf(s.bitmap).size(), 6u) << "inverted rectangles fill nothing";
}

TEST(CanvasFill, FrameRectIsOnePixelInTheBrushColour) {
  Scene s(6, 5);
  s.canvas.FrameRect({0, 0, 5, 4});
  EXPECT_EQ(Art(s.bitmap), (Rows{"BBBBB.", "B...B.", "B...B.", "BBBBB.", "......"}));
  s.Clear();
  s.canvas.FrameRect({1, 1, 4, 2});
  s.canvas.FrameRect({5, 0, 6, 5});
  EXPECT_EQ(Art(s.bitmap), (Rows{".....B", ".BBB.B", ".....B", ".....B", ".....B"}));
}

TEST(CanvasFill, HugeRectanglesNeitherOverflowNorTakeLong) {
  Scene s(5, 5);
  s.canvas.SetOrigin({3, 3});
  s.canvas.FillRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
  EXPECT_EQ(PixelsOf(s.bitmap).size(), 25u);
  s.Clear();
  s.canvas.FrameRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
  s.canvas.FrameRect({-3, INT_MIN, 3, INT_MAX});
  EXPECT_EQ(PixelsOf(s.bitmap), (PixelSet{{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}}));
}

TEST(CanvasFill, ABitmapShrunkUnderItsCanvasIsNotWrittenPast) {
  Bitmap target(40, 30);
  Canvas canvas(target);
  target.SetSize(4, 3);
  canvas.GetBrush().Color = clWhite;
  canvas.FillRect({0, 0, 40, 30});
  canvas.Ellipse({0, 0, 40, 30});
  canvas.MoveTo(0, 0);
  canvas.LineTo(40, 30);
  const Bitmap picture = MarkedPicture(40, 30);
  canvas.Draw(0, 0, picture);
  EXPECT_EQ(target.Pixel(3, 2), Marker(3, 2));
}

// --- Copies --------------------------------------------------------------------------------

TEST(CanvasCopy, StraightStretchedAndShrunkCopies) {
  const Bitmap picture = MarkedPicture(4, 3);
  Scene s(10, 8);
  s.canvas.Draw(5, 4, picture);
  EXPECT_EQ(s.bitmap.Pixel(5, 4), Marker(0, 0));
  EXPECT_EQ(s.bitmap.Pixel(8, 6), Marker(3, 2));
  EXPECT_EQ(PixelsOf(s.bitmap).size(), 12u);

  s.Clear();
  s.canvas.StretchDraw({0, 0, 8, 6}, picture);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x) EXPECT_EQ(s.bitmap.Pixel(x, y), Marker(x / 2, y / 2));

  s.Clear();
  Canvas source(const_cast<Bitmap&>(picture));
  s.canvas.CopyRect({0, 0, 2, 1}, source, {0, 1, 4, 2});
  EXPECT_EQ(s.bitmap.Pixel(0, 0), Marker(0, 1));
  EXPECT_EQ(s.bitmap.Pixel(1, 0), Marker(2, 1));
}

TEST(CanvasCopy, NegativeSizesMirror) {
  Bitmap picture = MarkedPicture(3, 2);
  Canvas source(picture);
  Scene s(3, 2);
  s.canvas.CopyRect({3, 0, 0, 2}, source, {0, 0, 3, 2});
  EXPECT_EQ(s.bitmap.Pixel(0, 0), Marker(2, 0));
  EXPECT_EQ(s.bitmap.Pixel(2, 1), Marker(0, 1));

  s.canvas.CopyRect({0, 0, 3, 2}, source, {0, 2, 3, 0});
  EXPECT_EQ(s.bitmap.Pixel(0, 0), Marker(0, 1));
  EXPECT_EQ(s.bitmap.Pixel(2, 1), Marker(2, 0));

  s.canvas.CopyRect({3, 2, 0, 0}, source, {3, 2, 0, 0});
  EXPECT_EQ(s.bitmap, picture) << "mirrored twice is straight";
}

TEST(CanvasCopy, OverlappingCopiesReadTheOriginalPixels) {
  Bitmap picture = MarkedPicture(6, 2);
  Canvas canvas(picture);
  canvas.CopyRect({1, 0, 6, 2}, canvas, {0, 0, 5, 2});
  for (int x = 1; x < 6; ++x) EXPECT_EQ(picture.Pixel(x, 1), Marker(x - 1, 1));

  canvas.CopyRect({0, 0, 4, 2}, canvas, {5, 0, 1, 2});
  EXPECT_EQ(picture.Pixel(0, 0), Marker(3, 0)) << "mirrored onto itself";
  EXPECT_EQ(picture.Pixel(3, 0), Marker(0, 0)) << "read before column 1 was overwritten";
}

TEST(CanvasCopy, ClipOriginAndMissingSourcePixels) {
  const Bitmap picture = MarkedPicture(4, 4);
  Canvas source(const_cast<Bitmap&>(picture));
  source.SetOrigin({-1, -1});
  Scene s(6, 6);
  s.canvas.SetOrigin({1, 1});
  s.canvas.IntersectClipRect({0, 0, 3, 5});
  s.canvas.CopyRect({0, 0, 4, 4}, source, {0, 0, 4, 4});
  // Source (0, 0) is picture (-1, -1): the first row and column have nothing to copy.
  EXPECT_EQ(Art(s.bitmap)[1], "......");
  EXPECT_EQ(s.bitmap.Pixel(2, 2), Marker(0, 0));
  EXPECT_EQ(s.bitmap.Pixel(3, 4), Marker(1, 2));
  EXPECT_EQ(s.bitmap.Pixel(4, 4), clBlack) << "clipped";
}

TEST(CanvasCopy, HugeDestinationsCostOnlyWhatIsVisible) {
  const Bitmap picture = MarkedPicture(2, 2);
  Scene s(10, 10);
  s.canvas.StretchDraw({-1000000000, -1000000000, 1000000000, 1000000000}, picture);
  EXPECT_EQ(PixelsOf(s.bitmap, Marker(1, 1)).size(), 100u);
  s.canvas.StretchDraw({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, picture);
}

}  // namespace
}  // namespace platform
