#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/RgbaImage.h"

// Anti-aliased drawing in integer arithmetic only, so that every compiler and optimisation
// level draws the same bytes and the committed images can be checked against the drawing.
namespace skinart {

using platform::Bitmap;
using platform::TColor;

// Positions are in eighths of a pixel: pixel (x, y) covers [8x, 8x + 8) x [8y, 8y + 8), and its
// sixteen coverage samples sit at 8x + 1, 8x + 3, 8x + 5, 8x + 7 on each axis.
inline constexpr int Sub = 8;
using Shape = std::function<bool(int x, int y)>;
using Paint = std::function<TColor(int x, int y)>;  // colour of pixel (x, y)

// A rectangle [left, right) x [top, bottom) in pixels with corners of the given radius.
Shape RoundRect(int left, int top, int right, int bottom, int radius);
// A disc round (cx, cy) of radius r, all in eighths of a pixel.
Shape Disc(int cx, int cy, int r);
// A stroke from a to b of half width hw, all in eighths of a pixel, with round ends.
Shape Segment(int ax, int ay, int bx, int by, int hw);
// A triangle with its corners in eighths of a pixel, in either winding.
Shape Triangle(int ax, int ay, int bx, int by, int cx, int cy);
Shape Minus(Shape a, Shape b);
Shape Either(Shape a, Shape b);

// weight 0 gives a, 255 gives b.
TColor Mix(TColor a, TColor b, int weight);
// From top (row 0) to bottom (row height - 1).
TColor Ramp(TColor top, TColor bottom, int row, int height);

// A picture with an opacity per pixel; each fill lays a colour of the given opacity over what
// a shape covers, in proportion to the shape's coverage of each pixel.
class Layer {
 public:
  Layer(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }

  void Fill(const Shape& shape, TColor color, int opacity = 255);
  void Fill(const Shape& shape, const Paint& paint, int opacity = 255);
  // Only over the pixels of area: many small shapes on a large picture cost what they cover.
  void Fill(const Shape& shape, const Paint& paint, int opacity, platform::TRect area);

  // Picture at (x, y) of target, its mask maskRows further down: untouched pixels are the
  // transparent colour with mask 255, the others their colour with mask 255 - opacity.
  void PutMasked(Bitmap& target, int x, int y, int maskRows) const;
  // The picture over a background colour; untouched pixels are the transparent colour.
  Bitmap Flatten(TColor background) const;
  // The picture with its opacity as alpha; untouched pixels are transparent black.
  platform::RgbaImage Rgba() const;

 private:
  struct Pixel {
    TColor Color = 0;
    int Opacity = 0;
    bool Touched = false;
  };
  Pixel& At(int x, int y) { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
  const Pixel& At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

  int width_;
  int height_;
  std::vector<Pixel> pixels_;
};

}  // namespace skinart
