#include "platform/graphics/Canvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/graphics/Raster.h"

namespace platform {

Canvas::Canvas(Bitmap& target) : target_(&target), clip_(target.BoundsRect()) {}

void Canvas::SetClipRegion(const Region& deviceRegion) {
  clip_ = deviceRegion.Intersect(Region(target_->BoundsRect()));
}

void Canvas::ResetClip() { clip_ = Region(target_->BoundsRect()); }

void Canvas::IntersectClipRect(const TRect& logicalRect) {
  clip_ = clip_.Intersect(Region(raster::ToDevice(logicalRect, origin_)));
}

void Canvas::ExcludeClipRect(const TRect& logicalRect) {
  clip_ = clip_.Difference(Region(raster::ToDevice(logicalRect, origin_)));
}

TRect Canvas::ClipRect() const {
  if (clip_.IsEmpty()) return {};
  return clip_.Bounds().Offset(-origin_.X, -origin_.Y);
}

TColor Canvas::GetPixel(int x, int y) const { return target_->Pixel(x + origin_.X, y + origin_.Y); }

void Canvas::SetPixel(int x, int y, TColor color) {
  PlotDevice(x + origin_.X, y + origin_.Y, ColorToRGB(color));
}

void Canvas::FillRect(const TRect& r) {
  // Cut to the clip first, so that a huge rectangle costs no more than the clip.
  const TRect d = raster::ToDevice(r, origin_).Intersect(clip_.Bounds());
  const TColor rgb = ColorToRGB(brush_.Color);
  for (int y = d.Top; y < d.Bottom; ++y) FillSpanDevice(y, d.Left, d.Right, rgb);
}

void Canvas::FrameRect(const TRect& r) {
  if (r.IsEmpty()) return;
  const TRect d = raster::ToDevice(r, origin_);
  const TColor rgb = ColorToRGB(brush_.Color);
  FillSpanDevice(d.Top, d.Left, d.Right, rgb);
  if (d.Height() > 1) FillSpanDevice(d.Bottom - 1, d.Left, d.Right, rgb);
  const TRect clip = clip_.Bounds();
  for (int y = std::max(d.Top + 1, clip.Top); y < std::min(d.Bottom - 1, clip.Bottom); ++y) {
    PlotDevice(d.Left, y, rgb);
    if (d.Width() > 1) PlotDevice(d.Right - 1, y, rgb);
  }
}

void Canvas::Draw(int x, int y, const Bitmap& picture) {
  StretchDraw(TRect::FromBounds(x, y, picture.Width(), picture.Height()), picture);
}

void Canvas::StretchDraw(const TRect& dest, const Bitmap& picture) {
  // A canvas only reads through its source, so a temporary one over the picture is safe.
  Canvas source(const_cast<Bitmap&>(picture));
  CopyRect(dest, source, picture.BoundsRect());
}

void Canvas::CopyRect(const TRect& dest, const Canvas& source, const TRect& sourceRect) {
  // In saturated device coordinates, where widths cannot overflow.
  const TRect dr = raster::ToDevice(dest, origin_);
  const TRect sr = raster::ToDevice(sourceRect, source.origin_);
  const int dw = dr.Width();
  const int dh = dr.Height();
  const int sw = sr.Width();
  const int sh = sr.Height();
  if (dw == 0 || dh == 0 || sw == 0 || sh == 0) return;

  // Normalise mirrored rectangles: walk the destination forwards, step through the source
  // in whichever direction the signs ask for.
  const bool mirrorX = (dw < 0) != (sw < 0);
  const bool mirrorY = (dh < 0) != (sh < 0);
  const TRect dd = raster::Normalised(dr);
  const TRect sd = raster::Normalised(sr);
  const int w = dd.Width();
  const int h = dd.Height();
  const TRect visible = dd.Intersect(clip_.Bounds()).Intersect(target_->BoundsRect());
  if (visible.IsEmpty()) return;
  const Bitmap& src = *source.target_;

  // Copying a picture onto itself must read the original pixels.
  const bool sameBitmap = &src == target_;
  Bitmap scratch;
  const Bitmap* from = &src;
  if (sameBitmap) {
    scratch = src;
    from = &scratch;
  }

  // Source column of every visible destination column, worked out once.
  std::vector<int> sourceColumn(static_cast<std::size_t>(visible.Width()));
  for (int x = visible.Left; x < visible.Right; ++x) {
    const int col = x - dd.Left;
    int sx = sd.Left + static_cast<int>(static_cast<long long>(col) * sd.Width() / w);
    if (mirrorX) sx = sd.Right - 1 - (sx - sd.Left);
    sourceColumn[static_cast<std::size_t>(x - visible.Left)] = sx;
  }
  const bool straight = !mirrorX && sd.Width() == w;

  for (int y = visible.Top; y < visible.Bottom; ++y) {
    const int row = y - dd.Top;
    int sy = sd.Top + static_cast<int>(static_cast<long long>(row) * sd.Height() / h);
    if (mirrorY) sy = sd.Bottom - 1 - (sy - sd.Top);
    if (sy < 0 || sy >= from->Height()) continue;
    const std::uint8_t* srcRow = from->ScanLine(sy);
    std::uint8_t* dstRow = target_->ScanLine(y);
    for (const TRect& band : clip_.BandAt(y)) {
      int x0 = std::max(band.Left, visible.Left);
      int x1 = std::min(band.Right, visible.Right);
      if (straight) {
        // Columns whose source lies outside the source bitmap are skipped.
        const int shift = sd.Left - dd.Left;
        x0 = std::max(x0, -shift);
        x1 = std::min(x1, from->Width() - shift);
        if (x1 > x0) std::memmove(dstRow + x0 * 3, srcRow + (x0 + shift) * 3, (x1 - x0) * 3);
        continue;
      }
      for (int x = x0; x < x1; ++x) {
        const int sx = sourceColumn[static_cast<std::size_t>(x - visible.Left)];
        if (sx >= 0 && sx < from->Width()) std::memcpy(dstRow + x * 3, srcRow + sx * 3, 3);
      }
    }
  }
}

// The span also keeps to the bitmap: it may have shrunk under a clip made for its old size.
void Canvas::FillSpanDevice(int y, int x0, int x1, TColor rgb) {
  x0 = std::max(x0, 0);
  x1 = std::min(x1, target_->Width());
  if (x1 <= x0 || y < 0 || y >= target_->Height()) return;
  const std::uint8_t bgr[3] = {GetBValue(rgb), GetGValue(rgb), GetRValue(rgb)};
  for (const TRect& c : clip_.BandAt(y)) {
    const int from = std::max(x0, c.Left);
    const int to = std::min(x1, c.Right);
    if (to <= from) continue;
    std::uint8_t* p = target_->ScanLine(y) + from * 3;
    for (int x = from; x < to; ++x, p += 3) std::memcpy(p, bgr, 3);
  }
}

void Canvas::PlotDevice(int x, int y, TColor rgb) { FillSpanDevice(y, x, x + 1, rgb); }

}  // namespace platform
