#pragma once

#include "framework/controls/BorderStyle.h"
#include "framework/controls/WinControl.h"

namespace framework {

// The frame of an edit field, a list or a grid, drawn in the non-client area: none, a
// one-pixel line, or with the 3-D look the sunken two-pixel edge.
int ClientEdgeWidth(TBorderStyle style, bool ctl3D);
// Takes a frame of that width off the client rectangle a WM_NCCALCSIZE carries.
void ShrinkClientRect(TMessage& message, int width);
void PaintClientEdge(TWinControl& control, bool ctl3D);
// After a control's own handling of WM_NCCALCSIZE and WM_NCPAINT: takes the frame of a
// style off the client area, and paints it.
void HandleClientEdge(TWinControl& control, TMessage& message, TBorderStyle style, bool ctl3D);
// Has the platform measure and paint a changed frame again.
void ClientEdgeChanged(TWinControl& control);

}  // namespace framework
