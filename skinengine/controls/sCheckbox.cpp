#include "skinengine/controls/sCheckbox.h"

#include "framework/classes/ClassBuilder.h"

namespace sCheckbox {

// Binding needs the class name, which only the last constructor knows.
TsCheckBox::TsCheckBox(framework::TComponent* owner)
    : TsCheckedControl(owner, sStyleSimply::KindCheckBox) {
  sStyle()->BindSkin();
}

const framework::TClassInfo& TsCheckBox::StaticClassInfo() {
  static const framework::TClassInfo info =
      framework::TClassBuilder<TsCheckBox, sCheckedControl::TsCheckedControl>("TsCheckBox").Build();
  return info;
}

}  // namespace sCheckbox
