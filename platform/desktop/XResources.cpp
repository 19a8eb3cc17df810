#include "platform/desktop/XResources.h"

#include <X11/Xlib.h>
#include <X11/Xresource.h>

namespace platform {

std::optional<std::string> XResource(const char* name, const char* className) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return std::nullopt;
  std::optional<std::string> value;
  if (const char* text = XResourceManagerString(display)) {
    XrmInitialize();
    if (XrmDatabase database = XrmGetStringDatabase(text)) {
      char* type = nullptr;
      XrmValue found{};
      if (XrmGetResource(database, name, className, &type, &found) && found.addr != nullptr)
        value = std::string(found.addr);
      XrmDestroyDatabase(database);
    }
  }
  XCloseDisplay(display);
  return value;
}

}  // namespace platform
