#pragma once

// The platform's own non-client area: frame, caption with icon, text and title buttons, menu
// bar. Rectangles are in window coordinates.

#include "platform/graphics/Canvas.h"
#include "platform/window/WindowTypes.h"

namespace platform {

struct Window;

struct TitleButtons {
  TRect Close, Maximize, Minimize, Help;  // empty when the button is not shown
};

int FrameSize(const Window& w);
bool HasCaption(const Window& w);
TRect CaptionRect(const Window& w);
TitleButtons TitleButtonRects(const Window& w);
TRect MenuBarRect(HWND h);

// What DefWindowProc does with WM_NCCALCSIZE, WM_NCHITTEST and WM_NCPAINT.
void DefaultCalcSize(HWND h, TMessage& m);
int DefaultHitTest(HWND h, TPoint screen);
void DefaultNcPaint(HWND h);

// A one-pixel 3-D edge round r: top and left in one colour, bottom and right in the other.
void PaintEdge(Canvas& c, const TRect& r, TColor topLeft, TColor bottomRight);

}  // namespace platform
