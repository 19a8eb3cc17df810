#pragma once

#include <optional>

#include "platform/graphics/Bitmap.h"
#include "style/sStyleCompose.h"
#include "style/sStyleSimply.h"

// A skin section painted straight from the lists, for what has no style of its own to bind:
// the popups and items of menus, the parts of a window frame.
namespace sStyleUtil {

// The normal or the hot look of the loaded section at sectionIndex, which must exist.
TsLook SectionLook(int sectionIndex, bool hot);

// Paints the section at sectionIndex over the whole of target: its look over the parent's
// picture (Offset is where target's top-left lies in it), then its border mask, if it has one,
// with the centre filled. Without such a section nothing is painted.
void PaintSection(platform::Bitmap& target, int sectionIndex, bool hot,
                  const std::optional<sStyleSimply::TsParentBackground>& parent);

}  // namespace sStyleUtil
