#pragma once

#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"

namespace themeart {

struct TThemeBitmap {
  std::string Name;  // the resource name, also the file name without ".bmp"
  platform::Bitmap Pixels;
};

// Every bitmap the UI styles name, in each style's colours, and the few the styled form and
// menus load by name. The same pixels on every run, so the committed files can be checked.
std::vector<TThemeBitmap> DrawThemeBitmaps();

}  // namespace themeart
