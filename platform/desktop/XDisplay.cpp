#include "platform/desktop/XDisplay.h"

#include <X11/Xlib.h>

#include <string>

#include "platform/Error.h"

namespace platform {

void RequireDisplay() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    const std::string name = XDisplayName(nullptr);
    throw Error("cannot open display " + (name.empty() ? "(DISPLAY is not set)" : name));
  }
  XCloseDisplay(display);
}

}  // namespace platform
