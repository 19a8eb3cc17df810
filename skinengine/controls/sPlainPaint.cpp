#include "skinengine/controls/sPlainPaint.h"

namespace sPlainPaint {

using namespace platform;

void DrawCaption(framework::TCanvas& canvas, std::string_view text, TRect r, unsigned flags,
                 bool enabled) {
  canvas.Brush()->SetStyle(framework::bsClear);
  if (enabled) {
    canvas.DrawText(text, r, flags);
    return;
  }
  TRect shadow = r.Offset(1, 1);
  canvas.Font()->SetColor(clBtnHighlight);
  canvas.DrawText(text, shadow, flags);
  canvas.Font()->SetColor(clBtnShadow);
  canvas.DrawText(text, r, flags);
}

void DrawFocusFrame(framework::TCanvas& canvas, const TRect& r) {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  // Every other pixel along the edges, starting at the corner.
  for (int x = r.Left; x < r.Right; x += 2) {
    canvas.SetPixels(x, r.Top, clWindowText);
    canvas.SetPixels(x, r.Bottom - 1, clWindowText);
  }
  for (int y = r.Top; y < r.Bottom; y += 2) {
    canvas.SetPixels(r.Left, y, clWindowText);
    canvas.SetPixels(r.Right - 1, y, clWindowText);
  }
}

}  // namespace sPlainPaint
