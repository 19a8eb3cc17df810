#include "skinengine/controls/sCheckedControl.h"

#include <string_view>

#include "framework/classes/ClassBuilder.h"
#include "platform/window/Messages.h"

namespace sCheckedControl {

using namespace framework;
using namespace platform;

namespace {
constexpr std::string_view LayoutNames[] = {"calLeft", "calRight"};
}

const TEnumType CheckAreaLayoutType{"TCheckAreaLayout", LayoutNames};

TsCheckedControl::TsCheckedControl(TComponent* owner)
    : TsCheckedControl(owner, sStyleSimply::KindCheckedControl) {
  sStyle_->BindSkin();
}

TsCheckedControl::TsCheckedControl(TComponent* owner, int kind)
    : TCustomControl(owner),
      glyphChecked_(std::make_unique<TBitmap>()),
      glyphUnChecked_(std::make_unique<TBitmap>()),
      sStyle_(std::make_unique<sStyleEdits::TsStyle>(this)) {
  sStyle_->SetControlKind(kind);
  // The control clicks itself after toggling, and captures the mouse itself.
  SetControlStyle({csCaptureMouse, csDoubleClicks});
  // A handler stored with the form replaces this one.
  OnKeyDown = sStyle_->FocusKeyHandler();
  SetBounds(0, 0, 100, 17);
  SetParentColor(true);
  SetHeight(DefaultHeight);
  sStyle_->Painting()->SetParentColor(true);
}

// Messages that still reach the control while its style goes find none.
TsCheckedControl::~TsCheckedControl() {
  Destroying();
  OnKeyDown = nullptr;
  const std::unique_ptr<sStyleEdits::TsStyle> style = std::move(sStyle_);
}

const TClassInfo& TsCheckedControl::StaticClassInfo() {
  using C = TsCheckedControl;
  static const TClassInfo info =
      TClassBuilder<C, TCustomControl>("TsCheckedControl")
          .Int("Height", &C::Height, &C::SetHeight, C::DefaultHeight)
          .Enum("Alignment", AlignmentType, &C::Alignment, &C::SetAlignment, NoDefault)
          .Enum("Layout", CheckAreaLayoutType, &C::Layout, &C::SetLayout, C::DefaultLayout)
          .Bool("ShowFocus", &C::ShowFocus, &C::SetShowFocus, C::DefaultShowFocus)
          .Event("OnChange", &C::OnChange)
          .Int("ImgChecked", &C::ImgChecked, &C::SetImgChecked, C::DefaultImageIndex)
          .Int("ImgUnchecked", &C::ImgUnchecked, &C::SetImgUnchecked, C::DefaultImageIndex)
          .Component("Images", &C::Images, &C::SetImages)
          .Bool("MultiLine", &C::MultiLine, &C::SetMultiLine, C::DefaultMultiLine)
          .Int("ImgUncheckedHot", &C::ImgUncheckedHot, &C::SetImgUncheckedHot, C::DefaultImageIndex)
          .Int("ImgCheckedHot", &C::ImgCheckedHot, &C::SetImgCheckedHot, C::DefaultImageIndex)
          .Object("GlyphChecked", &C::GlyphChecked)
          .Object("GlyphUnChecked", &C::GlyphUnChecked)
          .Object("sStyle", &C::sStyle)
          .String("Caption", &C::Caption, &C::SetCaption)
          .Bool("Checked", &C::Checked, &C::SetChecked, C::DefaultChecked)
          .Build();
  return info;
}

void TsCheckedControl::Changed() {
  sStyle_->Invalidate();
}

void TsCheckedControl::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Changed();
}

void TsCheckedControl::SetLayout(TCheckAreaLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  Changed();
}

void TsCheckedControl::SetShowFocus(bool showFocus) {
  if (showFocus == showFocus_) return;
  showFocus_ = showFocus;
  Changed();
}

// Only the index of the glyph shown now repaints.
void TsCheckedControl::SetImgChecked(int index) {
  if (index == imgChecked_) return;
  imgChecked_ = index;
  if (checked_) Changed();
}

void TsCheckedControl::SetImgUnchecked(int index) {
  if (index == imgUnchecked_) return;
  imgUnchecked_ = index;
  if (!checked_) Changed();
}

void TsCheckedControl::SetImages(TImageList* images) {
  if (images == images_) return;
  if (images_) images_->RemoveFreeNotification(this);
  images_ = images;
  if (images) images->FreeNotification(this);
  Changed();
}

void TsCheckedControl::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

void TsCheckedControl::SetMultiLine(bool multiLine) {
  if (multiLine == multiLine_) return;
  multiLine_ = multiLine;
  Changed();
}

void TsCheckedControl::SetGlyphChecked(const TBitmap* glyph) {
  glyphChecked_->Assign(glyph);
  Changed();
}

void TsCheckedControl::SetGlyphUnChecked(const TBitmap* glyph) {
  glyphUnChecked_->Assign(glyph);
  Changed();
}

void TsCheckedControl::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed();
}

void TsCheckedControl::SetPressed(bool pressed) {
  if (pressed == pressed_) return;
  pressed_ = pressed;
  sStyle_->SetCacheStale(true);
  Repaint();
}

void TsCheckedControl::Toggle() {
  SetChecked(!checked_);
  if (OnChange) OnChange(this);
}

void TsCheckedControl::Loaded() {
  TCustomControl::Loaded();
  sStyle_->BindSkin();
}

bool TsCheckedControl::Busy() const {
  const TComponentState state = ComponentState();
  return state.Contains(csLoading) || state.Contains(csDestroying);
}

void TsCheckedControl::Invalidate() {
  if (sStyle_ && ComponentState().Contains(csDesigning)) sStyle_->SetCacheStale(true);
  TCustomControl::Invalidate();
}

// OnMouseDown hears of every press first; a press counts only when none is held.
void TsCheckedControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (pressed_ || !Enabled() || button != mbLeft) return;
  SetPressed(true);
  if (!ComponentState().Contains(csDesigning) && CanFocus() && !Focused()) SetFocus();
}

// The release toggles wherever the pointer is; it clicks only inside.
void TsCheckedControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (button != mbLeft || !Enabled() || !pressed_) return;
  if (!ComponentState().Contains(csDesigning)) Toggle();
  SetPressed(false);
  if (ClientRect().Contains({x, y})) Click();
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
  Toggle();
  SetPressed(false);
  Click();
  key = 0;
}

// The style sees every message first but the text changing, which is the caption's; the
// kit's messages are the style's alone.
void TsCheckedControl::WndProc(TMessage& m) {
  if (m.Msg == CM_TEXTCHANGED) {
    if (sStyle_) Changed();
  } else if (sStyle_ && sStyle_->HandleMessage(m)) {
    return;
  }
  switch (m.Msg) {
    case WM_ERASEBKGND:
      // Paint covers every pixel; erasing first would only flicker.
      m.Result = 1;
      return;
    case WM_KILLFOCUS:
      // A press whose release goes elsewhere would otherwise block every later one.
      if (pressed_) SetPressed(false);
      break;
    default:
      break;
  }
  TCustomControl::WndProc(m);
}

}  // namespace sCheckedControl
