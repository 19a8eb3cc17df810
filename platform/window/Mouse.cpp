#include <algorithm>
#include <cstdlib>

#include "platform/kernel/Clock.h"
#include "platform/window/Input.h"
#include "platform/window/MenuSystem.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/Metrics.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/Windows.h"

namespace platform {
namespace {

struct Target {
  HWND Window{};
  int Hit = HTNOWHERE;
};

// Capture wins; otherwise the window under the point, asked for its hit code. A window that
// answers HTTRANSPARENT passes the point on to the window below it.
Target Route(TPoint screen) {
  WindowSystem& sys = Sys();
  if (sys.Input.Capture != NullWindow) return {sys.Input.Capture, HTCLIENT};
  std::vector<HWND> skip;
  for (;;) {
    const HWND h = HitWindow(screen, skip);
    if (h == NullWindow) return {};
    const int hit = static_cast<int>(SendMessage(h, WM_NCHITTEST, 0, PointParam(screen)));
    if (hit != HTTRANSPARENT) return {h, hit};
    skip.push_back(h);
  }
}

WPARAM KeyFlags() {
  const InputState& in = Sys().Input;
  WPARAM flags = 0;
  if (in.ButtonsDown[0]) flags |= MK_LBUTTON;
  if (in.ButtonsDown[1]) flags |= MK_RBUTTON;
  if (in.ButtonsDown[2]) flags |= MK_MBUTTON;
  if (in.KeysDown[VK_SHIFT]) flags |= MK_SHIFT;
  if (in.KeysDown[VK_CONTROL]) flags |= MK_CONTROL;
  return flags;
}

void UpdateHover(HWND h, bool client) {
  InputState& in = Sys().Input;
  if (in.Capture != NullWindow || (h == in.Hover && client == in.HoverClient)) return;
  const HWND old = in.Hover;
  const bool oldClient = in.HoverClient;
  in.Hover = h;
  in.HoverClient = client;
  if (old != NullWindow) SendMessage(old, oldClient ? WM_MOUSELEAVE : WM_NCMOUSELEAVE);
}

void Deliver(const Target& t, TPoint screen, std::uint32_t clientMsg, std::uint32_t ncMsg) {
  if (t.Hit == HTCLIENT) {
    const TPoint p = ScreenToClient(t.Window, screen);
    SendMessage(t.Window, clientMsg, KeyFlags(), PointParam(p));
  } else if (t.Hit != HTNOWHERE && t.Hit != HTERROR) {
    SendMessage(t.Window, ncMsg, static_cast<WPARAM>(t.Hit), PointParam(screen));
  }
}

// A second press of the same button on the same window and area, soon enough and close
// enough to the first, is a double click; the press after it starts anew.
bool IsDoubleClick(const Target& t, int button, TPoint screen) {
  InputState& in = Sys().Input;
  const std::uint64_t now = GetTickCount64();
  const bool client = t.Hit == HTCLIENT;
  const bool wanted = !client || (FindWindow(t.Window)->ClassStyle & CS_DBLCLKS) != 0;
  const bool dbl = wanted && in.LastClickButton == button && in.LastClickWindow == t.Window &&
                   in.LastClickClient == client && now - in.LastClickTime <= GetDoubleClickTime() &&
                   std::abs(screen.X - in.LastClickPos.X) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                   std::abs(screen.Y - in.LastClickPos.Y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
  in.LastClickButton = dbl ? -1 : button;
  in.LastClickWindow = t.Window;
  in.LastClickClient = client;
  in.LastClickTime = now;
  in.LastClickPos = screen;
  return dbl;
}

TRect TrackedBounds(const InputState& in, TPoint delta) {
  TRect r = in.TrackBounds;
  if (in.Tracking == TrackingKind::Move) return r.Offset(delta);
  const int minWidth = 2 * GetSystemMetrics(SM_CXFRAME) + 3 * GetSystemMetrics(SM_CYCAPTION);
  const int minHeight = 2 * GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION);
  const int hit = in.TrackHit;
  if (hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT) {
    r.Left = std::min(r.Left + delta.X, r.Right - minWidth);
  }
  if (hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT) {
    r.Right = std::max(r.Right + delta.X, r.Left + minWidth);
  }
  if (hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT) {
    r.Top = std::min(r.Top + delta.Y, r.Bottom - minHeight);
  }
  if (hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT) {
    r.Bottom = std::max(r.Bottom + delta.Y, r.Top + minHeight);
  }
  return r;
}

void ContinueTracking(TPoint screen) {
  InputState& in = Sys().Input;
  TRect r = TrackedBounds(in, screen - in.TrackStart);
  const HWND h = in.TrackWindow;
  SendMessage(h, in.Tracking == TrackingKind::Move ? WM_MOVING : WM_SIZING,
              static_cast<WPARAM>(in.TrackHit), RectParam(r));
  if (in.Tracking != TrackingKind::None) SetWindowBounds(h, r);
}

void EndTracking(bool cancel) {
  InputState& in = Sys().Input;
  const HWND h = in.TrackWindow;
  const TRect original = in.TrackBounds;
  in.Tracking = TrackingKind::None;
  if (cancel) SetWindowBounds(h, original);
  SendMessage(h, WM_EXITSIZEMOVE);
}

}  // namespace

void BeginMouseTracking(HWND h, int hitCode) {
  Window* w = FindWindow(h);
  if (w == nullptr) return;
  InputState& in = Sys().Input;
  in.Tracking = hitCode == HTCAPTION ? TrackingKind::Move : TrackingKind::Size;
  in.TrackWindow = h;
  in.TrackHit = hitCode;
  in.TrackStart = in.Cursor;
  in.TrackBounds = w->Bounds;
  SendMessage(h, WM_ENTERSIZEMOVE);
}

bool IsMouseTracking() {
  return Sys().Input.Tracking != TrackingKind::None;
}

void TrackingKey(std::uint32_t vk) {
  if (!IsMouseTracking()) return;
  // As far as an arrow key moves the pointer in a window's own move mode.
  constexpr int KeyStep = 8;
  TPoint step{};
  switch (vk) {
    case VK_ESCAPE:
      EndTracking(true);
      return;
    case VK_RETURN:
      EndTracking(false);
      return;
    case VK_LEFT:
      step.X = -KeyStep;
      break;
    case VK_RIGHT:
      step.X = KeyStep;
      break;
    case VK_UP:
      step.Y = -KeyStep;
      break;
    case VK_DOWN:
      step.Y = KeyStep;
      break;
    default:
      return;
  }
  // The pointer's own moves count on from where the keys took the window.
  InputState& in = Sys().Input;
  in.TrackStart = in.TrackStart - step;
  ContinueTracking(in.Cursor);
}

void InputMouseMove(TPoint screen) {
  WindowSystem& sys = Sys();
  sys.Input.Cursor = screen;
  if (sys.Menus->HandleMouseMove(screen)) return;
  if (sys.Input.Tracking != TrackingKind::None) {
    ContinueTracking(screen);
    return;
  }
  const Target t = Route(screen);
  UpdateHover(t.Window, t.Hit == HTCLIENT);
  if (t.Window != NullWindow) Deliver(t, screen, WM_MOUSEMOVE, WM_NCMOUSEMOVE);
}

void InputMouseButton(TPoint screen, MouseButton button, bool down) {
  WindowSystem& sys = Sys();
  InputState& in = sys.Input;
  const int b = static_cast<int>(button);
  in.Cursor = screen;
  // A capture outlives its press when the release went to a dialog that opened meanwhile (or
  // came before the capture was set, as a press that opens a message box sets it afterwards).
  // A press with no other button held starts afresh, where the pointer is.
  bool othersDown = false;
  for (int k = 0; k < 3; ++k) othersDown = othersDown || (k != b && in.ButtonsDown[k]);
  in.ButtonsDown[b] = down;
  if (down && !othersDown && in.Capture != NullWindow) ReleaseCapture();
  if (sys.Menus->HandleMouseButton(screen, b, down)) return;
  if (in.Tracking != TrackingKind::None) {
    if (button == MouseButton::Left) EndTracking(false);
    return;
  }
  Target t = Route(screen);
  UpdateHover(t.Window, t.Hit == HTCLIENT);
  if (t.Window == NullWindow) return;
  static constexpr std::uint32_t clientDown[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
  static constexpr std::uint32_t ncDown[] = {WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN};
  if (!down) {
    Deliver(t, screen, clientDown[b] + 1, ncDown[b] + 1);
    return;
  }
  const HWND top = TopLevelOf(t.Window);
  const std::uint32_t topStyle = GetWindowStyle(top);
  const bool activates =
      (topStyle & WS_POPUP) == 0 && (GetWindowExStyle(top) & WS_EX_TOOLWINDOW) == 0;
  if (in.Active != top && activates) {
    SetActiveWindow(top);
    if (!IsWindow(t.Window)) return;
  }
  if (in.ContextHelpMode && button == MouseButton::Left) {
    in.ContextHelpMode = false;
    if (t.Hit == HTCLIENT) {
      SendMessage(t.Window, WM_HELP, 0, PointParam(screen));
      return;
    }
  }
  const bool dbl = IsDoubleClick(t, b, screen);
  Deliver(t, screen, clientDown[b] + (dbl ? 2 : 0), ncDown[b] + (dbl ? 2 : 0));
}

void InputMouseWheel(TPoint screen, int delta) {
  WindowSystem& sys = Sys();
  sys.Input.Cursor = screen;
  if (sys.Menus->IsTracking()) return;
  // The wheel scrolls what is under the pointer, as on every desktop today, whichever control
  // has the keyboard; a window that does not scroll passes it on to its parent.
  const HWND target = Route(screen).Window;
  if (target == NullWindow) return;
  SendMessage(target, WM_MOUSEWHEEL, WheelParam(KeyFlags(), delta), PointParam(screen));
}

void InputMouseExit() {
  UpdateHover(NullWindow, false);
}

TPoint GetCursorPos() {
  return Sys().Input.Cursor;
}

}  // namespace platform
