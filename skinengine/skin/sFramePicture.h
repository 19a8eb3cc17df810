#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"

namespace sSkinManager {

// A skinned form's frame picture, for the styles of its children: a form whose frame painter
// holds one answers SM_GETFRAMEPICTURE with 1 after putting it here. The picture belongs to
// the painter and is read at once by the child that asked.
struct TsFramePicture {
  const platform::Bitmap* Picture = nullptr;
  // Where the form's client area begins in the picture.
  platform::TPoint ClientOffset;
};

inline TsFramePicture& FramePicture() {
  static TsFramePicture picture;
  return picture;
}

}  // namespace sSkinManager
