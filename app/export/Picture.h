#pragma once

#include "app/BezierPointFile.h"
#include "app/BezierSurface.h"
#include "platform/graphics/Bitmap.h"

// The picture bezier-render writes: the drawing "Gambar Kurva" makes on a fresh drawing area,
// at the area's size or at another one.
namespace Bezier {

struct TPictureSize {
  int Width = AreaWidth;
  int Height = AreaHeight;
};

// The largest side: a picture of 8192 x 8192 takes 256 MiB while it is drawn.
inline constexpr int MaxPictureSide = 8192;

// The table drawn at the size. At another size than the drawing area's, the net is scaled by
// min(W / 503, H / 455) about the table's origin first (coordinates rounded to whole units,
// halves to even), so it keeps its shape and still lands 20 pixels in from the top left
// corner; lines stay one pixel wide. A scale that takes a coordinate past 32 bits raises
// std::out_of_range.
platform::Bitmap DrawnPicture(const TPointTable& table, TPictureSize size);

}  // namespace Bezier
