#include "app/surface/Patch.h"

#include <utility>

#include "app/BezierSurfaceSum.h"
#include "app/surface/Bernstein.h"

namespace Bezier {

namespace {

std::vector<double> Basis(int count, double t) {
  std::vector<double> b(static_cast<std::size_t>(count));
  Bernstein(count - 1, t, b);
  return b;
}

std::vector<double> BasisDerivative(int count, double t) {
  std::vector<double> b(static_cast<std::size_t>(count));
  BernsteinDerivative(count - 1, t, b);
  return b;
}

// Where the derivatives give no normal (a collapsed edge or corner), the surface beside it
// does: the point is moved this far towards the centre of the parameter square, twice.
constexpr double Nudges[] = {1e-7, 1e-3};

double Toward(double t, double nudge) {
  return t < 0.5 ? t + nudge : t - nudge;
}

}  // namespace

TPatch::TPatch(int m, int n, std::vector<TVec3> points)
    : m_(m), n_(n), points_(std::move(points)) {}

std::vector<TVec3> TPatch::CurveAtU(double u) const {
  const std::vector<double> bu = Basis(m_, u);
  std::vector<TVec3> curve(static_cast<std::size_t>(n_));
  for (int i = 0; i < m_; ++i) {
    if (bu[i] == 0) continue;
    for (int j = 0; j < n_; ++j) curve[j] += bu[i] * P(i, j);
  }
  return curve;
}

std::vector<TVec3> TPatch::CurveAtV(double v) const {
  const std::vector<double> bv = Basis(n_, v);
  std::vector<TVec3> curve(static_cast<std::size_t>(m_));
  for (int i = 0; i < m_; ++i)
    curve[i] = Combine(bv, std::span<const TVec3>(&P(i, 0), static_cast<std::size_t>(n_)));
  return curve;
}

TVec3 TPatch::Point(double u, double v) const {
  return CurvePoint(CurveAtU(u), v);
}

TSurfaceFrame TPatch::RawFrame(double u, double v) const {
  const std::vector<double> bu = Basis(m_, u);
  const std::vector<double> du = BasisDerivative(m_, u);
  const std::vector<double> bv = Basis(n_, v);
  const std::vector<double> dv = BasisDerivative(n_, v);
  std::vector<TVec3> along(static_cast<std::size_t>(n_));
  std::vector<TVec3> across(static_cast<std::size_t>(n_));
  for (int i = 0; i < m_; ++i) {
    for (int j = 0; j < n_; ++j) {
      along[j] += bu[i] * P(i, j);
      across[j] += du[i] * P(i, j);
    }
  }
  TSurfaceFrame f{Combine(bv, along), Combine(bv, across), Combine(dv, along), {}};
  f.Normal = UnitNormal(f.DU, f.DV);
  return f;
}

TSurfaceFrame TPatch::Frame(double u, double v) const {
  TSurfaceFrame f = RawFrame(u, v);
  for (const double nudge : Nudges) {
    if (f.Normal != TVec3{}) break;
    f.Normal = RawFrame(Toward(u, nudge), Toward(v, nudge)).Normal;
  }
  return f;
}

std::vector<TVec3> LinePoints(const TPatch& patch, TFixed fixed, std::span<const double> outer,
                              std::span<const double> inner) {
  std::vector<TVec3> points;
  points.reserve(outer.size() * inner.size());
  for (const double value : outer) {
    const std::vector<TVec3> curve =
        fixed == TFixed::U ? patch.CurveAtU(value) : patch.CurveAtV(value);
    std::vector<double> basis(curve.size());
    for (const double t : inner) {
      Bernstein(static_cast<int>(curve.size()) - 1, t, basis);
      points.push_back(Combine(basis, curve));
    }
  }
  return points;
}

TPatch PatchOf(std::int32_t q, std::int32_t p, const MatA& points) {
  CheckNet(q, p, points);
  std::vector<TVec3> net;
  net.reserve(static_cast<std::size_t>(q + 1) * (p + 1));
  for (std::int32_t i = 0; i <= q; ++i)
    for (std::int32_t j = 0; j <= p; ++j) {
      const std::vector<std::int32_t>& point = points[i][j];
      net.push_back({static_cast<double>(point[0]), static_cast<double>(point[1]),
                     static_cast<double>(point[2])});
    }
  return TPatch(q + 1, p + 1, std::move(net));
}

TVec3 UnitNormal(const TVec3& du, const TVec3& dv) {
  const TVec3 normal = Cross(du, dv);
  const double length = Length(normal);
  // |du x dv| = |du| |dv| sin(angle): below a sine of 1e-9 the direction is noise.
  if (!(length > 1e-9 * Length(du) * Length(dv))) return {};
  return (1 / length) * normal;
}

TVec3 Combine(std::span<const double> weights, std::span<const TVec3> points) {
  TVec3 sum;
  for (std::size_t k = 0; k < weights.size(); ++k)
    if (weights[k] != 0) sum += weights[k] * points[k];
  return sum;
}

TVec3 CurvePoint(std::span<const TVec3> control, double t) {
  return Combine(Basis(static_cast<int>(control.size()), t), control);
}

}  // namespace Bezier
