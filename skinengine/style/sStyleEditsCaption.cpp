#include <memory>

#include "framework/controls/WinControl.h"
#include "platform/window/Messages.h"
#include "skinengine/pixels/sGraphUtils.h"
#include "skinengine/style/sStyleEdits.h"

namespace sStyleEdits {

using framework::TControl;

namespace {

TsCaptionLabelFactory registeredFactory = nullptr;

// Where a label of width w lies beside a control of bounds c, h being the font's text
// height: left of it and centred on its height, or above it at one of three places.
platform::TPoint CaptionPlace(TsCaptionLayout layout, const platform::TRect& c, int w, int h) {
  const int above = c.Top - h + 5;
  switch (layout) {
    case sclTopLeft:
      return {c.Left, above};
    case sclTopCenter:
      return {c.Left + (c.Width() - w) / 2, above};
    case sclTopRight:
      return {c.Left + c.Width() - w, above};
    default:
      return {c.Left - w - 4, c.Top - (h - (c.Height() - 6)) / 2 + 6};
  }
}

framework::TAlignment CaptionAlignment(TsCaptionLayout layout) {
  switch (layout) {
    case sclTopLeft:
      return framework::taLeftJustify;
    case sclTopCenter:
      return framework::taCenter;
    default:
      return framework::taRightJustify;
  }
}

}  // namespace

void RegisterCaptionLabel(TsCaptionLabelFactory factory) {
  registeredFactory = factory;
}

TsStyleCaption::TsStyleCaption(TsCustomStyle* style)
    : style_(style), font_(std::make_unique<framework::TFont>()) {
  font_->OnChange = [this](framework::TObject*) { Changed(); };
}

TsStyleCaption::~TsStyleCaption() {
  FreeLabel();
}

framework::TPersistent* TsStyleCaption::GetOwner() const {
  return style_;
}

TControl* TsStyleCaption::Control() const {
  return style_->OwnerControl();
}

void TsStyleCaption::SetLayout(TsCaptionLayout value) {
  layout_ = value;
  Changed();
}

void TsStyleCaption::SetMaxWidth(int value) {
  maxWidth_ = value;
  Changed();
}

void TsStyleCaption::SetText(const std::string& value) {
  text_ = value;
  Changed();
}

void TsStyleCaption::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (value)
    CreateLabel();
  else
    FreeLabel();
}

void TsStyleCaption::CreateLabel() {
  TControl* control = Control();
  if (!control || !registeredFactory) return;
  if (text_.empty()) text_ = control->Name();
  label_ = registeredFactory(control);
  TControl& label = label_->LabelControl();
  // The label's setters need its parent.
  label.SetParent(control->Parent());
  label_->SetLayout(framework::tlTop);
  label_->SetFocusControl(dynamic_cast<framework::TWinControl*>(control));
  label_->SetAlignment(framework::taRightJustify);
  label.SetName(control->Name() + "Label");
  label.SetVisible(control->Visible());
  label.SetEnabled(control->Enabled());
  Changed();
}

void TsStyleCaption::FreeLabel() {
  if (!label_) return;
  TControl* label = &label_->LabelControl();
  label_ = nullptr;
  delete label;
}

void TsStyleCaption::Changed() {
  if (!label_) return;
  TControl& label = label_->LabelControl();
  label.SetFont(font_.get());
  label.SetCaption(text_);
  PlaceCaption();
}

void TsStyleCaption::PlaceCaption() {
  const TControl* control = Control();
  if (!label_ || !control || !control->Parent()) return;
  TControl& label = label_->LabelControl();
  label_->SetWordWrap(false);
  label_->SetAutoSize(true);
  if (maxWidth_ != 0) {
    // Wrapped at that width, the label takes the height of its lines, then keeps the width.
    label.SetWidth(maxWidth_);
    label_->SetWordWrap(true);
    label_->SetAutoSize(false);
    label.SetWidth(maxWidth_);
  }
  label_->SetTransparent(true);
  label_->SetAlignment(CaptionAlignment(layout_));
  const int h = sGraphUtils::TextHeight(label.Font()->Data());
  const platform::TPoint at = CaptionPlace(layout_, control->BoundsRect(), label.Width(), h);
  label.SetBounds(at.X, at.Y, label.Width(), label.Height());
}

void TsStyleCaption::ControlNotice(std::uint32_t msg) {
  TControl* control = Control();
  if (!label_ || !control) return;
  TControl& label = label_->LabelControl();
  switch (msg) {
    case platform::WM_MOVE:
    case platform::WM_SIZE:
      PlaceCaption();
      control->Repaint();
      return;
    case framework::CM_VISIBLECHANGED:
      label.SetVisible(control->Visible());
      return;
    case framework::CM_ENABLEDCHANGED:
      label.SetEnabled(control->Enabled());
      label.Invalidate();
      return;
    default:
      return;
  }
}

bool TsCustomStyle::HandleMessage(platform::TMessage& message) {
  const bool kit = TsEditorStyle::HandleMessage(message);
  caption_->ControlNotice(message.Msg);
  return kit;
}

}  // namespace sStyleEdits
