#pragma once

#include <SDL.h>

#include "platform/graphics/Region.h"

namespace platform {

// Gives an SDL window the shape of a region (window coordinates) through the X shape
// extension; nullptr makes it rectangular again. Elsewhere windows stay rectangular, and
// the window system still clips painting and hit testing to the region.
void ApplyWindowShape(SDL_Window* window, const Region* shape);

}  // namespace platform
