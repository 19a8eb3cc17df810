#include "framework/controls/WinControl.h"
#include "platform/window/Input.h"
#include "skinengine/controls/sButtonControl.h"

namespace sButtonControl {

using namespace framework;

namespace {
// One drop-down menu at a time in the whole program: its modal loop would otherwise let a
// second one open inside the first.
bool dropdownShowing = false;
}  // namespace

void TsButtonControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (sStyle_->FadingEnabled()) StopFade();
  if (button != mbLeft || !Enabled()) return;
  pressing_ = true;
  switch (buttonStyle_) {
    case sStyleSimply::tbsButton:
      PressButton(button, shift, x, y);
      return;
    case sStyleSimply::tbsCheck:
      PressCheck(button, shift, x, y);
      return;
    case sStyleSimply::tbsDropDown:
      if (dropdownMenu_ && x > Width() - ArrowWidth()) return ShowDropdownMenu();
      if (!dropdownOpen_) PressButton(button, shift, x, y);
      return;
    case sStyleSimply::tbsSeparator:
    case sStyleSimply::tbsDivider:
      return;
  }
}

void TsButtonControl::PressButton(TMouseButton button, TShiftState shift, int x, int y) {
  if (down_) return;
  SetDown(true);
  Restyle();
  TCustomControl::MouseDown(button, shift, x, y);
}

void TsButtonControl::PressCheck(TMouseButton button, TShiftState shift, int x, int y) {
  if (down_) return;
  Restyle();
  if (groupIndex_ >= 0) ReleaseGroup();
  SetDown(true);
  downOnThisPress_ = true;
  TCustomControl::MouseDown(button, shift, x, y);
}

void TsButtonControl::ReleaseGroup() {
  const TWinControl* parent = Parent();
  if (!parent) return;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    auto* other = dynamic_cast<TsButtonControl*>(parent->Controls(i));
    if (!other || other == this || !other->down_ || other->groupIndex_ != groupIndex_) continue;
    other->StopFade();
    other->SetDown(false);
  }
}

void TsButtonControl::ShowDropdownMenu() {
  pressing_ = false;
  if (!dropdownShowing) {
    dropdownShowing = true;
    dropdownOpen_ = true;
    Restyle();
    const TPoint at = ClientToScreen({0, Height() + 1});
    // The menu's loop takes the release; the press ends here.
    SetMouseCapture(false);
    dropdownMenu_->Popup(at.X, at.Y);
    const TPoint cursor = platform::GetCursorPos();
    const TRect screen{at.X, at.Y - Height() - 1, at.X + Width(), at.Y - 1};
    if (!screen.Contains(cursor)) sStyle_->ClearHotMarks();
    dropdownShowing = false;
  }
  dropdownOpen_ = false;
  Restyle();
}

void TsButtonControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  StopFade();
  if (button != mbLeft || !Enabled() || !pressing_) {
    TCustomControl::MouseUp(button, shift, x, y);
    return;
  }
  pressing_ = false;
  sStyle_->SetCacheStale(true);
  const bool inside = ClientRect().Contains({x, y});
  switch (buttonStyle_) {
    case sStyleSimply::tbsButton:
      SetDown(false);
      if (inside) Click();
      Repaint();
      return;
    case sStyleSimply::tbsCheck:
      // One click per release, also for a button that a handler put up during the press.
      if (inside && down_ && allowAllUp_ && !downOnThisPress_) SetDown(false);
      Repaint();
      TCustomControl::MouseUp(button, shift, x, y);
      downOnThisPress_ = false;
      if (inside) Click();
      return;
    case sStyleSimply::tbsDropDown:
      if (inside) Click();
      SetDown(false);
      Repaint();
      return;
    case sStyleSimply::tbsSeparator:
    case sStyleSimply::tbsDivider:
      TCustomControl::MouseUp(button, shift, x, y);
      return;
  }
}

void TsButtonControl::PressLost() {
  if (!pressing_) return;
  pressing_ = false;
  downOnThisPress_ = false;
  if (buttonStyle_ == sStyleSimply::tbsCheck) return;
  SetDown(false);
  Restyle();
}

void TsButtonControl::Click() {
  if (!OnClick && Action()) {
    Action()->Execute();
    return;
  }
  TCustomControl::Click();
}

}  // namespace sButtonControl
