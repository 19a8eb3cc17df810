#include "app/view3d/ViewRender.h"

#include <algorithm>
#include <cmath>

namespace Bezier {

namespace {

// Towards the light, in view space: up, left and in front of the eye.
const TVec3 LightDirection = (1 / Length(TVec3{-0.4, -0.5, -1})) * TVec3{-0.4, -0.5, -1};
// Lines in front of a surface by this share of its size, so that those on it show.
constexpr double LineLift = 0.01;
// Divisions of the ground grid along each side.
constexpr int GridDivisions = 10;
// The axes reach this far beyond the farthest coordinate of the points.
constexpr double AxisReach = 1.15;

class TPainter {
 public:
  TPainter(TViewFrame& frame, const TCamera& camera, double bias)
      : frame_(frame), camera_(camera), bias_(bias) {}

  void Segment(const TVec3& a, const TVec3& b, platform::TColor color) const {
    const auto pa = camera_.Project(a);
    const auto pb = camera_.Project(b);
    if (pa && pb) frame_.Line(*pa, *pb, color, bias_);
  }
  void Polyline(const std::vector<TVec3>& points, platform::TColor color) const {
    for (std::size_t k = 1; k < points.size(); ++k) Segment(points[k - 1], points[k], color);
  }

 private:
  TViewFrame& frame_;
  const TCamera& camera_;
  double bias_;
};

void DrawGround(const TPainter& painter, const TBounds& bounds) {
  const TVec3 size = bounds.Max - bounds.Min;
  const double pad = 0.1 * std::max({size.X, size.Z, 1.0});
  const double x0 = bounds.Min.X - pad, x1 = bounds.Max.X + pad;
  const double z0 = bounds.Min.Z - pad, z1 = bounds.Max.Z + pad;
  const double y = bounds.Max.Y;  // Y grows downwards: the ground is below the surface
  for (int k = 0; k <= GridDivisions; ++k) {
    const double t = static_cast<double>(k) / GridDivisions;
    const double x = x0 + t * (x1 - x0), z = z0 + t * (z1 - z0);
    painter.Segment({x, y, z0}, {x, y, z1}, ViewColors.Grid);
    painter.Segment({x0, y, z}, {x1, y, z}, ViewColors.Grid);
  }
}

TAxisEnds DrawAxes(const TPainter& painter, const TCamera& camera, const TBounds& bounds) {
  double reach = 1;
  for (int axis = 0; axis < 3; ++axis)
    reach = std::max({reach, std::abs(bounds.Min[axis]), std::abs(bounds.Max[axis])});
  reach *= AxisReach;
  TAxisEnds ends;
  for (int axis = 0; axis < 3; ++axis) {
    TVec3 end;
    (axis == 0 ? end.X : axis == 1 ? end.Y : end.Z) = reach;
    painter.Segment({}, end, ViewColors.Axes[static_cast<std::size_t>(axis)]);
    if (const auto at = camera.Project(end))
      ends[static_cast<std::size_t>(axis)] = PixelOf(at->X, at->Y);
  }
  return ends;
}

void DrawSurface(TViewFrame& frame, const TCamera& camera, const TTessellation& surface) {
  const TMat3 normals = camera.Orientation.Cofactors();
  std::vector<TScreenPoint> at(surface.Points.size());
  std::vector<bool> shown(surface.Points.size());
  std::vector<double> facing(surface.Points.size());
  for (std::size_t k = 0; k < surface.Points.size(); ++k) {
    const auto p = camera.Project(surface.Points[k]);
    shown[k] = p.has_value();
    if (p) at[k] = *p;
    const TVec3 n = normals * surface.Normals[k];
    const double length = Length(n);
    facing[k] = length > 0 ? Dot(n, LightDirection) / length : 0;
  }
  const auto corner = [&](std::size_t k, double side) {
    return TShadedVertex{at[k], AmbientLight + DiffuseLight * std::max(0.0, side * facing[k])};
  };
  const auto triangle = [&](std::size_t a, std::size_t b, std::size_t c) {
    if (!shown[a] || !shown[b] || !shown[c]) return;
    // The front (where du x dv points) faces the eye when the corners run the other way round
    // on the screen, whose y grows downwards.
    const double area =
        (at[b].X - at[a].X) * (at[c].Y - at[a].Y) - (at[b].Y - at[a].Y) * (at[c].X - at[a].X);
    const double side = area < 0 ? 1 : -1;
    frame.Triangle(corner(a, side), corner(b, side), corner(c, side),
                   area < 0 ? ViewColors.Front : ViewColors.Back);
  };
  for (int a = 0; a < surface.StepsU; ++a) {
    for (int b = 0; b < surface.StepsV; ++b) {
      const auto k00 = static_cast<std::size_t>(surface.Index(a, b));
      const auto k10 = static_cast<std::size_t>(surface.Index(a + 1, b));
      const auto k01 = static_cast<std::size_t>(surface.Index(a, b + 1));
      const auto k11 = static_cast<std::size_t>(surface.Index(a + 1, b + 1));
      triangle(k00, k10, k01);
      triangle(k11, k01, k10);
    }
  }
}

void DrawNet(const TPainter& painter, const TViewNet& net) {
  const auto point = [&](int a, int b) { return static_cast<std::size_t>(a * net.N + b); };
  for (int a = 0; a < net.M; ++a) {
    for (int b = 0; b < net.N; ++b) {
      const std::size_t k = point(a, b);
      if (!net.Valid[k]) continue;
      if (b + 1 < net.N && net.Valid[point(a, b + 1)])
        painter.Segment(net.Points[k], net.Points[point(a, b + 1)], ViewColors.Net);
      if (a + 1 < net.M && net.Valid[point(a + 1, b)])
        painter.Segment(net.Points[k], net.Points[point(a + 1, b)], ViewColors.Net);
    }
  }
}

void DrawMarkers(TViewFrame& frame, const TCamera& camera, const TViewNet& net, int selected) {
  struct TMarker {
    double Depth;
    platform::TPoint At;
    bool Selected;
  };
  std::vector<TMarker> markers;
  for (std::size_t k = 0; k < net.Points.size(); ++k) {
    if (!net.Valid[k]) continue;
    const auto p = camera.Project(net.Points[k]);
    if (p) markers.push_back({p->Depth, PixelOf(p->X, p->Y), static_cast<int>(k) == selected});
  }
  // The farthest first, so that the nearest shows on top; the selected one above all.
  std::stable_sort(markers.begin(), markers.end(), [](const TMarker& a, const TMarker& b) {
    return a.Selected != b.Selected ? b.Selected : a.Depth > b.Depth;
  });
  for (const TMarker& m : markers) {
    if (m.Selected)
      frame.Marker(m.At, MarkerHalf + 1, ViewColors.Selected, ViewColors.SelectedBorder);
    else
      frame.Marker(m.At, MarkerHalf, ViewColors.Marker, ViewColors.MarkerBorder);
  }
}

}  // namespace

TAxisEnds RenderView(TViewFrame& frame, int width, int height, const TCamera& camera,
                     const TViewScene& scene, const TViewOptions& options, int selected) {
  frame.Reset(width, height, ViewColors.Background);
  TAxisEnds ends;
  if (!scene.Bounds) return ends;
  const TPainter painter(frame, camera, LineLift * std::max(scene.Bounds->Radius(), 1.0));
  const TPainter flat(frame, camera, 0);
  if (options.Axes) {
    DrawGround(flat, *scene.Bounds);
    ends = DrawAxes(flat, camera, *scene.Bounds);
  }
  if (options.Shaded && scene.Surface) DrawSurface(frame, camera, *scene.Surface);
  if (options.IsoLines)
    for (const std::vector<TVec3>& line : scene.IsoLines)
      painter.Polyline(line, ViewColors.IsoLine);
  if (options.Net) {
    DrawNet(painter, scene.Net);
    DrawMarkers(frame, camera, scene.Net, selected);
  }
  return ends;
}

std::optional<platform::TPoint> MarkerPixel(const TCamera& camera, const TVec3& point) {
  const auto p = camera.Project(point);
  if (!p) return std::nullopt;
  return PixelOf(p->X, p->Y);
}

int PickPoint(const TCamera& camera, const TViewNet& net, platform::TPoint click) {
  int best = -1;
  double bestDepth = 0;
  for (std::size_t k = 0; k < net.Points.size(); ++k) {
    if (!net.Valid[k]) continue;
    const auto p = camera.Project(net.Points[k]);
    if (!p) continue;
    const platform::TPoint at = PixelOf(p->X, p->Y);
    if (std::abs(at.X - click.X) > PickReach || std::abs(at.Y - click.Y) > PickReach) continue;
    if (best < 0 || p->Depth < bestDepth) {
      best = static_cast<int>(k);
      bestDepth = p->Depth;
    }
  }
  return best;
}

void DrawAxisNames(platform::Canvas& canvas, const TAxisEnds& ends) {
  static constexpr const char* AxisNames[] = {"X", "Y", "Z"};
  canvas.GetBrush().Style = platform::BrushStyle::Clear;
  for (std::size_t axis = 0; axis < 3; ++axis) {
    if (!ends[axis]) continue;
    canvas.GetFont().Color = ViewColors.Axes[axis];
    canvas.TextOut(ends[axis]->X + 3, ends[axis]->Y + 3, AxisNames[axis]);
  }
}

}  // namespace Bezier
