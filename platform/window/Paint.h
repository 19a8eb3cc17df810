#pragma once

#include <cstdint>
#include <memory>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Region.h"
#include "platform/window/WindowTypes.h"

namespace platform {

// A canvas over a window's part of its top-level window's backing bitmap: origin at the
// window's (or client area's) top-left, clipped to what of the window can be seen. Whatever
// it covered is presented on the screen when it is released, so every paint shows at once.
class WindowCanvas {
 public:
  WindowCanvas(HWND top, std::shared_ptr<Bitmap> backing, TPoint origin, const Region& clip);
  WindowCanvas(WindowCanvas&& other) noexcept;
  WindowCanvas(const WindowCanvas&) = delete;
  WindowCanvas& operator=(const WindowCanvas&) = delete;
  WindowCanvas& operator=(WindowCanvas&&) = delete;
  ~WindowCanvas();

  Canvas& Get() { return canvas_; }
  Canvas* operator->() { return &canvas_; }
  Canvas& operator*() { return canvas_; }

 private:
  HWND top_;
  std::shared_ptr<Bitmap> backing_;
  Canvas canvas_;
  TRect presented_;
};

// The whole window in window coordinates, or the client area in client coordinates.
WindowCanvas GetWindowCanvas(HWND window);
WindowCanvas GetClientCanvas(HWND window);
// The window's part (window coordinates) alone: only that part is shown when it is released.
WindowCanvas GetWindowCanvas(HWND window, const TRect& part);

struct PaintStruct {
  TRect PaintRect;     // client coordinates
  bool Erase = false;  // the background still needs erasing
};

// Validates the client part of the update region and answers a client canvas clipped to it,
// erasing the background first (WM_ERASEBKGND) when the invalidation asked for it.
WindowCanvas BeginPaint(HWND window, PaintStruct& paint);

// Rectangles and regions in client coordinates; nullptr means the whole client area.
void InvalidateRect(HWND window, const TRect* rect, bool erase);
void InvalidateRgn(HWND window, const Region& region, bool erase);
void ValidateRect(HWND window, const TRect* rect);
// The update region in client coordinates (its non-client part left out).
Region GetUpdateRgn(HWND window);
void RedrawWindow(HWND window, const TRect* rect, std::uint32_t flags);
// Paints the window and its children at once when they have something to paint.
void UpdateWindow(HWND window);

}  // namespace platform
