#pragma once

#include <cstdint>

#include "framework/classes/Events.h"
#include "framework/controls/CustomControl.h"
#include "framework/controls/Label.h"
#include "framework/graphics/Canvas.h"
#include "platform/graphics/Geometry.h"
#include "style/sStyleOwners.h"

namespace sCheckedControl {

// A two-state box with a caption beside it. A left click (pressed inside, released
// anywhere) or the space bar toggles Checked and fires OnChange; a click also takes the
// focus. Its whole look is painted by Paint, which the skinned look replaces.
class TsCheckedControl : public framework::TCustomControl, public sStyleSimply::TsCheckOwner {
 public:
  static constexpr int BoxSize = 13;
  static constexpr int CaptionMargin = 1;
  // Declared defaults, which are the initial values too.
  static constexpr int DefaultHeight = 18;
  static constexpr bool DefaultChecked = false;

  explicit TsCheckedControl(framework::TComponent* owner);

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  framework::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(framework::TAlignment alignment);
  bool Checked() const { return checked_; }
  virtual void SetChecked(bool checked);
  // The left button or the space bar is held on the control.
  bool Pressed() const { return pressed_; }

  // After every toggle by the user, not when a program sets Checked.
  framework::TNotifyEvent OnChange;

  void RepaintAll() override { Repaint(); }
  // The box, at the left and centred in the height.
  platform::TRect CheckGlyphRect() const override;

 protected:
  void WndProc(framework::TMessage& message) override;
  void Paint() override;
  void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x,
                 int y) override;
  void MouseUp(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;
  void KeyDown(std::uint16_t& key, framework::TShiftState shift) override;
  void KeyUp(std::uint16_t& key, framework::TShiftState shift) override;
  // The user's toggle: flips Checked, then OnChange.
  virtual void Toggle();

 private:
  void SetPressed(bool pressed);
  void PaintBox(framework::TCanvas& canvas, const platform::TRect& box);

  framework::TAlignment alignment_ = framework::taLeftJustify;
  bool checked_ = DefaultChecked;
  bool pressed_ = false;
};

}  // namespace sCheckedControl
