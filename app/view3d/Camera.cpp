#include "app/view3d/Camera.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/BezierSurface.h"

namespace Bezier {

namespace {

// Pixels of margin round a fitted surface.
constexpr double FitMargin = 20;
// Radians per pixel of a drag that turns the view.
constexpr double TurnPerPixel = 0.01;
// The eye stands this many radii of the surface's box away from its centre in perspective.
constexpr double EyeDistance = 3;

TMat3 Rows(const TVec3& a, const TVec3& b, const TVec3& c) {
  TMat3 m;
  m.Rows = {a, b, c};
  return m;
}

TMat3 TurnAboutY(double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  return Rows({c, 0, -s}, {0, 1, 0}, {s, 0, c});
}

TMat3 TurnAboutX(double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  return Rows({1, 0, 0}, {0, c, s}, {0, -s, c});
}

}  // namespace

std::optional<TBounds> BoundsOf(std::span<const TVec3> points) {
  if (points.empty()) return std::nullopt;
  TBounds b{points.front(), points.front()};
  for (const TVec3& p : points) {
    b.Min = {std::min(b.Min.X, p.X), std::min(b.Min.Y, p.Y), std::min(b.Min.Z, p.Z)};
    b.Max = {std::max(b.Max.X, p.X), std::max(b.Max.Y, p.Y), std::max(b.Max.Z, p.Z)};
  }
  return b;
}

platform::TPoint PixelOf(double x, double y) {
  // Far outside any window the pixel no longer matters, only that it stays an int.
  constexpr double Limit = 1 << 30;
  return {static_cast<int>(std::nearbyint(std::clamp(x, -Limit, Limit))),
          static_cast<int>(std::ceil(std::clamp(y, -Limit, Limit)))};
}

TMat3 TCamera::AlongX() {
  return Rows({0, 0, -1}, {0, 1, 0}, {1, 0, 0});
}

TMat3 TCamera::AlongY() {
  return Rows({1, 0, 0}, {0, 0, -1}, {0, 1, 0});
}

TMat3 TCamera::AlongZ() {
  return {};
}

TCamera TCamera::ObliqueView() {
  TCamera camera;
  camera.Orientation = Rows({1, 0, ObliqueKx}, {0, 1, ObliqueKy}, {0, 0, 1});
  camera.Oblique = true;
  camera.OriginX = camera.OriginY = DrawOffset;
  return camera;
}

void TCamera::Fit(const TBounds& bounds, std::span<const TVec3> points, int width, int height) {
  Pivot = bounds.Centre();
  OriginX = width / 2.0;
  OriginY = height / 2.0;
  Distance = EyeDistance * std::max(bounds.Radius(), 1.0);
  double extentX = 0, extentY = 0;
  for (const TVec3& p : points) {
    const TVec3 v = ToView(p);
    const double grow = Projection == TProjection::Perspective ? Distance / (Distance + v.Z) : 1;
    extentX = std::max(extentX, std::abs(v.X) * grow);
    extentY = std::max(extentY, std::abs(v.Y) * grow);
  }
  // A window smaller than its margins still shows the surface, only smaller.
  const double roomX = std::max(OriginX - FitMargin, OriginX / 2);
  const double roomY = std::max(OriginY - FitMargin, OriginY / 2);
  double scale = std::numeric_limits<double>::infinity();
  if (extentX > 0) scale = roomX / extentX;
  if (extentY > 0) scale = std::min(scale, roomY / extentY);
  Scale = std::isfinite(scale) && scale > 0 ? scale : 1;
}

double TCamera::ScaleAt(double viewZ) const {
  if (Projection == TProjection::Orthographic || Oblique) return Scale;
  return Scale * Distance / (Distance + viewZ);
}

TVec3 TCamera::ToView(const TVec3& p) const {
  if (!Oblique) return Orientation * (p - Pivot);
  // The stated projection's arithmetic: the product in extended precision, the sum kept as a
  // double, so that control points land on the main window's pixels.
  return {static_cast<double>(p.X + static_cast<long double>(p.Z) * ObliqueKx),
          static_cast<double>(p.Y + static_cast<long double>(p.Z) * ObliqueKy), p.Z};
}

TScreenPoint TCamera::FromView(const TVec3& v) const {
  const double scale = ScaleAt(v.Z);
  return {OriginX + scale * v.X, OriginY + scale * v.Y, v.Z};
}

std::optional<TScreenPoint> TCamera::Project(const TVec3& p) const {
  const TVec3 v = ToView(p);
  if (Projection == TProjection::Perspective && !Oblique && v.Z <= NearZ()) return std::nullopt;
  return FromView(v);
}

void TCamera::Orbit(double dx, double dy, const TVec3& centre) {
  if (Oblique) {
    // The turn starts from the view along Z, with the centre where it was on the screen.
    const std::optional<TScreenPoint> at = Project(centre);
    Oblique = false;
    Orientation = AlongZ();
    Pivot = centre;
    OriginX = at->X;
    OriginY = at->Y;
  } else if (!(Pivot == centre)) {
    const TScreenPoint at = FromView(ToView(centre));
    Pivot = centre;
    OriginX = at.X;
    OriginY = at.Y;
  }
  Orientation = TurnAboutX(dy * TurnPerPixel) * TurnAboutY(dx * TurnPerPixel) * Orientation;
}

void TCamera::Zoom(double factor, double x, double y) {
  Scale *= factor;
  OriginX = x - (x - OriginX) * factor;
  OriginY = y - (y - OriginY) * factor;
}

void TCamera::Pan(double dx, double dy) {
  OriginX += dx;
  OriginY += dy;
}

TVec3 TCamera::ScreenMove(double dx, double dy, double viewZ) const {
  const double scale = ScaleAt(viewZ);
  return Orientation.Inverse() * TVec3{dx / scale, dy / scale, 0};
}

std::array<std::array<double, 2>, 3> TCamera::AxisSteps(double viewZ) const {
  const double scale = ScaleAt(viewZ);
  std::array<std::array<double, 2>, 3> steps{};
  for (int k = 0; k < 3; ++k) {
    const TVec3 axis = Orientation.Column(k);
    steps[static_cast<std::size_t>(k)] = {scale * axis.X, scale * axis.Y};
  }
  return steps;
}

}  // namespace Bezier
