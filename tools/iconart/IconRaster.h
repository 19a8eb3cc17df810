#pragma once

#include "platform/graphics/RgbaImage.h"

namespace iconart {

// The icon of size x size pixels, anti-aliased, transparent round the tile.
platform::RgbaImage DrawIcon(int size);

}  // namespace iconart
