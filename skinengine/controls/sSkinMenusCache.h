#pragma once

#include <cstddef>

#include "framework/forms/Menus.h"
#include "platform/graphics/Bitmap.h"

// The painted backgrounds of whole popups, shared by every menu painter of the process. Each
// is kept under the popup's first item and lives until the skin changes or the process ends.
namespace sSkinMenus {

// The background of the popup whose first item is key, painted from "MAINMENU" when there is
// none yet of that size; where the skin has no such section, the menu's own colour shows.
const platform::Bitmap& PopupBackground(const framework::TMenuItem* key, int width, int height);
void FlushPopupBackgrounds();
std::size_t PopupBackgroundCount();

}  // namespace sSkinMenus
