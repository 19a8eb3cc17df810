#include "framework/controls/GroupBox.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/Frame3D.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "platform/window/Messages.h"

namespace framework {

using namespace platform;

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) {
  TControlStyle style = ControlStyle();
  style.Include(csAcceptsControls);
  SetControlStyle(style);
  SetBounds(0, 0, 185, 105);
}

TGroupBox::~TGroupBox() = default;

const TClassInfo& TGroupBox::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TGroupBox, TCustomControl>("TGroupBox")
                                     .String("Caption", &TGroupBox::Caption, &TGroupBox::SetCaption)
                                     .Build();
  return info;
}

int TGroupBox::CaptionHeight() const {
  return GetTextMetrics(Font()->Data()).Height;
}

TRect TGroupBox::ClientRect() const {
  TRect r = TCustomControl::ClientRect().Inflate(-2, -2);
  r.Top += CaptionHeight() - 2;
  return r.Height() < 0 ? TRect{r.Left, r.Top, r.Right, r.Top} : r;
}

void TGroupBox::Paint() {
  TCanvas& canvas = *Canvas();
  const TRect all = TCustomControl::ClientRect();
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(all);
  // The etched line: a shadow ring with a highlight ring one pixel down and right.
  const TRect frame{all.Left, all.Top + CaptionHeight() / 2, all.Right, all.Bottom};
  Frame3D(canvas, {frame.Left + 1, frame.Top + 1, frame.Right, frame.Bottom}, clBtnHighlight,
          clBtnHighlight, 1);
  Frame3D(canvas, {frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1}, clBtnShadow,
          clBtnShadow, 1);
  if (Caption().empty()) return;
  TRect text{8, 0, all.Right - 8, CaptionHeight()};
  canvas.DrawText(Caption(), text, DT_SINGLELINE | DT_CALCRECT);
  canvas.Brush()->SetColor(Color());
  canvas.DrawText(Caption(), text, DT_SINGLELINE);
}

void TGroupBox::WndProc(TMessage& m) {
  TCustomControl::WndProc(m);
  if (m.Msg == CM_TEXTCHANGED || m.Msg == WM_SIZE) Invalidate();
  if (m.Msg == CM_FONTCHANGED) AlignControls();
}

}  // namespace framework
