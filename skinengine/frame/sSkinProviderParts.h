#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"
#include "platform/window/WindowTypes.h"

// Small pieces the files of the skin provider share.
namespace sSkinProvider {

// The title band: the caption and the frame above it.
int TitleHeight();
// One line of the menu bar.
int MenuLineHeight();
// Copies fromRect of from to `at` of to, as far as both bitmaps reach.
void CopyPixels(platform::Bitmap& to, platform::TPoint at, platform::Bitmap& from,
                const platform::TRect& fromRect);

// Where a form's minimize command goes: minimizing hides the whole program, so the
// application's main window, or the form itself when there is none.
platform::HWND MinimizeTarget(platform::HWND form);

}  // namespace sSkinProvider
