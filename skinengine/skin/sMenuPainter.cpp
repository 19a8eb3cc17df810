#include "skinengine/skin/sMenuPainter.h"

namespace sSkinManager {

namespace {
TsMenuPainterFactory registeredFactory = nullptr;
}  // namespace

void RegisterMenuPainter(TsMenuPainterFactory factory) {
  registeredFactory = factory;
}

std::unique_ptr<TsMenuPainter> NewMenuPainter(TsSkinManager* manager) {
  return registeredFactory ? registeredFactory(manager) : nullptr;
}

}  // namespace sSkinManager
