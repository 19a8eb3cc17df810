#include "controls/sControlClasses.h"

#include "controls/sCheckbox.h"
#include "controls/sCustomButton.h"
#include "controls/sEdit.h"
#include "controls/sGauge.h"
#include "skin/sSkinManager.h"

namespace sControlClasses {

void RegisterSkinControlClasses(framework::TClassRegistry& classes) {
  classes.Register(sEdit::TsEdit::StaticClassInfo());
  classes.Register(sCustomButton::TsSpeedButton::StaticClassInfo());
  classes.Register(sCheckbox::TsCheckBox::StaticClassInfo());
  classes.Register(sGauge::TsGauge::StaticClassInfo());
  classes.Register(sSkinManager::TsSkinManager::StaticClassInfo());
}

}  // namespace sControlClasses
