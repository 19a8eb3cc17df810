// A picture file given as a skin image (a border mask, a glyph strip) or as a theme bitmap:
// any bytes load as a bitmap or raise a framework error, and whatever loads paints over small
// and odd targets in every state and cuts into cells without a stray write.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "framework/graphics/Bitmap.h"
#include "framework/runtime/Exceptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Region.h"
#include "skinengine/skin/sMaskData.h"
#include "styled/suiThemeBitmaps.h"

namespace {

constexpr platform::TColor Transparent = 0xFF00FF;
constexpr platform::TSize Targets[] = {{1, 1}, {2, 2}, {3, 3}, {5, 4}, {17, 9}, {40, 23}};

void PaintAsSkinImage(const platform::Bitmap& picture) {
  for (const platform::TSize size : Targets) {
    platform::Bitmap dest(size.cx, size.cy);
    for (int state = 0; state < 3; ++state) {
      platform::Region region(dest.BoundsRect());
      sMaskData::PaintMaskedBorder(dest, picture, state, state != 1, Transparent, region);
      sMaskData::PaintSectionBorder(dest, picture, state, state == 1,
                                    {-1, 1, size.cx, size.cy + 2});
      sMaskData::PaintGlyphCell(dest, picture, {state - 1, 1}, sMaskData::GlyphMode::Lightened,
                                Transparent, state);
      sMaskData::PaintGlyphCellNoKey(dest, picture, {1, state - 1}, sMaskData::GlyphMode::Plain,
                                     state + 1);
    }
    if (dest.Width() != size.cx || dest.Height() != size.cy) std::abort();
  }
}

void CutAsThemeBitmap(const framework::TBitmap& strip) {
  for (int count = 1; count <= 4; ++count) {
    for (int piece = 0; piece <= count + 1; ++piece) {
      framework::TBitmap cell;
      suiThemeBitmaps::CutBitmapPiece(strip, cell, count, piece);
      const bool cut = piece >= 1 && piece <= count;
      if (cell.Width() != (cut ? strip.Width() / count : 0)) std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  framework::TBitmap picture;
  try {
    picture.LoadFromData(std::span(data, size));
  } catch (const framework::Exception&) {
    if (!picture.Empty()) std::abort();
    return 0;
  }
  PaintAsSkinImage(picture.Data());
  CutAsThemeBitmap(picture);
  return 0;
}
