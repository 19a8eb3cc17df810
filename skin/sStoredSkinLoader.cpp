#include "framework/runtime/Conversions.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Text.h"
#include "skin/sSkinLists.h"
#include "skin/sSkinLoaders.h"

namespace sSkinManager {

namespace {

// Words 1 to 5 of a blank-separated list; a missing or non-numeric word raises EConvertError.
TsFontColor ParseFontColor(std::string_view text) {
  if (text.empty()) return PlainFontColor;
  std::int32_t words[5];
  for (std::int32_t& word : words) {
    const std::size_t start = std::min(text.find_first_not_of(' '), text.size());
    text.remove_prefix(start);
    const std::size_t end = std::min(text.find(' '), text.size());
    word = framework::StrToInt(text.substr(0, end));
    text.remove_prefix(end);
  }
  return {words[0], words[1], words[2], words[3], words[4]};
}

// Copies the stored values in the record's field order, so that a failure leaves the rest zero.
void CopySection(const TsGeneralValues& v, SkinSectionData& s) {
  s.ParentClassName = v.ParentClassName;
  s.SectionName = v.SectionName;
  s.PaintingColor = v.PaintingColor;
  s.PaintingBevel = v.PaintingBevel;
  s.PaintingBevelWidth = v.PaintingBevelWidth;
  s.FontColor = ParseFontColor(v.FontColor);
  s.HotFontColor = ParseFontColor(v.HotFontColor);
  s.ReservedBoolean = v.ReservedBoolean;
  s.ShadowBlur = v.ShadowBlur;
  s.ShadowColor = v.ShadowColor;
  s.ShadowEnabled = v.ShadowEnabled;
  s.ShadowOffset = v.ShadowOffset;
  s.ShadowTransparency = v.ShadowTransparency;
  s.PaintingTransparency = v.PaintingTransparency;
  s.GradientPercent = v.GradientPercent;
  s.GradientData = v.GradientData.Text();
  sGradient::ParseGradientData(v.GradientData, s.Gradient);
  s.ImagePercent = v.ImagePercent;
  s.ShowFocus = v.ShowFocus;
  s.FadingEnabled = v.FadingEnabled;
  s.FadingIntervalIn = v.FadingIntervalIn;
  s.FadingIntervalOut = v.FadingIntervalOut;
  s.FadingIterations = v.FadingIterations;
  s.HotPaintingColor = v.HotPaintingColor;
  s.HotPaintingTransparency = v.HotPaintingTransparency;
  s.HotPaintingBevel = v.HotPaintingBevel;
  s.HotPaintingBevelWidth = v.HotPaintingBevelWidth;
  s.HotGradientPercent = v.HotGradientPercent;
  s.HotGradientData = v.HotGradientData.Text();
  sGradient::ParseGradientData(v.HotGradientData, s.HotGradient);
  s.HotImagePercent = v.HotImagePercent;
  s.PaintingColorBorderTop = v.PaintingColorBorderTop;
  s.PaintingColorBorderBottom = v.PaintingColorBorderBottom;
  s.SelectionBorderBevel = v.SelectionBorderBevel;
  s.SelectionBorderWidth = v.SelectionBorderWidth;
  s.SelectionColor = v.SelectionColor;
}

}  // namespace

void LoadStoredImages(const TsStoredSkin* skin) {
  ClearSkinImages();
  if (!skin) return;
  std::vector<SkinImageEntry>& images = SkinImages();
  for (int i = 0; i < skin->Images()->Count(); ++i) {
    const TsSkinImage& image = *skin->Images()->Items(i);
    // Painters cut images into cells; one without pixels is no image at all.
    if (image.Image()->Empty()) continue;
    SkinImageEntry entry{std::make_unique<framework::TBitmap>(),
                         framework::UpperCase(image.SectionName()),
                         framework::UpperCase(image.PropertyName())};
    entry.Bitmap->Assign(image.Image());
    images.push_back(std::move(entry));
  }
}

void LoadStoredPatterns(const TsStoredSkin* skin) {
  std::vector<SkinPatternEntry>& patterns = SkinPatterns();
  patterns.clear();
  if (!skin) return;
  for (int i = 0; i < skin->Patterns()->Count(); ++i) {
    const TsSkinPattern& pattern = *skin->Patterns()->Items(i);
    if (pattern.Image()->Empty()) continue;
    SkinPatternEntry entry{std::make_unique<framework::TJPEGImage>(),
                           framework::UpperCase(pattern.SectionName()),
                           framework::UpperCase(pattern.PropertyName())};
    entry.Image->Assign(pattern.Image());
    patterns.push_back(std::move(entry));
  }
}

void LoadStoredSections(const TsStoredSkin* skin) {
  if (!skin) return;
  std::vector<SkinSectionData>& sections = SkinSections();
  sections.clear();
  for (int i = 0; i < skin->GeneralData()->Count(); ++i) {
    SkinSectionData& section = sections.emplace_back();
    // A bad item is left half-filled and the rest of the skin still loads.
    try {
      CopySection(skin->GeneralData()->Items(i)->Values(), section);
    } catch (const framework::EConvertError&) {
    }
  }
}

}  // namespace sSkinManager
