#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"

namespace platform {

// Decodes a JPEG held in memory (colour, greyscale or CMYK) to a 24-bit bitmap. With grey set,
// every pixel gets its luminance in all three channels. A bad, truncated or corrupt picture,
// or one too large for its data, throws platform::Error.
Bitmap DecodeJpeg(std::span<const std::uint8_t> data, bool grey = false);
Bitmap LoadJpegFile(const std::string& path, bool grey = false);

// The picture's size from its header alone; a header libjpeg cannot read throws.
TSize JpegSize(std::span<const std::uint8_t> data);

}  // namespace platform
