#include "platform/window/Input.h"
#include "platform/window/MenuSystem.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/NonClient.h"
#include "platform/window/Paint.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/Windows.h"

namespace platform {
namespace {

bool IsSizingBorder(int hit) {
  return hit >= HTLEFT && hit <= HTBOTTOMRIGHT;
}

void NcButtonDown(HWND h, int hit) {
  InputState& in = Sys().Input;
  const WindowState state = GetWindowState(h);
  if (hit == HTCAPTION && state == WindowState::Normal) {
    SendMessage(h, WM_SYSCOMMAND, SysCommandParam(SC_MOVE, HTCAPTION));
  } else if (IsSizingBorder(hit) && state == WindowState::Normal) {
    SendMessage(h, WM_SYSCOMMAND, SysCommandParam(SC_SIZE, hit - HTLEFT + 1));
  } else if (hit == HTMENU) {
    Sys().Menus->ClearHot(h);
    Sys().Menus->StartBar(h, -1, true, false);
  } else if (hit == HTMINBUTTON || hit == HTMAXBUTTON || hit == HTCLOSE || hit == HTHELP) {
    in.PressedButtonWindow = h;
    in.PressedButton = hit;
  }
}

// A title button acts when it is released over the button it was pressed on.
void NcButtonUp(HWND h, int hit) {
  InputState& in = Sys().Input;
  const bool same = in.PressedButtonWindow == h && in.PressedButton == hit;
  in.PressedButtonWindow = NullWindow;
  in.PressedButton = HTNOWHERE;
  if (!same) return;
  const bool maximized = GetWindowState(h) == WindowState::Maximized;
  const std::uint32_t style = GetWindowStyle(h);
  switch (hit) {
    case HTMINBUTTON:
      if ((style & WS_MINIMIZEBOX) != 0) SendMessage(h, WM_SYSCOMMAND, SC_MINIMIZE);
      break;
    case HTMAXBUTTON:
      if ((style & WS_MAXIMIZEBOX) != 0)
        SendMessage(h, WM_SYSCOMMAND, maximized ? SC_RESTORE : SC_MAXIMIZE);
      break;
    case HTCLOSE:
      SendMessage(h, WM_SYSCOMMAND, SC_CLOSE);
      break;
    case HTHELP:
      SendMessage(h, WM_SYSCOMMAND, SC_CONTEXTHELP);
      break;
    default:
      break;
  }
}

void NcDoubleClick(HWND h, int hit) {
  if (hit == HTCAPTION && (GetWindowStyle(h) & WS_MAXIMIZEBOX) != 0) {
    const bool maximized = GetWindowState(h) == WindowState::Maximized;
    SendMessage(h, WM_SYSCOMMAND, maximized ? SC_RESTORE : SC_MAXIMIZE);
  } else if (hit == HTSYSMENU) {
    SendMessage(h, WM_SYSCOMMAND, SC_CLOSE);
  } else {
    NcButtonDown(h, hit);
  }
}

void KeyMenu(HWND h, TMessage& m) {
  const HWND top = GetTopLevel(h);
  if (GetMenu(top) == NullMenu) return;
  const auto ch = static_cast<char32_t>(m.LParam);
  if (ch == 0) {
    Sys().Menus->StartBar(top, 0, false, true);
  } else {
    Sys().Menus->StartBarMnemonic(top, ch);
  }
}

void SystemCommand(HWND h, TMessage& m) {
  const std::uint32_t command = SysCommandOf(m);
  if (command == SC_KEYMENU) {
    KeyMenu(h, m);
  } else if (command == SC_MOUSEMENU) {
    Sys().Menus->StartBar(h, -1, true, false);
  } else {
    DefaultSysCommand(h, m);
  }
}

void EraseBackground(HWND h, TMessage& m) {
  Canvas* canvas = CanvasOf(m);
  Window* w = FindWindow(h);
  if (canvas == nullptr || w == nullptr || w->Background == clNone) return;
  canvas->GetBrush().Color = w->Background;
  canvas->FillRect(canvas->ClipRect());
  m.Result = 1;
}

void SysKeyDown(HWND h, const TMessage& m) {
  if (m.WParam == VK_F4 && AltDownOf(m)) {
    PostMessage(GetTopLevel(h), WM_SYSCOMMAND, SC_CLOSE);
  } else if (m.WParam == VK_F10) {
    SendMessage(GetTopLevel(h), WM_SYSCOMMAND, SC_KEYMENU);
  }
}

}  // namespace

void DefWindowProc(HWND h, TMessage& m) {
  switch (m.Msg) {
    case WM_NCCALCSIZE:
      DefaultCalcSize(h, m);
      break;
    case WM_NCHITTEST:
      m.Result = DefaultHitTest(h, PointOf(m));
      break;
    case WM_NCPAINT:
      DefaultNcPaint(h);
      break;
    case WM_NCACTIVATE:
      RedrawWindow(h, nullptr, RDW_FRAME | RDW_INVALIDATE);
      m.Result = 1;
      break;
    case WM_ACTIVATE:
      if (ActivationOf(m) != WA_INACTIVE && !IsSelfOrDescendant(GetFocus(), h)) SetFocus(h);
      break;
    case WM_ERASEBKGND:
      EraseBackground(h, m);
      break;
    case WM_PAINT: {
      PaintStruct ps;
      BeginPaint(h, ps);
      break;
    }
    case WM_CLOSE:
      DestroyWindow(h);
      break;
    case WM_SYSCOMMAND:
      SystemCommand(h, m);
      break;
    case WM_NCLBUTTONDOWN:
      NcButtonDown(h, static_cast<int>(m.WParam));
      break;
    case WM_NCLBUTTONUP:
      NcButtonUp(h, static_cast<int>(m.WParam));
      break;
    case WM_NCLBUTTONDBLCLK:
      NcDoubleClick(h, static_cast<int>(m.WParam));
      break;
    case WM_NCMOUSEMOVE:
      if (m.WParam == HTMENU) {
        Sys().Menus->HotTrack(h, PointOf(m));
      } else {
        Sys().Menus->ClearHot(h);
      }
      break;
    case WM_NCMOUSELEAVE:
      Sys().Menus->ClearHot(h);
      break;
    case WM_SYSKEYDOWN:
      SysKeyDown(h, m);
      break;
    case WM_SYSKEYUP:
      if (m.WParam == VK_MENU && Sys().Input.AltAlone) {
        SendMessage(GetTopLevel(h), WM_SYSCOMMAND, SC_KEYMENU);
      }
      break;
    case WM_SYSCHAR:
      SendMessage(GetTopLevel(h), WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(m.WParam));
      break;
    case WM_MOUSEWHEEL:
      if ((GetWindowStyle(h) & WS_CHILD) != 0) SendMessage(GetParent(h), m);
      break;
    default:
      break;
  }
}

}  // namespace platform
