#pragma once

#include "skinengine/controls/sCheckedControl.h"

namespace sCheckbox {

// The check box of the tool's windows: a checked control whose built-in glyphs are the check
// box's.
class TsCheckBox : public sCheckedControl::TsCheckedControl {
 public:
  explicit TsCheckBox(framework::TComponent* owner);

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

}  // namespace sCheckbox
