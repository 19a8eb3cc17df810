#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skinengine/pixels/sGraphUtils.h"

namespace sGraphUtils {

using platform::TRect;

namespace {

// Fits the rectangle to the text, keeping the side the alignment anchors.
void PlaceText(platform::Canvas& canvas, std::string_view text, unsigned flags, TRect& rect) {
  if (flags & platform::DT_WORDBREAK) return;
  const platform::TSize extent = canvas.TextExtent(text);
  const int dy = (extent.cy - rect.Height()) / 2;
  if (flags & platform::DT_CENTER) {
    rect = rect.Inflate((extent.cx - rect.Width()) / 2, dy);
  } else if (flags & platform::DT_RIGHT) {
    rect.Top -= dy;
    rect.Bottom += dy;
    rect.Left += rect.Width() - extent.cx;
  } else {
    rect.Top -= dy;
    rect.Bottom += dy;
    rect.Right += extent.cx - rect.Width();
  }
}

void DrawTextIn(platform::Canvas& canvas, std::string_view text, platform::TColor color,
                const TRect& rect, unsigned flags) {
  canvas.GetFont().Color = color;
  TRect place = rect;
  canvas.DrawText(text, place, flags);
}

// The embossed look of disabled text: highlight one pixel right and down, shadow in place.
void DrawDisabled(platform::Canvas& canvas, std::string_view text, const TRect& rect,
                  unsigned flags) {
  const platform::TColor saved = canvas.GetFont().Color;
  DrawTextIn(canvas, text, platform::clBtnHighlight, rect.Offset(1, 1), flags);
  DrawTextIn(canvas, text, platform::clBtnShadow, rect, flags);
  canvas.GetFont().Color = saved;
}

// The outline passes (left, top, right, bottom; -1 skips one), then the text itself.
void DrawOutlined(platform::Canvas& canvas, std::string_view text, const TsFontColor& colors,
                  const TRect& rect, unsigned flags) {
  struct Pass {
    std::int32_t Color;
    int Dx;
    int Dy;
  };
  const std::array<Pass, 5> passes{{{colors.Left, -1, 0},
                                    {colors.Top, 0, -1},
                                    {colors.Right, 1, 0},
                                    {colors.Bottom, 0, 1},
                                    {colors.Color, 0, 0}}};
  const platform::TColor saved = canvas.GetFont().Color;
  for (const Pass& pass : passes)
    if (pass.Color != -1)
      DrawTextIn(canvas, text, static_cast<platform::TColor>(pass.Color),
                 rect.Offset(pass.Dx, pass.Dy), flags);
  canvas.GetFont().Color = saved;
}

}  // namespace

void WriteText(platform::Canvas& canvas, std::string_view text, bool enabled, unsigned flags,
               TRect& rect) {
  WriteOutlinedText(canvas, text, enabled, nullptr, flags, rect);
}

void WriteOutlinedText(platform::Canvas& canvas, std::string_view text, bool enabled,
                       const TsFontColor* colors, unsigned flags, TRect& rect) {
  canvas.GetBrush().Style = platform::BrushStyle::Clear;
  if (text.empty()) return;
  PlaceText(canvas, text, flags, rect);
  if (!enabled) {
    DrawDisabled(canvas, text, rect, flags);
  } else if (colors) {
    DrawOutlined(canvas, text, *colors, rect, flags);
  } else {
    TRect place = rect;
    canvas.DrawText(text, place, flags);
  }
  rect = rect.Inflate(1, 1);
}

int TextHeight(const platform::Font& font) {
  return platform::GetTextMetrics(font).Height + 6;
}

}  // namespace sGraphUtils
