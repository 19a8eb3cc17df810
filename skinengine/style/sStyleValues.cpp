#include <algorithm>
#include <cstddef>
#include <string_view>

#include "skinengine/skin/sSkinLists.h"
#include "skinengine/style/sStyleEdits.h"
#include "skinengine/style/sStyleUtil.h"

// Every value a style paints with comes from its bound section, or else from its own
// properties; an active button style answers with the hot values while it is active.
namespace sStyleUtil {

namespace {

// The picture of that property for the section at skinIndex, or none.
TsPicture SectionPicture(int skinIndex, std::string_view sectionName, std::string_view property) {
  const int index = sSkinManager::FindImageIndex(skinIndex, sectionName, property);
  const auto& images = sSkinManager::SkinImages();
  if (index < 0 || static_cast<std::size_t>(index) >= images.size()) return {};
  return {&images[static_cast<std::size_t>(index)].Bitmap->Data(),
          sGraphUtils::PictureKind::Bitmap};
}
}  // namespace

TsLook SectionLook(const sSkinManager::SkinSectionData& s, int skinIndex, bool hot) {
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
  if (look.ImagePercent > 0)
    look.Image = SectionPicture(skinIndex, s.SectionName, hot ? "HOTIMAGEFILE" : "IMAGEFILE");
  return look;
}

TsLook TsPassiveBGStyle::NormalLook() const {
  if (const sSkinManager::SkinSectionData* s = Section())
    return SectionLook(*s, SkinIndex(), false);
  const TsPainting& painting = *Painting();
  return OwnLook(*Background(), painting.Color(), painting.Bevel(), painting.BevelWidth(),
                 painting.Transparency());
}

TsLook TsActiveBGStyle::HotLook() const {
  if (const sSkinManager::SkinSectionData* s = Section()) return SectionLook(*s, SkinIndex(), true);
  const sStyleActive::TsHotPainting& hot = *HotStyle()->HotPainting();
  return OwnLook(*HotStyle()->HotBackground(), hot.Color(), hot.Bevel(), hot.BevelWidth(),
                 hot.Transparency());
}

TsFadeSettings TsActiveBGStyle::FadeSettings() const {
  TsFadeSettings settings;
  if (const sSkinManager::SkinSectionData* s = Section()) {
    settings = {s->FadingEnabled, s->FadingIterations, s->FadingIntervalIn, s->FadingIntervalOut};
  } else {
    const sStyleActive::TsFading& own = *BtnEffects()->Fading();
    settings = {own.Enabled(), own.Iterations(), own.IntervalIn(), own.IntervalOut()};
  }
  // No steps would divide by zero, and a zero interval would stop the timer for good.
  settings.Iterations = std::max(settings.Iterations, 1);
  settings.IntervalIn = std::max(settings.IntervalIn, 1);
  settings.IntervalOut = std::max(settings.IntervalOut, 1);
  return settings;
}

platform::TColor TsActiveBGStyle::HotFontColor() const {
  if (const sSkinManager::SkinSectionData* s = Section())
    return static_cast<platform::TColor>(s->HotFontColor.Color);
  return HotStyle()->HotPainting()->FontColor();
}

}  // namespace sStyleUtil

namespace sStyleEdits {

platform::TColor TsEditorStyle::BackgroundColor() const {
  const bool selected = IsActive() && Selection()->Mode().Contains(msColor);
  if (const sSkinManager::SkinSectionData* s = Section())
    return selected ? s->SelectionColor : s->PaintingColor;
  return selected ? Selection()->Color() : Painting()->Color();
}

}  // namespace sStyleEdits
