#pragma once

#include <optional>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"

// Painting a skin section by itself, where no control's style stands behind it: the window
// frame's sections and the menus' sections.
namespace sStyleUtil {

// The picture a section is painted over, and the point of it that lies under the painted
// rectangle's top-left corner.
struct TsSectionParent {
  const platform::Bitmap* Picture = nullptr;
  platform::TPoint At;
};

// Paints the section at sectionIndex over rect of target: its background, normal or hot, with
// the parent's picture showing through by the section's transparency, then its border mask in
// the normal or hot block, with or without the centre. Nothing without such a section; the
// parent may be target itself.
void PaintSection(platform::Bitmap& target, const platform::TRect& rect, int sectionIndex, bool hot,
                  bool fillCentre, const std::optional<TsSectionParent>& parent = std::nullopt);

}  // namespace sStyleUtil
