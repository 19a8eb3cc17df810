#include <algorithm>

#include "platform/window/Input.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/Paint.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/Windows.h"

namespace platform {
namespace {

Region ShapedRect(const Window& w, TPoint offset) {
  Region r(w.LocalRect().Offset(offset));
  if (w.Shape) r = r.Intersect(w.Shape->Offset(offset.X, offset.Y));
  return r;
}

bool ContainsLocal(const Window& w, TPoint local) {
  return w.LocalRect().Contains(local) && (!w.Shape || w.Shape->Contains(local));
}

bool Skipped(HWND h, const std::vector<HWND>& skip) {
  return std::find(skip.begin(), skip.end(), h) != skip.end();
}

HWND DeepestAt(HWND h, TPoint screen, const std::vector<HWND>& skip) {
  Window* w = FindWindow(h);
  const TPoint local = screen - ScreenOrigin(h);
  if (!w->Client.Contains(local)) return h;
  for (HWND c : w->Children) {
    Window* child = FindWindow(c);
    if (!child->IsVisibleFlag() || Skipped(c, skip)) continue;
    if (!ContainsLocal(*child, screen - ScreenOrigin(c))) continue;
    // Input for a disabled child goes to its parent.
    return child->IsEnabledFlag() ? DeepestAt(c, screen, skip) : h;
  }
  return h;
}

}  // namespace

void SendMoveAndSize(HWND h, bool moved, bool sized) {
  Window* w = FindWindow(h);
  if (w == nullptr) return;
  const TPoint clientOrigin = w->Bounds.TopLeft() + w->Client.TopLeft();
  const TRect client = GetClientRect(h);
  const int sizeType = w->State == WindowState::Maximized   ? SIZE_MAXIMIZED
                       : w->State == WindowState::Minimized ? SIZE_MINIMIZED
                                                            : SIZE_RESTORED;
  SendMessage(h, WM_WINDOWPOSCHANGED);
  if (moved) SendMessage(h, WM_MOVE, 0, PointParam(clientOrigin));
  if (sized) SendMessage(h, WM_SIZE, sizeType, SizeParam(client.Size()));
}

// Repaints what of the parent (or the window itself, for a top-level) the window covered.
void InvalidateUncovered(HWND h) {
  Window* w = FindWindow(h);
  if (!w->IsChild()) return;
  Window* parent = FindWindow(w->Parent);
  InvalidateTree(w->Parent, Region(w->Bounds.Offset(parent->Client.TopLeft())));
}

void InvalidateWhole(HWND h) {
  Window* w = FindWindow(h);
  if (w != nullptr) InvalidateTree(h, Region(w->LocalRect()));
}

HWND TopLevelOf(HWND h) {
  Window* w = FindWindow(h);
  while (w != nullptr && w->IsChild()) {
    h = w->Parent;
    w = FindWindow(h);
  }
  return w != nullptr ? h : NullWindow;
}

TPoint OffsetInTop(HWND h) {
  Window* w = FindWindow(h);
  if (w == nullptr || !w->IsChild()) return {};
  Window* parent = FindWindow(w->Parent);
  return OffsetInTop(w->Parent) + parent->Client.TopLeft() + w->Bounds.TopLeft();
}

TPoint ScreenOrigin(HWND h) {
  const HWND top = TopLevelOf(h);
  Window* t = FindWindow(top);
  return t != nullptr ? t->Bounds.TopLeft() + OffsetInTop(h) : TPoint{};
}

Region VisibleRegion(HWND h, bool clientOnly) {
  Window* w = FindWindow(h);
  if (w == nullptr) return {};
  const TPoint offset = OffsetInTop(h);
  Region r = ShapedRect(*w, offset);
  if (clientOnly) r = r.Intersect(Region(w->Client.Offset(offset)));
  for (HWND c : w->Children) {
    Window* child = FindWindow(c);
    if (child->IsVisibleFlag()) r = r.Difference(ShapedRect(*child, OffsetInTop(c)));
  }
  for (HWND cur = h; FindWindow(cur)->IsChild();) {
    Window* self = FindWindow(cur);
    Window* parent = FindWindow(self->Parent);
    const TPoint parentOffset = OffsetInTop(self->Parent);
    r = r.Intersect(Region(parent->Client.Offset(parentOffset)))
            .Intersect(ShapedRect(*parent, parentOffset));
    for (HWND sibling : parent->Children) {
      if (sibling == cur) break;
      Window* s = FindWindow(sibling);
      if (s->IsVisibleFlag()) r = r.Difference(ShapedRect(*s, OffsetInTop(sibling)));
    }
    cur = self->Parent;
  }
  return r;
}

void RecalcClient(HWND h) {
  Window* w = FindWindow(h);
  if (w == nullptr) return;
  TRect r = w->Bounds;
  SendMessage(h, WM_NCCALCSIZE, 0, RectParam(r));
  if ((w = FindWindow(h)) == nullptr) return;
  r = r.Offset(-w->Bounds.Left, -w->Bounds.Top);
  r.Right = std::max(r.Left, r.Right);
  r.Bottom = std::max(r.Top, r.Bottom);
  w->Client = r;
}

HWND HitWindow(TPoint screen, const std::vector<HWND>& skip) {
  for (HWND top : Sys().TopLevels) {
    Window* t = FindWindow(top);
    if (!t->IsVisibleFlag() || t->State == WindowState::Minimized || Skipped(top, skip)) continue;
    if (!ContainsLocal(*t, screen - t->Bounds.TopLeft())) continue;
    return t->IsEnabledFlag() ? DeepestAt(top, screen, skip) : NullWindow;
  }
  return NullWindow;
}

HWND WindowFromPoint(TPoint screen) {
  return HitWindow(screen, {});
}

HWND GetParent(HWND h) {
  Window* w = FindWindow(h);
  return w != nullptr ? w->Parent : NullWindow;
}

HWND GetOwner(HWND h) {
  Window* w = FindWindow(h);
  return w != nullptr ? w->Owner : NullWindow;
}

HWND GetTopLevel(HWND h) {
  return TopLevelOf(h);
}

std::vector<HWND> GetChildren(HWND h) {
  Window* w = FindWindow(h);
  return w != nullptr ? w->Children : std::vector<HWND>{};
}

std::vector<HWND> GetTopLevelWindows() {
  return Sys().TopLevels;
}

std::uint32_t GetWindowStyle(HWND h) {
  Window* w = FindWindow(h);
  return w != nullptr ? w->Style : 0;
}

std::uint32_t GetWindowExStyle(HWND h) {
  Window* w = FindWindow(h);
  return w != nullptr ? w->ExStyle : 0;
}

void SetWindowStyle(HWND h, std::uint32_t style) {
  Window* w = FindWindow(h);
  if (w == nullptr) return;
  // Visibility, state and the kind of window change through their own functions.
  constexpr std::uint32_t kept = WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE | WS_CHILD;
  w->Style = (w->Style & kept) | (style & ~kept);
  RecalcClient(h);
  InvalidateWhole(h);
}

std::string GetWindowText(HWND h) {
  Window* w = FindWindow(h);
  return w != nullptr ? w->Text : std::string{};
}

void SetWindowText(HWND h, const std::string& text) {
  Window* w = FindWindow(h);
  if (w == nullptr) return;
  w->Text = text;
  if (!w->IsChild()) Sys().Back->SetNativeTitle(h, text);
  RedrawWindow(h, nullptr, RDW_FRAME | RDW_INVALIDATE);
  SendMessage(h, WM_SETTEXT);
}

void SetWindowBackground(HWND h, TColor color) {
  if (Window* w = FindWindow(h)) w->Background = color;
}

TRect GetWindowRect(HWND h) {
  Window* w = FindWindow(h);
  return w != nullptr ? w->LocalRect().Offset(ScreenOrigin(h)) : TRect{};
}

TRect GetWindowBounds(HWND h) {
  Window* w = FindWindow(h);
  return w != nullptr ? w->Bounds : TRect{};
}

TRect GetClientRect(HWND h) {
  Window* w = FindWindow(h);
  return w != nullptr ? TRect{0, 0, w->Client.Width(), w->Client.Height()} : TRect{};
}

TRect GetClientRectInWindow(HWND h) {
  Window* w = FindWindow(h);
  return w != nullptr ? w->Client : TRect{};
}

TPoint WindowToScreen(HWND h, TPoint p) {
  return p + ScreenOrigin(h);
}
TPoint ScreenToWindow(HWND h, TPoint p) {
  return p - ScreenOrigin(h);
}

TPoint ClientToScreen(HWND h, TPoint p) {
  Window* w = FindWindow(h);
  return w != nullptr ? p + ScreenOrigin(h) + w->Client.TopLeft() : p;
}

TPoint ScreenToClient(HWND h, TPoint p) {
  Window* w = FindWindow(h);
  return w != nullptr ? p - ScreenOrigin(h) - w->Client.TopLeft() : p;
}

void SetWindowBounds(HWND h, const TRect& bounds) {
  Window* w = FindWindow(h);
  if (w == nullptr || w->Bounds == bounds) return;
  const bool visible = IsWindowVisible(h);
  if (visible) InvalidateUncovered(h);
  const bool moved = w->Bounds.TopLeft() != bounds.TopLeft();
  const bool sized = w->Bounds.Size() != bounds.Size();
  w->Bounds = bounds;
  // What was pending outside the new size can never be painted, so it must not stay pending.
  w->Update = w->Update.Intersect(Region(w->LocalRect()));
  if (w->State == WindowState::Normal) w->NormalBounds = bounds;
  if (!w->IsChild()) {
    if (sized)
      w->Backing =
          std::make_shared<Bitmap>(std::max(0, bounds.Width()), std::max(0, bounds.Height()));
    Sys().Back->SetNativeBounds(h, bounds);
  }
  RecalcClient(h);
  if (visible && (sized || FindWindow(h)->IsChild())) InvalidateWhole(h);
  SendMoveAndSize(h, moved, sized);
}

void NoteNativeBounds(HWND h, const TRect& screenBounds) {
  Window* w = FindWindow(h);
  if (w == nullptr || w->IsChild() || w->Bounds == screenBounds) return;
  if (w->Bounds.Size() != screenBounds.Size()) {
    SetWindowBounds(h, screenBounds);
    return;
  }
  w->Bounds = screenBounds;
  if (w->State == WindowState::Normal) w->NormalBounds = screenBounds;
  SendMoveAndSize(h, true, false);
}

void SetWindowZOrder(HWND h, ZOrder where) {
  Window* w = FindWindow(h);
  if (w == nullptr) return;
  std::vector<HWND>& list = w->IsChild() ? FindWindow(w->Parent)->Children : Sys().TopLevels;
  list.erase(std::remove(list.begin(), list.end(), h), list.end());
  list.insert(where == ZOrder::Top ? list.begin() : list.end(), h);
  if (w->IsChild() && IsWindowVisible(h)) {
    InvalidateUncovered(h);
  } else if (!w->IsChild() && where == ZOrder::Top) {
    Sys().Back->ActivateNative(h);
  }
}

bool IsWindowVisible(HWND h) {
  for (Window* w = FindWindow(h); w != nullptr; w = FindWindow(w->Parent)) {
    if (!w->IsVisibleFlag()) return false;
    if (!w->IsChild()) return w->State != WindowState::Minimized;
  }
  return false;
}

WindowState GetWindowState(HWND h) {
  Window* w = FindWindow(h);
  return w != nullptr ? w->State : WindowState::Normal;
}

void EnableWindow(HWND h, bool enable) {
  Window* w = FindWindow(h);
  if (w == nullptr || w->IsEnabledFlag() == enable) return;
  w->Style = enable ? w->Style & ~WS_DISABLED : w->Style | WS_DISABLED;
  if (!enable) ForgetWindowInput(h);
  SendMessage(h, WM_ENABLE, enable ? 1 : 0);
}

bool IsWindowEnabled(HWND h) {
  Window* w = FindWindow(h);
  return w != nullptr && w->IsEnabledFlag();
}

void SetWindowRgn(HWND h, std::optional<Region> region, bool redraw) {
  Window* w = FindWindow(h);
  if (w == nullptr) return;
  const bool visible = IsWindowVisible(h);
  if (visible) InvalidateUncovered(h);
  w->Shape = std::move(region);
  if (!w->IsChild()) Sys().Back->SetNativeShape(h, w->Shape ? &*w->Shape : nullptr);
  if (visible && redraw) InvalidateWhole(h);
}

}  // namespace platform
