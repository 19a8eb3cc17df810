#pragma once

#include <SDL.h>

#include "platform/desktop/Desktop.h"

namespace platform {

// Gives an X11 window the program's class (instance "name", class "Name", as toolkits do) and
// all its icon sizes, so that task bars and launchers show the right icon for it. Before the
// window is first shown, as window managers read both when they map it.
void ApplyWindowIdentity(SDL_Window* window, const DesktopIdentity& identity);

}  // namespace platform
