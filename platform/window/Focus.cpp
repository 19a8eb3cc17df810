#include <algorithm>

#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/Windows.h"

namespace platform {
namespace {

bool CanBeActive(const Window& w) {
  return !w.IsChild() && w.IsVisibleFlag() && (w.Style & WS_POPUP) == 0 &&
         (w.ExStyle & WS_EX_TOOLWINDOW) == 0 && !w.Destroying;
}

void KillFocus(HWND gaining) {
  InputState& in = Sys().Input;
  const HWND old = in.Focus;
  in.Focus = NullWindow;
  SendMessage(old, WM_KILLFOCUS, static_cast<WPARAM>(gaining));
}

}  // namespace

bool IsSelfOrDescendant(HWND h, HWND ancestor) {
  for (Window* w = FindWindow(h); w != nullptr; w = FindWindow(w->Parent)) {
    if (w->Handle == ancestor) return true;
    if (!w->IsChild()) return false;
  }
  return false;
}

HWND SetFocus(HWND h) {
  InputState& in = Sys().Input;
  const HWND old = in.Focus;
  if (old == h) return old;
  if (h != NullWindow) {
    Window* w = FindWindow(h);
    if (w == nullptr || w->Destroying || !IsWindowEnabled(h)) return old;
    const HWND top = TopLevelOf(h);
    if (in.Active != top && CanBeActive(*FindWindow(top))) SetActiveWindow(top);
    if (!IsWindow(h) || in.Focus == h) return old;
  }
  if (in.Focus != NullWindow) KillFocus(h);
  in.Focus = h;
  if (h != NullWindow) SendMessage(h, WM_SETFOCUS, static_cast<WPARAM>(old));
  return old;
}

HWND GetFocus() {
  return Sys().Input.Focus;
}

HWND SetCapture(HWND h) {
  InputState& in = Sys().Input;
  const HWND old = in.Capture;
  if (!IsWindow(h) || old == h) return old;
  in.Capture = h;
  if (old != NullWindow) SendMessage(old, WM_CAPTURECHANGED, 0, static_cast<LPARAM>(h));
  return old;
}

void ReleaseCapture() {
  InputState& in = Sys().Input;
  const HWND old = in.Capture;
  if (old == NullWindow) return;
  in.Capture = NullWindow;
  SendMessage(old, WM_CAPTURECHANGED, 0, 0);
  // The mouse may have left the window while it was captured.
  InputMouseMove(in.Cursor);
}

HWND GetCapture() {
  return Sys().Input.Capture;
}

namespace {

// Activation asked by the program raises the native window too; activation reported by the
// native side must not, or stale focus events would raise windows back and forth.
HWND Activate(HWND h, bool raiseNative) {
  WindowSystem& sys = Sys();
  InputState& in = sys.Input;
  h = TopLevelOf(h);
  const HWND old = in.Active;
  if (old == h) return old;
  in.Active = h;
  if (in.Focus != NullWindow && !IsSelfOrDescendant(in.Focus, h)) KillFocus(NullWindow);
  if (IsWindow(old)) {
    SendMessage(old, WM_NCACTIVATE, 0);
    SendMessage(old, WM_ACTIVATE, WA_INACTIVE, static_cast<LPARAM>(h));
  }
  if (h != NullWindow && in.Active == h) {
    sys.TopLevels.erase(std::remove(sys.TopLevels.begin(), sys.TopLevels.end(), h),
                        sys.TopLevels.end());
    sys.TopLevels.insert(sys.TopLevels.begin(), h);
    if (raiseNative) sys.Back->ActivateNative(h);
    SendMessage(h, WM_NCACTIVATE, 1);
    const bool byMouse = in.ButtonsDown[0] || in.ButtonsDown[1] || in.ButtonsDown[2];
    SendMessage(h, WM_ACTIVATE, byMouse ? WA_CLICKACTIVE : WA_ACTIVE, static_cast<LPARAM>(old));
  }
  return old;
}

}  // namespace

HWND SetActiveWindow(HWND h) {
  return Activate(h, true);
}

HWND GetActiveWindow() {
  return Sys().Input.Active;
}

void InputActivate(HWND h, bool active) {
  Window* w = FindWindow(h);
  if (w == nullptr) return;
  if (active && CanBeActive(*w)) {
    Activate(h, false);
  } else if (!active && Sys().Input.Active == h) {
    Activate(NullWindow, false);
  }
}

void ActivateNextAfter(HWND h) {
  WindowSystem& sys = Sys();
  Window* w = FindWindow(h);
  HWND next = NullWindow;
  if (Window* owner = FindWindow(w != nullptr ? w->Owner : NullWindow);
      owner != nullptr && CanBeActive(*owner) && owner->State != WindowState::Minimized) {
    next = owner->Handle;
  } else {
    for (HWND top : sys.TopLevels) {
      Window* t = FindWindow(top);
      if (top != h && CanBeActive(*t) && t->State != WindowState::Minimized) {
        next = top;
        break;
      }
    }
  }
  SetActiveWindow(next);
}

void ForgetWindowInput(HWND h) {
  InputState& in = Sys().Input;
  if (in.Focus != NullWindow && IsSelfOrDescendant(in.Focus, h)) KillFocus(NullWindow);
  if (in.Capture != NullWindow && IsSelfOrDescendant(in.Capture, h)) {
    const HWND old = in.Capture;
    in.Capture = NullWindow;
    SendMessage(old, WM_CAPTURECHANGED, 0, 0);
  }
  if (in.Hover != NullWindow && IsSelfOrDescendant(in.Hover, h)) in.Hover = NullWindow;
  if (IsSelfOrDescendant(in.LastClickWindow, h)) in.LastClickButton = -1;
  if (in.Tracking != TrackingKind::None && IsSelfOrDescendant(in.TrackWindow, h)) {
    in.Tracking = TrackingKind::None;
  }
  if (in.Active == h) ActivateNextAfter(h);
}

}  // namespace platform
