#include "tools/iconart/IconPicture.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace iconart {

namespace {

struct TVector {
  double X, Y, Z;
};

TVector operator-(TVector a, TVector b) {
  return {a.X - b.X, a.Y - b.Y, a.Z - b.Z};
}

TVector Cross(TVector a, TVector b) {
  return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
}

double Dot(TVector a, TVector b) {
  return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}

// Heights of the 4 x 4 control net over the unit square, [x][y]: a hill off the centre.
constexpr double Heights[4][4] = {{0.05, 0.30, 0.35, 0.10},
                                  {0.25, 0.85, 0.70, 0.20},
                                  {0.20, 0.65, 0.95, 0.40},
                                  {0.00, 0.25, 0.45, 0.15}};

constexpr TColor TileTop = 0xD38F34;     // the skin's hot title blue
constexpr TColor TileBottom = 0x7A3F16;  // a deep blue
constexpr TColor Shade = 0x0A38C8;       // orange-red, turned from the light
constexpr TColor Lit = 0x8CE6FF;         // pale yellow, facing it
constexpr TColor GridColor = 0x1420A0;   // the tool's surface red, darkened
constexpr TColor NetColor = 0xFFFFFF;
constexpr int FullFacets = 8;
constexpr int GridCurves = 4;     // grid lines per direction, less one
constexpr int CurveSamples = 24;  // points per grid line
constexpr int NetSize = 48;       // smallest icon that shows the control net
constexpr int GridSize = 32;      // smallest icon that shows the inner grid lines

TVector ControlPoint(int i, int j) {
  return {i / 3.0, j / 3.0, Heights[i][j]};
}

std::array<double, 4> Bernstein(double t) {
  const double s = 1 - t;
  return {s * s * s, 3 * s * s * t, 3 * s * t * t, t * t * t};
}

TVector Surface(double u, double v) {
  const auto bu = Bernstein(u), bv = Bernstein(v);
  TVector p{0, 0, 0};
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      const TVector c = ControlPoint(i, j);
      const double w = bu[i] * bv[j];
      p = {p.X + w * c.X, p.Y + w * c.Y, p.Z + w * c.Z};
    }
  return p;
}

// A slanted view: depth (y) runs up and to the right, height lifts.
TUnitPoint Project(TVector p) {
  return {0.15 + 0.52 * p.X + 0.16 * p.Y, 0.75 - 0.26 * p.Y + 0.05 * p.X - 0.42 * p.Z};
}

TColor Mix(TColor a, TColor b, double t) {
  TColor result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double v = ((a >> shift) & 0xFF) * (1 - t) + ((b >> shift) & 0xFF) * t;
    result |= static_cast<TColor>(std::lround(v)) << shift;
  }
  return result;
}

// Lit from the upper left, in front of the viewer.
TColor FacetColor(double u0, double v0, double u1, double v1) {
  const TVector n = Cross(Surface(u1, v0) - Surface(u0, v0), Surface(u0, v1) - Surface(u0, v0));
  const TVector light{-0.45, -0.35, 0.82};
  const double length = std::sqrt(Dot(n, n));
  const double lit = length == 0 ? 0.5 : std::clamp(Dot(n, light) / length, 0.0, 1.0);
  return Mix(Shade, Lit, lit);
}

TStroke GridLine(bool alongU, double fixed, double width) {
  TStroke s{{}, width, GridColor, 255};
  for (int k = 0; k <= CurveSamples; ++k) {
    const double t = static_cast<double>(k) / CurveSamples;
    s.Points.push_back(Project(alongU ? Surface(t, fixed) : Surface(fixed, t)));
  }
  return s;
}

TIconPicture Picture(int facets, bool innerGrid, bool net, double hairline) {
  TIconPicture p;
  p.Tile = {1.0 / 16, 3.0 / 16, TileTop, TileBottom};
  // Far rows first, so that the near ones cover them.
  for (int row = facets - 1; row >= 0; --row) {
    for (int col = 0; col < facets; ++col) {
      const double u0 = static_cast<double>(col) / facets,
                   u1 = static_cast<double>(col + 1) / facets;
      const double v0 = static_cast<double>(row) / facets,
                   v1 = static_cast<double>(row + 1) / facets;
      p.Facets.push_back({{Project(Surface(u0, v0)), Project(Surface(u1, v0)),
                           Project(Surface(u1, v1)), Project(Surface(u0, v1))},
                          FacetColor(u0, v0, u1, v1)});
    }
  }
  const double gridWidth = std::max(0.012, hairline);
  for (int k = 0; k <= GridCurves; ++k) {
    if (!innerGrid && k != 0 && k != GridCurves) continue;
    const double t = static_cast<double>(k) / GridCurves;
    p.Strokes.push_back(GridLine(true, t, gridWidth));
    p.Strokes.push_back(GridLine(false, t, gridWidth));
  }
  if (!net) return p;
  const double netWidth = std::max(0.008, hairline);
  for (int a = 0; a < 4; ++a) {
    TStroke row{{}, netWidth, NetColor, 200}, column{{}, netWidth, NetColor, 200};
    for (int b = 0; b < 4; ++b) {
      row.Points.push_back(Project(ControlPoint(b, a)));
      column.Points.push_back(Project(ControlPoint(a, b)));
    }
    p.Strokes.push_back(row);
    p.Strokes.push_back(column);
  }
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) p.Dots.push_back({Project(ControlPoint(i, j)), 0.022, NetColor});
  return p;
}

}  // namespace

TIconPicture DrawIconPicture(int size) {
  // Lines stay at least one pixel wide, so that small icons keep their outline.
  return Picture(size < GridSize ? FullFacets / 2 : FullFacets, size >= GridSize, size >= NetSize,
                 1.0 / size);
}

TIconPicture FullIconPicture() {
  return Picture(FullFacets, true, true, 0);
}

}  // namespace iconart
