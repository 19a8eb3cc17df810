#pragma once

#include <string>

#include "app/settings/Settings.h"

namespace sSkinManager {
class TsSkinManager;
}

namespace Bezier::skins {

// The name of the skin stored in the main window, the first the manager holds.
std::string StoredSkinName(const sSkinManager::TsSkinManager& manager);

// Puts a skin in force through the manager's own properties, whose broadcasts repaint every
// skinned window. A skin that fails to load raises its first problem and leaves the skin in
// force as it was, properties included.
void SwitchSkin(sSkinManager::TsSkinManager& manager, const settings::TSkinChoice& choice);

}  // namespace Bezier::skins
