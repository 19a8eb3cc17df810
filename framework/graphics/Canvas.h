#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "framework/graphics/Font.h"
#include "framework/graphics/PenBrush.h"
#include "platform/graphics/Canvas.h"

namespace framework {

class TGraphic;
using platform::TPoint;
using platform::TRect;
using platform::TSize;

// Drawing with a pen, a brush and a font over a platform canvas (a bitmap's or a window's).
// The platform canvas is asked for only when drawing needs it, so a control's canvas can
// fetch its window's when used outside painting.
class TCanvas : public TPersistent {
 public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TFont* Font() const { return font_.get(); }
  TPen* Pen() const { return pen_.get(); }
  TBrush* Brush() const { return brush_.get(); }
  void SetFont(const TFont* font) { font_->Assign(font); }
  void SetPen(const TPen* pen) { pen_->Assign(pen); }
  void SetBrush(const TBrush* brush) { brush_->Assign(brush); }

  // The platform canvas, for the pixel routines that work on it directly; null when there
  // is nothing to draw on.
  platform::Canvas* Handle();
  void SetHandle(platform::Canvas* handle);
  bool HandleAllocated() const { return handle_ != nullptr; }

  TPoint PenPos();
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Polyline(std::span<const TPoint> points);
  void Polygon(std::span<const TPoint> points);
  void Rectangle(int x1, int y1, int x2, int y2) { Rectangle(TRect{x1, y1, x2, y2}); }
  void Rectangle(const TRect& r);
  void RoundRect(int x1, int y1, int x2, int y2, int w, int h);
  void Ellipse(int x1, int y1, int x2, int y2) { Ellipse(TRect{x1, y1, x2, y2}); }
  void Ellipse(const TRect& r);
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  // The dotted frame that marks the focus: every other pixel of r's edge inverted, so
  // drawing it twice takes it away again.
  void DrawFocusRect(const TRect& r);

  void TextOut(int x, int y, std::string_view text);
  // Text at (x, y) clipped to r, whose background the brush fills first unless clear.
  void TextRect(const TRect& r, int x, int y, std::string_view text);
  // Formatted text (platform DT_* flags); answers the height drawn.
  int DrawText(std::string_view text, TRect& r, unsigned flags);
  TSize TextExtent(std::string_view text);
  int TextWidth(std::string_view text) { return TextExtent(text).cx; }
  int TextHeight(std::string_view text) { return TextExtent(text).cy; }

  void Draw(int x, int y, const TGraphic* graphic);
  void StretchDraw(const TRect& r, const TGraphic* graphic);
  void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);

  // Reads outside the surface give clBlack; writes there are ignored.
  platform::TColor Pixels(int x, int y);
  void SetPixels(int x, int y, platform::TColor color);
  // The clip's bounds in logical coordinates; empty without a surface.
  TRect ClipRect();

  TNotifyEvent OnChange;

 protected:
  // Called when drawing needs a platform canvas and none is set.
  virtual void CreateHandle() {}
  // The platform canvas with the pen, brush and font applied; raises when there is none.
  platform::Canvas& Ready();
  void Changed();

 private:
  platform::Canvas& Required();

  std::unique_ptr<TFont> font_;
  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
  platform::Canvas* handle_ = nullptr;
};

}  // namespace framework
