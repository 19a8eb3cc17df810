#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/JpegImage.h"
#include "platform/graphics/Color.h"
#include "style/sBevels.h"
#include "style/sGradient.h"

// The process-wide lists of the active skin (sections, images, patterns) and their lookups.
// All painting code reads the skin through these; a lookup answers -1, never an error.
namespace sSkinManager {

// Text colour and the four outline colours drawn one pixel to each side; -1 skips a side.
struct TsFontColor {
  std::int32_t Color = 0;
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;

  friend bool operator==(const TsFontColor&, const TsFontColor&) = default;
};

// A plain text colour without outlines: "0 -1 -1 -1 -1".
inline constexpr TsFontColor PlainFontColor{0, -1, -1, -1, -1};

// One loaded section. A record whose loading failed half-way keeps zeros in the rest.
struct SkinSectionData {
  std::string ParentClassName;
  std::string SectionName;
  platform::TColor PaintingColor = 0;
  sBevels::TsControlBevel PaintingBevel = sBevels::cbNone;
  std::int32_t PaintingBevelWidth = 0;
  TsFontColor FontColor;
  TsFontColor HotFontColor;
  bool ReservedBoolean = false;
  std::int32_t ShadowBlur = 0;
  platform::TColor ShadowColor = 0;
  bool ShadowEnabled = false;
  std::int32_t ShadowOffset = 0;
  std::int32_t ShadowTransparency = 0;
  std::int32_t PaintingTransparency = 0;
  std::int32_t GradientPercent = 0;
  std::string GradientData;
  sGradient::GradientArray Gradient;
  std::int32_t ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  std::int32_t FadingIntervalIn = 0;
  std::int32_t FadingIntervalOut = 0;
  std::int32_t FadingIterations = 0;
  platform::TColor HotPaintingColor = 0;
  std::int32_t HotPaintingTransparency = 0;
  sBevels::TsControlBevel HotPaintingBevel = sBevels::cbNone;
  std::int32_t HotPaintingBevelWidth = 0;
  std::int32_t HotGradientPercent = 0;
  std::string HotGradientData;
  sGradient::GradientArray HotGradient;
  std::int32_t HotImagePercent = 0;
  platform::TColor PaintingColorBorderTop = 0;
  platform::TColor PaintingColorBorderBottom = 0;
  sBevels::TsEditorBevel SelectionBorderBevel = sBevels::ebNone;
  std::int32_t SelectionBorderWidth = 0;
  platform::TColor SelectionColor = 0;
};

// The transparent colour of every skin image.
inline constexpr platform::TColor SkinTransparentColor = 0xFF00FF;

struct SkinImageEntry {
  std::unique_ptr<framework::TBitmap> Bitmap;  // 24 bits per pixel
  std::string SectionName;                     // upper case
  std::string PropertyName;                    // upper case
  platform::TColor TransparentColor = SkinTransparentColor;
};

struct SkinPatternEntry {
  std::unique_ptr<framework::TJPEGImage> Image;
  std::string SectionName;   // upper case
  std::string PropertyName;  // upper case
};

std::vector<SkinSectionData>& SkinSections();
std::vector<SkinImageEntry>& SkinImages();
std::vector<SkinPatternEntry>& SkinPatterns();

// The lists hold a usable skin; every lookup answers -1 while this is false.
bool SkinLoaded();
void SetSkinLoaded(bool loaded);

// The first section of that name, compared without regard to case, or -1.
int FindSectionIndex(std::string_view sectionName);
// The image of the property (upper case, as stored) for the section at skinIndex, which is
// called sectionName; a section without one uses its parent's, up the ParentClassName chain.
int FindImageIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName);
// As FindImageIndex, over the patterns.
int FindPatternIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName);

// Fill the lists from the open "Options.dat" of the skin state, or else from the stored skin
// that the registered manager's SkinName names. An image or pattern file that exists but
// cannot be decoded raises its error; the lists keep what was loaded before it.
void LoadSkinImages();
void LoadSkinPatterns();
void LoadSkinSections();

// Frees the image list's bitmaps, last first, and empties it.
void ClearSkinImages();

}  // namespace sSkinManager
