#pragma once

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Geometry.h"

namespace platform {

// The system's standard application icon, SM_CXSMICON x SM_CYSMICON, with its top-left at
// `at`: what a window shows for a program that has no icon of its own.
void DrawApplicationIcon(Canvas& canvas, TPoint at);

}  // namespace platform
