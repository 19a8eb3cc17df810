#include "app/view3d/ViewFrame.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Bezier {

namespace {

constexpr float Farthest = std::numeric_limits<float>::infinity();

bool Finite(const TScreenPoint& p) {
  return std::isfinite(p.X) && std::isfinite(p.Y) && std::isfinite(p.Depth);
}

// A colour's channels, to be scaled by a light in 1/256 steps.
struct TChannels {
  int Red, Green, Blue;
  explicit TChannels(platform::TColor color)
      : Red(static_cast<int>(color & 0xFF)),
        Green(static_cast<int>((color >> 8) & 0xFF)),
        Blue(static_cast<int>((color >> 16) & 0xFF)) {}
  void Write(std::uint8_t* px, double light) const {
    const int k = static_cast<int>(std::clamp(light, 0.0, 1.0) * 256);
    px[0] = static_cast<std::uint8_t>(std::min(Blue * k >> 8, 255));
    px[1] = static_cast<std::uint8_t>(std::min(Green * k >> 8, 255));
    px[2] = static_cast<std::uint8_t>(std::min(Red * k >> 8, 255));
  }
};

// The first and last pixel index in [0, size) whose coordinate lies in [low, high].
bool Span(double low, double high, int size, int& first, int& last) {
  const double from = std::max(std::ceil(low), 0.0);
  const double to = std::min(std::floor(high), static_cast<double>(size - 1));
  if (from > to) return false;
  first = static_cast<int>(from);
  last = static_cast<int>(to);
  return true;
}

// Cuts the segment a + t (b - a), t in [t0, t1], to where p lies in [low, high]; false when
// nothing is left.
bool Clip(double a, double b, double low, double high, double& t0, double& t1) {
  const double d = b - a;
  if (d == 0) return a >= low && a <= high;
  double enter = (low - a) / d, leave = (high - a) / d;
  if (enter > leave) std::swap(enter, leave);
  t0 = std::max(t0, enter);
  t1 = std::min(t1, leave);
  return t0 <= t1;
}

}  // namespace

void TViewFrame::Reset(int width, int height, platform::TColor background) {
  if (pixels_.Width() != width || pixels_.Height() != height)
    pixels_ = platform::Bitmap(width, height);
  pixels_.Fill(background);
  depth_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), Farthest);
}

void TViewFrame::Plot(int x, int y, double depth, platform::TColor color) {
  float& stored = depth_[Index(x, y)];
  const auto z = static_cast<float>(depth);
  if (!(z < stored)) return;
  stored = z;
  TChannels(color).Write(pixels_.ScanLine(y) + static_cast<std::size_t>(x) * 3, 1);
}

void TViewFrame::Triangle(const TShadedVertex& a, const TShadedVertex& b, const TShadedVertex& c,
                          platform::TColor color) {
  if (!Finite(a.At) || !Finite(b.At) || !Finite(c.At)) return;
  const double area = (b.At.X - a.At.X) * (c.At.Y - a.At.Y) - (b.At.Y - a.At.Y) * (c.At.X - a.At.X);
  if (area == 0 || !std::isfinite(area)) return;
  int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
  if (!Span(std::min({a.At.X, b.At.X, c.At.X}), std::max({a.At.X, b.At.X, c.At.X}), Width(), x0,
            x1) ||
      !Span(std::min({a.At.Y, b.At.Y, c.At.Y}), std::max({a.At.Y, b.At.Y, c.At.Y}), Height(), y0,
            y1))
    return;
  // Edge functions, each the weight of the corner opposite, divided by the area so that the
  // three weights add up to 1 inside.
  struct TEdge {
    double DX, DY, C;  // weight at (x, y) = DX x + DY y + C
  };
  const auto edge = [area](const TScreenPoint& p, const TScreenPoint& q) {
    return TEdge{(p.Y - q.Y) / area, (q.X - p.X) / area, (p.X * q.Y - q.X * p.Y) / area};
  };
  const TEdge wa = edge(b.At, c.At), wb = edge(c.At, a.At);
  const TChannels channels(color);
  for (int y = y0; y <= y1; ++y) {
    std::uint8_t* row = pixels_.ScanLine(y);
    float* depths = &depth_[Index(0, y)];
    for (int x = x0; x <= x1; ++x) {
      const double la = wa.DX * x + wa.DY * y + wa.C;
      const double lb = wb.DX * x + wb.DY * y + wb.C;
      const double lc = 1 - la - lb;
      if (la < 0 || lb < 0 || lc < 0) continue;
      const auto z = static_cast<float>(la * a.At.Depth + lb * b.At.Depth + lc * c.At.Depth);
      if (!(z < depths[x])) continue;
      depths[x] = z;
      channels.Write(row + static_cast<std::size_t>(x) * 3,
                     la * a.Light + lb * b.Light + lc * c.Light);
    }
  }
}

void TViewFrame::Line(const TScreenPoint& a, const TScreenPoint& b, platform::TColor color,
                      double bias) {
  if (!Finite(a) || !Finite(b) || Width() == 0 || Height() == 0) return;
  double t0 = 0, t1 = 1;
  if (!Clip(a.X, b.X, -0.5, Width() - 0.5, t0, t1) || !Clip(a.Y, b.Y, -0.5, Height() - 0.5, t0, t1))
    return;
  const TScreenPoint from{a.X + t0 * (b.X - a.X), a.Y + t0 * (b.Y - a.Y),
                          a.Depth + t0 * (b.Depth - a.Depth)};
  const TScreenPoint to{a.X + t1 * (b.X - a.X), a.Y + t1 * (b.Y - a.Y),
                        a.Depth + t1 * (b.Depth - a.Depth)};
  const int steps =
      static_cast<int>(std::ceil(std::max(std::abs(to.X - from.X), std::abs(to.Y - from.Y))));
  for (int k = 0; k <= steps; ++k) {
    const double t = steps == 0 ? 0 : static_cast<double>(k) / steps;
    const int x =
        std::clamp(static_cast<int>(std::lround(from.X + t * (to.X - from.X))), 0, Width() - 1);
    const int y =
        std::clamp(static_cast<int>(std::lround(from.Y + t * (to.Y - from.Y))), 0, Height() - 1);
    Plot(x, y, from.Depth + t * (to.Depth - from.Depth) - bias, color);
  }
}

void TViewFrame::Marker(platform::TPoint centre, int half, platform::TColor fill,
                        platform::TColor border) {
  const platform::TRect box{centre.X - half, centre.Y - half, centre.X + half + 1,
                            centre.Y + half + 1};
  pixels_.FillRect(box, border);
  pixels_.FillRect({box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1}, fill);
}

}  // namespace Bezier
