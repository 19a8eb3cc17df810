#pragma once

#include <string>

#include "framework/forms/Menus.h"
#include "platform/graphics/Geometry.h"

// What the painter measures and paints of an item, shared by both.
namespace sSkinMenus {

// The caption followed directly by the shortcut's text.
std::string ItemText(const framework::TMenuItem& item);
// The size of the pictures of the item's menu: its image list's, else 16 x 16.
platform::TSize GlyphSize(const framework::TMenuItem& item);

}  // namespace sSkinMenus
