#pragma once

#include <memory>

#include "platform/window/Backend.h"

namespace platform {

// The back end for a real display: SDL2 windows, GTK 3 dialogs. Throws platform::Error when
// no display can be opened.
std::unique_ptr<Backend> CreateDesktopBackend();

}  // namespace platform
