#pragma once

#include <string>

#include "framework/runtime/IniFiles.h"
#include "skinengine/skin/sStoredSkins.h"

// The two sources of a skin, each read into the skin lists. Images first, then patterns,
// then sections: the section loaders leave the lists as they were when there is no skin.
// Where it lives: the choice of source in sSkinLoaders.cpp; a folder's pictures in
// sSkinOptionsFiles.cpp and its sections with their inheritance in sSkinOptionsSections.cpp;
// the stored skin in sStoredSkinLoader.cpp; folder names in sSkinPaths.cpp.
namespace sSkinManager {

// A skin folder: "Options.dat" read into ini, files named relative to folder (ending in '/').
void LoadOptionsImages(const framework::TMemIniFile& ini, const std::string& folder);
void LoadOptionsPatterns(const framework::TMemIniFile& ini, const std::string& folder);
void LoadOptionsSections(const framework::TMemIniFile& ini);

// A stored skin, copied as stored; skin may be null.
void LoadStoredImages(const TsStoredSkin* skin);
void LoadStoredPatterns(const TsStoredSkin* skin);
void LoadStoredSections(const TsStoredSkin* skin);

}  // namespace sSkinManager
