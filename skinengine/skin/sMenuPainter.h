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

  // Takes a main menu over (owner-drawn, with the bar handlers on its top-level items) or
  // lets it go.
  virtual void HookMainMenu(framework::TMainMenu* menu, bool on) = 0;
  // Takes a popup menu over, every item down its tree getting the item handlers where it has
  // none of its own, or lets it go.
  virtual void HookPopupMenu(framework::TPopupMenu* menu, bool on) = 0;
  // The same for the items below one item; top-level main-menu items are left to the bar.
  virtual void HookItemTree(framework::TMenuItem* item, bool on) = 0;
  // Readies one item just before it is measured: a bar item gets the bar handlers, any
  // other the item handlers where it has none of its own.
  virtual void PrepareItem(framework::TMenuItem* item, bool on) = 0;
  // Takes over, or lets go, every menu of every component the application owns.
  virtual void SkinAll(bool on) = 0;
  // Forgets the painted popup backgrounds, which a new skin paints differently.
  virtual void FlushPictureCache() = 0;

 private:
  TsSkinManager* manager_;
};

using TsMenuPainterFactory = std::unique_ptr<TsMenuPainter> (*)(TsSkinManager* manager);

// Every manager made afterwards creates its painter with the factory; before any factory is
// registered a manager has no painter and leaves the menus as they are.
void RegisterMenuPainter(TsMenuPainterFactory factory);
std::unique_ptr<TsMenuPainter> NewMenuPainter(TsSkinManager* manager);

}  // namespace sSkinManager
