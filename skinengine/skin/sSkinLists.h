#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/JpegImage.h"
#include "platform/graphics/Color.h"
#include "skinengine/pixels/sGradient.h"
#include "skinengine/skin/sSkinSection.h"

// The process-wide lists of the active skin (sections, images, patterns) and their lookups.
// All painting code reads the skin through these; a lookup answers -1, never an error.
namespace sSkinManager {

// One loaded section, its keys in the order of BEZIER_SKIN_SECTION_KEYS. A record whose
// loading failed half-way keeps zeros in the rest.
struct SkinSectionData {
#define BEZIER_LOADED_KEY(name, kind, ...) TsKeyType<TsKeyKind::kind>::Loaded name{};
#define BEZIER_LOADED_GRADIENT(name, parsed, ...) \
  std::string name;                               \
  sGradient::GradientArray parsed;
#define BEZIER_NOT_LOADED(...)
  BEZIER_SKIN_SECTION_KEYS(BEZIER_LOADED_KEY, BEZIER_LOADED_GRADIENT, BEZIER_NOT_LOADED)
#undef BEZIER_LOADED_KEY
#undef BEZIER_LOADED_GRADIENT
#undef BEZIER_NOT_LOADED

  friend bool operator==(const SkinSectionData&, const SkinSectionData&) = default;
};

// The transparent colour of every skin image.
inline constexpr platform::TColor SkinTransparentColor = platform::clFuchsia;

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
