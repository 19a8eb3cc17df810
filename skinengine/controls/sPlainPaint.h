#pragma once

#include <string_view>

#include "framework/graphics/Canvas.h"
#include "platform/graphics/Geometry.h"

namespace sPlainPaint {

// Text in r with DT_* flags over whatever lies below; a disabled control's text is embossed
// (white, then grey one pixel up and left of it), as plain controls show it.
void DrawCaption(framework::TCanvas& canvas, std::string_view text, platform::TRect r,
                 unsigned flags, bool enabled);

// A dotted one-pixel frame just inside r, the mark of the control with the keyboard focus.
void DrawFocusFrame(framework::TCanvas& canvas, const platform::TRect& r);

}  // namespace sPlainPaint
