#pragma once

#include <cstdint>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Region.h"

// Masked images: 24-bit bitmaps that carry a picture and, in their lower half, a per-pixel
// blend mask. Border masks are nine-slice images in three state blocks (9·s x 6·t) laid over
// any rectangle with tiled edges; glyph cell images hold three w x h cells (3·w x 2·h).
// Where it lives: border masks in sMaskDataBorders.cpp, glyph cells in sMaskDataGlyphs.cpp,
// built-in masks and the skin's images in sMaskDataImages.cpp.
namespace sMaskData {

// The masked-image rule for one channel: floor(d * m / 256) + p - floor(p * m / 256), so mask 0
// puts the picture and 255 keeps the destination (scaled by 255/256). It rounds each product
// down on its own, unlike the colour-mask rule of the painting utilities (ColorMaskBlend).
constexpr std::uint8_t MaskedImageBlend(unsigned dest, unsigned picture, unsigned mask) {
  return static_cast<std::uint8_t>((dest * mask >> 8) + picture - (picture * mask >> 8));
}

// The slice size of a border mask: a ninth of its width by a sixth of its height.
platform::TSize SliceSize(const platform::Bitmap& mask);

// Paints state block `state` (0 normal, 1 hot, 2 pressed) of the border mask over the whole of
// dest, skipping picture pixels of the transparent colour and removing them from region, which
// the caller applies as the control's window region. The centre, when filled, is blended
// without the transparent test and leaves the region alone. Does nothing on a destination
// below 3 x 3.
void PaintMaskedBorder(platform::Bitmap& dest, const platform::Bitmap& mask, int state,
                       bool fillCentre, platform::TColor transparent, platform::Region& region);

// Paints state block `state` over rect of dest without a transparent colour; tiles that would
// start left of or above the bitmap are left out. Does nothing on a rect below 2 x 2.
void PaintSectionBorder(platform::Bitmap& dest, const platform::Bitmap& mask, int state,
                        bool fillCentre, const platform::TRect& rect);

// How a glyph cell is painted: plain, or faded by raising every mask value by 100 (inactive
// title buttons).
enum class GlyphMode { Lightened, Plain };

// Paints cell `cell` of a glyph cell image with its top-left at `at`, skipping picture pixels
// of the transparent colour. Nothing is drawn unless a cell is smaller than dest both ways.
void PaintGlyphCell(platform::Bitmap& dest, const platform::Bitmap& image, platform::TPoint at,
                    GlyphMode mode, platform::TColor transparent, int cell);
// As PaintGlyphCell, every picture pixel blended.
void PaintGlyphCellNoKey(platform::Bitmap& dest, const platform::Bitmap& image, platform::TPoint at,
                         GlyphMode mode, int cell);
// As PaintGlyphCellNoKey in the plain mode, also when the cell is as large as dest or larger:
// what falls outside dest is left out (a check box no taller than its glyph).
void BlendGlyphCell(platform::Bitmap& dest, const platform::Bitmap& image, platform::TPoint at,
                    int cell);

// The six built-in border masks, BORD1 to BORD6, read from the program's resources once at
// start-up and freed at its end. A resource that is missing or no BMP raises platform::Error.
inline constexpr int BuiltInMaskCount = 6;
void LoadBuiltInMasks();
void FreeBuiltInMasks();
// Built-in mask `index` (0 to 5); any other index, or masks not loaded, give BORD1 or an empty
// bitmap, so that a bad predefined value paints the default border or nothing.
const platform::Bitmap& BuiltInMask(int index);

// The skin image list's picture at imageIndex painted as above with the entry's transparent
// colour; an index of -1 (no such image) paints nothing.
void PaintSkinMaskedBorder(platform::Bitmap& dest, int imageIndex, int state, bool fillCentre,
                           platform::Region& region);
void PaintSkinGlyphCell(platform::Bitmap& dest, int imageIndex, platform::TPoint at, GlyphMode mode,
                        int cell);

}  // namespace sMaskData
