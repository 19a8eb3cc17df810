#pragma once

#include "framework/forms/Menus.h"
#include "skin/sMenuPainter.h"

// The menu painter of the skin engine: it makes the framework's menus owner-drawn so that
// their items can be painted from the active skin.
namespace sSkinMenus {

// One painter per skin manager, created and freed by it.
class TsSkinableMenus : public sSkinManager::TsMenuPainter {
 public:
  using TsMenuPainter::TsMenuPainter;

  void HookMainMenu(framework::TMainMenu* menu, bool on) override;
  void HookPopupMenu(framework::TPopupMenu* menu, bool on) override;
  void HookItemTree(framework::TMenuItem* item, bool on) override;
  void PrepareItem(framework::TMenuItem* item, bool on) override;
  void SkinAll(bool on) override;
  void FlushPictureCache() override;
};

}  // namespace sSkinMenus
