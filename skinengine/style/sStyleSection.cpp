#include "skinengine/style/sStyleSection.h"

#include <cstddef>
#include <cstring>

#include "skinengine/skin/sMaskData.h"
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/style/sStyleCompose.h"

namespace sStyleUtil {

using platform::Bitmap;
using platform::TRect;

namespace {

// Puts picture at `at` of target, cut to target.
void PutPicture(Bitmap& target, const Bitmap& picture, platform::TPoint at) {
  const TRect part = TRect::FromBounds(at.X, at.Y, picture.Width(), picture.Height())
                         .Intersect(target.BoundsRect());
  if (part.IsEmpty()) return;
  const auto bytes = static_cast<std::size_t>(part.Width()) * 3;
  for (int y = part.Top; y < part.Bottom; ++y)
    std::memcpy(target.ScanLine(y) + 3 * part.Left,
                picture.ScanLine(y - at.Y) + 3 * (part.Left - at.X), bytes);
}

}  // namespace

void PaintSection(Bitmap& target, const TRect& rect, int sectionIndex, bool hot, bool fillCentre,
                  const std::optional<TsSectionParent>& parent) {
  const auto& sections = sSkinManager::SkinSections();
  if (!sSkinManager::SkinLoaded() || sectionIndex < 0 ||
      static_cast<std::size_t>(sectionIndex) >= sections.size())
    return;
  // Nothing of the section would show outside the target.
  if (rect.Intersect(target.BoundsRect()).IsEmpty()) return;
  const sSkinManager::SkinSectionData& section = sections[static_cast<std::size_t>(sectionIndex)];
  std::optional<sStyleSimply::TsParentBackground> below;
  if (parent && parent->Picture) below = sStyleSimply::TsParentBackground{parent->Picture, {}};
  const TRect source =
      parent ? TRect::FromBounds(parent->At.X, parent->At.Y, rect.Width(), rect.Height()) : TRect{};
  const TsLook look = SectionLook(section, sectionIndex, hot);
  Bitmap scratch;
  // A section over all of the target is composed in place; any other is composed apart, as
  // the blends work on whole bitmaps and the parent may be the target itself.
  if (rect == target.BoundsRect() && (!parent || parent->Picture != &target)) {
    ComposeOverParent(target, scratch, look, rect, TsComposeRule::Normal, below, source);
  } else {
    Bitmap picture(rect.Width(), rect.Height());
    ComposeOverParent(picture, scratch, look, picture.BoundsRect(), TsComposeRule::Normal, below,
                      source);
    PutPicture(target, picture, rect.TopLeft());
  }
  const int mask = sSkinManager::FindImageIndex(sectionIndex, section.SectionName, "BORDERSMASK");
  if (mask >= 0)
    sMaskData::PaintSectionBorder(
        target, sSkinManager::SkinImages()[static_cast<std::size_t>(mask)].Bitmap->Data(),
        hot ? 1 : 0, fillCentre, rect);
}

}  // namespace sStyleUtil
