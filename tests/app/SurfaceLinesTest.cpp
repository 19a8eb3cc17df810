// The fast surface passes against the stated arithmetic, point for point.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <vector>

#include "app/BezierSurface.h"
#include "tests/support/SurfaceReference.h"

namespace Bezier {
namespace {

constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();

MatA Table(std::int32_t m, std::int32_t n, const std::function<std::int32_t()>& value) {
  MatA points;
  SizePoints(points, m, n);
  for (auto& curve : points) {
    for (auto& point : curve) {
      for (std::int32_t& c : point) c = value();
    }
  }
  return points;
}

// Compares every point of SurfaceLines with the reference and reports the first difference.
void ExpectReferencePoints(std::int32_t q, std::int32_t p, const MatA& points, TFixed fixed,
                           const std::vector<double>& outer, const std::vector<double>& inner) {
  const std::vector<TSurfacePoint> fast = SurfaceLines(q, p, points, fixed, outer, inner);
  ASSERT_EQ(fast.size(), outer.size() * inner.size());
  for (std::size_t line = 0; line < outer.size(); ++line) {
    for (std::size_t k = 0; k < inner.size(); ++k) {
      const double u = fixed == TFixed::U ? outer[line] : inner[k];
      const double v = fixed == TFixed::U ? inner[k] : outer[line];
      const TSurfacePoint expected = reference::SurfacePoint(q, p, points, u, v);
      const TSurfacePoint& got = fast[line * inner.size() + k];
      if (got != expected) {
        ADD_FAILURE() << "q " << q << ", p " << p << ", u " << u << ", v " << v << ": fast ("
                      << ::testing::PrintToString(got) << "), reference ("
                      << ::testing::PrintToString(expected) << ")";
        return;
      }
    }
  }
}

// Both passes of the drawing, with the parameters the drawing takes.
void ExpectDrawingPoints(const MatA& points) {
  const auto q = static_cast<std::int32_t>(points.size()) - 1;
  const auto p = static_cast<std::int32_t>(points[0].size()) - 1;
  ExpectReferencePoints(q, p, points, TFixed::U, OuterParameters(), InnerParameters(false));
  ExpectReferencePoints(q, p, points, TFixed::V, OuterParameters(), InnerParameters(true));
}

// Every count the table accepts, one test per m so that the sizes run side by side.
class SurfaceLinesAllSizes : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(SurfaceLinesAllSizes, RandomTablesAsRandomizeFillsThem) {
  const std::int32_t m = GetParam();
  std::mt19937 random(1000 + m);
  std::uniform_int_distribution<std::int32_t> cell(1, 299);
  for (std::int32_t n = 2; n <= 9; ++n) {
    ExpectDrawingPoints(Table(m, n, [&] { return cell(random); }));
  }
}

INSTANTIATE_TEST_SUITE_P(Counts, SurfaceLinesAllSizes, ::testing::Range(2, 10));

TEST(SurfaceLines, NegativeAndZeroCoordinates) {
  std::mt19937 random(77);
  std::uniform_int_distribution<std::int32_t> cell(-299, 299);
  std::uniform_int_distribution<int> zero(0, 3);
  const auto value = [&] { return zero(random) == 0 ? 0 : cell(random); };
  ExpectDrawingPoints(Table(6, 7, value));
  ExpectDrawingPoints(Table(3, 2, [] { return 0; }));
}

// Coordinates a file may hold: the 32-bit first factor wraps, terms reach 2^30 and the sums
// wrap. 13 points is the largest count summed term by term.
TEST(SurfaceLines, CoordinatesNearTheThirtyTwoBitExtremes) {
  std::mt19937 random(2024);
  const std::int32_t extremes[] = {Min32, Min32 + 1, Max32, Max32 - 1, 1 << 30, -(1 << 30)};
  std::uniform_int_distribution<int> pick(0, 7);
  std::uniform_int_distribution<std::int32_t> any(Min32, Max32);
  const auto value = [&] {
    const int k = pick(random);
    return k < 6 ? extremes[k] : any(random);
  };
  ExpectDrawingPoints(Table(9, 9, value));
  ExpectDrawingPoints(Table(2, 5, value));
  ExpectDrawingPoints(Table(13, 2, value));
}

struct TChosenCase {
  const char* what;
  std::int32_t q, p;
  MatA points;
  double u, v;
  TSurfacePoint expected;
};

// Terms on a half, and one unit in the last place (of the 64-bit mantissa) either side of it.
const TChosenCase ChosenCases[] = {
    // One curve of two points at v = 1/2: each axis twice P x 1/2. 1.5 -> 2, 2.5 -> 2,
    // -1.5 -> -2, twice each.
    {"ties to even", 0, 1, {{{3, 5, -3}, {3, 5, -3}}}, 0.25, 0.5, {4, 4, -4}},
    // Four terms P / 4 at u = v = 1/2: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2, four times each.
    {"quarters", 1, 1, {{{2, 6, 10}, {2, 6, 10}}, {{2, 6, 10}, {2, 6, 10}}}, 0.5, 0.5, {0, 8, 8}},
    // u = 2^-64: 3 (1 - 2^-64) rounds to 3 - 2^-62, half of it is 1.5 - 2^-63, one unit below
    // 1.5, so 1; 7 likewise gives 3.5 - 2^-62, so 3; -7 gives -3. Twice each; the second
    // curve's terms (0 x 2^-65) vanish.
    {"one unit below a half",
     1,
     1,
     {{{3, 7, -7}, {3, 7, -7}}, {{0, 0, 0}, {0, 0, 0}}},
     0x1p-64,
     0.5,
     {2, 6, -6}},
    // u = -2^-63: 1 + 2^-63 is exact, half of it 0.5 + 2^-64, so 1; 5 (1 + 2^-63) rounds to
    // 5 + 2^-61, half of it 2.5 + 2^-62, so 3; -1 gives -1. Twice each.
    {"one unit above a half",
     1,
     1,
     {{{1, 5, -1}, {1, 5, -1}}, {{0, 0, 0}, {0, 0, 0}}},
     -0x1p-63,
     0.5,
     {2, 6, -2}},
    // u = 2^40: P (1 - u) and P u. X: both beyond 2^63, the integer indefinite, whose low 32
    // bits are 0. Y: 1 - 2^40 and 2^40 keep 1 and 0 in their low 32 bits.
    {"integer indefinite", 1, 0, {{{Max32, 1, 0}}, {{Max32, 1, 0}}}, 0x1p40, 0.5, {0, 1, 0}},
};

TEST(SurfaceLines, ChosenTermsOnAndBesideAHalf) {
  for (const TChosenCase& c : ChosenCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(reference::SurfacePoint(c.q, c.p, c.points, c.u, c.v), c.expected);
    const std::vector<double> u{c.u}, v{c.v};
    EXPECT_EQ(SurfaceLines(c.q, c.p, c.points, TFixed::U, u, v),
              std::vector<TSurfacePoint>{c.expected});
    EXPECT_EQ(SurfaceLines(c.q, c.p, c.points, TFixed::V, v, u),
              std::vector<TSurfacePoint>{c.expected});
  }
}

// Parameters the drawing never takes, which SurfaceLines accepts all the same: beyond the
// patch, huge, tiny, subnormal, infinite, not a number; lines of lengths around a block.
TEST(SurfaceLines, AnyParameters) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<double> outer{-3.0, 1.0, 0.0, 2.5e9, inf, nan};
  std::vector<double> inner{0.5, -0.75, 1e-300, 0x1p-1074, 1e300, -inf, nan, 1.0, 0.0};
  std::mt19937 random(5);
  std::uniform_real_distribution<double> unit(-0.5, 1.5);
  while (inner.size() < 17) inner.push_back(unit(random));
  std::uniform_int_distribution<std::int32_t> any(Min32, Max32);
  for (const MatA& points : {Table(9, 9, [&] { return any(random); }),
                             Table(3, 4, [k = 0]() mutable { return ++k * 37; })}) {
    const auto q = static_cast<std::int32_t>(points.size()) - 1;
    const auto p = static_cast<std::int32_t>(points[0].size()) - 1;
    for (const TFixed fixed : {TFixed::U, TFixed::V}) {
      ExpectReferencePoints(q, p, points, fixed, outer, inner);
      ExpectReferencePoints(q, p, points, fixed, inner, outer);
    }
  }
}

// From 14 points in a direction on: the true surface, rounded once. A constant net is its own
// surface everywhere, even at 1.001 (the weights sum to 1); the stated sum of such nets draws
// wrapped garbage, and at 100 x 100 rounds every term (each below one half) to 0.
TEST(SurfaceLines, NetsOfFourteenAndMorePointsTakeTheTrueSurface) {
  struct {
    std::int32_t m, n, value;
  } const constant[] = {{14, 2, 7},  {2, 14, 7}, {15, 15, 150},
                        {1, 40, -3}, {40, 1, 5}, {100, 100, 1}};
  for (const auto& c : constant) {
    const MatA points = Table(c.m, c.n, [&] { return c.value; });
    for (const TFixed fixed : {TFixed::U, TFixed::V}) {
      const std::vector<TSurfacePoint> line =
          SurfaceLines(c.m - 1, c.n - 1, points, fixed, OuterParameters(), InnerParameters(true));
      const auto off = std::find_if(line.begin(), line.end(), [&](const TSurfacePoint& s) {
        return s != TSurfacePoint{c.value, c.value, c.value};
      });
      EXPECT_EQ(off, line.end()) << c.m << " x " << c.n << ": " << ::testing::PrintToString(*off);
    }
  }
  // P[i][j] = (10 i, 20 j, i + j) is linear, so S(u, v) = (10 q u, 20 p v, q u + p v), rounded
  // once: q = 14, p = 1 at u = 0.25, v = 0.5 gives (35, 10, 3.5 + 0.5 = 4); at u = 0.125
  // (17.5 -> 18, 10, 1.75 + 0.5 = 2.25 -> 2).
  MatA linear;
  SizePoints(linear, 15, 2);
  for (std::int32_t i = 0; i < 15; ++i)
    for (std::int32_t j = 0; j < 2; ++j) linear[i][j] = {10 * i, 20 * j, i + j};
  const std::vector<double> u{0.25, 0.125}, v{0.5};
  EXPECT_EQ(SurfaceLines(14, 1, linear, TFixed::V, v, u),
            (std::vector<TSurfacePoint>{{35, 10, 4}, {18, 10, 2}}));
  EXPECT_EQ(SurfacePoint(14, 1, linear, 0.125, 0.5), (TSurfacePoint{18, 10, 2}));
  // Beyond 32 bits: with P[0] = Min32 and P[13] = Max32 (the rest 0), 1.001 gives about
  // 1.001^13 Max32 and -0.001 about 1.001^13 Min32; the nearest 32-bit values stand, and an
  // undefined parameter gives the least.
  MatA extreme;
  SizePoints(extreme, 14, 1);
  extreme[0][0] = {Min32, 0, 0};
  extreme[13][0] = {Max32, 0, 0};
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(SurfaceLines(13, 0, extreme, TFixed::U, std::vector<double>{1.001, -0.001, nan},
                         std::vector<double>{0.5}),
            (std::vector<TSurfacePoint>{{Max32, 0, 0}, {Min32, 0, 0}, {Min32, Min32, Min32}}));
}

}  // namespace
}  // namespace Bezier
