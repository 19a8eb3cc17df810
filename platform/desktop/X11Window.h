#pragma once

#include <SDL.h>

namespace platform {

// The X11 window that shows an SDL window; 0 when SDL runs on another video system.
unsigned long X11WindowOf(SDL_Window* window);

}  // namespace platform
