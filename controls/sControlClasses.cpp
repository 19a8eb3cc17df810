#include "controls/sControlClasses.h"

#include <memory>

#include "controls/sCheckbox.h"
#include "controls/sCustomButton.h"
#include "controls/sCustomLabel.h"
#include "controls/sEdit.h"
#include "controls/sGauge.h"
#include "controls/sSkinMenus.h"
#include "skin/sSkinManager.h"
#include "style/sStyleEdits.h"

namespace sControlClasses {

void RegisterSkinControlClasses(framework::TClassRegistry& classes) {
  classes.Register(sEdit::TsEdit::StaticClassInfo());
  classes.Register(sCustomButton::TsSpeedButton::StaticClassInfo());
  classes.Register(sCheckbox::TsCheckBox::StaticClassInfo());
  classes.Register(sGauge::TsGauge::StaticClassInfo());
  classes.Register(sCustomLabel::TsLabel::StaticClassInfo());
  classes.Register(sSkinManager::TsSkinManager::StaticClassInfo());
  sSkinManager::RegisterMenuPainter(
      [](sSkinManager::TsSkinManager* manager) -> std::unique_ptr<sSkinManager::TsMenuPainter> {
        return std::make_unique<sSkinMenus::TsSkinableMenus>(manager);
      });
  sStyleEdits::RegisterCaptionLabel(
      [](framework::TControl* owner) -> sStyleSimply::TsSkinnedLabel* {
        return new sCustomLabel::TsLabel(owner);
      });
}

}  // namespace sControlClasses
