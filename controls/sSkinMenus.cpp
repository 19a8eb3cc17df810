#include "controls/sSkinMenus.h"

namespace sSkinMenus {

void TsSkinableMenus::HookMainMenu(framework::TMainMenu* menu, bool on) {
  menu->SetOwnerDraw(on);
}

// The item painting comes with the skinned menus; until then the menus keep their own look.
void TsSkinableMenus::HookPopupMenu(framework::TPopupMenu*, bool) {}
void TsSkinableMenus::HookItemTree(framework::TMenuItem*, bool) {}
void TsSkinableMenus::PrepareItem(framework::TMenuItem*, bool) {}
void TsSkinableMenus::SkinAll(bool) {}
void TsSkinableMenus::FlushPictureCache() {}

}  // namespace sSkinMenus
