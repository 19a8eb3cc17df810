#pragma once

#include "platform/graphics/Bitmap.h"

namespace themeart {

using platform::Bitmap;
using platform::TColor;
using platform::TRect;

// The colours a style's artwork is drawn in, taken from the style's own theme entries.
struct TPalette {
  TColor Face;    // control background
  TColor Accent;  // selection colour
  TColor Border;
  TColor Glyph;  // marks drawn on the face
};

// weight 0 gives a, 255 gives b.
TColor Mix(TColor a, TColor b, int weight);
TColor Lighter(TColor c, int weight);
TColor Darker(TColor c, int weight);

// Rows from top to bottom colour.
void VerticalGradient(Bitmap& b, const TRect& r, TColor top, TColor bottom);
// A frame with cut corners round a gradient; the corners take the background.
void Panel(Bitmap& b, const TRect& r, TColor border, TColor top, TColor bottom, TColor background);
void Frame(Bitmap& b, const TRect& r, TColor color);
// A filled circle centred in r.
void Disc(Bitmap& b, const TRect& r, double radius, TColor color);

// Small marks centred in r.
void CheckMark(Bitmap& b, const TRect& r, TColor color);
void Cross(Bitmap& b, const TRect& r, int size, TColor color);
void Arrow(Bitmap& b, const TRect& r, int direction, int size,
           TColor color);  // 0 up, 1 right, 2 down, 3 left

}  // namespace themeart
