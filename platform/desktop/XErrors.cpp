#include "platform/desktop/XErrors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace platform {
namespace {

XErrorHandler previous = nullptr;

int HandleXError(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
  return previous != nullptr ? previous(display, error) : 0;
}

}  // namespace

void IgnoreWakeupsToDestroyedWindows() {
  const XErrorHandler old = XSetErrorHandler(&HandleXError);
  if (old != &HandleXError) previous = old;
}

}  // namespace platform
