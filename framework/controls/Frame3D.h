#pragma once

#include "framework/graphics/Canvas.h"
#include "platform/graphics/Color.h"

namespace framework {

// Draws width one-pixel rings inside r, top and left edges in topLeft, bottom and right
// in bottomRight, and answers what lies inside them.
TRect Frame3D(TCanvas& canvas, TRect r, platform::TColor topLeft, platform::TColor bottomRight,
              int width);

}  // namespace framework
