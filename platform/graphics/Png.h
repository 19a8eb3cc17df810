#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/RgbaImage.h"

namespace platform {

// Writes 8-bit RGB PNGs without alpha, for snapshots and test output. An empty bitmap or a
// file that cannot be written throws platform::Error.
std::vector<std::uint8_t> EncodePng(const Bitmap& b);
void SavePngFile(const Bitmap& b, const std::string& path);

// Icons: 8-bit RGBA PNGs both ways. A picture that is not a PNG throws platform::Error.
std::vector<std::uint8_t> EncodePng(const RgbaImage& image);
RgbaImage DecodePngRgba(std::span<const std::uint8_t> png);

}  // namespace platform
