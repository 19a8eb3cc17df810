#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace platform::pictures {

inline constexpr TColor PenColor = clRed;
inline constexpr TColor BrushColor = clLime;

using PixelSet = std::set<std::pair<int, int>>;

// A black bitmap with a canvas whose pen is red and brush lime.
struct Scene {
  Bitmap bitmap;
  Canvas canvas;

  Scene(int width, int height) : bitmap(width, height), canvas(bitmap) {
    canvas.GetPen().Color = PenColor;
    canvas.GetBrush().Color = BrushColor;
  }
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  void Clear() { bitmap.Fill(clBlack); }
  void SetPen(int width, PenStyle style = PenStyle::Solid) {
    canvas.GetPen().Width = width;
    canvas.GetPen().Style = style;
  }
  void SetBrush(BrushStyle style) { canvas.GetBrush().Style = style; }
};

// The pixels of one colour, or with colour == clNone every pixel that is not black.
inline PixelSet PixelsOf(const Bitmap& b, TColor color = clNone) {
  PixelSet out;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      const TColor c = b.Pixel(x, y);
      if (color == clNone ? c != clBlack : c == color) out.insert({x, y});
    }
  return out;
}

// The bitmap as text rows: '.' black, 'P' pen, 'B' brush, '?' anything else.
inline std::vector<std::string> Art(const Bitmap& b) {
  std::vector<std::string> rows;
  for (int y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int x = 0; x < b.Width(); ++x) {
      const TColor c = b.Pixel(x, y);
      row += c == clBlack ? '.' : c == PenColor ? 'P' : c == BrushColor ? 'B' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace platform::pictures
