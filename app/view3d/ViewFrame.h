#pragma once

#include <vector>

#include "app/view3d/Camera.h"
#include "platform/graphics/Bitmap.h"

// The 3-D view's picture: a bitmap of the platform with a depth per pixel. Pixel (x, y) shows
// what covers the screen point (x, y); nearer (smaller depth) wins, whatever is drawn first.
namespace Bezier {

// A corner of a shaded triangle: where it lies and how much light it takes (0 to 1).
struct TShadedVertex {
  TScreenPoint At;
  double Light = 1;
};

class TViewFrame {
 public:
  // Sized to the window, every pixel the background at the farthest depth.
  void Reset(int width, int height, platform::TColor background);

  int Width() const { return pixels_.Width(); }
  int Height() const { return pixels_.Height(); }
  const platform::Bitmap& Pixels() const { return pixels_; }
  platform::Bitmap& Pixels() { return pixels_; }
  float DepthAt(int x, int y) const { return depth_[Index(x, y)]; }

  // The triangle in colour, its light interpolated between the corners.
  void Triangle(const TShadedVertex& a, const TShadedVertex& b, const TShadedVertex& c,
                platform::TColor color);
  // A line, tested against the depths; bias brings it nearer, so that lines lying on a shaded
  // surface show.
  void Line(const TScreenPoint& a, const TScreenPoint& b, platform::TColor color, double bias);
  // A square marker of 2 half + 1 pixels with a border, over everything.
  void Marker(platform::TPoint centre, int half, platform::TColor fill, platform::TColor border);

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(Width()) +
           static_cast<std::size_t>(x);
  }
  // Writes the pixel when depth is nearer than what it shows.
  void Plot(int x, int y, double depth, platform::TColor color);

  platform::Bitmap pixels_;
  std::vector<float> depth_;
};

}  // namespace Bezier
