#pragma once

// The stored skin the program carries, loaded into the skin lists as the main window's
// manager loads it.

#include <string>

#include "framework/description/DescriptionReader.h"
#include "framework/description/EmbeddedResources.h"
#include "platform/kernel/Resources.h"
#include "skinengine/skin/sSkinManager.h"
#include "tests/skinengine/skin/SkinDataTestSupport.h"
#include "tools/skinart/SkinArt.h"

namespace skintests {

// The main window's description as the program carries it.
inline std::string MainWindowText() {
  const auto bytes = platform::LoadResource("Bezier");
  return {bytes.begin(), bytes.end()};
}

// Needs the embedded resources registered.
inline void LoadStoredSkin(sSkinManager::TsSkinManager& manager) {
  const std::string text = "object sSkinManager1: TsSkinManager\n  InternalSkins = <\n" +
                           skinart::StoredSkinBlock(MainWindowText()) +
                           ">\n  SkinDirectory = 'c:\\Skins'\n"
                           "  SkinName = 'Velora2 (internal)'\nend\n";
  framework::ReadDescription(text, manager, SkinClasses(), framework::EmbeddedResource);
}

}  // namespace skintests
