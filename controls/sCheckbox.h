#pragma once

#include "controls/sCheckedControl.h"

namespace sCheckbox {

// The check box of the tool's windows; all its behaviour is the checked control's.
class TsCheckBox : public sCheckedControl::TsCheckedControl {
 public:
  using TsCheckedControl::TsCheckedControl;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

}  // namespace sCheckbox
