#include "style/sStyleSection.h"

#include <cstddef>
#include <string_view>

#include "skin/sMaskData.h"
#include "skin/sSkinLists.h"

namespace sStyleUtil {

namespace {

const sSkinManager::SkinSectionData* LoadedSection(int index) {
  const auto& sections = sSkinManager::SkinSections();
  if (index < 0 || static_cast<std::size_t>(index) >= sections.size()) return nullptr;
  return &sections[static_cast<std::size_t>(index)];
}

// The section's image of that property, or -1.
int SectionImage(int sectionIndex, std::string_view property) {
  const sSkinManager::SkinSectionData* section = LoadedSection(sectionIndex);
  const int index =
      section ? sSkinManager::FindImageIndex(sectionIndex, section->SectionName, property) : -1;
  if (index < 0 || static_cast<std::size_t>(index) >= sSkinManager::SkinImages().size()) return -1;
  return index;
}

const platform::Bitmap& ImageBitmap(int index) {
  return sSkinManager::SkinImages()[static_cast<std::size_t>(index)].Bitmap->Data();
}

}  // namespace

TsLook SectionLook(int sectionIndex, bool hot) {
  const sSkinManager::SkinSectionData& s = *LoadedSection(sectionIndex);
  TsLook look = hot ? TsLook{s.HotPaintingColor,
                             s.HotPaintingBevel,
                             s.HotPaintingBevelWidth,
                             s.HotGradientPercent,
                             &s.HotGradient,
                             s.HotImagePercent,
                             {},
                             s.HotPaintingTransparency}
                    : TsLook{s.PaintingColor,
                             s.PaintingBevel,
                             s.PaintingBevelWidth,
                             s.GradientPercent,
                             &s.Gradient,
                             s.ImagePercent,
                             {},
                             s.PaintingTransparency};
  if (look.ImagePercent > 0) {
    const int image = SectionImage(sectionIndex, hot ? "HOTIMAGEFILE" : "IMAGEFILE");
    if (image >= 0) look.Image = {&ImageBitmap(image), sGraphUtils::PictureKind::Bitmap};
  }
  return look;
}

void PaintSection(platform::Bitmap& target, int sectionIndex, bool hot,
                  const std::optional<sStyleSimply::TsParentBackground>& parent) {
  if (!LoadedSection(sectionIndex)) return;
  const platform::TRect rect = target.BoundsRect();
  const platform::TRect source = parent ? ParentSourceRect(*parent, rect) : platform::TRect{};
  ComposeOverParent(target, SectionLook(sectionIndex, hot), rect,
                    hot ? TsComposeRule::Hot : TsComposeRule::Normal, parent, source);
  const int mask = SectionImage(sectionIndex, sStyleSimply::BorderMaskName);
  if (mask >= 0) sMaskData::PaintSectionBorder(target, ImageBitmap(mask), hot ? 1 : 0, true, rect);
}

}  // namespace sStyleUtil
