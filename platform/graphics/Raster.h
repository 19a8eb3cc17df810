#pragma once

#include <span>

#include "platform/graphics/Geometry.h"
#include "platform/graphics/SpanRows.h"

// Scan conversion of lines and shapes into spans, in device coordinates. Every shape is
// computed only for the rows and columns of a window (the clip bounds, grown by the pen
// where an outline is eroded from the shape), so far-off coordinates cost nothing.
namespace platform::raster {

// Device coordinates saturate at this bound, far outside any bitmap, so that products of
// two of them stay exact in 64 bits.
inline constexpr int CoordinateLimit = 1 << 28;

// A logical point or rectangle moved by the origin, saturated.
TPoint ToDevice(TPoint logical, TPoint origin);
TRect ToDevice(const TRect& logical, TPoint origin);
// The rectangle with left <= right and top <= bottom.
TRect Normalised(const TRect& r);

SpanRows RectangleRows(const TRect& box, const TRect& window);
// The pixels whose centre lies inside the ellipse inscribed in box.
SpanRows EllipseRows(const TRect& box, const TRect& window);
// A rectangle whose corners are quarter ellipses of cornerWidth x cornerHeight.
SpanRows RoundRectRows(const TRect& box, int cornerWidth, int cornerHeight, const TRect& window);
// The pixels of EllipseRows(box) from the radial through start counter-clockwise, as seen
// on screen, to the radial through end; equal radials give the whole ellipse.
SpanRows PieRows(const TRect& box, TPoint start, TPoint end, const TRect& window);
// Alternate filling of the pixels whose centre is inside; a centre on a left edge belongs
// to the polygon, one on a right edge does not, so neighbours sharing an edge never overlap.
SpanRows PolygonRows(std::span<const TPoint> points, const TRect& window);
// A line from a to b without b, each of its pixels grown to a width x width square.
SpanRows LineRows(TPoint a, TPoint b, int width, const TRect& window);

}  // namespace platform::raster
