#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "skinengine/pixels/sGraphUtils.h"
#include "skinengine/pixels/sGraphUtilsPixels.h"
#include "skinengine/pixels/sRowKernel.h"

namespace sGraphUtils {

using platform::Bitmap;
using platform::Canvas;
using platform::TColor;
using platform::TRect;

namespace {

// A colour's three bytes repeated across a row, so that the per-byte loops below vectorise.
std::vector<std::uint8_t> RowPattern(TColor color, int width) {
  const pixels::Bgr bgr = pixels::ToBgr(color);
  std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * 3);
  for (std::size_t i = 0; i < row.size(); ++i) row[i] = bgr[i % 3];
  return row;
}

BEZIER_ROW_KERNEL void MaskRow(std::uint8_t* d, const std::uint8_t* m, const std::uint8_t* c,
                               std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) d[i] = pixels::ColorMaskBlend(d[i], c[i], m[i]);
}

BEZIER_ROW_KERNEL void BlendRow(std::uint8_t* a, const std::uint8_t* b, const std::uint16_t* k,
                                std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint32_t ka = (std::uint32_t{a[i]} * k[i]) >> 16;
    const std::uint32_t kb = (std::uint32_t{b[i]} * k[i]) >> 16;
    a[i] = static_cast<std::uint8_t>(ka + b[i] - kb);
  }
}

#undef BEZIER_ROW_KERNEL

}  // namespace

void BlendColorMask(Bitmap& bitmap, const Bitmap& mask, TColor color) {
  const int width = std::min(bitmap.Width(), mask.Width());
  const int height = std::min(bitmap.Height(), mask.Height());
  const std::vector<std::uint8_t> c = RowPattern(color, width);
  for (int y = 0; y < height; ++y)
    MaskRow(bitmap.ScanLine(y), mask.ScanLine(y), c.data(), c.size());
}

void BlendBitmaps(Bitmap& a, const Bitmap& b, TColor weight) {
  const int width = std::min(a.Width(), b.Width());
  const int height = std::min(a.Height(), b.Height());
  // Weights scaled by 256: floor(k * v / 256) is then the high half of a 16-bit product,
  // which vector units compute in one step.
  std::vector<std::uint16_t> k(static_cast<std::size_t>(width) * 3);
  const std::vector<std::uint8_t> bytes = RowPattern(weight, width);
  std::transform(bytes.begin(), bytes.end(), k.begin(),
                 [](std::uint8_t v) { return static_cast<std::uint16_t>(v << 8); });
  for (int y = 0; y < height; ++y) BlendRow(a.ScanLine(y), b.ScanLine(y), k.data(), k.size());
}

void FillColor(Canvas& dc, const TRect& rect, TColor color) {
  const platform::Brush saved = dc.GetBrush();
  dc.SetBrush({color, platform::BrushStyle::Solid});
  dc.FillRect(rect);
  dc.SetBrush(saved);
}

void BlendColor(const Canvas& source, const TRect& rect, Canvas& dest, int radius, BlendShape shape,
                int blur, TColor color, int share, platform::TPoint at) {
  if (rect.IsEmpty()) return;
  // Measured wide, so that an absurd rectangle fails the bitmap's size check, not overflows.
  const std::int64_t wide = std::int64_t{rect.Right} - rect.Left;
  const std::int64_t high = std::int64_t{rect.Bottom} - rect.Top;
  platform::Bitmap::CheckSize(wide, high);
  const int w = static_cast<int>(wide);
  const int h = static_cast<int>(high);
  const TRect target = TRect::FromBounds(at.X, at.Y, w, h);
  share = std::clamp(share, 0, 100);
  if (share == 0) return FillColor(dest, target, color);
  if (share == 100) return dest.CopyRect(target, source, rect);

  Bitmap picture(w, h);
  Canvas(picture).CopyRect(picture.BoundsRect(), source, rect);
  // Outside the outermost ring the picture stays as it was.
  Bitmap mask(w, h);
  mask.Fill(platform::clWhite);
  Canvas rings(mask);
  rings.GetPen().Style = platform::PenStyle::Clear;
  blur = std::clamp(blur, 0, std::min(w / 2, h / 2));
  const int base = share * 255 / 100;
  const double step = (255.0 - base) / (blur + 1);
  for (int i = 0; i <= blur; ++i) {
    rings.GetBrush().Color = GreyWeight(base + static_cast<int>(std::nearbyint(step * (blur - i))));
    if (shape == BlendShape::Ellipse)
      rings.Ellipse({i, i, w - i, h - i});
    else
      rings.RoundRect({i, i, w - i + 1, h - i + 1}, radius + blur, radius + blur);
  }
  BlendColorMask(picture, mask, color);
  dest.Draw(at.X, at.Y, picture);
}

void OverlayColor(Bitmap& bitmap, TColor color, int share) {
  if (share >= 100) return;
  if (share <= 0) return bitmap.Fill(color);
  const std::vector<std::uint8_t> c = RowPattern(color, bitmap.Width());
  const std::vector<std::uint8_t> m(c.size(), static_cast<std::uint8_t>(share * 255 / 100));
  for (int y = 0; y < bitmap.Height(); ++y)
    MaskRow(bitmap.ScanLine(y), m.data(), c.data(), c.size());
}

TColor MixColors(TColor a, TColor b, double f) {
  const TColor ra = platform::ColorToRGB(a);
  const TColor rb = platform::ColorToRGB(b);
  TColor result = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const double ca = (ra >> shift) & 0xFF;
    const double cb = (rb >> shift) & 0xFF;
    const double mixed = std::clamp(std::nearbyint(ca - (ca - cb) * f), 0.0, 255.0);
    result |= static_cast<TColor>(mixed) << shift;
  }
  return result;
}

void MakeGrey(Bitmap& bitmap) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* p = bitmap.ScanLine(y);
    for (int i = 0; i < bitmap.Width() * 3; i += 3)
      p[i] = p[i + 1] = p[i + 2] = static_cast<std::uint8_t>((p[i] + p[i + 1] + p[i + 2]) / 3);
  }
}

}  // namespace sGraphUtils
