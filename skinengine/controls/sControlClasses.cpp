#include "skinengine/controls/sControlClasses.h"

#include <memory>

#include "skinengine/controls/sCheckbox.h"
#include "skinengine/controls/sCustomButton.h"
#include "skinengine/controls/sCustomLabel.h"
#include "skinengine/controls/sEdit.h"
#include "skinengine/controls/sGauge.h"
#include "skinengine/controls/sSkinMenus.h"
#include "skinengine/skin/sSkinManager.h"
#include "skinengine/style/sStyleEdits.h"

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
