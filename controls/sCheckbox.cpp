#include "controls/sCheckbox.h"

#include "framework/classes/ClassBuilder.h"

namespace sCheckbox {

const framework::TClassInfo& TsCheckBox::StaticClassInfo() {
  static const framework::TClassInfo info =
      framework::TClassBuilder<TsCheckBox, sCheckedControl::TsCheckedControl>("TsCheckBox").Build();
  return info;
}

}  // namespace sCheckbox
