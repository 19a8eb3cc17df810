#include "platform/graphics/Canvas.h"

#include <algorithm>
#include <vector>

#include "platform/graphics/Raster.h"

namespace platform {

namespace {

// Wider pens are drawn this wide: no picture needs more, and it bounds the outline work.
constexpr int MaxPenWidth = 1000;

int PenWidth(const Pen& pen) {
  return std::clamp(pen.Width, 1, MaxPenWidth);
}

}  // namespace

TRect Canvas::ShapeBox(const TRect& logical) const {
  TRect box = raster::Normalised(raster::ToDevice(logical, origin_));
  // Without an outline a shape is one pixel narrower and lower.
  if (pen_.Style == PenStyle::Clear) {
    --box.Right;
    --box.Bottom;
  }
  return box;
}

TRect Canvas::ShapeWindow() const {
  if (clip_.IsEmpty()) return {};
  const int grow = PenWidth(pen_) + 1;
  return clip_.Bounds().Inflate(grow, grow);
}

void Canvas::FillRows(const raster::SpanRows& rows, TColor rgb) {
  for (int y = rows.Top(); y < rows.Bottom(); ++y)
    for (const raster::Span& s : rows.Row(y)) FillSpanDevice(y, s.X0, s.X1, rgb);
}

void Canvas::PaintShape(const raster::SpanRows& shape) {
  const bool filled = brush_.Style != BrushStyle::Clear;
  const TColor brushRgb = ColorToRGB(brush_.Color);
  if (pen_.Style == PenStyle::Clear) {
    if (filled) FillRows(shape, brushRgb);
    return;
  }
  const raster::SpanRows interior = raster::Interior(shape, PenWidth(pen_));
  if (filled) FillRows(interior, brushRgb);
  FillRows(raster::Difference(shape, interior), ColorToRGB(pen_.Color));
}

void Canvas::StrokeDevice(TPoint from, TPoint to) {
  if (clip_.IsEmpty()) return;
  FillRows(raster::LineRows(from, to, PenWidth(pen_), clip_.Bounds()), ColorToRGB(pen_.Color));
}

void Canvas::LineTo(int x, int y) {
  const TPoint to{x, y};
  if (pen_.Style != PenStyle::Clear)
    StrokeDevice(raster::ToDevice(penPos_, origin_), raster::ToDevice(to, origin_));
  penPos_ = to;
}

void Canvas::Polyline(std::span<const TPoint> points) {
  if (points.empty()) return;
  MoveTo(points.front().X, points.front().Y);
  for (const TPoint& p : points.subspan(1)) LineTo(p.X, p.Y);
}

void Canvas::Rectangle(const TRect& r) {
  const TRect box = ShapeBox(r);
  if (!box.IsEmpty()) PaintShape(raster::RectangleRows(box, ShapeWindow()));
}

void Canvas::RoundRect(const TRect& r, int w, int h) {
  const TRect box = ShapeBox(r);
  if (!box.IsEmpty()) PaintShape(raster::RoundRectRows(box, w, h, ShapeWindow()));
}

void Canvas::Ellipse(const TRect& r) {
  const TRect box = ShapeBox(r);
  if (!box.IsEmpty()) PaintShape(raster::EllipseRows(box, ShapeWindow()));
}

void Canvas::Pie(const TRect& r, TPoint start, TPoint end) {
  const TRect box = ShapeBox(r);
  if (box.IsEmpty()) return;
  PaintShape(raster::PieRows(box, raster::ToDevice(start, origin_), raster::ToDevice(end, origin_),
                             ShapeWindow()));
}

void Canvas::Polygon(std::span<const TPoint> points) {
  std::vector<TPoint> device(points.size());
  std::transform(points.begin(), points.end(), device.begin(),
                 [this](TPoint p) { return raster::ToDevice(p, origin_); });
  if (brush_.Style != BrushStyle::Clear && !clip_.IsEmpty())
    FillRows(raster::PolygonRows(device, clip_.Bounds()), ColorToRGB(brush_.Color));
  if (pen_.Style == PenStyle::Clear) return;
  for (std::size_t i = 0; i < device.size(); ++i)
    StrokeDevice(device[i], device[(i + 1) % device.size()]);
}

}  // namespace platform
