#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "app/BezierSurface.h"
#include "framework/runtime/Exceptions.h"

namespace Bezier {
namespace {

constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t Indefinite = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t Max64 = std::numeric_limits<std::int64_t>::max();
constexpr long double NaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double Inf = std::numeric_limits<long double>::infinity();

// 13! = 6227020800 - 2^32; 17! wraps into the negative half; 33! is 2^31 x odd.
TEST(Factorial, ExactUpToTwelveThenWrapsInThirtyTwoBits) {
  const std::pair<std::int32_t, std::int32_t> cases[] = {
      {0, 1},           {1, 1},           {-5, 1},     {5, 120}, {12, 479001600},
      {13, 1932053504}, {17, -288522240}, {33, Min32}, {34, 0},  {Max32, 0}};
  for (const auto& [k, expected] : cases) EXPECT_EQ(Factorial(k), expected) << k;
}

// 13 over 6 is 1932053504 / (720 x 5040) = 532.42; 3 over 5 is 6 / 120, rounded to 0. 40!
// wraps to 0: an infinite quotient, stored as the integer indefinite; 34 over 32 wraps both
// sides to 0: an undefined quotient, also 0. A negative n with n - k below the 32-bit range is
// 1 / (1 x 1), without overflow.
TEST(Binomial, ExactUpToTwelveThenFromWrappedFactorials) {
  const std::array<std::int32_t, 3> cases[] = {
      {0, 0, 1},    {5, 0, 1},    {5, 5, 1}, {4, 2, 6},  {8, 3, 56},  {9, 4, 126},
      {12, 6, 924}, {13, 6, 532}, {3, 5, 0}, {5, 40, 0}, {34, 32, 0}, {Min32, 1, 1}};
  for (const auto& [n, k, expected] : cases) EXPECT_EQ(Binomial(n, k), expected) << n << " " << k;
}

TEST(IntPower, ExactForZeroPositiveAndNegativeBases) {
  const struct {
    long double t;
    std::int32_t k;
    long double expected;
  } cases[] = {{0.0L, 0, 1.0L},     {2.5L, 0, 1.0L},
               {0.0L, 1, 0.0L},     {0.0L, 7, 0.0L},
               {2.0L, 10, 1024.0L}, {3.0L, 13, 1594323.0L},
               {-0.5L, 3, -0.125L}, {-2.0L, 2, 4.0L},
               {-1.0L, 7, -1.0L},   {0.5L, 20, 1.0L / 1048576.0L}};
  for (const auto& c : cases) EXPECT_EQ(IntPower(c.t, c.k), c.expected) << c.t << "^" << c.k;
  // 1 - u for u = 1.001, as the last outer parameter gives.
  EXPECT_NEAR(static_cast<double>(IntPower(1.0L - 1.001L, 2)), 1e-6, 1e-15);
}

// 2^63 - 1 is the largest in range; -2^63 is in range too, and the same bits as the
// indefinite; 2^63 - 0.5 rounds up to 2^63.
TEST(Round, HalvesGoToEvenAndOutOfRangeOrNanGivesIntegerIndefinite) {
  const std::pair<long double, std::int64_t> cases[] = {
      {2.5L, 2},
      {3.5L, 4},
      {-2.5L, -2},
      {-3.5L, -4},
      {0.4999L, 0},
      {-0.4999L, 0},
      {1e15L + 0.5L, 1000000000000000},
      {0x1p63L - 1.0L, Max64},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(Round(value), expected) << value;
  for (const long double value : {-0x1p63L, 0x1p63L - 0.5L, 1e30L, -1e30L, Inf, -Inf, NaN})
    EXPECT_EQ(Round(value), Indefinite) << value;
}

MatA Net(std::initializer_list<std::initializer_list<std::array<std::int32_t, 3>>> curves) {
  MatA points;
  for (const auto& curve : curves) {
    auto& row = points.emplace_back();
    for (const auto& p : curve) row.push_back({p[0], p[1], p[2]});
  }
  return points;
}

TEST(SurfacePoint, EveryTermIsRoundedOnItsOwnAndSumsWrap) {
  const MatA ones = Net({{{1, 1, 1}, {1, 1, 1}}, {{1, 1, 1}, {1, 1, 1}}});
  const MatA cubics = Net({{{0, 0, 0}, {100, 0, 0}, {200, 0, 0}, {300, 0, 0}},
                           {{0, 100, 40}, {100, 100, 40}, {200, 100, 40}, {300, 100, 40}}});
  const std::array<std::int32_t, 3> big{Max32, Max32, Max32};
  const MatA bigs = Net({{big, big}, {big, big}, {big, big}});
  const struct {
    const char* what;
    std::int32_t q, p;
    MatA net;
    double u, v;
    TSurfacePoint expected;
  } cases[] = {
      {"four terms of 0.25 vanish, although their sum is 1", 1, 1, ones, 0.5, 0.5, {0, 0, 0}},
      {"one term near 1", 1, 1, ones, 0.001, 0.0005, {1, 1, 1}},
      // 5 x 0.5 = 2.5 goes down to 2, 7 x 0.5 = 3.5 up to 4.
      {"halves to even", 1, 0, Net({{{5, 0, 0}}, {{7, 0, 0}}}), 0.5, 0.25, {6, 0, 0}},
      // X: 0 + 37.5 + 75 + 37.5 with the halves going up to 38 gives 151, not 150.
      {"cubic, first curve", 1, 3, cubics, 0.0, 0.5, {151, 0, 0}},
      // Y: 12.5 + 37.5 + 37.5 + 12.5 gives 12 + 38 + 38 + 12; Z: 5 + 15 + 15 + 5.
      {"cubic, second curve", 1, 3, cubics, 1.0, 0.5, {151, 100, 40}},
      // Binomial(2, 1) x big wraps to -2, so the middle curve adds two terms of -0.25, which
      // vanish; the outer curves add four terms of big / 8 = 268435455.875.
      {"wrapped product", 2, 1, bigs, 0.5, 0.5, {1 << 30, 1 << 30, 1 << 30}},
      // Two terms of big / 2 round to 2^30 each; their sum wraps.
      {"wrapped sum", 1, 0, Net({{{Max32, 0, 0}}, {{Max32, 0, 0}}}), 0.5, 0.5, {Min32, 0, 0}},
      {"no curves at all is an empty sum", -1, -1, {}, 0.5, 0.5, {0, 0, 0}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SurfacePoint(c.q, c.p, c.net, c.u, c.v), c.expected) << c.what;

  const MatA one = Net({{{1, 2, 3}, {4, 5, 6}}});
  EXPECT_THROW(SurfacePoint(1, 1, one, 0.5, 0.5), framework::EListError);
  EXPECT_THROW(SurfacePoint(0, 2, one, 0.5, 0.5), framework::EListError);
}

TEST(MatMul, AddsTheRowVectorTimesTheUpperLeftBlock) {
  const std::array<std::array<double, 4>, 4> m{{
      {1, 2, 3, 100},
      {4, 5, 6, 100},
      {7, 8, 9, 100},
      {100, 100, 100, 100},
  }};
  std::array<double, 4> res{1, 1, 1, 1};
  MatMul({1, 10, 100, 1000}, m, res);
  EXPECT_EQ(res, (std::array<double, 4>{1 + 741, 1 + 852, 1 + 963, 1}));
}

TEST(Project, ObliqueShiftOfDepthRoundsXToNearestAndYUp) {
  const struct {
    std::int32_t x, y, z, toX, toY;
  } cases[] = {
      {0, 0, 0, 0, 0},
      // 100 x 0.2121 = 21.21: x rounds to 21, y goes up to 22.
      {0, 0, 100, 21, 22},
      {10, 20, -100, 10 - 21, 20 - 21},
      // 10^9 x 0.3 x cos(pi/4) = 212132034.356, which pins the factor to nine digits.
      {0, 0, 1000000000, 212132034, 212132035},
      // 2147483647 + 455550074.78 = 2603033721.78 does not fit: its low 32 bits remain.
      {Max32, Max32, Max32, static_cast<std::int32_t>(2603033722u),
       static_cast<std::int32_t>(2603033722u)},
  };
  for (const auto& c : cases) {
    std::int32_t x = c.x, y = c.y, z = c.z;
    Project(x, y, z);
    EXPECT_EQ((std::array{x, y, z}), (std::array{c.toX, c.toY, 0}))
        << c.x << " " << c.y << " " << c.z;
  }
}

TEST(Parameters, OuterLoopsTakeTwentyOneValuesInnerOnesTwoThousandBothWays) {
  const std::vector<double> outer = OuterParameters();
  ASSERT_EQ(outer.size(), 21u);
  EXPECT_EQ((std::array{outer[0], outer[1], outer[20]}),
            (std::array{0.001, 0.051, 1.0010000000000003}));
  const std::vector<double> inner = InnerParameters(false);
  ASSERT_EQ(inner.size(), 2000u);
  EXPECT_EQ((std::array{inner[0], inner[1], inner[1999]}),
            (std::array{0.0005, 0.001, 0.9999999999999453}));
  EXPECT_EQ(InnerParameters(true), inner);
}

TEST(SizePoints, GrowsKeepsAndZeroesButNeverShrinks) {
  const std::vector<std::int32_t> zero{0, 0, 0}, kept{7, 8, 9};
  MatA points;
  SizePoints(points, 2, 3);
  EXPECT_EQ(points, MatA(2, std::vector(3, zero)));
  points[1][2] = kept;
  SizePoints(points, 3, 4);
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[1][2], kept);
  EXPECT_EQ(points[2][3], zero);
  SizePoints(points, 1, 1);
  EXPECT_EQ(points.size(), 3u);
  EXPECT_EQ(points[1].size(), 4u);
}

TEST(SizePoints, CountsBelowOneSizeNothingAndHugeOnesAreRefused) {
  MatA points;
  for (const auto& [m, n] : {std::pair{0, 5}, {5, -1}, {Min32, 3}}) SizePoints(points, m, n);
  for (const auto& [m, n] : {std::pair{101, 100}, {Max32, 2}})
    EXPECT_THROW(SizePoints(points, m, n), framework::EConvertError) << m << " x " << n;
  EXPECT_TRUE(points.empty());
}

}  // namespace
}  // namespace Bezier
