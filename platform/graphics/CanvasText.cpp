#include <algorithm>
#include <vector>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/PixelBlend.h"
#include "platform/graphics/Raster.h"
#include "platform/graphics/TextLayout.h"

namespace platform {

namespace {

// Paints laid-out lines onto a bitmap through a clip (device coordinates, inside the bitmap):
// the cell in the brush colour unless the brush is clear, then glyphs and lines in the font
// colour.
class TextPainter {
 public:
  TextPainter(Bitmap& target, const Region& clip, TPoint origin, const Brush& brush,
              const Font& font, ScaledFont& scaled)
      : target_(target),
        clip_(clip),
        clipBounds_(clip.Bounds()),
        origin_(origin),
        opaque_(brush.Style != BrushStyle::Clear),
        background_(ToBgr(ColorToRGB(brush.Color))),
        ink_(ToBgr(ColorToRGB(font.Color))),
        underline_(font.Underline),
        strikeOut_(font.StrikeOut),
        scaled_(scaled),
        metrics_(scaled.Metrics()) {}

  // cell is the top-left of the line's cell in logical coordinates.
  void Paint(const TextLine& line, TPoint cell) const {
    const TPoint at = raster::ToDevice(cell, origin_);
    if (opaque_) FillRows(at.X, at.X + line.Width, at.Y, metrics_.Height, background_);
    const int baseline = at.Y + metrics_.Ascent;
    for (const PlacedGlyph& glyph : line.Glyphs) BlendGlyph(*glyph.Image, at.X + glyph.X, baseline);

    const int thickness = scaled_.LineThickness();
    const int underlineTop = baseline + scaled_.UnderlinePosition();
    if (underline_) FillRows(at.X, at.X + line.Width, underlineTop, thickness, ink_);
    if (strikeOut_)
      FillRows(at.X, at.X + line.Width, baseline - scaled_.StrikeOutPosition(), thickness, ink_);
    for (const TextSpan& span : line.Underlines)
      FillRows(at.X + span.X, at.X + span.X + span.Width, underlineTop, thickness, ink_);
  }

 private:
  // Blends a row of coverage (or solid colour when coverage is null) starting at device x.
  void BlendRow(int y, int x, int count, const std::uint8_t* coverage,
                const std::array<std::uint8_t, 3>& bgr) const {
    for (const TRect& band : clip_.BandAt(y)) {
      const int from = std::max(x, band.Left);
      const int to = std::min(x + count, band.Right);
      if (to <= from) continue;
      std::uint8_t* pixel = target_.ScanLine(y) + std::ptrdiff_t{from} * 3;
      if (!coverage) {
        for (int px = from; px < to; ++px, pixel += 3) CopyPixel(pixel, bgr);
        continue;
      }
      for (int px = from; px < to; ++px, pixel += 3)
        if (coverage[px - x] != 0) BlendPixel(pixel, bgr, coverage[px - x]);
    }
  }

  void FillRows(int left, int right, int top, int rows,
                const std::array<std::uint8_t, 3>& bgr) const {
    for (int y = top; y < top + rows; ++y) BlendRow(y, left, right - left, nullptr, bgr);
  }

  void BlendGlyph(const GlyphImage& glyph, int penX, int baseline) const {
    const TRect box =
        TRect::FromBounds(penX + glyph.Left, baseline - glyph.Top, glyph.Width, glyph.Height);
    if (!box.Intersects(clipBounds_)) return;
    for (int row = 0; row < glyph.Height; ++row)
      BlendRow(box.Top + row, box.Left, glyph.Width,
               glyph.Coverage.data() + std::ptrdiff_t{row} * glyph.Width, ink_);
  }

  Bitmap& target_;
  const Region& clip_;
  TRect clipBounds_;
  TPoint origin_;
  bool opaque_;
  std::array<std::uint8_t, 3> background_;
  std::array<std::uint8_t, 3> ink_;
  bool underline_;
  bool strikeOut_;
  ScaledFont& scaled_;
  const TextMetrics& metrics_;
};

int AlignedLeft(const TRect& rect, int width, unsigned flags) {
  if (flags & DT_CENTER) return rect.Left + (rect.Width() - width) / 2;
  if (flags & DT_RIGHT) return rect.Right - width;
  return rect.Left;
}

int TotalHeight(std::size_t lines, int lineHeight) {
  const long long total = static_cast<long long>(lines) * lineHeight;
  return static_cast<int>(std::min<long long>(total, raster::CoordinateLimit));
}

}  // namespace

void Canvas::TextOut(int x, int y, std::string_view text) {
  ScaledFont& scaled = GetScaledFont(font_);
  const TextPainter painter(*target_, clip_, origin_, brush_, font_, scaled);
  int width = 0;
  for (const TextLine& line : LayoutText(scaled, text, DT_SINGLELINE | DT_NOPREFIX, 0)) {
    painter.Paint(line, {x, y});
    width = line.Width;
  }
  const TPoint end = raster::ToDevice(TPoint{x, y}, {width, 0});
  MoveTo(end.X, end.Y);
}

TSize Canvas::TextExtent(std::string_view text) const {
  return platform::TextExtent(font_, text);
}

TextMetrics Canvas::GetTextMetrics() const {
  return platform::GetTextMetrics(font_);
}

int Canvas::DrawText(std::string_view text, TRect& rect, unsigned flags) {
  // Saturated, so that widths and centres of far-off rectangles can't overflow.
  const TRect box = raster::ToDevice(rect, {});
  ScaledFont& scaled = GetScaledFont(font_);
  const std::vector<TextLine> lines = LayoutText(scaled, text, flags, box.Width());
  const int lineHeight = scaled.Metrics().Height;
  const int height = TotalHeight(lines.size(), lineHeight);

  if (flags & DT_CALCRECT) {
    int widest = 0;
    for (const TextLine& line : lines) widest = std::max(widest, line.Width);
    rect.Right = box.Left + widest;
    rect.Bottom = box.Top + height;
    return height;
  }

  int y = box.Top;
  if (flags & DT_SINGLELINE) {
    if (flags & DT_VCENTER)
      y = box.Top + (box.Height() - height) / 2;
    else if (flags & DT_BOTTOM)
      y = box.Bottom - height;
  }
  const Region clip =
      (flags & DT_NOCLIP) ? clip_ : clip_.Intersect(Region(raster::ToDevice(rect, origin_)));
  const TextPainter painter(*target_, clip, origin_, brush_, font_, scaled);
  for (const TextLine& line : lines) {
    painter.Paint(line, {AlignedLeft(box, line.Width, flags), y});
    y += lineHeight;
  }
  return height;
}

}  // namespace platform
