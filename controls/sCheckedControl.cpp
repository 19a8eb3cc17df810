#include "controls/sCheckedControl.h"

#include "controls/sPlainPaint.h"
#include "framework/classes/ClassBuilder.h"
#include "framework/controls/Frame3D.h"
#include "platform/window/Messages.h"

namespace sCheckedControl {

using namespace framework;
using namespace platform;

TsCheckedControl::TsCheckedControl(TComponent* owner) : TCustomControl(owner) {
  // The toggle comes before OnClick, so the control clicks itself after toggling.
  SetControlStyle({csCaptureMouse, csDoubleClicks});
  SetBounds(0, 0, 100, 17);
  SetParentColor(true);
  SetHeight(DefaultHeight);
}

const TClassInfo& TsCheckedControl::StaticClassInfo() {
  using C = TsCheckedControl;
  static const TClassInfo info =
      TClassBuilder<C, TCustomControl>("TsCheckedControl")
          .Int("Height", &C::Height, &C::SetHeight, C::DefaultHeight)
          .Enum("Alignment", AlignmentType, &C::Alignment, &C::SetAlignment, NoDefault)
          .String("Caption", &C::Caption, &C::SetCaption)
          .Bool("Checked", &C::Checked, &C::SetChecked, C::DefaultChecked)
          .Event("OnChange", &C::OnChange)
          .Build();
  return info;
}

void TsCheckedControl::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void TsCheckedControl::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Invalidate();
}

void TsCheckedControl::SetPressed(bool pressed) {
  if (pressed == pressed_) return;
  pressed_ = pressed;
  Repaint();
}

void TsCheckedControl::Toggle() {
  SetChecked(!checked_);
  if (OnChange) OnChange(this);
}

void TsCheckedControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && Enabled() && !pressed_) {
    SetPressed(true);
    if (CanFocus() && !Focused()) SetFocus();
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

// The release toggles wherever the pointer is; it clicks only inside.
void TsCheckedControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && Enabled() && pressed_) {
    SetPressed(false);
    Toggle();
    if (ClientRect().Contains({x, y})) Click();
  }
  TCustomControl::MouseUp(button, shift, x, y);
}

void TsCheckedControl::KeyDown(std::uint16_t& key, TShiftState shift) {
  // While held (also the space bar's auto-repeat) the keys do nothing.
  if (pressed_ || !Enabled()) {
    key = 0;
    return;
  }
  if (key == VK_SPACE) {
    SetPressed(true);
    key = 0;
    return;
  }
  TCustomControl::KeyDown(key, shift);
}

void TsCheckedControl::KeyUp(std::uint16_t& key, TShiftState shift) {
  if (key != VK_SPACE || !pressed_) {
    TCustomControl::KeyUp(key, shift);
    return;
  }
  SetPressed(false);
  Toggle();
  Click();
  key = 0;
}

void TsCheckedControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      // Paint covers every pixel; erasing first would only flicker.
      m.Result = 1;
      return;
    case WM_KILLFOCUS:
      // A press whose release goes elsewhere would otherwise block every later one.
      pressed_ = false;
      Invalidate();
      break;
    case WM_SETFOCUS:
      Invalidate();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(m);
}

void TsCheckedControl::Paint() {
  TCanvas& canvas = *Canvas();
  const TRect all = ClientRect();
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(all);
  PaintBox(canvas, CheckGlyphRect());

  const TRect caption{CaptionMargin + BoxSize + 4, CaptionMargin, all.Right - CaptionMargin,
                      all.Bottom - CaptionMargin};
  const unsigned align = alignment_ == taCenter         ? DT_CENTER
                         : alignment_ == taRightJustify ? DT_RIGHT
                                                        : DT_LEFT;
  if (!Caption().empty())
    sPlainPaint::DrawCaption(canvas, Caption(), caption, DT_SINGLELINE | DT_VCENTER | align,
                             Enabled());
  if (Focused()) sPlainPaint::DrawFocusFrame(canvas, caption.Inflate(1, 1));
}

TRect TsCheckedControl::CheckGlyphRect() const {
  return TRect::FromBounds(0, (ClientRect().Height() - BoxSize) / 2, BoxSize, BoxSize);
}

// A sunken box, white unless pressed or disabled, with a check mark of seven columns.
void TsCheckedControl::PaintBox(TCanvas& canvas, const TRect& box) {
  TRect inner = Frame3D(canvas, box, clBtnShadow, clBtnHighlight, 1);
  inner = Frame3D(canvas, inner, cl3DDkShadow, cl3DLight, 1);
  canvas.Brush()->SetColor(pressed_ || !Enabled() ? clBtnFace : clWindow);
  canvas.FillRect(inner);
  if (!checked_) return;
  static constexpr int ColumnTop[] = {2, 3, 4, 3, 2, 1, 0};
  canvas.Brush()->SetColor(Enabled() ? clWindowText : clBtnShadow);
  for (int i = 0; i < 7; ++i) {
    const int x = inner.Left + 1 + i;
    const int y = inner.Top + 1 + ColumnTop[i];
    canvas.FillRect({x, y, x + 1, y + 3});
  }
}

}  // namespace sCheckedControl
