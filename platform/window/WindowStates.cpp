#include "platform/window/Input.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/Windows.h"

namespace platform {
namespace {

bool Activates(const Window& w) {
  return !w.IsChild() && (w.Style & WS_POPUP) == 0 && (w.ExStyle & WS_EX_TOOLWINDOW) == 0;
}

void Hide(HWND h) {
  SendMessage(h, WM_SHOWWINDOW, 0);
  Window* w = FindWindow(h);
  if (w == nullptr || !w->IsVisibleFlag()) return;
  InvalidateUncovered(h);
  w->Style &= ~WS_VISIBLE;
  if (!w->IsChild()) Sys().Back->SetNativeVisible(h, false, w->State);
  ForgetWindowInput(h);
}

// A window of its own opens wholly on the work area; popups place themselves.
void KeepOnWorkArea(HWND h) {
  const Window* w = FindWindow(h);
  if (w->IsChild() || (w->Style & WS_POPUP) != 0 || w->State != WindowState::Normal) return;
  SetWindowBounds(h, w->Bounds.MovedInto(Sys().Back->WorkArea()));
}

// Makes the window visible in its current state; false when it was visible already.
bool Reveal(HWND h) {
  Window* w = FindWindow(h);
  if (w->IsVisibleFlag()) return false;
  SendMessage(h, WM_SHOWWINDOW, 1);
  if (FindWindow(h) == nullptr) return false;
  KeepOnWorkArea(h);
  if ((w = FindWindow(h)) == nullptr) return false;
  w->Style |= WS_VISIBLE;
  if (!w->IsChild()) Sys().Back->SetNativeVisible(h, true, w->State);
  InvalidateWhole(h);
  return true;
}

void SetState(HWND h, WindowState state) {
  Window* w = FindWindow(h);
  w->State = state;
  w->Style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
  if (state == WindowState::Minimized) w->Style |= WS_MINIMIZE;
  if (state == WindowState::Maximized) w->Style |= WS_MAXIMIZE;
  if (!w->IsChild() && w->IsVisibleFlag()) Sys().Back->SetNativeVisible(h, true, state);
}

TRect MaximizedBounds(HWND h) {
  Window* w = FindWindow(h);
  if (!w->IsChild()) return Sys().Back->WorkArea();
  return GetClientRect(w->Parent);
}

void Maximize(HWND h) {
  Window* w = FindWindow(h);
  Reveal(h);
  if (w->State == WindowState::Maximized) return;
  if (w->State == WindowState::Normal) w->NormalBounds = w->Bounds;
  SetState(h, WindowState::Maximized);
  const TRect target = MaximizedBounds(h);
  if (w->Bounds == target) {
    SendMoveAndSize(h, false, true);
  } else {
    SetWindowBounds(h, target);
  }
  if (IsWindow(h)) InvalidateWhole(h);
}

void Minimize(HWND h) {
  Window* w = FindWindow(h);
  Reveal(h);
  if (w->State == WindowState::Minimized) return;
  w->MaximizedBeforeMinimize = w->State == WindowState::Maximized;
  SetState(h, WindowState::Minimized);
  ForgetWindowInput(h);
  SendMoveAndSize(h, false, true);
}

void Restore(HWND h) {
  Window* w = FindWindow(h);
  Reveal(h);
  if (w->State == WindowState::Minimized) {
    SetState(h, w->MaximizedBeforeMinimize ? WindowState::Maximized : WindowState::Normal);
    InvalidateWhole(h);
    SendMoveAndSize(h, false, true);
  } else if (w->State == WindowState::Maximized) {
    SetState(h, WindowState::Normal);
    SetWindowBounds(h, w->NormalBounds);
    if (IsWindow(h)) InvalidateWhole(h);
  }
}

}  // namespace

void ShowWindow(HWND h, ShowCommand command) {
  Window* w = FindWindow(h);
  if (w == nullptr) return;
  const bool activate = Activates(*w) && command != ShowCommand::ShowNoActivate &&
                        command != ShowCommand::Hide && command != ShowCommand::Minimize;
  switch (command) {
    case ShowCommand::Hide:
      if (w->IsVisibleFlag()) Hide(h);
      return;
    case ShowCommand::Show:
    case ShowCommand::ShowNoActivate:
      Reveal(h);
      break;
    case ShowCommand::ShowNormal:
    case ShowCommand::Restore:
      Restore(h);
      break;
    case ShowCommand::Minimize:
      Minimize(h);
      break;
    case ShowCommand::Maximize:
      Maximize(h);
      break;
  }
  if (activate && IsWindowVisible(h)) SetActiveWindow(h);
}

void DefaultSysCommand(HWND h, TMessage& m) {
  const std::uint32_t command = SysCommandOf(m);
  const int hit = static_cast<int>(SysCommandExtraOf(m));
  switch (command) {
    case SC_CLOSE:
      SendMessage(h, WM_CLOSE);
      break;
    case SC_MINIMIZE:
      ShowWindow(h, ShowCommand::Minimize);
      break;
    case SC_MAXIMIZE:
      ShowWindow(h, ShowCommand::Maximize);
      break;
    case SC_RESTORE:
      ShowWindow(h, ShowCommand::Restore);
      break;
    case SC_MOVE:
      if (GetWindowState(h) == WindowState::Normal) BeginMouseTracking(h, HTCAPTION);
      break;
    case SC_SIZE:
      if (GetWindowState(h) == WindowState::Normal) {
        BeginMouseTracking(h, hit == 0 ? HTBOTTOMRIGHT : hit + HTLEFT - 1);
      }
      break;
    case SC_CONTEXTHELP:
      Sys().Input.ContextHelpMode = true;
      break;
    default:
      break;
  }
}

}  // namespace platform
