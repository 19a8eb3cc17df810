#include "framework/controls/ScrollingControl.h"

#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/Timers.h"

namespace framework {

using namespace platform;
using Part = TClientScrollBar::Part;

namespace {
constexpr std::uint32_t RepeatTimer = 0x5C;

bool Repeats(Part part) {
  return part != Part::None && part != Part::Thumb;
}
}  // namespace

std::optional<TClientScrollBar> TScrollingControl::Bar(bool vertical) const {
  return vertical ? VerticalScrollBar() : HorizontalScrollBar();
}

void TScrollingControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  for (const bool vertical : {true, false}) {
    const auto bar = Bar(vertical);
    if (!bar || !bar->Bounds().Contains({x, y})) continue;
    trackingVertical_ = vertical;
    trackingPart_ = bar->HitTest({x, y});
    pointer_ = {x, y};
    const TRect thumb = bar->ThumbRect();
    thumbGrab_ = bar->Along({x, y}) - (vertical ? thumb.Top : thumb.Left);
    Act(vertical, trackingPart_);
    if (Repeats(trackingPart_) && HandleAllocated()) SetTimer(Handle(), RepeatTimer, RepeatDelayMs);
    return;
  }
}

void TScrollingControl::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (!trackingVertical_) return;
  pointer_ = {x, y};
  if (trackingPart_ != Part::Thumb) return;
  if (const auto bar = Bar(*trackingVertical_))
    SetScrollPosition(*trackingVertical_, bar->PositionAt(bar->Along({x, y}) - thumbGrab_));
}

void TScrollingControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) StopTracking();
  TCustomControl::MouseUp(button, shift, x, y);
}

void TScrollingControl::Act(bool vertical, Part part) {
  const int position = ScrollPosition(vertical);
  switch (part) {
    case Part::LineBack:
      return SetScrollPosition(vertical, position - 1);
    case Part::LineForward:
      return SetScrollPosition(vertical, position + 1);
    case Part::PageBack:
      return SetScrollPosition(vertical, position - ScrollPage(vertical));
    case Part::PageForward:
      return SetScrollPosition(vertical, position + ScrollPage(vertical));
    case Part::Thumb:
    case Part::None:
      return Invalidate();  // shows the pressed part
  }
}

// A held part acts again only while the pointer is still on it, so paging stops once the
// thumb has reached the pointer.
void TScrollingControl::Repeat() {
  if (!trackingVertical_ || !Repeats(trackingPart_)) return StopTracking();
  const auto bar = Bar(*trackingVertical_);
  if (!bar) return StopTracking();
  if (bar->HitTest(pointer_) == trackingPart_) Act(*trackingVertical_, trackingPart_);
  SetTimer(Handle(), RepeatTimer, RepeatIntervalMs);
}

void TScrollingControl::StopTracking() {
  if (HandleAllocated()) KillTimer(Handle(), RepeatTimer);
  if (!trackingVertical_) return;
  trackingVertical_.reset();
  trackingPart_ = Part::None;
  Invalidate();
}

void TScrollingControl::PaintScrollBars(TCanvas& canvas) {
  const auto vertical = VerticalScrollBar();
  const auto horizontal = HorizontalScrollBar();
  auto pressed = [this](const TClientScrollBar& bar) {
    return trackingVertical_ == bar.Vertical() ? trackingPart_ : Part::None;
  };
  if (vertical) vertical->Paint(canvas, pressed(*vertical));
  if (horizontal) horizontal->Paint(canvas, pressed(*horizontal));
  if (vertical && horizontal) {
    // The corner between the two bars.
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(
        {vertical->Bounds().Left, horizontal->Bounds().Top, ClientWidth(), ClientHeight()});
  }
}

void TScrollingControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEWHEEL: {
      // Fine wheels send parts of a notch; they add up to whole lines.
      constexpr int PerLine = WHEEL_DELTA / WheelLines;
      wheelRest_ += WheelDeltaOf(m);
      const int lines = wheelRest_ / PerLine;
      wheelRest_ -= lines * PerLine;
      if (lines != 0) SetScrollPosition(true, ScrollPosition(true) - lines);
      m.Result = 0;
      return;
    }
    case WM_TIMER:
      if (m.WParam != RepeatTimer) break;
      Repeat();
      return;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      StopTracking();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(m);
}

}  // namespace framework
