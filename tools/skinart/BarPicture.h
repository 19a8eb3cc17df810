#pragma once

#include <cstdint>
#include <vector>

#include "platform/graphics/Bitmap.h"

// The main window's own picture beside the skin: the background of the gauge "Bar", which the
// window's description stores as a JPEG file.
namespace skinart {

// The resource the description names ("{file 'BarPicture'}"), a file beside it.
inline constexpr const char* BarPictureName = "BarPicture";

// Soft diagonal threads in pale steel blue that tile without seams.
platform::Bitmap DrawBarPicture();
// The picture as the JPEG file; the same bytes on every run.
std::vector<std::uint8_t> BarPictureJpeg();

}  // namespace skinart
