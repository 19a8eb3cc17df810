#pragma once

#include <functional>
#include <initializer_list>
#include <set>
#include <vector>

#include "platform/headless/Headless.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Messages.h"
#include "platform/window/Paint.h"
#include "platform/window/Windows.h"

namespace platform::testing {

struct LoggedMessage {
  HWND Window{};
  std::uint32_t Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
};

// Records what reaches the procedures it makes, then lets a handler or DefWindowProc act.
class MessageLog {
 public:
  using Handler = std::function<bool(HWND, TMessage&)>;

  WindowProc Proc(Handler handler = {}) {
    return [this, handler](HWND h, TMessage& m) {
      entries.push_back({h, m.Msg, m.WParam, m.LParam});
      if (!handler || !handler(h, m)) DefWindowProc(h, m);
    };
  }

  // The message numbers logged, keeping only those asked for.
  std::vector<std::uint32_t> Only(std::initializer_list<std::uint32_t> wanted) const {
    const std::set<std::uint32_t> keep(wanted);
    std::vector<std::uint32_t> result;
    for (const LoggedMessage& e : entries) {
      if (keep.count(e.Msg) != 0) result.push_back(e.Msg);
    }
    return result;
  }

  int Count(std::uint32_t msg, HWND h = NullWindow) const {
    int n = 0;
    for (const LoggedMessage& e : entries) n += e.Msg == msg && (h == NullWindow || e.Window == h);
    return n;
  }

  const LoggedMessage* Last(std::uint32_t msg) const {
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
      if (it->Msg == msg) return &*it;
    }
    return nullptr;
  }

  void Clear() { entries.clear(); }

  std::vector<LoggedMessage> entries;
};

inline HWND MakeTopLevel(WindowProc proc, TRect bounds = {100, 100, 400, 300},
                         std::uint32_t style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                         std::uint32_t classStyle = 0) {
  CreateParams p;
  p.Caption = "Test";
  p.Style = style;
  p.Bounds = bounds;
  p.Proc = std::move(proc);
  p.ClassStyle = classStyle;
  return CreateWindow(p);
}

inline HWND MakeChild(HWND parent, TRect bounds, WindowProc proc, std::uint32_t classStyle = 0) {
  CreateParams p;
  p.Style = WS_CHILD | WS_VISIBLE;
  p.Bounds = bounds;
  p.Parent = parent;
  p.Proc = std::move(proc);
  p.ClassStyle = classStyle;
  return CreateWindow(p);
}

// A procedure that paints its client area in one colour.
inline WindowProc SolidPainter(TColor color, int* paints = nullptr) {
  return [color, paints](HWND h, TMessage& m) {
    if (m.Msg != WM_PAINT) {
      DefWindowProc(h, m);
      return;
    }
    if (paints != nullptr) ++*paints;
    PaintStruct ps;
    WindowCanvas canvas = BeginPaint(h, ps);
    canvas->GetBrush().Color = color;
    canvas->FillRect(GetClientRect(h));
  };
}

// The middle of a title button of a captioned window: 0 Close; 1 Maximize, or Help beside
// Close; 2 Minimize. Buttons are 16 wide inside a frame of 4 and a margin of 2, with a gap of
// 2 after Close only.
inline TPoint TitleButton(TRect window, int index) {
  const int fromRight[] = {0, 16 + 2, 16 + 2 + 16};
  return {window.Right - 4 - 2 - 8 - fromRight[index], window.Top + 12};
}

// The colour shown on the headless screen at a screen point of a top-level window.
inline TColor ScreenPixel(HeadlessSession& session, HWND top, TPoint screen) {
  const auto* native = session.Backend().Native(top);
  const TPoint p = ScreenToWindow(top, screen);
  return native != nullptr ? native->Screen.Pixel(p.X, p.Y) : clNone;
}

}  // namespace platform::testing
