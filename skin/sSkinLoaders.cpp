#include "skin/sSkinLoaders.h"

#include "skin/sSkinManager.h"

namespace sSkinManager {

namespace {

const TsStoredSkin* ActiveStoredSkin() {
  const TsSkinManager* manager = SkinData().ActiveManager;
  return manager ? manager->InternalSkins()->Find(manager->SkinName()) : nullptr;
}

}  // namespace

void LoadSkinImages() {
  const TsSkinData& data = SkinData();
  if (data.Ini) {
    LoadOptionsImages(*data.Ini, data.SkinPath);
  } else {
    LoadStoredImages(ActiveStoredSkin());
  }
}

void LoadSkinPatterns() {
  const TsSkinData& data = SkinData();
  if (data.Ini) {
    LoadOptionsPatterns(*data.Ini, data.SkinPath);
  } else {
    LoadStoredPatterns(ActiveStoredSkin());
  }
}

void LoadSkinSections() {
  const TsSkinData& data = SkinData();
  if (data.Ini) {
    LoadOptionsSections(*data.Ini);
  } else {
    LoadStoredSections(ActiveStoredSkin());
  }
}

}  // namespace sSkinManager
