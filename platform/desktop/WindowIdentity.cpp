#include "platform/desktop/WindowIdentity.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cctype>
#include <string>
#include <vector>

namespace platform {

namespace {

// _NET_WM_ICON: width, height and ARGB pixels of each size in turn; 32-bit items travel as
// longs through Xlib.
std::vector<unsigned long> IconProperty(const std::vector<RgbaImage>& icons) {
  std::vector<unsigned long> data;
  for (const RgbaImage& icon : icons) {
    data.push_back(static_cast<unsigned long>(icon.Width));
    data.push_back(static_cast<unsigned long>(icon.Height));
    for (std::size_t i = 0; i + 3 < icon.Pixels.size(); i += 4) {
      const auto* p = &icon.Pixels[i];
      data.push_back((static_cast<unsigned long>(p[3]) << 24) |
                     (static_cast<unsigned long>(p[0]) << 16) |
                     (static_cast<unsigned long>(p[1]) << 8) | p[2]);
    }
  }
  return data;
}

}  // namespace

void ApplyWindowIdentity(SDL_Window* window, const DesktopIdentity& identity) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
  Display* display = info.info.x11.display;
  const ::Window xwindow = info.info.x11.window;
  if (!identity.Name.empty()) {
    std::string instance = identity.Name, windowClass = identity.Name;
    windowClass[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(windowClass[0])));
    XClassHint hint{instance.data(), windowClass.data()};
    XSetClassHint(display, xwindow, &hint);
  }
  if (!identity.Icons.empty()) {
    const std::vector<unsigned long> data = IconProperty(identity.Icons);
    XChangeProperty(display, xwindow, XInternAtom(display, "_NET_WM_ICON", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(data.data()),
                    static_cast<int>(data.size()));
  }
  XFlush(display);
}

}  // namespace platform
