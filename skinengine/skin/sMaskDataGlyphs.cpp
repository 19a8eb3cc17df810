#include <algorithm>
#include <cstdint>
#include <optional>

#include "skinengine/skin/sMaskData.h"

namespace sMaskData {

using platform::Bitmap;
using platform::TColor;
using platform::TPoint;

namespace {

// Lightened glyphs raise every mask value by this much, so more background shows through.
constexpr int LightenedMaskRaise = 100;

// How a cell meets a destination it does not fit into: not drawn at all, or cut at the edges.
enum class Fit { NeedRoom, Clip };

void PaintCell(Bitmap& dest, const Bitmap& image, TPoint at, GlyphMode mode,
               std::optional<TColor> transparent, int cell, Fit fit = Fit::NeedRoom) {
  const int w = image.Width() / 3;
  const int h = image.Height() / 2;
  if (fit == Fit::NeedRoom && (w >= dest.Width() || h >= dest.Height())) return;
  if (cell < 0 || cell > 2) return;
  const TColor key = platform::ColorToRGB(transparent.value_or(0));
  const std::uint8_t keyB = platform::GetBValue(key);
  const std::uint8_t keyG = platform::GetGValue(key);
  const std::uint8_t keyR = platform::GetRValue(key);
  const int raise = mode == GlyphMode::Plain ? 0 : LightenedMaskRaise;
  // A point left of or above the destination moves the source start by the overhang.
  const int c0 = std::max(0, -at.X);
  const int r0 = std::max(0, -at.Y);
  const int c1 = std::min(w, dest.Width() - at.X);
  const int r1 = std::min(h, dest.Height() - at.Y);
  for (int r = r0; r < r1; ++r) {
    std::uint8_t* d = dest.ScanLine(at.Y + r) + 3 * (at.X + c0);
    const std::uint8_t* p = image.ScanLine(r) + 3 * (cell * w + c0);
    const std::uint8_t* m = image.ScanLine(r + h) + 3 * (cell * w + c0);
    for (int c = c0; c < c1; ++c, d += 3, p += 3, m += 3) {
      if (transparent && p[0] == keyB && p[1] == keyG && p[2] == keyR) continue;
      for (int i = 0; i < 3; ++i) d[i] = MaskedImageBlend(d[i], p[i], std::min(m[i] + raise, 255));
    }
  }
}

}  // namespace

void PaintGlyphCell(Bitmap& dest, const Bitmap& image, TPoint at, GlyphMode mode,
                    TColor transparent, int cell) {
  PaintCell(dest, image, at, mode, transparent, cell);
}

void PaintGlyphCellNoKey(Bitmap& dest, const Bitmap& image, TPoint at, GlyphMode mode, int cell) {
  PaintCell(dest, image, at, mode, std::nullopt, cell);
}

void BlendGlyphCell(Bitmap& dest, const Bitmap& image, TPoint at, int cell) {
  PaintCell(dest, image, at, GlyphMode::Plain, std::nullopt, cell, Fit::Clip);
}

}  // namespace sMaskData
