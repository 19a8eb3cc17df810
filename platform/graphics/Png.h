#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"

namespace platform {

// Writes 8-bit RGB PNGs without alpha, for snapshots and test output. An empty bitmap or a
// file that cannot be written throws platform::Error.
std::vector<std::uint8_t> EncodePng(const Bitmap& b);
void SavePngFile(const Bitmap& b, const std::string& path);

}  // namespace platform
