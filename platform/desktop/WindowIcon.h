#pragma once

#include <SDL.h>

namespace platform {

// Gives an SDL window the standard application icon, which the desktop's task bar and window
// switcher show for it; our windows draw their own frames, so the window manager has no other.
void ApplyApplicationIcon(SDL_Window* window);

}  // namespace platform
