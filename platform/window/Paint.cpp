#include "platform/window/Paint.h"

#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/Windows.h"

namespace platform {
namespace {

WindowCanvas Nowhere() {
  return WindowCanvas(NullWindow, std::make_shared<Bitmap>(), {}, Region());
}

WindowCanvas CanvasFor(HWND h, bool client, const Region* limit) {
  Window* w = FindWindow(h);
  if (w == nullptr || !IsWindowVisible(h)) return Nowhere();
  const HWND top = TopLevelOf(h);
  const TPoint offset = OffsetInTop(h);
  Region clip = VisibleRegion(h, client);
  if (limit != nullptr) clip = clip.Intersect(limit->Offset(offset.X, offset.Y));
  const TPoint origin = client ? offset + w->Client.TopLeft() : offset;
  return WindowCanvas(top, FindWindow(top)->Backing, origin, clip);
}

Region ClientRegion(const Window& w, const TRect* rect) {
  return Region(rect != nullptr ? rect->Offset(w.Client.TopLeft()).Intersect(w.Client) : w.Client);
}

Region NonClientRegion(const Window& w) {
  return Region(w.LocalRect()).Difference(Region(w.Client));
}

HWND FirstToPaint(HWND h) {
  Window* w = FindWindow(h);
  if (!w->IsVisibleFlag()) return NullWindow;
  if (!w->Update.IsEmpty()) return h;
  for (HWND c : w->Children) {
    if (const HWND found = FirstToPaint(c); found != NullWindow) return found;
  }
  return NullWindow;
}

}  // namespace

WindowCanvas::WindowCanvas(HWND top, std::shared_ptr<Bitmap> backing, TPoint origin,
                           const Region& clip)
    : top_(top), backing_(std::move(backing)), canvas_(*backing_) {
  canvas_.SetOrigin(origin);
  canvas_.SetClipRegion(clip);
  presented_ = canvas_.ClipRegion().Bounds();
}

WindowCanvas::WindowCanvas(WindowCanvas&& other) noexcept
    : top_(other.top_),
      backing_(other.backing_),
      canvas_(other.canvas_),
      presented_(other.presented_) {
  other.top_ = NullWindow;
}

WindowCanvas::~WindowCanvas() {
  Window* top = FindWindow(top_);
  if (top != nullptr && top->Backing == backing_ && !presented_.IsEmpty()) {
    PresentRect(top_, presented_);
  }
}

WindowCanvas GetWindowCanvas(HWND h) {
  return CanvasFor(h, false, nullptr);
}
WindowCanvas GetClientCanvas(HWND h) {
  return CanvasFor(h, true, nullptr);
}
WindowCanvas GetWindowCanvas(HWND h, const TRect& part) {
  const Region limit(part);
  return CanvasFor(h, false, &limit);
}

WindowCanvas BeginPaint(HWND h, PaintStruct& paint) {
  Window* w = FindWindow(h);
  paint = {};
  if (w == nullptr) return Nowhere();
  const Region update = w->Update.Intersect(Region(w->Client));
  paint.Erase = w->EraseNeeded;
  paint.PaintRect = update.Bounds().Offset(-w->Client.Left, -w->Client.Top);
  w->Update = w->Update.Difference(Region(w->Client));
  w->EraseNeeded = false;
  w->PaintValidated = true;
  WindowCanvas canvas = CanvasFor(h, true, &update);
  if (paint.Erase) {
    paint.Erase = SendMessage(h, WM_ERASEBKGND, CanvasParam(canvas.Get())) == 0;
  }
  return canvas;
}

void InvalidateRect(HWND h, const TRect* rect, bool erase) {
  Window* w = FindWindow(h);
  if (w == nullptr || !IsWindowVisible(h)) return;
  w->Update = w->Update.Union(ClientRegion(*w, rect));
  w->EraseNeeded = w->EraseNeeded || erase;
}

void InvalidateRgn(HWND h, const Region& region, bool erase) {
  Window* w = FindWindow(h);
  if (w == nullptr || !IsWindowVisible(h)) return;
  const Region part = region.Offset(w->Client.Left, w->Client.Top).Intersect(Region(w->Client));
  w->Update = w->Update.Union(part);
  w->EraseNeeded = w->EraseNeeded || erase;
}

void ValidateRect(HWND h, const TRect* rect) {
  Window* w = FindWindow(h);
  if (w == nullptr) return;
  w->Update = w->Update.Difference(ClientRegion(*w, rect));
  if (w->Update.Intersect(Region(w->Client)).IsEmpty()) w->EraseNeeded = false;
}

Region GetUpdateRgn(HWND h) {
  Window* w = FindWindow(h);
  if (w == nullptr) return {};
  return w->Update.Intersect(Region(w->Client)).Offset(-w->Client.Left, -w->Client.Top);
}

void InvalidateTree(HWND h, const Region& windowRegion) {
  Window* w = FindWindow(h);
  if (w == nullptr || !w->IsVisibleFlag()) return;
  const Region part = windowRegion.Intersect(Region(w->LocalRect()));
  if (part.IsEmpty()) return;
  w->Update = w->Update.Union(part);
  w->EraseNeeded = true;
  for (HWND c : w->Children) {
    const TPoint at = w->Client.TopLeft() + FindWindow(c)->Bounds.TopLeft();
    InvalidateTree(c, part.Offset(-at.X, -at.Y));
  }
}

void RedrawWindow(HWND h, const TRect* rect, std::uint32_t flags) {
  Window* w = FindWindow(h);
  if (w == nullptr || !IsWindowVisible(h)) return;
  const Region area =
      rect != nullptr || (flags & RDW_FRAME) == 0 ? ClientRegion(*w, rect) : Region(w->LocalRect());
  if ((flags & RDW_INVALIDATE) != 0) {
    if ((flags & RDW_ALLCHILDREN) != 0) {
      InvalidateTree(h, area);
    } else {
      w->Update = w->Update.Union(area);
      w->EraseNeeded = w->EraseNeeded || (flags & RDW_ERASE) != 0;
    }
  }
  if ((flags & RDW_VALIDATE) != 0) w->Update = w->Update.Difference(area);
  if ((flags & RDW_UPDATENOW) != 0) UpdateWindow(h);
}

void PaintWindow(HWND h) {
  Window* w = FindWindow(h);
  if (w == nullptr || w->Update.IsEmpty()) return;
  if (!IsWindowVisible(h)) {
    w->Update = Region();
    return;
  }
  const Region nonClient = NonClientRegion(*w);
  if (!w->Update.Intersect(nonClient).IsEmpty()) {
    w->Update = w->Update.Difference(nonClient);
    SendMessage(h, WM_NCPAINT, 1);
    if ((w = FindWindow(h)) == nullptr) return;
  }
  if (w->Update.IsEmpty()) return;
  w->PaintValidated = false;
  // A procedure that never begins painting, or fails while painting, would otherwise be
  // asked to paint again and again.
  struct ValidateAfterwards {
    HWND Handle;
    ~ValidateAfterwards() {
      const platform::Window* painted = FindWindow(Handle);
      if (painted != nullptr && !painted->PaintValidated) ValidateRect(Handle, nullptr);
    }
  } guard{h};
  SendMessage(h, WM_PAINT);
}

void UpdateWindow(HWND h) {
  PaintWindow(h);
  for (HWND c : GetChildren(h)) UpdateWindow(c);
}

HWND NextWindowToPaint() {
  for (HWND top : Sys().TopLevels) {
    if (FindWindow(top)->State == WindowState::Minimized) continue;
    if (const HWND found = FirstToPaint(top); found != NullWindow) return found;
  }
  return NullWindow;
}

void PresentRect(HWND top, const TRect& rectInTop) {
  Window* w = FindWindow(top);
  if (w == nullptr || !IsWindowVisible(top)) return;
  const TRect r = rectInTop.Intersect(w->LocalRect());
  if (!r.IsEmpty()) Sys().Back->Present(top, *w->Backing, r);
}

}  // namespace platform
