#pragma once

#include <span>
#include <string_view>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Region.h"

namespace platform {

namespace raster {
class SpanRows;
}

enum class PenStyle { Solid, Clear };
enum class BrushStyle { Solid, Clear };

struct Pen {
  TColor Color = clBlack;
  int Width = 1;
  PenStyle Style = PenStyle::Solid;
};

struct Brush {
  TColor Color = clWhite;
  BrushStyle Style = BrushStyle::Solid;
};

// Formatted text drawing flags, with the values of the desktop interface the engine was
// written for.
enum TextFlags : unsigned {
  DT_LEFT = 0x0,
  DT_TOP = 0x0,
  DT_CENTER = 0x1,
  DT_RIGHT = 0x2,
  DT_VCENTER = 0x4,
  DT_BOTTOM = 0x8,
  DT_WORDBREAK = 0x10,
  DT_SINGLELINE = 0x20,
  DT_EXPANDTABS = 0x40,
  DT_NOCLIP = 0x100,
  DT_CALCRECT = 0x400,
  DT_NOPREFIX = 0x800,
  DT_RTLREADING = 0x20000,
};

// A device context over a bitmap. Drawing uses logical coordinates; a pixel lands at logical
// position + Origin in the bitmap, and only where the clip region allows (the clip is kept in
// bitmap coordinates and never reaches outside the bitmap). Shapes follow the raster rules of
// a desktop graphics interface: right and bottom edges are exclusive, a line does not paint
// its end point, and a shape drawn with a clear pen is one pixel narrower and lower.
class Canvas {
 public:
  explicit Canvas(Bitmap& target);

  Bitmap& Target() const { return *target_; }

  // --- State ---------------------------------------------------------------------------
  TPoint Origin() const { return origin_; }
  void SetOrigin(TPoint origin) { origin_ = origin; }

  // The clip, in bitmap coordinates; always inside the bitmap.
  const Region& ClipRegion() const { return clip_; }
  void SetClipRegion(const Region& deviceRegion);
  void ResetClip();
  // Narrows the clip to a rectangle given in logical coordinates.
  void IntersectClipRect(const TRect& logicalRect);
  void ExcludeClipRect(const TRect& logicalRect);
  // The clip's bounding box in logical coordinates.
  TRect ClipRect() const;

  Pen& GetPen() { return pen_; }
  Brush& GetBrush() { return brush_; }
  Font& GetFont() { return font_; }
  const Pen& GetPen() const { return pen_; }
  const Brush& GetBrush() const { return brush_; }
  const Font& GetFont() const { return font_; }
  void SetPen(const Pen& pen) { pen_ = pen; }
  void SetBrush(const Brush& brush) { brush_ = brush; }
  void SetFont(const Font& font) { font_ = font; }

  // --- Pixels and lines ----------------------------------------------------------------
  TColor GetPixel(int x, int y) const;  // clBlack outside the bitmap
  void SetPixel(int x, int y, TColor color);

  TPoint PenPos() const { return penPos_; }
  void MoveTo(int x, int y) { penPos_ = {x, y}; }
  // Draws from the pen position to (x, y) without painting (x, y), then moves there.
  void LineTo(int x, int y);
  // Connected lines through the points; the last point is not painted.
  void Polyline(std::span<const TPoint> points);

  // --- Filled shapes (outline with the pen, interior with the brush) --------------------
  void Rectangle(const TRect& r);
  // Rounded corners of ellipse width w and height h.
  void RoundRect(const TRect& r, int w, int h);
  void Ellipse(const TRect& r);
  // The wedge of the ellipse in r from the radial through start counter-clockwise to the
  // radial through end.
  void Pie(const TRect& r, TPoint start, TPoint end);
  // Closed polygon, alternate filling, pixel centres inside are filled.
  void Polygon(std::span<const TPoint> points);

  // Fills with the brush colour regardless of the brush style; no outline.
  void FillRect(const TRect& r);
  // One-pixel border in the brush colour.
  void FrameRect(const TRect& r);

  // --- Copies ----------------------------------------------------------------------------
  // Copies sourceRect of source (in the source's logical coordinates) onto dest; stretches
  // by nearest pixel when the sizes differ; a negative width or height mirrors.
  void CopyRect(const TRect& dest, const Canvas& source, const TRect& sourceRect);
  void Draw(int x, int y, const Bitmap& picture);
  void StretchDraw(const TRect& dest, const Bitmap& picture);

  // --- Text ------------------------------------------------------------------------------
  // The text cell's top-left at (x, y), in the font's colour; the cell is filled with the
  // brush colour first unless the brush is clear. Advances the pen position to the right.
  void TextOut(int x, int y, std::string_view text);
  TSize TextExtent(std::string_view text) const;
  int TextWidth(std::string_view text) const { return TextExtent(text).cx; }
  int TextHeight(std::string_view text) const { return TextExtent(text).cy; }
  TextMetrics GetTextMetrics() const;
  // Formatted text in rect with DT_* flags; answers the height of the text drawn. With
  // DT_CALCRECT nothing is drawn and rect's right and bottom are set to fit the text.
  int DrawText(std::string_view text, TRect& rect, unsigned flags);

 private:
  // Device-coordinate primitives every drawing routine ends in; they honour the clip.
  void FillSpanDevice(int y, int x0, int x1, TColor rgb);
  void PlotDevice(int x, int y, TColor rgb);

  // Shape painting (CanvasShapes.cpp): a shape's box in device coordinates, the clip
  // bounds grown by the pen, and the spans filled with the pen and the brush.
  TRect ShapeBox(const TRect& logical) const;
  TRect ShapeWindow() const;
  void FillRows(const raster::SpanRows& rows, TColor rgb);
  void PaintShape(const raster::SpanRows& shape);
  void StrokeDevice(TPoint from, TPoint to);

  Bitmap* target_;
  TPoint origin_{};
  Region clip_;
  Pen pen_;
  Brush brush_;
  Font font_;
  TPoint penPos_{};
};

}  // namespace platform
