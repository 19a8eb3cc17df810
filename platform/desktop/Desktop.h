#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/RgbaImage.h"
#include "platform/window/Backend.h"

namespace platform {

// What the desktop knows a program by: the name its windows carry as their class (which the
// launcher entry's StartupWMClass matches) and its icon in every size it has.
struct DesktopIdentity {
  std::string Name;
  std::vector<RgbaImage> Icons;
};

// The back end for a real display: SDL2 windows, GTK 3 dialogs. Throws platform::Error
// ("cannot open display NAME") when no X display can be opened.
std::unique_ptr<Backend> CreateDesktopBackend(DesktopIdentity identity = {});

}  // namespace platform
