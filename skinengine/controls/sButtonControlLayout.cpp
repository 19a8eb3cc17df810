#include <algorithm>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "skinengine/controls/sButtonControl.h"

namespace sButtonControl {

using namespace framework;
using platform::TRect;

TsContentLayout LayoutContent(const TsContentMetrics& m) {
  const int w = m.Control.cx;
  const int h = m.Control.cy;
  const int gw = m.Glyph.cx;
  const int gh = m.Glyph.cy;
  const int tw = m.Caption.cx;
  const int th = m.Caption.cy;
  const int sp = m.Spacing;
  const int mg = m.Margin;
  // The glyph's gap to the caption counts only when a caption shows.
  const int gap = m.ShowCaption ? sp : 0;
  const int dx = (w - gw - sp - tw) / 2 - mg;
  const int dy = (h - gh - sp - th) / 2 - mg;
  TsContentLayout layout;
  platform::TPoint glyph;
  switch (m.Layout) {
    case blGlyphLeft:
      glyph = {(w - gw - gap - tw) / 2, (h - gh) / 2};
      layout.Caption = {gw + mg + dx + sp, mg, w - mg - dx, h - mg};
      layout.Alignment = platform::DT_LEFT;
      break;
    case blGlyphRight:
      glyph = {(w - gw + gap + tw) / 2, (h - gh) / 2};
      layout.Caption = {mg + dx, mg, tw + mg + dx, h - mg};
      layout.Alignment = platform::DT_RIGHT;
      break;
    case blGlyphTop:
      glyph = {(w - gw) / 2, (h - gh - gap - th) / 2};
      layout.Caption = {mg, gh + mg + dy + sp, w - mg, h - dy - mg};
      layout.Alignment = platform::DT_CENTER;
      break;
    case blGlyphBottom:
      glyph = {(w - gw) / 2, h - gh - (h - gh - gap - th) / 2};
      layout.Caption = {mg, mg, w - mg, h - dy - mg - gh - sp};
      layout.Alignment = platform::DT_CENTER;
      break;
  }
  if (gw >= 2) layout.Glyph = TRect::FromBounds(glyph.X, glyph.Y, gw, gh);
  if (m.Down) {
    if (!layout.Glyph.IsEmpty()) layout.Glyph = layout.Glyph.Offset(1, 1);
    layout.Caption = layout.Caption.Offset(1, 1);
  }
  return layout;
}

TsContentLayout TsButtonControl::ContentLayout() {
  TsContentMetrics metrics{{Width(), Height()},
                           {GlyphWidth(), GlyphHeight()},
                           {},
                           margin_,
                           spacing_,
                           showCaption_,
                           layout_,
                           down_};
  if (showCaption_) {
    TCanvas& canvas = *sStyle_->CacheBmp()->Canvas();
    canvas.SetFont(Font());
    // Wrapped at the room beside the glyph, never wider than the caption itself needs.
    const int room = std::min(canvas.TextWidth(Caption()) + spacing_,
                              Width() - metrics.Glyph.cx - 2 * margin_ - spacing_);
    TRect caption{0, 0, std::max(room, 0), 0};
    DrawCaptionText(caption,
                    platform::DT_CALCRECT | platform::DT_WORDBREAK | platform::DT_EXPANDTABS);
    metrics.Caption = {caption.Width(), caption.Height()};
  }
  return LayoutContent(metrics);
}

void TsButtonControl::AdjustSize() {
  if (down_ || ComponentState().Contains(csLoading) || !autoSize_) return;
  const int glyphHeight = GlyphHeight();
  if (glyphHeight == 0 && !showCaption_) return;
  const int bevels = 2 * bevelWidth_;
  const int margins = 2 * margin_;
  int width = 0;
  int height = glyphHeight + margins + bevels;
  if (buttonStyle_ == sStyleSimply::tbsSeparator) {
    width = margins + Height() + bevels;
  } else if (buttonStyle_ == sStyleSimply::tbsDivider) {
    width = bevels + 4;
  } else {
    const int gw = GlyphWidth() + bevels;
    const int gh = glyphHeight + bevels;
    const int textWidth = platform::TextExtent(Font()->Data(), Caption()).cx;
    const int lineHeight = platform::TextExtent(Font()->Data(), "W").cy;
    if (!showCaption_) {
      width = gw + margins;
      height = gh + margins;
    } else if (layout_ == blGlyphLeft || layout_ == blGlyphRight) {
      width = textWidth + gw + spacing_ + margins;
      height = std::max(gh, lineHeight) + margins;
    } else {
      width = std::max(gw, textWidth) + margins;
      height = lineHeight + gh + spacing_ + margins;
    }
    width += ArrowWidth();
  }
  SetBounds(Left(), Top(), width, height);
}

}  // namespace sButtonControl
