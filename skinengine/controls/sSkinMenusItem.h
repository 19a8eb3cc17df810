#pragma once

#include <string>

#include "framework/forms/Menus.h"
#include "framework/graphics/Canvas.h"
#include "platform/graphics/Geometry.h"

// What the painter measures and paints of an item, shared by both.
namespace sSkinMenus {

// The caption followed directly by the shortcut's text.
std::string ItemText(const framework::TMenuItem& item);
// The size of the pictures of the item's menu: its image list's, else 16 x 16.
platform::TSize GlyphSize(const framework::TMenuItem& item);

// Heights on a canvas whose font is the painter's already.
int ItemHeight(framework::TCanvas& canvas, const framework::TMenuItem& item, int margin);
// Where an item lies in its popup, and the popup's height.
struct TsPopupPlace {
  int Top;
  int Height;
};
TsPopupPlace PopupPlace(framework::TCanvas& canvas, const framework::TMenuItem& item, int margin);

}  // namespace sSkinMenus
