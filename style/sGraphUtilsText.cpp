#include "style/sGraphUtils.h"

namespace sGraphUtils {

using platform::TRect;

void WriteText(platform::Canvas& canvas, std::string_view text, bool enabled, unsigned flags,
               TRect& rect) {
  canvas.GetBrush().Style = platform::BrushStyle::Clear;
  if (text.empty()) return;
  if ((flags & platform::DT_WORDBREAK) == 0) {
    // Fit the rectangle to the text, keeping the side the alignment anchors.
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
  TRect place = rect;
  if (enabled) {
    canvas.DrawText(text, place, flags);
  } else {
    platform::Font& font = canvas.GetFont();
    const platform::TColor saved = font.Color;
    font.Color = platform::clBtnHighlight;
    TRect shifted = rect.Offset(1, 1);
    canvas.DrawText(text, shifted, flags);
    font.Color = platform::clBtnShadow;
    canvas.DrawText(text, place, flags);
    font.Color = saved;
  }
  rect = rect.Inflate(1, 1);
}

int TextHeight(const platform::Font& font) {
  return platform::GetTextMetrics(font).Height + 6;
}

}  // namespace sGraphUtils
