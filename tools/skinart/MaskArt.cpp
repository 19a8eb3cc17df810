#include "tools/skinart/MaskArt.h"

#include <algorithm>

namespace skinart {

namespace {

constexpr TColor White = 0xFFFFFF;

// The face's colour in row y of a block of three slice rows, t high each. The middle slice
// is repeated on tall targets, so only the top and bottom slices change from row to row.
TColor Face(const TStateLook& state, bool glass, int y, int t) {
  const TColor middle = glass ? state.Bottom : Mix(state.Top, state.Bottom, 128);
  const TColor top = glass ? Mix(state.Top, White, 150) : state.Top;
  const TColor bottom = glass ? Mix(state.Bottom, White, 90) : state.Bottom;
  if (y < t) return glass ? Ramp(top, state.Top, y, t) : Ramp(top, middle, y, t);
  if (y < 2 * t) return middle;
  return Ramp(middle, bottom, y - 2 * t, t);
}

// The block's rounded rectangle inset by `inset`; with square bottom corners it runs on below
// the block, so only its top corners are round.
Shape Outline(int w, int h, int inset, int radius, bool roundBottom) {
  if (roundBottom) return RoundRect(inset, inset, w - inset, h - inset, radius - inset);
  const Shape tall = RoundRect(inset, inset, w - inset, h + radius, radius - inset);
  const int bottom = (h - inset) * Sub;
  return [tall, bottom](int x, int y) { return y < bottom && tall(x, y); };
}

Bitmap DrawMask(int width, int height, const TBorderLook& look, bool roundBottom) {
  const int w = width / 3;
  const int h = height / 2;
  // A corner rounder than its slice would bend the tiled edges.
  const int radius = std::min({look.Radius, width / 9, height / 6});
  Bitmap mask(width, height);
  for (int k = 0; k < 3; ++k) {
    const TStateLook& state = look.States[k];
    Layer block(w, h);
    const Shape outer = Outline(w, h, 0, radius, roundBottom);
    const Shape inner = Outline(w, h, 1, radius, roundBottom);
    block.Fill(
        inner, [&](int, int y) { return Face(state, look.Glass, y, h / 3); }, look.FaceOpacity);
    block.Fill(Minus(outer, inner), state.Border);
    if (look.Highlight > 0) {
      const Shape line = Minus(inner, RoundRect(2, 2, w - 2, h - 2, radius - 2));
      // Along the top slice only, where it doesn't repeat.
      const int topSlice = h / 3 * Sub;
      block.Fill([line, topSlice](int x, int y) { return y < topSlice && line(x, y); }, White,
                 look.Highlight);
    }
    block.PutMasked(mask, k * w, 0, h);
  }
  return mask;
}

}  // namespace

Bitmap DrawBorderMask(int width, int height, const TBorderLook& look) {
  return DrawMask(width, height, look, true);
}

Bitmap DrawTitleMask(int width, int height, const TBorderLook& look) {
  return DrawMask(width, height, look, false);
}

}  // namespace skinart
