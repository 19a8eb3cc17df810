#pragma once

#include "platform/graphics/Bitmap.h"

namespace skinart {

// Every bitmap of DrawSkinBitmaps() on one picture, for looking the artwork over: each under its
// name at twice its size, the masked ones also painted in their three states as the engine
// paints them. Above them a window put together from the stored skin's pieces: title bar,
// menu line, background, speed buttons, a panel, a gauge and check boxes.
platform::Bitmap DrawSheet();

}  // namespace skinart
