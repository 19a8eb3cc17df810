#pragma once

#include "controls/sButtonControl.h"

namespace sCustomButton {

// The flat speed button of the tool's windows: the button control with its caption, layout
// and glyph settings published for stored descriptions.
class TsSpeedButton : public sButtonControl::TsButtonControl {
 public:
  explicit TsSpeedButton(framework::TComponent* owner);

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

}  // namespace sCustomButton
