#include "platform/window/NonClient.h"

#include "platform/window/Icons.h"
#include "platform/window/Input.h"
#include "platform/window/MenuSystem.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/Metrics.h"
#include "platform/window/Paint.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/Windows.h"

namespace platform {
namespace {

constexpr int kButtonWidth = 16;
constexpr int kButtonHeight = 14;
// How far along a sizing border its corner zones reach.
constexpr int kCornerReach = 16;

int BorderHit(const Window& w, TPoint p) {
  const int f = FrameSize(w);
  const TRect r = w.LocalRect();
  if ((w.Style & WS_THICKFRAME) == 0 || w.State == WindowState::Maximized) return HTBORDER;
  const bool left = p.X < f, right = p.X >= r.Right - f, top = p.Y < f,
             bottom = p.Y >= r.Bottom - f;
  const bool nearLeft = p.X < kCornerReach, nearRight = p.X >= r.Right - kCornerReach;
  const bool nearTop = p.Y < kCornerReach, nearBottom = p.Y >= r.Bottom - kCornerReach;
  if ((top && nearLeft) || (left && nearTop)) return HTTOPLEFT;
  if ((top && nearRight) || (right && nearTop)) return HTTOPRIGHT;
  if ((bottom && nearLeft) || (left && nearBottom)) return HTBOTTOMLEFT;
  if ((bottom && nearRight) || (right && nearBottom)) return HTBOTTOMRIGHT;
  return left ? HTLEFT : right ? HTRIGHT : top ? HTTOP : HTBOTTOM;
}

void PaintFrame(Canvas& c, const Window& w) {
  const int f = FrameSize(w);
  const TRect r = w.LocalRect();
  if (w.IsChild()) {
    c.GetBrush().Color = clWindowFrame;
    c.FrameRect(r);
    return;
  }
  c.GetBrush().Color = clBtnFace;
  c.FillRect({0, 0, r.Right, f});
  c.FillRect({0, r.Bottom - f, r.Right, r.Bottom});
  c.FillRect({0, 0, f, r.Bottom});
  c.FillRect({r.Right - f, 0, r.Right, r.Bottom});
  PaintEdge(c, r, cl3DLight, cl3DDkShadow);
  PaintEdge(c, r.Inflate(-1, -1), clBtnHighlight, clBtnShadow);
}

void PaintGlyph(Canvas& c, const TRect& b, int hit, WindowState state) {
  c.GetPen() = Pen{clBtnText, 1, PenStyle::Solid};
  const int x = b.Left + 4, y = b.Top + 3, right = b.Right - 5, bottom = b.Bottom - 4;
  switch (hit) {
    case HTCLOSE:
      c.MoveTo(x, y);
      c.LineTo(right + 1, bottom + 1);
      c.MoveTo(right, y);
      c.LineTo(x - 1, bottom + 1);
      break;
    case HTMAXBUTTON:
      c.GetBrush().Color = clBtnText;
      if (state == WindowState::Maximized) {
        c.FrameRect({x + 2, y, right + 1, bottom - 1});
        c.FrameRect({x, y + 2, right - 1, bottom + 1});
      } else {
        c.FrameRect({x, y, right + 1, bottom + 1});
        c.FillRect({x, y, right + 1, y + 2});
      }
      break;
    case HTMINBUTTON:
      c.GetBrush().Color = clBtnText;
      c.FillRect({x, bottom - 1, right - 1, bottom + 1});
      break;
    default: {
      TRect text = b;
      c.GetBrush().Style = BrushStyle::Clear;
      c.GetFont().Color = clBtnText;
      c.DrawText("?", text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
      c.GetBrush().Style = BrushStyle::Solid;
    }
  }
}

void PaintButton(Canvas& c, const TRect& b, int hit, WindowState state) {
  if (b.IsEmpty()) return;
  c.GetBrush().Color = clBtnFace;
  c.FillRect(b);
  PaintEdge(c, b, clBtnHighlight, cl3DDkShadow);
  PaintEdge(c, b.Inflate(-1, -1), cl3DLight, clBtnShadow);
  PaintGlyph(c, b, hit, state);
}

void PaintCaption(Canvas& c, const Window& w, bool active) {
  const TRect cap = CaptionRect(w);
  c.GetBrush().Color = active ? clActiveCaption : clInactiveCaption;
  c.FillRect(cap);
  int textLeft = cap.Left + 4;
  if ((w.Style & WS_SYSMENU) != 0) {
    DrawApplicationIcon(
        c, {cap.Left + 1, cap.Top + (cap.Height() - GetSystemMetrics(SM_CYSMICON)) / 2});
    textLeft = GetSystemMetrics(SM_CXSMICON) + GetSystemMetrics(SM_CXFRAME) + 4;
  }
  const TitleButtons buttons = TitleButtonRects(w);
  int textRight = cap.Right - 2;
  for (const TRect& b : {buttons.Close, buttons.Maximize, buttons.Minimize, buttons.Help}) {
    if (!b.IsEmpty()) textRight = std::min(textRight, b.Left - 2);
  }
  Font font;
  font.Bold = true;
  font.Color = active ? clCaptionText : clInactiveCaptionText;
  c.SetFont(font);
  c.GetBrush().Style = BrushStyle::Clear;
  TRect text{textLeft, cap.Top, textRight, cap.Bottom};
  c.DrawText(w.Text, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  c.GetBrush().Style = BrushStyle::Solid;
  PaintButton(c, buttons.Close, HTCLOSE, w.State);
  PaintButton(c, buttons.Maximize, HTMAXBUTTON, w.State);
  PaintButton(c, buttons.Minimize, HTMINBUTTON, w.State);
  PaintButton(c, buttons.Help, HTHELP, w.State);
}

}  // namespace

void PaintEdge(Canvas& c, const TRect& r, TColor topLeft, TColor bottomRight) {
  c.GetBrush().Color = topLeft;
  c.FillRect({r.Left, r.Top, r.Right - 1, r.Top + 1});
  c.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom - 1});
  c.GetBrush().Color = bottomRight;
  c.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
  c.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
}

int FrameSize(const Window& w) {
  if (w.IsChild()) return (w.Style & WS_BORDER) != 0 ? GetSystemMetrics(SM_CXBORDER) : 0;
  return (w.Style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) != 0 ? GetSystemMetrics(SM_CXFRAME)
                                                                    : 0;
}

bool HasCaption(const Window& w) {
  return (w.Style & WS_CAPTION) == WS_CAPTION;
}

TRect CaptionRect(const Window& w) {
  if (!HasCaption(w)) return {};
  const int f = FrameSize(w);
  return {f, f, w.Bounds.Width() - f, f + GetSystemMetrics(SM_CYCAPTION)};
}

TitleButtons TitleButtonRects(const Window& w) {
  TitleButtons b;
  const TRect cap = CaptionRect(w);
  if (cap.IsEmpty() || (w.Style & WS_SYSMENU) == 0) return b;
  const int top = cap.Top + (cap.Height() - kButtonHeight) / 2;
  int right = cap.Right - 2;
  const auto next = [&](int gap) {
    const TRect r{right - kButtonWidth, top, right, top + kButtonHeight};
    right = r.Left - gap;
    return r;
  };
  b.Close = next(2);
  if ((w.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0) {
    b.Maximize = next(0);
    b.Minimize = next(2);
  }
  if ((w.ExStyle & WS_EX_CONTEXTHELP) != 0) b.Help = next(2);
  return b;
}

TRect MenuBarRect(HWND h) {
  Window* w = FindWindow(h);
  if (w == nullptr || w->Menu == NullMenu || w->IsChild()) return {};
  const int f = FrameSize(*w);
  const int top = f + (HasCaption(*w) ? GetSystemMetrics(SM_CYCAPTION) : 0);
  return {f, top, w->Bounds.Width() - f, top + Sys().Menus->BarHeight(h)};
}

void DefaultCalcSize(HWND h, TMessage& m) {
  Window* w = FindWindow(h);
  TRect* rect = RectOf(m);
  if (w == nullptr || rect == nullptr) return;
  const int f = FrameSize(*w);
  const int top = CaptionRect(*w).Height() + MenuBarRect(h).Height();
  *rect = {rect->Left + f, rect->Top + f + top, rect->Right - f, rect->Bottom - f};
}

int DefaultHitTest(HWND h, TPoint screen) {
  Window* w = FindWindow(h);
  if (w == nullptr) return HTNOWHERE;
  const TPoint p = ScreenToWindow(h, screen);
  if (!w->LocalRect().Contains(p) || (w->Shape && !w->Shape->Contains(p))) return HTNOWHERE;
  if (w->Client.Contains(p)) return HTCLIENT;
  const int f = FrameSize(*w);
  const TRect inner = w->LocalRect().Inflate(-f, -f);
  if (!inner.Contains(p)) return w->IsChild() ? HTBORDER : BorderHit(*w, p);
  const TitleButtons b = TitleButtonRects(*w);
  if (b.Close.Contains(p)) return HTCLOSE;
  if (b.Maximize.Contains(p)) return HTMAXBUTTON;
  if (b.Minimize.Contains(p)) return HTMINBUTTON;
  if (b.Help.Contains(p)) return HTHELP;
  const TRect cap = CaptionRect(*w);
  if (cap.Contains(p)) {
    const bool icon =
        (w->Style & WS_SYSMENU) != 0 && p.X < cap.Left + GetSystemMetrics(SM_CXSMICON);
    return icon ? HTSYSMENU : HTCAPTION;
  }
  if (MenuBarRect(h).Contains(p)) return HTMENU;
  return HTNOWHERE;
}

void DefaultNcPaint(HWND h) {
  Window* w = FindWindow(h);
  if (w == nullptr || w->Client == w->LocalRect()) return;
  WindowCanvas canvas = GetWindowCanvas(h);
  canvas->ExcludeClipRect(w->Client);
  PaintFrame(*canvas, *w);
  if (HasCaption(*w)) PaintCaption(*canvas, *w, GetActiveWindow() == h);
  if (w->Menu != NullMenu) Sys().Menus->PaintBar(h, *canvas);
}

}  // namespace platform
