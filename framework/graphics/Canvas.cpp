#include "framework/graphics/Canvas.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/graphics/Graphic.h"

namespace framework {

TCanvas::TCanvas()
    : font_(std::make_unique<TFont>()),
      pen_(std::make_unique<TPen>()),
      brush_(std::make_unique<TBrush>()) {}

TCanvas::~TCanvas() = default;

const TClassInfo& TCanvas::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TCanvas, TPersistent>("TCanvas").Build();
  return info;
}

platform::Canvas* TCanvas::Handle() {
  if (!handle_) CreateHandle();
  return handle_;
}

void TCanvas::SetHandle(platform::Canvas* handle) {
  handle_ = handle;
}

platform::Canvas& TCanvas::Required() {
  platform::Canvas* canvas = Handle();
  if (!canvas) throw Exception("Canvas does not allow drawing");
  return *canvas;
}

platform::Canvas& TCanvas::Ready() {
  platform::Canvas& canvas = Required();
  canvas.SetPen(pen_->Data());
  canvas.SetBrush(brush_->Data());
  canvas.SetFont(font_->Data());
  return canvas;
}

void TCanvas::Changed() {
  if (OnChange) OnChange(this);
}

TPoint TCanvas::PenPos() {
  return Required().PenPos();
}
void TCanvas::MoveTo(int x, int y) {
  Required().MoveTo(x, y);
}

void TCanvas::LineTo(int x, int y) {
  Ready().LineTo(x, y);
  Changed();
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  Ready().Polyline(points);
  Changed();
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  Ready().Polygon(points);
  Changed();
}

void TCanvas::Rectangle(const TRect& r) {
  Ready().Rectangle(r);
  Changed();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int w, int h) {
  Ready().RoundRect({x1, y1, x2, y2}, w, h);
  Changed();
}

void TCanvas::Ellipse(const TRect& r) {
  Ready().Ellipse(r);
  Changed();
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Ready().Pie({x1, y1, x2, y2}, {x3, y3}, {x4, y4});
  Changed();
}

void TCanvas::FillRect(const TRect& r) {
  Ready().FillRect(r);
  Changed();
}

void TCanvas::FrameRect(const TRect& r) {
  Ready().FrameRect(r);
  Changed();
}

void TCanvas::DrawFocusRect(const TRect& r) {
  if (r.IsEmpty()) return;
  platform::Canvas& canvas = Required();
  auto invert = [&canvas](int x, int y) {
    if (((x + y) & 1) == 0) canvas.SetPixel(x, y, canvas.GetPixel(x, y) ^ 0xFFFFFF);
  };
  const int last = r.Bottom - 1;
  const int right = r.Right - 1;
  for (int x = r.Left; x < r.Right; ++x) {
    invert(x, r.Top);
    if (last != r.Top) invert(x, last);
  }
  for (int y = r.Top + 1; y < last; ++y) {
    invert(r.Left, y);
    if (right != r.Left) invert(right, y);
  }
  Changed();
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  Ready().TextOut(x, y, text);
  Changed();
}

void TCanvas::TextRect(const TRect& r, int x, int y, std::string_view text) {
  platform::Canvas& canvas = Ready();
  const platform::Region saved = canvas.ClipRegion();
  if (brush_->Style() != bsClear) canvas.FillRect(r);
  canvas.IntersectClipRect(r);
  platform::Brush clear = canvas.GetBrush();
  clear.Style = platform::BrushStyle::Clear;
  canvas.SetBrush(clear);
  canvas.TextOut(x, y, text);
  canvas.SetClipRegion(saved);
  Changed();
}

int TCanvas::DrawText(std::string_view text, TRect& r, unsigned flags) {
  const int height = Ready().DrawText(text, r, flags);
  if ((flags & platform::DT_CALCRECT) == 0) Changed();
  return height;
}

TSize TCanvas::TextExtent(std::string_view text) {
  return Ready().TextExtent(text);
}

void TCanvas::Draw(int x, int y, const TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  StretchDraw(TRect::FromBounds(x, y, graphic->Width(), graphic->Height()), graphic);
}

void TCanvas::StretchDraw(const TRect& r, const TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  graphic->Draw(Ready(), r);
  Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
  Ready().CopyRect(dest, source.Required(), sourceRect);
  Changed();
}

platform::TColor TCanvas::Pixels(int x, int y) {
  return Required().GetPixel(x, y);
}

void TCanvas::SetPixels(int x, int y, platform::TColor color) {
  Required().SetPixel(x, y, color);
  Changed();
}

TRect TCanvas::ClipRect() {
  platform::Canvas* canvas = Handle();
  return canvas ? canvas->ClipRect() : TRect{};
}

}  // namespace framework
