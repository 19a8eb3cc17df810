#include "tools/iconart/IconRaster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "tools/iconart/IconPicture.h"
#include "tools/skinart/ArtLayer.h"

namespace iconart {

namespace {

using platform::TRect;
using skinart::Layer;
using skinart::Shape;
using skinart::Sub;

struct TSubPoint {
  int X, Y;
};

// A point of the unit square in eighths of a pixel of an icon of the given size.
TSubPoint ToSub(TUnitPoint p, int size) {
  return {static_cast<int>(std::lround(p.X * size * Sub)),
          static_cast<int>(std::lround(p.Y * size * Sub))};
}

// The pixels round the points, grown by reach eighths.
TRect Bounds(const std::vector<TSubPoint>& points, int reach) {
  TRect r{points[0].X, points[0].Y, points[0].X, points[0].Y};
  for (const TSubPoint& p : points) {
    r = {std::min(r.Left, p.X), std::min(r.Top, p.Y), std::max(r.Right, p.X),
         std::max(r.Bottom, p.Y)};
  }
  return {(r.Left - reach) / Sub - 1, (r.Top - reach) / Sub - 1, (r.Right + reach) / Sub + 2,
          (r.Bottom + reach) / Sub + 2};
}

// A facet grown by half a pixel away from its middle, so that neighbours overlap rather than
// letting the tile show through their shared, half-covered edge pixels.
std::vector<TSubPoint> Grown(const TFacet& f, int size) {
  std::vector<TSubPoint> corners;
  double cx = 0, cy = 0;
  for (const TUnitPoint& c : f.Corners) {
    cx += c.X / 4;
    cy += c.Y / 4;
  }
  for (const TUnitPoint& c : f.Corners) {
    const double dx = c.X - cx, dy = c.Y - cy;
    const double length = std::max(std::hypot(dx, dy), 1e-9);
    const double grow = 0.5 / size / length;
    corners.push_back(ToSub({c.X + dx * grow, c.Y + dy * grow}, size));
  }
  return corners;
}

void PutFacet(Layer& layer, const TFacet& f, int size) {
  const std::vector<TSubPoint> q = Grown(f, size);
  const Shape shape =
      skinart::Either(skinart::Triangle(q[0].X, q[0].Y, q[1].X, q[1].Y, q[2].X, q[2].Y),
                      skinart::Triangle(q[0].X, q[0].Y, q[2].X, q[2].Y, q[3].X, q[3].Y));
  layer.Fill(
      shape, [&f](int, int) { return f.Color; }, 255, Bounds(q, 0));
}

// The whole line as one shape, so that a translucent line is as dense at its joints.
void PutStroke(Layer& layer, const TStroke& s, int size) {
  std::vector<TSubPoint> points;
  for (const TUnitPoint& p : s.Points) points.push_back(ToSub(p, size));
  const int hw = std::max(1, static_cast<int>(std::lround(s.Width * size * Sub / 2)));
  std::vector<Shape> segments;
  std::vector<TRect> boxes;
  for (std::size_t k = 1; k < points.size(); ++k) {
    const TSubPoint a = points[k - 1], b = points[k];
    segments.push_back(skinart::Segment(a.X, a.Y, b.X, b.Y, hw));
    boxes.push_back({std::min(a.X, b.X) - hw, std::min(a.Y, b.Y) - hw, std::max(a.X, b.X) + hw + 1,
                     std::max(a.Y, b.Y) + hw + 1});
  }
  const Shape line = [&](int x, int y) {
    for (std::size_t k = 0; k < segments.size(); ++k) {
      if (boxes[k].Contains({x, y}) && segments[k](x, y)) return true;
    }
    return false;
  };
  layer.Fill(
      line, [&s](int, int) { return s.Color; }, s.Opacity, Bounds(points, hw));
}

}  // namespace

platform::RgbaImage DrawIcon(int size) {
  const TIconPicture picture = DrawIconPicture(size);
  Layer layer(size, size);
  const TTile& t = picture.Tile;
  const int margin = static_cast<int>(std::lround(t.Margin * size));
  const int radius = static_cast<int>(std::lround(t.Radius * size));
  layer.Fill(skinart::RoundRect(margin, margin, size - margin, size - margin, radius),
             [&t, margin, size](int, int y) {
               return skinart::Ramp(t.Top, t.Bottom, std::clamp(y - margin, 0, size),
                                    size - 2 * margin);
             });
  for (const TFacet& f : picture.Facets) PutFacet(layer, f, size);
  for (const TStroke& s : picture.Strokes) PutStroke(layer, s, size);
  for (const TDot& d : picture.Dots) {
    const TSubPoint c = ToSub(d.Centre, size);
    const int r = std::max(Sub, static_cast<int>(std::lround(d.Radius * size * Sub)));
    layer.Fill(
        skinart::Disc(c.X, c.Y, r), [&d](int, int) { return d.Color; }, 255, Bounds({c}, r));
  }
  return layer.Rgba();
}

}  // namespace iconart
