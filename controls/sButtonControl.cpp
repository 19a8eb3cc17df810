#include "controls/sButtonControl.h"

#include <algorithm>
#include <string_view>

#include "framework/classes/ClassBuilder.h"
#include "platform/graphics/Font.h"
#include "platform/window/Messages.h"

namespace sButtonControl {

using namespace framework;
using namespace platform;

namespace {
constexpr std::string_view LayoutNames[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop",
                                            "blGlyphBottom"};
}

const TEnumType ButtonLayoutType{"TButtonLayout", LayoutNames};

TsButtonControl::TsButtonControl(TComponent* owner)
    : TCustomControl(owner),
      sStyle_(std::make_unique<sStyleUtil::TsActiveBGStyle>(this)),
      fadeTimer_(std::make_unique<TFadeTimer>(this)) {
  // Clicks come from the button's own release handling, and it captures the mouse itself.
  SetControlStyle({csDoubleClicks});
  SetBounds(0, 0, 84, 22);
  SetTabStop(false);
  sStyle_->SetControlKind(sStyleSimply::KindButtonControl);
}

// Messages that still reach the control while its style goes find none.
TsButtonControl::~TsButtonControl() {
  Destroying();
  fadeTimer_.reset();
  const std::unique_ptr<sStyleUtil::TsActiveBGStyle> style = std::move(sStyle_);
}

const TClassInfo& TsButtonControl::StaticClassInfo() {
  using B = TsButtonControl;
  static const TClassInfo info =
      TClassBuilder<B, TCustomControl>("TsButtonControl")
          .Int("Margin", &B::Margin, &B::SetMargin, B::DefaultMargin)
          .Bool("AutoSize", &B::AutoSize, &B::SetAutoSize, B::DefaultAutoSize)
          .Int("BevelWidth", &B::BevelWidth, &B::SetBevelWidth, B::DefaultBevelWidth)
          .Object("sStyle", &B::sStyle)
          .Build();
  return info;
}

void TsButtonControl::SetMargin(int margin) {
  if (margin == margin_) return;
  margin_ = margin;
  ContentChanged();
}

void TsButtonControl::SetNumGlyphs(int numGlyphs) {
  numGlyphs = std::max(numGlyphs, 1);
  if (numGlyphs == numGlyphs_) return;
  numGlyphs_ = numGlyphs;
  ContentChanged();
}

void TsButtonControl::SetShowCaption(bool showCaption) {
  if (showCaption == showCaption_) return;
  showCaption_ = showCaption;
  ContentChanged();
}

void TsButtonControl::SetSpacing(int spacing) {
  if (spacing == spacing_) return;
  spacing_ = spacing;
  ContentChanged();
}

void TsButtonControl::SetImageIndex(int imageIndex) {
  if (imageIndex == imageIndex_) return;
  imageIndex_ = imageIndex;
  ContentChanged();
}

void TsButtonControl::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  ContentChanged();
}

void TsButtonControl::SetGrayed(bool grayed) {
  if (grayed == grayed_) return;
  grayed_ = grayed;
  sStyle_->Invalidate();
}

void TsButtonControl::SetBlend(int blend) {
  blend = std::clamp(blend, 0, 100);
  if (blend == blend_) return;
  blend_ = blend;
  sStyle_->Invalidate();
}

void TsButtonControl::SetBevelWidth(int bevelWidth) {
  if (bevelWidth == bevelWidth_) return;
  bevelWidth_ = bevelWidth;
  ContentChanged();
}

void TsButtonControl::SetButtonStyle(sStyleSimply::TsButtonStyle buttonStyle) {
  if (buttonStyle == buttonStyle_) return;
  buttonStyle_ = buttonStyle;
  sStyle_->Invalidate();
}

void TsButtonControl::SetDropdownMenu(TPopupMenu* menu) {
  if (menu == dropdownMenu_) return;
  if (dropdownMenu_) dropdownMenu_->RemoveFreeNotification(this);
  dropdownMenu_ = menu;
  if (menu) menu->FreeNotification(this);
}

void TsButtonControl::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == dropdownMenu_) dropdownMenu_ = nullptr;
}

void TsButtonControl::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  ContentChanged();
}

void TsButtonControl::SetLayout(TButtonLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  ContentChanged();
}

void TsButtonControl::Loaded() {
  TCustomControl::Loaded();
  sStyle_->BindSkin();
  AdjustSize();
}

void TsButtonControl::ContentChanged() {
  if (!ComponentState().Contains(csLoading)) AdjustSize();
  sStyle_->Invalidate();
}

void TsButtonControl::Restyle() {
  sStyle_->SetCacheStale(true);
  Repaint();
}

// Without a glyph the content is the caption inside the bevels and the margin.
void TsButtonControl::AdjustSize() {
  if (!autoSize_ || down_ || !showCaption_) return;
  const int bevels = 2 * bevelWidth_;
  const int textWidth = TextExtent(Font()->Data(), Caption()).cx;
  const int lineHeight = TextExtent(Font()->Data(), "W").cy;
  int width = 0;
  int height = 0;
  if (layout_ == blGlyphLeft || layout_ == blGlyphRight) {
    width = textWidth + bevels + spacing_ + 2 * margin_;
    height = std::max(bevels, lineHeight) + 2 * margin_;
  } else {
    width = std::max(bevels, textWidth) + 2 * margin_;
    height = lineHeight + bevels + spacing_ + 2 * margin_;
  }
  SetBounds(Left(), Top(), width, height);
}

void TsButtonControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  StopFade();
  if (button != mbLeft || !Enabled() || tracking_) return;
  tracking_ = true;
  pointerInside_ = true;
  SetMouseCapture(true);
  Restyle();
  TCustomControl::MouseDown(button, shift, x, y);
}

void TsButtonControl::MouseMove(TShiftState shift, int x, int y) {
  if (tracking_ && ClientRect().Contains({x, y}) != pointerInside_) {
    pointerInside_ = !pointerInside_;
    Restyle();
  }
  TCustomControl::MouseMove(shift, x, y);
}

void TsButtonControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  StopFade();
  if (button != mbLeft || !tracking_) {
    TCustomControl::MouseUp(button, shift, x, y);
    return;
  }
  const bool inside = ClientRect().Contains({x, y});
  StopTracking();
  if (inside && Enabled()) Click();
}

void TsButtonControl::StopTracking() {
  tracking_ = false;
  pointerInside_ = false;
  SetMouseCapture(false);
  Restyle();
}

void TsButtonControl::WndProc(TMessage& m) {
  // The style sees every message first but the text changing, which is the content's.
  if (m.Msg != CM_TEXTCHANGED && sStyle_ && sStyle_->HandleMessage(m)) return;
  switch (m.Msg) {
    case WM_ERASEBKGND:
      // Paint covers every pixel; erasing first would only flicker.
      m.Result = 1;
      return;
    case WM_CAPTURECHANGED:
      // Losing the mouse to another window (a dialog, a menu) ends the press without a click.
      if (tracking_) StopTracking();
      break;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      TCustomControl::WndProc(m);
      if (sStyle_) ContentChanged();
      return;
    default:
      break;
  }
  TCustomControl::WndProc(m);
}

}  // namespace sButtonControl
