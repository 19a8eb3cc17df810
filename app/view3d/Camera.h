#pragma once

#include <array>
#include <optional>
#include <span>

#include "app/view3d/Mat3.h"
#include "platform/graphics/Geometry.h"

// How the 3-D view maps the surface's space onto its window. View space has x to the right,
// y downwards and z into the depth, like the surface's own space; the orientation turns the
// surface's space into it about the pivot, which the window shows at the origin.
namespace Bezier {

enum class TProjection { Orthographic, Perspective };

// A point on the screen, in pixels with fractions, and its depth (larger is farther).
struct TScreenPoint {
  double X = 0;
  double Y = 0;
  double Depth = 0;
};

// The box the control points span.
struct TBounds {
  TVec3 Min;
  TVec3 Max;
  TVec3 Centre() const { return 0.5 * (Min + Max); }
  double Radius() const { return 0.5 * Length(Max - Min); }
};
std::optional<TBounds> BoundsOf(std::span<const TVec3> points);

// The pixel a screen point lies on, by the main window's rule: x to nearest (halves to even),
// y upwards.
platform::TPoint PixelOf(double x, double y);

class TCamera {
 public:
  // Looking along X, Y or Z (keys 1, 2, 3), with the screen's up and right as a turn of the
  // view along Z leaves them.
  static TMat3 AlongX();
  static TMat3 AlongY();
  static TMat3 AlongZ();

  TMat3 Orientation;
  TVec3 Pivot;
  double Scale = 1;  // pixels per unit at the pivot's depth
  double OriginX = 0;
  double OriginY = 0;
  TProjection Projection = TProjection::Orthographic;
  double Distance = 1;   // from the eye to the pivot, in units, when in perspective
  bool Oblique = false;  // the main window's picture: a shear, not a turn

  // The main window's oblique picture: a unit per pixel, the origin 20 pixels in.
  static TCamera ObliqueView();
  // The orientation kept, the points fitted into a window of that size with a margin.
  void Fit(const TBounds& bounds, std::span<const TVec3> points, int width, int height);

  // None for a point at or behind the eye.
  std::optional<TScreenPoint> Project(const TVec3& p) const;
  // The view-space position of p (before the perspective division).
  TVec3 ToView(const TVec3& p) const;
  TScreenPoint FromView(const TVec3& v) const;
  // Nearer than this a point is not shown (view-space z), in perspective.
  double NearZ() const { return -0.99 * Distance; }
  // Pixels per unit at a view-space depth.
  double ScaleAt(double viewZ) const;

  // Turns about the centre by a drag of (dx, dy) pixels; the oblique picture becomes a turn.
  void Orbit(double dx, double dy, const TVec3& centre);
  // Zooms by factor, keeping the surface point under (x, y) where it is.
  void Zoom(double factor, double x, double y);
  void Pan(double dx, double dy);
  // The move of the space that shifts a point at view depth viewZ by (dx, dy) pixels,
  // in the plane facing the viewer.
  TVec3 ScreenMove(double dx, double dy, double viewZ) const;
  // How a unit step along each axis moves on the screen near viewZ, in pixels.
  std::array<std::array<double, 2>, 3> AxisSteps(double viewZ) const;
};

}  // namespace Bezier
