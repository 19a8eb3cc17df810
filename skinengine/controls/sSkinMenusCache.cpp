#include "skinengine/controls/sSkinMenusCache.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/graphics/Color.h"
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/style/sStyleSection.h"

namespace sSkinMenus {

namespace {

struct TsPopupBackground {
  const framework::TMenuItem* Key;
  platform::Bitmap Bitmap;
};

std::vector<TsPopupBackground>& Backgrounds() {
  static std::vector<TsPopupBackground> backgrounds;
  return backgrounds;
}

// Within what a bitmap can hold: the items of a popup taller than that show their own look.
platform::TSize BitmapSize(int width, int height) {
  using platform::Bitmap;
  width = std::clamp(width, 0, Bitmap::MaxDimension);
  const auto rows = Bitmap::MaxPixels / std::max(width, 1);
  height =
      std::clamp(height, 0, static_cast<int>(std::min<std::int64_t>(Bitmap::MaxDimension, rows)));
  return {width, height};
}

}  // namespace

const platform::Bitmap& PopupBackground(const framework::TMenuItem* key, int width, int height) {
  const platform::TSize size = BitmapSize(width, height);
  std::vector<TsPopupBackground>& backgrounds = Backgrounds();
  auto entry = std::find_if(backgrounds.begin(), backgrounds.end(),
                            [key](const TsPopupBackground& b) { return b.Key == key; });
  if (entry == backgrounds.end()) entry = backgrounds.insert(entry, {key, {}});
  // A popup that gained or lost items, or a new one under a freed item's address, is
  // painted afresh rather than shown over a background of the wrong size.
  platform::Bitmap& bitmap = entry->Bitmap;
  if (bitmap.Width() != size.cx || bitmap.Height() != size.cy) {
    bitmap = platform::Bitmap(size.cx, size.cy);
    bitmap.Fill(platform::ColorToRGB(platform::clMenu));
    sStyleUtil::PaintSection(bitmap, bitmap.BoundsRect(),
                             sSkinManager::FindSectionIndex("MAINMENU"), false, true);
  }
  return bitmap;
}

void FlushPopupBackgrounds() {
  Backgrounds().clear();
}

std::size_t PopupBackgroundCount() {
  return Backgrounds().size();
}

}  // namespace sSkinMenus
