#include "framework/controls/WinControl.h"
#include "skinengine/style/sStyleSimply.h"

namespace sStyleSimply {

namespace {

bool HasInputFocus(const framework::TControl& control) {
  const auto* window = dynamic_cast<const framework::TWinControl*>(&control);
  return window && window->Focused();
}

bool Designing(const framework::TControl& control) {
  return control.ComponentState().Contains(framework::csDesigning);
}

}  // namespace

bool TsGenStyle::IsActive() const {
  const framework::TControl* control = ownerControl_;
  if (!control || control->ComponentState().Contains(framework::csDestroying) ||
      !control->Enabled() || Designing(*control))
    return false;
  if (const TsButtonOwner* button = ButtonOwner(); button && button->Pressed()) return true;
  if (IsNeverActiveKind(controlKind_)) return false;
  return focused_ || HasInputFocus(*control) || mouseInside_;
}

void TsGenStyle::HotChanged(platform::TMessage& message, bool inside) {
  message.Result = 1;
  if (IsNeverActiveKind(controlKind_)) return;
  mouseInside_ = inside;
  // A focused control keeps its hot look whatever the mouse does.
  if (focused_ || (ownerControl_ && (HasInputFocus(*ownerControl_) || Designing(*ownerControl_))))
    return;
  TsButtonOwner* button = ButtonOwner();
  if (button && button->ButtonStyle() != tbsSeparator && button->ButtonStyle() != tbsDivider &&
      FadingEnabled()) {
    if (inside)
      button->FadeIn();
    else
      button->FadeOut();
    return;
  }
  Invalidate();
}

}  // namespace sStyleSimply
