#pragma once

#include <memory>

#include "framework/classes/Object.h"
#include "framework/forms/Menus.h"

namespace sSkinManager {

class TsSkinManager;

// What a skin manager asks of its menu painter. The painter paints with the skinned controls'
// styles, so it lives with them, above the skin data; they register its factory at start-up.
class TsMenuPainter : public framework::TPersistent {
 public:
  explicit TsMenuPainter(TsSkinManager* manager) : manager_(manager) {}

  TsSkinManager* Manager() const { return manager_; }

  // Takes a main menu over (owner-drawn) or lets it go.
  virtual void HookMainMenu(framework::TMainMenu* menu, bool on) = 0;

 private:
  TsSkinManager* manager_;
};

using TsMenuPainterFactory = std::unique_ptr<TsMenuPainter> (*)(TsSkinManager* manager);

// Every manager made afterwards creates its painter with the factory; before any factory is
// registered a manager has no painter and leaves the menus as they are.
void RegisterMenuPainter(TsMenuPainterFactory factory);
std::unique_ptr<TsMenuPainter> NewMenuPainter(TsSkinManager* manager);

}  // namespace sSkinManager
