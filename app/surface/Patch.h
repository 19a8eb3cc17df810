#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "app/BezierSurface.h"
#include "app/surface/Vec3.h"

// The true tensor-product Bezier surface of a net, in double precision: what the 3-D view
// shows, the meshes hold and large nets are drawn from. Its front is the side that
// dS/du x dS/dv points to.
namespace Bezier {

// A point of the surface with its partial derivatives and its unit normal (zero where the
// surface has none, at a point where it collapses in every direction).
struct TSurfaceFrame {
  TVec3 Point;
  TVec3 DU;
  TVec3 DV;
  TVec3 Normal;
};

class TPatch {
 public:
  // m curves of n points each (both at least 1); points[i * n + j] is point j of curve i.
  TPatch(int m, int n, std::vector<TVec3> points);

  int M() const { return m_; }
  int N() const { return n_; }
  const TVec3& P(int i, int j) const { return points_[static_cast<std::size_t>(i) * n_ + j]; }

  TVec3 Point(double u, double v) const;
  TSurfaceFrame Frame(double u, double v) const;
  // The control points of the curve of constant u (n of them, along v), and of constant v
  // (m of them, along u): a whole parameter line costs one basis.
  std::vector<TVec3> CurveAtU(double u) const;
  std::vector<TVec3> CurveAtV(double v) const;

 private:
  TSurfaceFrame RawFrame(double u, double v) const;

  int m_;
  int n_;
  std::vector<TVec3> points_;
};

// The points of lines along which one parameter stays fixed (u for TFixed::U): for each outer
// value of it, the point at every inner value of the other, in that order. One basis per line
// and one per point, so a line costs the net once and each point only its curve.
std::vector<TVec3> LinePoints(const TPatch& patch, TFixed fixed, std::span<const double> outer,
                              std::span<const double> inner);

// The net of the point store's [0..q][0..p].
TPatch PatchOf(std::int32_t q, std::int32_t p, const MatA& points);

// du x dv made unit; zero where the two are (nearly) parallel or one vanishes, so a collapsed
// edge never gives a normal made of rounding noise.
TVec3 UnitNormal(const TVec3& du, const TVec3& dv);
// sum of weights[k] x points[k].
TVec3 Combine(std::span<const double> weights, std::span<const TVec3> points);
// The point at t of the Bezier curve of the control points.
TVec3 CurvePoint(std::span<const TVec3> control, double t);

}  // namespace Bezier
