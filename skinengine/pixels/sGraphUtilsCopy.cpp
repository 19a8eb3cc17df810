#include <algorithm>
#include <cmath>
#include <cstdint>

#include "skinengine/pixels/sGraphUtils.h"
#include "skinengine/pixels/sGraphUtilsPixels.h"

namespace sGraphUtils {

using platform::Bitmap;
using platform::Canvas;
using platform::TColor;
using platform::TRect;

namespace {

// Draws the columns x rows grid of pictures from origin, skipping the tiles that fall wholly
// outside the canvas's clip, so a huge rectangle costs no more than the visible part.
void DrawGrid(Canvas& canvas, platform::TPoint origin, std::int64_t columns, std::int64_t rows,
              const Bitmap& picture) {
  const TRect visible = canvas.ClipRect();
  if (visible.IsEmpty()) return;
  const std::int64_t w = picture.Width();
  const std::int64_t h = picture.Height();
  const std::int64_t firstColumn =
      std::max<std::int64_t>(0, (visible.Left - std::int64_t{origin.X}) / w);
  const std::int64_t lastColumn =
      std::min(columns - 1, (visible.Right - std::int64_t{origin.X}) / w);
  const std::int64_t firstRow =
      std::max<std::int64_t>(0, (visible.Top - std::int64_t{origin.Y}) / h);
  const std::int64_t lastRow = std::min(rows - 1, (visible.Bottom - std::int64_t{origin.Y}) / h);
  for (std::int64_t i = firstColumn; i <= lastColumn; ++i)
    for (std::int64_t j = firstRow; j <= lastRow; ++j)
      canvas.Draw(static_cast<int>(origin.X + i * w), static_cast<int>(origin.Y + j * h), picture);
}

// Walks the part of source inside sourceRect (right and bottom inclusive, clamped to the
// source) that lands inside dest at (x, y), calling apply for every pixel that is not the
// transparent colour.
template <typename Apply>
void ForEachOpaquePixel(Bitmap& dest, const Bitmap& source, int x, int y, const TRect& sourceRect,
                        TColor transparent, Apply apply) {
  const pixels::Bgr t = pixels::ToBgr(transparent);
  const std::int64_t left = std::max(sourceRect.Left, 0);
  const std::int64_t top = std::max(sourceRect.Top, 0);
  // Source columns and rows whose destination lies inside dest.
  const std::int64_t fromX = std::max(left, left - x);
  const std::int64_t toX = std::min<std::int64_t>(
      {sourceRect.Right, source.Width() - 1, dest.Width() - 1 - std::int64_t{x} + left});
  const std::int64_t fromY = std::max(top, top - y);
  const std::int64_t toY = std::min<std::int64_t>(
      {sourceRect.Bottom, source.Height() - 1, dest.Height() - 1 - std::int64_t{y} + top});
  for (std::int64_t sy = fromY; sy <= toY; ++sy) {
    const std::uint8_t* s = source.ScanLine(static_cast<int>(sy));
    std::uint8_t* d = dest.ScanLine(static_cast<int>(y + sy - top));
    for (std::int64_t sx = fromX; sx <= toX; ++sx) {
      const std::uint8_t* sp = s + 3 * sx;
      if (sp[0] == t[0] && sp[1] == t[1] && sp[2] == t[2]) continue;
      apply(d + 3 * (x + sx - left), sp);
    }
  }
}

}  // namespace

void TilePicture(Canvas& canvas, const TRect& rect, const Bitmap& picture, PictureKind kind) {
  if (picture.Empty()) return;
  const std::int64_t columns = (std::int64_t{rect.Right} - rect.Left) / picture.Width() + 1;
  const std::int64_t rows = (std::int64_t{rect.Bottom} - rect.Top) / picture.Height() + 1;
  if (kind == PictureKind::Jpeg) return DrawGrid(canvas, rect.TopLeft(), columns, rows, picture);
  // Bitmap tiles are cut at the rectangle's right and bottom edges.
  const platform::Region saved = canvas.ClipRegion();
  canvas.IntersectClipRect(rect);
  DrawGrid(canvas, rect.TopLeft(), columns, rows, picture);
  canvas.SetClipRegion(saved);
}

void DrawTransparent(Bitmap& dest, const Bitmap& source, int x, int y, TColor transparent) {
  DrawTransparentRect(dest, source, x, y, {0, 0, source.Width() - 1, source.Height() - 1},
                      transparent);
}

void DrawTransparentRect(Bitmap& dest, const Bitmap& source, int x, int y, const TRect& sourceRect,
                         TColor transparent) {
  ForEachOpaquePixel(dest, source, x, y, sourceRect, transparent,
                     [](std::uint8_t* d, const std::uint8_t* s) { std::copy_n(s, 3, d); });
}

void BlendTransparent(Bitmap& dest, int x, int y, TColor transparent, double f,
                      const TRect& sourceRect, const Bitmap& source) {
  ForEachOpaquePixel(dest, source, x, y, sourceRect, transparent,
                     [f](std::uint8_t* d, const std::uint8_t* s) {
                       for (int c = 0; c < 3; ++c) {
                         const double mixed = std::nearbyint(s[c] - (s[c] - d[c]) * f);
                         d[c] = static_cast<std::uint8_t>(std::clamp(mixed, 0.0, 255.0));
                       }
                     });
}

}  // namespace sGraphUtils
