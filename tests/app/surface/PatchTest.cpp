// The true surface: Bernstein weights against the binomial formula, surface points against an
// independent sum, derivatives and normals, and the tessellation against single points.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "app/surface/Bernstein.h"
#include "app/surface/Patch.h"
#include "app/surface/Tessellation.h"

namespace Bezier {
namespace {

// C(d, k) t^k (1 - t)^(d - k) with the binomial as an exact product, in extended precision.
long double Direct(int d, int k, long double t) {
  long double c = 1;
  for (int i = 1; i <= k; ++i) c = c * (d - k + i) / i;
  return c * std::pow(t, k) * std::pow(1 - t, d - k);
}

TVec3 DirectPoint(const TPatch& s, double u, double v) {
  long double sum[3] = {};
  for (int i = 0; i < s.M(); ++i)
    for (int j = 0; j < s.N(); ++j)
      for (int c = 0; c < 3; ++c)
        sum[c] += Direct(s.M() - 1, i, u) * Direct(s.N() - 1, j, v) * s.P(i, j)[c];
  return {static_cast<double>(sum[0]), static_cast<double>(sum[1]), static_cast<double>(sum[2])};
}

void ExpectNear(const TVec3& a, const TVec3& b, double tolerance) {
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(a[c], b[c], tolerance) << "axis " << c;
}

TPatch RandomPatch(int m, int n, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> value(-300, 300);
  std::vector<TVec3> net;
  for (int k = 0; k < m * n; ++k)
    net.push_back({double(value(random)), double(value(random)), double(value(random))});
  return TPatch(m, n, net);
}

TEST(Bernstein, WeightsAreTheBinomialFormula) {
  for (const int d : {0, 1, 3, 13, 20, 60}) {
    for (const double t : {0.0, 0.001, 0.25, 0.5, 0.9, 1.0, 1.0010000000000003, -0.5}) {
      std::vector<double> b(d + 1);
      Bernstein(d, t, b);
      for (int k = 0; k <= d; ++k)
        EXPECT_NEAR(b[k], Direct(d, k, t), 1e-13 * std::max(1.0L, std::fabs(Direct(d, k, t))))
            << "d " << d << " t " << t << " k " << k;
    }
  }
}

TEST(Bernstein, LargestDegreeSumsToOneWithoutOverflow) {
  // C(9999, 4999) is far beyond any double; the weights are not.
  std::vector<double> b(10000);
  Bernstein(9999, 0.5, b);
  double sum = 0;
  for (const double w : b) sum += w;
  EXPECT_NEAR(sum, 1.0, 1e-12);
  EXPECT_EQ(b[4999], b[5000]);              // the two middle terms of a symmetric row
  EXPECT_NEAR(b[4999], 0.007978646, 1e-9);  // about sqrt(2 / (pi x 9999))
  EXPECT_EQ(b[0], 0.0);
}

TEST(Bernstein, DerivativeIsDegreeTimesLowerDifference) {
  for (const double t : {0.0, 0.3, 1.0}) {
    std::vector<double> db(6);
    BernsteinDerivative(5, t, db);
    for (int k = 0; k <= 5; ++k) {
      const long double lower = (k > 0 ? Direct(4, k - 1, t) : 0) - (k < 5 ? Direct(4, k, t) : 0);
      EXPECT_NEAR(db[k], 5 * lower, 1e-12) << "t " << t << " k " << k;
    }
  }
}

TEST(Patch, PointsAreTheIndependentSum) {
  for (const auto& [m, n] : {std::pair{2, 2}, {5, 7}, {1, 4}, {20, 20}}) {
    const TPatch s = RandomPatch(m, n, 7);
    ExpectNear(s.Point(0, 0), s.P(0, 0), 1e-9);
    ExpectNear(s.Point(1, 1), s.P(m - 1, n - 1), 1e-9);
    for (const double u : {0.1, 0.5, 0.77})
      for (const double v : {0.0, 0.33, 0.9}) {
        ExpectNear(s.Point(u, v), DirectPoint(s, u, v), 1e-9);
        // Either order of the two curve directions gives the same point.
        ExpectNear(CurvePoint(s.CurveAtV(v), u), s.Point(u, v), 1e-9);
      }
  }
}

// A flat net in z = 0 with point (i, j) at x = 10 j, y = 10 i: u runs down, v to the right, so
// the front (dS/du x dS/dv = +Y x +X) faces -Z, towards the viewer of the main window.
TPatch Flat(int m, int n, bool collapseFirstCurve) {
  std::vector<TVec3> net;
  for (int i = 0; i < m; ++i)
    for (int j = 0; j < n; ++j)
      net.push_back({collapseFirstCurve && i == 0 ? 0.0 : 10.0 * j, 10.0 * i, 0});
  return TPatch(m, n, net);
}

TEST(Patch, FramesGiveDerivativesAndTheFrontNormal) {
  const TSurfaceFrame f = Flat(3, 4, false).Frame(0.5, 0.5);
  ExpectNear(f.DU, {0, 20, 0}, 1e-12);  // degree 2 over 20 units
  ExpectNear(f.DV, {30, 0, 0}, 1e-12);  // degree 3 over 30 units
  ExpectNear(f.Normal, {0, 0, -1}, 1e-12);
  // Where the first curve collapses to a point the surface beside it gives the normal.
  ExpectNear(Flat(3, 4, true).Frame(0, 0.5).Normal, {0, 0, -1}, 1e-9);
  // A single curve has no surface and so no normal, but no division by zero either.
  EXPECT_EQ(Flat(1, 4, false).Frame(0.5, 0.5).Normal, TVec3{});
}

TEST(Tessellation, VerticesAreSurfacePointsWithTheirNormals) {
  const TPatch s = RandomPatch(4, 6, 3);
  const TTessellation t = Tessellate(s, 8, 5);
  ASSERT_EQ(t.Points.size(), 9u * 6u);
  for (int a = 0; a <= 8; ++a)
    for (int b = 0; b <= 5; ++b) {
      const int k = t.Index(a, b);
      EXPECT_EQ(t.UV[k][0], a / 8.0);
      EXPECT_EQ(t.UV[k][1], b / 5.0);
      ExpectNear(t.Points[k], DirectPoint(s, a / 8.0, b / 5.0), 1e-9);
      ExpectNear(t.Normals[k], s.Frame(a / 8.0, b / 5.0).Normal, 1e-9);
    }
  // The collapsed first curve: its row of vertices still has the plane's normal.
  const TTessellation flat = Tessellate(Flat(3, 4, true), 2, 3);
  for (int b = 0; b <= 3; ++b) ExpectNear(flat.Normals[flat.Index(0, b)], {0, 0, -1}, 1e-9);
}

}  // namespace
}  // namespace Bezier
