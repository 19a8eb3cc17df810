#include "controls/sSkinMenus.h"

namespace sSkinMenus {

void TsSkinableMenus::HookMainMenu(framework::TMainMenu* menu, bool on) {
  menu->SetOwnerDraw(on);
}

}  // namespace sSkinMenus
