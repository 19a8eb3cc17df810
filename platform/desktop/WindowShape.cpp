#include "platform/desktop/WindowShape.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

#include <vector>

namespace platform {

void ApplyWindowShape(SDL_Window* window, const Region* shape) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
  Display* display = info.info.x11.display;
  const ::Window xwindow = info.info.x11.window;
  int eventBase = 0, errorBase = 0;
  if (XShapeQueryExtension(display, &eventBase, &errorBase) == 0) return;
  if (shape == nullptr) {
    XShapeCombineMask(display, xwindow, ShapeBounding, 0, 0, None, ShapeSet);
  } else {
    std::vector<XRectangle> rects;
    for (const TRect& r : shape->Rects()) {
      rects.push_back({static_cast<short>(r.Left), static_cast<short>(r.Top),
                       static_cast<unsigned short>(r.Width()),
                       static_cast<unsigned short>(r.Height())});
    }
    XShapeCombineRectangles(display, xwindow, ShapeBounding, 0, 0, rects.data(),
                            static_cast<int>(rects.size()), ShapeSet, YXBanded);
  }
  XFlush(display);
}

}  // namespace platform
