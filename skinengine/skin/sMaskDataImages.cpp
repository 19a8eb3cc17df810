#include <array>
#include <string>

#include "platform/graphics/BmpFile.h"
#include "platform/kernel/Resources.h"
#include "skinengine/skin/sMaskData.h"
#include "skinengine/skin/sSkinLists.h"

namespace sMaskData {

namespace {

std::array<platform::Bitmap, BuiltInMaskCount>& BuiltInMasks() {
  static std::array<platform::Bitmap, BuiltInMaskCount> masks;
  return masks;
}

// The image list's entry at index, or null for -1 and anything else outside the list.
const sSkinManager::SkinImageEntry* ImageEntry(int index) {
  const auto& images = sSkinManager::SkinImages();
  if (index < 0 || index >= static_cast<int>(images.size()) || !images[index].Bitmap)
    return nullptr;
  return &images[index];
}

}  // namespace

void LoadBuiltInMasks() {
  // Read all before keeping any, so a bad resource leaves the masks as they were.
  std::array<platform::Bitmap, BuiltInMaskCount> loaded;
  for (int i = 0; i < BuiltInMaskCount; ++i)
    loaded[i] = platform::ReadBmp(platform::LoadResource("BORD" + std::to_string(i + 1)));
  BuiltInMasks() = std::move(loaded);
}

void FreeBuiltInMasks() {
  BuiltInMasks() = {};
}

const platform::Bitmap& BuiltInMask(int index) {
  return BuiltInMasks()[index >= 0 && index < BuiltInMaskCount ? index : 0];
}

void PaintSkinMaskedBorder(platform::Bitmap& dest, int imageIndex, int state, bool fillCentre,
                           platform::Region& region) {
  if (const auto* entry = ImageEntry(imageIndex))
    PaintMaskedBorder(dest, entry->Bitmap->Data(), state, fillCentre, entry->TransparentColor,
                      region);
}

void PaintSkinGlyphCell(platform::Bitmap& dest, int imageIndex, platform::TPoint at, GlyphMode mode,
                        int cell) {
  if (const auto* entry = ImageEntry(imageIndex))
    PaintGlyphCell(dest, entry->Bitmap->Data(), at, mode, entry->TransparentColor, cell);
}

}  // namespace sMaskData
