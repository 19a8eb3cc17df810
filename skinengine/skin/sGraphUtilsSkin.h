#pragma once

#include <string_view>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Geometry.h"

// The pixel routines that paint from the skin lists; they sit with the skin data, which they
// read, above the routines of sGraphUtils.h that know no skin.
namespace sGraphUtils {

// As WriteText, in the text colours of the skin section at sectionIndex (the hot ones when
// hot is set): first the outline colours one pixel to each side, then the text colour. Without
// a section the text is drawn once in the canvas's font colour.
void WriteSkinnedText(platform::Canvas& canvas, std::string_view text, bool enabled, bool hot,
                      int sectionIndex, unsigned flags, platform::TRect& rect);

}  // namespace sGraphUtils
