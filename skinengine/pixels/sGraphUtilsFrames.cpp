#include <algorithm>
#include <cstddef>
#include <cstdlib>

#include "skinengine/pixels/sGraphUtils.h"

namespace sGraphUtils {

using platform::Canvas;
using platform::TColor;
using platform::TPoint;
using platform::TRect;
using namespace sBevels;

namespace {

enum class LineMode { Light, Dark, Plain };

struct FrameSide {
  TColor color;
  LineMode mode;
};

// Line d (0 = outermost) of a side n lines wide.
TColor LineColor(const FrameSide& side, bool soft, int d, int n, TColor blend) {
  if (!soft || n < 2 || side.mode == LineMode::Plain) return side.color;
  const double f = static_cast<double>(d) / n;
  if (side.mode == LineMode::Light)
    return d == 0 ? platform::clWhite : MixColors(side.color, blend, f);
  return d == 0 ? platform::clBlack
                : MixColors(MixColors(side.color, platform::clBlack, 0.5), blend, f);
}

// Restores the pen and brush a routine changed.
class SavedTools {
 public:
  explicit SavedTools(Canvas& canvas)
      : canvas_(canvas), pen_(canvas.GetPen()), brush_(canvas.GetBrush()) {}
  ~SavedTools() {
    canvas_.SetPen(pen_);
    canvas_.SetBrush(brush_);
  }
  SavedTools(const SavedTools&) = delete;
  SavedTools& operator=(const SavedTools&) = delete;

 private:
  Canvas& canvas_;
  platform::Pen pen_;
  platform::Brush brush_;
};

}  // namespace

void PaintLineFrame(Canvas& dc, TColor topLeft, TColor bottomRight, bool soft, TsEditorBevel kind,
                    int width, const TRect& rect, TColor blend) {
  FrameSide first{};
  FrameSide second{};
  switch (kind) {
    case ebRaised:
      first = {topLeft, LineMode::Light};
      second = {bottomRight, LineMode::Dark};
      break;
    case ebLowered:
      first = {bottomRight, LineMode::Dark};
      second = {topLeft, LineMode::Light};
      break;
    case ebAsTopBorder:
      first = second = {topLeft, LineMode::Plain};
      break;
    case ebAsBottomBorder:
      first = second = {bottomRight, LineMode::Plain};
      break;
    default:
      return;
  }
  // Lines further in than the rectangle is large lie wholly outside it; a width from a skin
  // file is capped there rather than looping for ever.
  const int n =
      std::clamp(width, 1, std::max({std::abs(rect.Width()), std::abs(rect.Height()), 1}));
  const TRect& r = rect;
  SavedTools saved(dc);
  dc.SetPen({platform::clBlack, 1, platform::PenStyle::Solid});
  const auto line = [&](const FrameSide& side, int d, TPoint from, TPoint to) {
    dc.GetPen().Color = LineColor(side, soft, d, n, blend);
    dc.MoveTo(from.X, from.Y);
    dc.LineTo(to.X, to.Y);
  };
  for (int k = 0; k < n; ++k)
    line(first, k, {r.Left + k, r.Bottom - 1 - k}, {r.Left + k, r.Top + k});
  for (int k = 0; k < n; ++k) line(first, k, {r.Left + k, r.Top + k}, {r.Right - k, r.Top + k});
  for (int k = 0; k < n; ++k)
    line(second, k, {r.Right - 1 - k, r.Top + 1 + k}, {r.Right - 1 - k, r.Bottom - 1 - k});
  for (int k = 0; k < n; ++k)
    line(second, k, {r.Right - 1 - k, r.Bottom - 1 - k}, {r.Left + k, r.Bottom - 1 - k});
}

void PaintFrame3D(Canvas& dc, const TRect& rect, TColor topLeft, int& count, TColor bottomRight) {
  SavedTools saved(dc);
  dc.SetPen({platform::clBlack, 1, platform::PenStyle::Solid});
  dc.GetBrush().Style = platform::BrushStyle::Clear;
  TRect r = rect;
  for (; count > 0; --count) {
    const TPoint upper[] = {{r.Left, r.Bottom - 1}, {r.Left, r.Top}, {r.Right - 1, r.Top}};
    const TPoint lower[] = {
        {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left - 1, r.Bottom - 1}};
    dc.GetPen().Color = platform::ColorToRGB(topLeft);
    dc.Polyline(upper);
    dc.GetPen().Color = platform::ColorToRGB(bottomRight);
    dc.Polyline(lower);
    r = r.Inflate(-1, -1);
  }
  count = 0;
}

void PaintFocusDots(Canvas& canvas, const TRect& rect) {
  for (int i = 0; i <= rect.Width() / 3; ++i) {
    const int x = rect.Left + 3 * i;
    canvas.SetPixel(x, rect.Top, platform::clBlack);
    canvas.SetPixel(x, rect.Bottom, platform::clBlack);
    canvas.SetPixel(x - 1, rect.Top - 1, platform::clWhite);
    canvas.SetPixel(x - 1, rect.Bottom - 1, platform::clWhite);
  }
  for (int j = 0; j <= rect.Height() / 3; ++j) {
    const int y = rect.Top + 3 * j;
    canvas.SetPixel(rect.Left, y, platform::clBlack);
    canvas.SetPixel(rect.Right, y, platform::clBlack);
    canvas.SetPixel(rect.Left - 1, y - 1, platform::clWhite);
    canvas.SetPixel(rect.Right - 1, y - 1, platform::clWhite);
  }
}

void PaintCheckMark(Canvas& canvas, const TRect& rect, bool enabled, TColor color) {
  const int inset = rect.Width() / 8;
  TRect r = rect.Inflate(-inset, -inset);
  ++r.Left;
  ++r.Top;
  const int x0 = r.Left;
  const int y0 = r.Top;
  const int x1 = r.Right;
  const int y1 = r.Bottom;
  const int s = r.Height();
  const int q = s / 4;
  const TPoint tick[] = {{x0, y1 - s / 3 - 2},     {x0 + s / 3, y1 - 2},
                         {x1 - 2, y0 + s / 3},     {x1 - 2, y0 + s / 3 - q},
                         {x0 + s / 3, y1 - q - 2}, {x0 + q, y1 - s / 3 - 2}};
  SavedTools saved(canvas);
  const auto draw = [&](TColor c, int offset) {
    canvas.SetPen({c, 1, platform::PenStyle::Solid});
    canvas.SetBrush({c, platform::BrushStyle::Solid});
    TPoint moved[std::size(tick)];
    for (std::size_t i = 0; i < std::size(tick); ++i) moved[i] = tick[i] + TPoint{offset, offset};
    canvas.Polygon(moved);
  };
  if (enabled) {
    draw(color, 0);
  } else {
    draw(platform::cl3DLight, 1);
    draw(platform::clBtnShadow, 0);
  }
}

}  // namespace sGraphUtils
