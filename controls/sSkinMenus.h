#pragma once

#include "framework/classes/Object.h"
#include "framework/forms/Menus.h"

namespace sSkinManager {
class TsSkinManager;
}

// The menu painter of the skin engine: it makes the framework's menus owner-drawn so that
// their items can be painted from the active skin.
namespace sSkinMenus {

class TsSkinableMenus : public framework::TPersistent {
 public:
  // One painter per skin manager, created and freed by it.
  explicit TsSkinableMenus(sSkinManager::TsSkinManager* manager) : manager_(manager) {}

  sSkinManager::TsSkinManager* Manager() const { return manager_; }

  // Takes a main menu over (owner-drawn) or lets it go.
  void HookMainMenu(framework::TMainMenu* menu, bool on);

 private:
  sSkinManager::TsSkinManager* manager_;
};

}  // namespace sSkinMenus
