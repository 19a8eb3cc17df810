#pragma once

#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"

// The pictures of the skin authors' guide (docs/skins.md): pictures of the dark skin enlarged,
// with lines where the engine cuts them, and a border mask laid over controls of three sizes.
namespace skinart {

struct TGuidePicture {
  std::string Name;  // file name under docs/
  platform::Bitmap Pixels;
};

std::vector<TGuidePicture> DrawGuidePictures();

}  // namespace skinart
