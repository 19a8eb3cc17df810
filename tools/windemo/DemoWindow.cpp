#include "DemoWindow.h"

#include <string>

#include "platform/window/Dialogs.h"
#include "platform/window/Input.h"
#include "platform/window/Menus.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/Paint.h"
#include "platform/window/Timers.h"
#include "platform/window/Windows.h"

namespace windemo {
namespace {

using namespace platform;

enum Command : std::uint32_t { CmdOpen = 1, CmdSave, CmdExit, CmdAbout, CmdReset };

constexpr TColor kBlue = 0xC06020;
constexpr TColor kOrange = 0x0080FF;

HMENU BuildMenuBar() {
  const HMENU file = CreatePopupMenu();
  AppendMenuItem(file, CommandItem("&Open...\tCtrl+O", CmdOpen));
  AppendMenuItem(file, CommandItem("&Save...\tCtrl+S", CmdSave));
  AppendMenuItem(file, SeparatorItem());
  AppendMenuItem(file, CommandItem("E&xit", CmdExit));
  const HMENU help = CreatePopupMenu();
  AppendMenuItem(help, CommandItem("&About...", CmdAbout));
  const HMENU bar = CreateMenu();
  AppendMenuItem(bar, SubmenuItem("&File", file));
  AppendMenuItem(bar, SubmenuItem("&Help", help));
  return bar;
}

// Paints a child's client area in one colour with a centred line of text.
void PaintLabel(HWND h, TColor back, TColor text, const std::string& caption) {
  PaintStruct ps;
  WindowCanvas canvas = BeginPaint(h, ps);
  canvas->GetBrush().Color = back;
  TRect r = GetClientRect(h);
  canvas->FillRect(r);
  Font font;
  font.Height = -14;
  font.Bold = true;
  font.Color = text;
  canvas->SetFont(font);
  canvas->GetBrush().Style = BrushStyle::Clear;
  canvas->DrawText(caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// The whole window less three pixels of each top corner, shaped like a rounded title bar.
Region RoundedTop(int width, int height) {
  Region shape(TRect{0, 0, width, height});
  for (int y = 0; y < 3; ++y) {
    shape.Exclude({0, y, 3 - y, y + 1});
    shape.Exclude({width - 3 + y, y, width, y + 1});
  }
  return shape;
}

HWND MakeChild(HWND parent, const TRect& bounds, std::uint32_t classStyle, WindowProc proc) {
  CreateParams p;
  p.Style = WS_CHILD | WS_VISIBLE | WS_BORDER;
  p.ClassStyle = classStyle;
  p.Bounds = bounds;
  p.Parent = parent;
  p.Proc = std::move(proc);
  return CreateWindow(p);
}

}  // namespace

void DemoWindow::Create() {
  CreateParams p;
  p.Caption = "Window demo";
  p.Style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
  p.Bounds = TRect::FromBounds(100, 100, 468, 312);
  p.Menu = BuildMenuBar();
  p.Proc = [this](HWND h, TMessage& m) { MainMessage(h, m); };
  main_ = CreateWindow(p);

  clickBox_ = MakeChild(main_, ClickBoxBounds, CS_DBLCLKS, [this](HWND h, TMessage& m) {
    if (m.Msg == WM_PAINT) {
      PaintClickBox(h);
    } else if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) {
      ++clicks_;
      doubleClicked_ = m.Msg == WM_LBUTTONDBLCLK;
      InvalidateRect(h, nullptr, false);
    } else {
      DefWindowProc(h, m);
    }
  });
  keyBox_ = MakeChild(main_, KeyBoxBounds, 0, [this](HWND h, TMessage& m) {
    if (m.Msg == WM_PAINT) {
      PaintKeyBox(h);
      return;
    }
    if (m.Msg == WM_LBUTTONDOWN) SetFocus(h);
    if (m.Msg == WM_CHAR && m.WParam == VK_BACK && !typed_.empty()) typed_.pop_back();
    if (m.Msg == WM_CHAR && m.WParam >= 32 && m.WParam < 127) typed_ += static_cast<char>(m.WParam);
    if (m.Msg == WM_CHAR || m.Msg == WM_SETFOCUS || m.Msg == WM_KILLFOCUS)
      InvalidateRect(h, nullptr, false);
    DefWindowProc(h, m);
  });
  hoverBox_ = MakeChild(main_, HoverBoxBounds, 0, [this](HWND h, TMessage& m) {
    if (m.Msg == WM_PAINT) {
      PaintHoverBox(h);
      return;
    }
    if ((m.Msg == WM_MOUSEMOVE && !hot_) || m.Msg == WM_MOUSELEAVE) {
      hot_ = m.Msg == WM_MOUSEMOVE;
      InvalidateRect(h, nullptr, false);
    }
    DefWindowProc(h, m);
  });
  ticker_ = MakeChild(main_, TickerBounds, 0, [this](HWND h, TMessage& m) {
    if (m.Msg == WM_PAINT) {
      PaintTicker(h);
      return;
    }
    if (m.Msg == WM_TIMER) {
      ++ticks_;
      InvalidateRect(h, nullptr, false);
    }
    DefWindowProc(h, m);
  });
  SetTimer(ticker_, 1, 100);
}

void DemoWindow::MainMessage(HWND h, TMessage& m) {
  switch (m.Msg) {
    case WM_COMMAND:
      Command(CommandOf(m));
      return;
    case WM_RBUTTONUP: {
      const HMENU context = CreatePopupMenu();
      AppendMenuItem(context, CommandItem("&Reset counters", CmdReset));
      AppendMenuItem(context, CommandItem("&About...", CmdAbout));
      const TPoint at = ClientToScreen(h, PointOf(m));
      Command(TrackPopupMenu(context, TPM_RETURNCMD, at, h));
      DestroyMenu(context);
      return;
    }
    case WM_SIZE: {
      const TRect r = GetWindowRect(h);
      SetWindowRgn(h, RoundedTop(r.Width(), r.Height()), true);
      return;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return;
    default:
      DefWindowProc(h, m);
  }
}

void DemoWindow::Command(std::uint32_t id) {
  FileDialogParams files;
  files.Owner = main_;
  files.Filters = {{"Text files (*.txt)", "*.txt"}, {"All files", "*"}};
  files.DefaultExt = "txt";
  switch (id) {
    case CmdOpen:
    case CmdSave:
      if (const auto chosen = id == CmdOpen ? GetOpenFileName(files) : GetSaveFileName(files)) {
        MessageBox(
            {main_, MessageBoxKind::Information, "Window demo", "You chose " + chosen->FileName});
      }
      break;
    case CmdExit:
      DestroyWindow(main_);
      break;
    case CmdAbout:
      MessageBox({main_, MessageBoxKind::Custom, "About",
                  "The platform's window system, on a real display."});
      break;
    case CmdReset:
      clicks_ = ticks_ = 0;
      typed_.clear();
      RedrawWindow(main_, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
      break;
    default:
      break;
  }
}

void DemoWindow::PaintClickBox(HWND h) {
  const std::string text =
      (doubleClicked_ ? "Double click! " : "Clicks: ") + std::to_string(clicks_);
  PaintLabel(h, clicks_ % 2 == 0 ? kBlue : kOrange, clWhite, text);
}

void DemoWindow::PaintKeyBox(HWND h) {
  const bool focused = GetFocus() == h;
  PaintLabel(h, focused ? clWhite : clBtnFace, clBlack, typed_.empty() ? "Click and type" : typed_);
}

void DemoWindow::PaintHoverBox(HWND h) {
  PaintLabel(h, hot_ ? clYellow : clSilver, clBlack, hot_ ? "Hello, mouse" : "Hover here");
}

void DemoWindow::PaintTicker(HWND h) {
  PaintStruct ps;
  WindowCanvas canvas = BeginPaint(h, ps);
  const TRect r = GetClientRect(h);
  canvas->GetBrush().Color = clWhite;
  canvas->FillRect(r);
  const int filled = r.Width() * (ticks_ % 50) / 49;
  canvas->GetBrush().Color = clLime;
  canvas->FillRect({0, r.Height() / 3, filled, 2 * r.Height() / 3});
  TRect text = r;
  canvas->GetBrush().Style = BrushStyle::Clear;
  canvas->DrawText("Ticks: " + std::to_string(ticks_), text, DT_CENTER | DT_TOP | DT_SINGLELINE);
}

}  // namespace windemo
