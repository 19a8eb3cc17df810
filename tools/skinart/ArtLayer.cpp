#include "tools/skinart/ArtLayer.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "skinengine/skin/sSkinLists.h"

namespace skinart {

namespace {

using sSkinManager::SkinTransparentColor;

constexpr int Samples[] = {1, 3, 5, 7};

std::int64_t Square(std::int64_t v) {
  return v * v;
}

// Which side of the line a to b the point p lies on, times twice the triangle's area.
std::int64_t Side(int ax, int ay, int bx, int by, int px, int py) {
  return std::int64_t{bx - ax} * (py - ay) - std::int64_t{by - ay} * (px - ax);
}

TColor Nudged(TColor c) {
  return c == SkinTransparentColor ? TColor{0xFE00FF} : c;
}

int Channel(TColor c, int shift) {
  return static_cast<int>((c >> shift) & 0xFF);
}

}  // namespace

Shape RoundRect(int left, int top, int right, int bottom, int radius) {
  radius = std::clamp(radius, 0, std::min(right - left, bottom - top) / 2);
  const int l = left * Sub, t = top * Sub, r = right * Sub, b = bottom * Sub, rad = radius * Sub;
  return [=](int x, int y) {
    if (x < l || x >= r || y < t || y >= b) return false;
    const int cx = std::clamp(x, l + rad, r - rad);
    const int cy = std::clamp(y, t + rad, b - rad);
    return Square(x - cx) + Square(y - cy) <= Square(rad);
  };
}

Shape Disc(int cx, int cy, int r) {
  return [=](int x, int y) { return Square(x - cx) + Square(y - cy) <= Square(r); };
}

Shape Segment(int ax, int ay, int bx, int by, int hw) {
  return [=](int x, int y) {
    const std::int64_t vx = bx - ax, vy = by - ay, wx = x - ax, wy = y - ay;
    const std::int64_t length2 = vx * vx + vy * vy;
    const std::int64_t dot = wx * vx + wy * vy;
    std::int64_t d2;
    if (length2 == 0 || dot <= 0)
      d2 = wx * wx + wy * wy;
    else if (dot >= length2)
      d2 = Square(x - bx) + Square(y - by);
    else
      d2 = wx * wx + wy * wy - dot * dot / length2;
    return d2 <= Square(hw);
  };
}

Shape Triangle(int ax, int ay, int bx, int by, int cx, int cy) {
  return [=](int x, int y) {
    const std::int64_t s1 = Side(ax, ay, bx, by, x, y);
    const std::int64_t s2 = Side(bx, by, cx, cy, x, y);
    const std::int64_t s3 = Side(cx, cy, ax, ay, x, y);
    return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
  };
}

Shape Minus(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](int x, int y) { return a(x, y) && !b(x, y); };
}

Shape Either(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](int x, int y) { return a(x, y) || b(x, y); };
}

TColor Mix(TColor a, TColor b, int weight) {
  TColor result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int v = (Channel(a, shift) * (255 - weight) + Channel(b, shift) * weight + 127) / 255;
    result |= static_cast<TColor>(v) << shift;
  }
  return result;
}

TColor Ramp(TColor top, TColor bottom, int row, int height) {
  return height <= 1 ? top : Mix(top, bottom, row * 255 / (height - 1));
}

Layer::Layer(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height)) {}

void Layer::Fill(const Shape& shape, TColor color, int opacity) {
  Fill(
      shape, [color](int, int) { return color; }, opacity);
}

void Layer::Fill(const Shape& shape, const Paint& paint, int opacity) {
  Fill(shape, paint, opacity, {0, 0, width_, height_});
}

void Layer::Fill(const Shape& shape, const Paint& paint, int opacity, platform::TRect area) {
  area = area.Intersect({0, 0, width_, height_});
  for (int y = area.Top; y < area.Bottom; ++y) {
    for (int x = area.Left; x < area.Right; ++x) {
      int coverage = 0;
      for (int sy : Samples)
        for (int sx : Samples) coverage += shape(x * Sub + sx, y * Sub + sy);
      if (coverage == 0) continue;
      Pixel& p = At(x, y);
      const TColor color = paint(x, y);
      // The new colour laid over the old one, both weighted in units of 16 · 255.
      const int newWeight = opacity * coverage;
      const int oldWeight = p.Opacity * (16 * 255 - newWeight) / 255;
      const int total = oldWeight + newWeight;
      TColor mixed = 0;
      for (int shift = 0; shift <= 16; shift += 8) {
        const int v = total == 0 ? Channel(color, shift)
                                 : (Channel(p.Color, shift) * oldWeight +
                                    Channel(color, shift) * newWeight + total / 2) /
                                       total;
        mixed |= static_cast<TColor>(v) << shift;
      }
      p.Color = mixed;
      p.Opacity = (total + 8) / 16;
      p.Touched = true;
    }
  }
}

void Layer::PutMasked(Bitmap& target, int x, int y, int maskRows) const {
  for (int row = 0; row < height_; ++row) {
    for (int col = 0; col < width_; ++col) {
      const Pixel& p = At(col, row);
      const int mask = p.Touched ? 255 - p.Opacity : 255;
      target.SetPixel(x + col, y + row, p.Touched ? Nudged(p.Color) : SkinTransparentColor);
      target.SetPixel(x + col, y + row + maskRows, static_cast<TColor>(mask) * 0x010101u);
    }
  }
}

Bitmap Layer::Flatten(TColor background) const {
  Bitmap b(width_, height_);
  for (int row = 0; row < height_; ++row)
    for (int col = 0; col < width_; ++col) {
      const Pixel& p = At(col, row);
      b.SetPixel(col, row,
                 p.Touched ? Nudged(Mix(background, p.Color, p.Opacity)) : SkinTransparentColor);
    }
  return b;
}

platform::RgbaImage Layer::Rgba() const {
  platform::RgbaImage image{width_, height_, {}};
  image.Pixels.reserve(pixels_.size() * 4);
  for (const Pixel& p : pixels_) {
    const int alpha = p.Touched ? p.Opacity : 0;
    for (int shift : {0, 8, 16})
      image.Pixels.push_back(static_cast<std::uint8_t>(alpha == 0 ? 0 : Channel(p.Color, shift)));
    image.Pixels.push_back(static_cast<std::uint8_t>(alpha));
  }
  return image;
}

}  // namespace skinart
