#include "skinengine/skin/sSkinLoaders.h"

#include "skinengine/skin/sSkinManager.h"

namespace sSkinManager {

namespace {

const TsStoredSkin* ActiveStoredSkin() {
  const TsSkinManager* manager = SkinData().ActiveManager;
  return manager ? manager->InternalSkins()->Find(manager->SkinName()) : nullptr;
}

// From the open "Options.dat" of the skin state, or else from the registered manager's stored
// skin.
template <class FromOptions, class FromStored>
void LoadFromEither(FromOptions fromOptions, FromStored fromStored) {
  const TsSkinData& data = SkinData();
  if (data.Ini) {
    fromOptions(*data.Ini, data.SkinPath);
  } else {
    fromStored(ActiveStoredSkin());
  }
}

}  // namespace

void LoadSkinImages() {
  LoadFromEither(LoadOptionsImages, LoadStoredImages);
}

void LoadSkinPatterns() {
  LoadFromEither(LoadOptionsPatterns, LoadStoredPatterns);
}

void LoadSkinSections() {
  LoadFromEither(
      [](const framework::TMemIniFile& ini, const std::string&) { LoadOptionsSections(ini); },
      LoadStoredSections);
}

}  // namespace sSkinManager
