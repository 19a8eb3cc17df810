#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "app/BezierSurface.h"
#include "framework/runtime/Exceptions.h"

namespace Bezier {
namespace {

constexpr std::int64_t Indefinite = std::numeric_limits<std::int64_t>::min();

TEST(Factorial, SmallValuesAndTwelve) {
  EXPECT_EQ(Factorial(0), 1);
  EXPECT_EQ(Factorial(1), 1);
  EXPECT_EQ(Factorial(-5), 1);
  EXPECT_EQ(Factorial(5), 120);
  EXPECT_EQ(Factorial(12), 479001600);
}

TEST(Factorial, WrapsInThirtyTwoBits) {
  EXPECT_EQ(Factorial(13), 1932053504);  // 6227020800 - 2^32
  EXPECT_EQ(Factorial(17), -288522240);  // wraps into the negative half
  EXPECT_EQ(Factorial(33), std::numeric_limits<std::int32_t>::min());  // 2^31 x odd
  EXPECT_EQ(Factorial(34), 0);
  EXPECT_EQ(Factorial(std::numeric_limits<std::int32_t>::max()), 0);
}

TEST(Binomial, ExactUpToTwelve) {
  EXPECT_EQ(Binomial(0, 0), 1);
  EXPECT_EQ(Binomial(5, 0), 1);
  EXPECT_EQ(Binomial(5, 5), 1);
  EXPECT_EQ(Binomial(4, 2), 6);
  EXPECT_EQ(Binomial(8, 3), 56);
  EXPECT_EQ(Binomial(9, 4), 126);
  EXPECT_EQ(Binomial(12, 6), 924);
}

TEST(Binomial, WrappedFactorialsAndZeroDivisors) {
  EXPECT_EQ(Binomial(13, 6), 532);  // 1932053504 / (720 x 5040) = 532.42
  EXPECT_EQ(Binomial(3, 5), 0);     // 6 / 120 rounds to 0
  // 40! wraps to 0: an infinite quotient, stored as the integer indefinite.
  EXPECT_EQ(Binomial(5, 40), 0);
  // Both sides wrap to 0: an undefined quotient, also 0.
  EXPECT_EQ(Binomial(34, 32), 0);
  // n is negative and n - k lies below the 32-bit range: 1 / (1 x 1), without overflow.
  EXPECT_EQ(Binomial(std::numeric_limits<std::int32_t>::min(), 1), 1);
}

TEST(IntPower, ZeroExponentAndZeroBase) {
  EXPECT_EQ(IntPower(0.0L, 0), 1.0L);
  EXPECT_EQ(IntPower(2.5L, 0), 1.0L);
  EXPECT_EQ(IntPower(0.0L, 1), 0.0L);
  EXPECT_EQ(IntPower(0.0L, 7), 0.0L);
}

TEST(IntPower, PositiveAndNegativeBases) {
  EXPECT_EQ(IntPower(2.0L, 10), 1024.0L);
  EXPECT_EQ(IntPower(3.0L, 13), 1594323.0L);
  EXPECT_EQ(IntPower(0.5L, 20), 1.0L / 1048576.0L);
  EXPECT_EQ(IntPower(-0.5L, 3), -0.125L);
  EXPECT_EQ(IntPower(-2.0L, 2), 4.0L);
  EXPECT_EQ(IntPower(-1.0L, 7), -1.0L);
  // 1 - u for u = 1.001, as the last outer parameter gives.
  EXPECT_NEAR(static_cast<double>(IntPower(1.0L - 1.001L, 2)), 1e-6, 1e-15);
}

TEST(Round, HalvesGoToEven) {
  EXPECT_EQ(Round(2.5L), 2);
  EXPECT_EQ(Round(3.5L), 4);
  EXPECT_EQ(Round(-2.5L), -2);
  EXPECT_EQ(Round(-3.5L), -4);
  EXPECT_EQ(Round(0.4999L), 0);
  EXPECT_EQ(Round(-0.4999L), 0);
  EXPECT_EQ(Round(1e15L + 0.5L), 1000000000000000);
}

TEST(Round, OutOfRangeAndNanGiveIntegerIndefinite) {
  EXPECT_EQ(Round(0x1p63L - 1.0L), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(Round(-0x1p63L), Indefinite);        // in range, and the same bits
  EXPECT_EQ(Round(0x1p63L - 0.5L), Indefinite);  // rounds up to 2^63
  EXPECT_EQ(Round(1e30L), Indefinite);
  EXPECT_EQ(Round(-1e30L), Indefinite);
  EXPECT_EQ(Round(std::numeric_limits<long double>::infinity()), Indefinite);
  EXPECT_EQ(Round(-std::numeric_limits<long double>::infinity()), Indefinite);
  EXPECT_EQ(Round(std::numeric_limits<long double>::quiet_NaN()), Indefinite);
}

MatA Net(std::initializer_list<std::initializer_list<std::array<std::int32_t, 3>>> curves) {
  MatA points;
  for (const auto& curve : curves) {
    auto& row = points.emplace_back();
    for (const auto& p : curve) row.push_back({p[0], p[1], p[2]});
  }
  return points;
}

TEST(SurfacePoint, EveryTermIsRoundedOnItsOwn) {
  // Four terms of 0.25 each vanish, although their sum is 1.
  const MatA ones = Net({{{1, 1, 1}, {1, 1, 1}}, {{1, 1, 1}, {1, 1, 1}}});
  EXPECT_EQ(SurfacePoint(1, 1, ones, 0.5, 0.5), (std::array<std::int32_t, 3>{0, 0, 0}));
  EXPECT_EQ(SurfacePoint(1, 1, ones, 0.001, 0.0005), (std::array<std::int32_t, 3>{1, 1, 1}));
  // 5 x 0.5 = 2.5 goes down to 2, 7 x 0.5 = 3.5 up to 4.
  const MatA line = Net({{{5, 0, 0}}, {{7, 0, 0}}});
  EXPECT_EQ(SurfacePoint(1, 0, line, 0.5, 0.25)[0], 6);
}

TEST(SurfacePoint, CubicCurvesAtTheirMiddle) {
  const MatA net = Net({{{0, 0, 0}, {100, 0, 0}, {200, 0, 0}, {300, 0, 0}},
                        {{0, 100, 40}, {100, 100, 40}, {200, 100, 40}, {300, 100, 40}}});
  // X: 0 + 37.5 + 75 + 37.5 with the halves going up to 38 gives 151, not 150.
  EXPECT_EQ(SurfacePoint(1, 3, net, 0.0, 0.5), (std::array<std::int32_t, 3>{151, 0, 0}));
  // Y: 12.5 + 37.5 + 37.5 + 12.5 gives 12 + 38 + 38 + 12; Z: 5 + 15 + 15 + 5.
  EXPECT_EQ(SurfacePoint(1, 3, net, 1.0, 0.5), (std::array<std::int32_t, 3>{151, 100, 40}));
}

TEST(SurfacePoint, AStoreSmallerThanTheNetIsAnError) {
  const MatA net = Net({{{1, 2, 3}, {4, 5, 6}}});
  EXPECT_THROW(SurfacePoint(1, 1, net, 0.5, 0.5), framework::EListError);
  EXPECT_THROW(SurfacePoint(0, 2, net, 0.5, 0.5), framework::EListError);
  // No curves at all is an empty sum.
  EXPECT_EQ(SurfacePoint(-1, -1, {}, 0.5, 0.5), (std::array<std::int32_t, 3>{0, 0, 0}));
}

TEST(SurfacePoint, WrappingProductsAndSumsStayDefined) {
  const std::int32_t big = std::numeric_limits<std::int32_t>::max();
  // Binomial(2, 1) x big wraps to -2, so the middle curve adds two terms of -0.25, which vanish;
  // the outer curves add four terms of big / 8 = 268435455.875.
  const MatA three = Net({{{big, big, big}, {big, big, big}},
                          {{big, big, big}, {big, big, big}},
                          {{big, big, big}, {big, big, big}}});
  EXPECT_EQ(SurfacePoint(2, 1, three, 0.5, 0.5)[0], 1 << 30);
  // Two terms of big / 2 round to 2^30 each; their sum wraps.
  const MatA two = Net({{{big, 0, 0}}, {{big, 0, 0}}});
  EXPECT_EQ(SurfacePoint(1, 0, two, 0.5, 0.5)[0], std::numeric_limits<std::int32_t>::min());
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

TEST(Project, ObliqueShiftOfDepth) {
  std::int32_t x = 0, y = 0, z = 0;
  Project(x, y, z);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);

  // 100 x 0.2121 = 21.21: x rounds to 21, y goes up to 22, z becomes 0.
  x = 0, y = 0, z = 100;
  Project(x, y, z);
  EXPECT_EQ(x, 21);
  EXPECT_EQ(y, 22);
  EXPECT_EQ(z, 0);

  x = 10, y = 20, z = -100;
  Project(x, y, z);
  EXPECT_EQ(x, 10 - 21);
  EXPECT_EQ(y, 20 - 21);
  EXPECT_EQ(z, 0);
}

TEST(Project, FactorsAreThreeTenthsOfHalfTheDiagonal) {
  // 10^9 x 0.3 x cos(pi/4) = 212132034.356, which pins the factor to nine digits.
  std::int32_t x = 0, y = 0, z = 1000000000;
  Project(x, y, z);
  EXPECT_EQ(x, 212132034);
  EXPECT_EQ(y, 212132035);
}

TEST(Project, HugeCoordinatesKeepTheLowBits) {
  const std::int32_t big = std::numeric_limits<std::int32_t>::max();
  std::int32_t x = big, y = big, z = big;
  Project(x, y, z);
  // 2147483647 + 455550074.78 = 2603033721.78 does not fit: its low 32 bits remain.
  EXPECT_EQ(x, static_cast<std::int32_t>(2603033722u));
  EXPECT_EQ(y, static_cast<std::int32_t>(2603033722u));
}

TEST(Parameters, OuterLoopsTakeTwentyOneValues) {
  const std::vector<double> outer = OuterParameters();
  ASSERT_EQ(outer.size(), 21u);
  EXPECT_EQ(outer.front(), 0.001);
  EXPECT_EQ(outer[1], 0.051);
  EXPECT_EQ(outer.back(), 1.0010000000000003);
}

TEST(Parameters, InnerLoopsTakeTwoThousandValuesBothWays) {
  const std::vector<double> below = InnerParameters(false);
  ASSERT_EQ(below.size(), 2000u);
  EXPECT_EQ(below.front(), 0.0005);
  EXPECT_EQ(below[1], 0.001);
  EXPECT_EQ(below.back(), 0.9999999999999453);
  EXPECT_EQ(InnerParameters(true), below);
}

TEST(SizePoints, GrowsKeepsAndZeroes) {
  MatA points;
  SizePoints(points, 2, 3);
  ASSERT_EQ(points.size(), 2u);
  for (const auto& curve : points) {
    ASSERT_EQ(curve.size(), 3u);
    for (const auto& p : curve) EXPECT_EQ(p, (std::vector<std::int32_t>{0, 0, 0}));
  }
  points[1][2] = {7, 8, 9};
  SizePoints(points, 3, 4);
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[1][2], (std::vector<std::int32_t>{7, 8, 9}));
  EXPECT_EQ(points[2][3], (std::vector<std::int32_t>{0, 0, 0}));
  // Never shrinks.
  SizePoints(points, 1, 1);
  EXPECT_EQ(points.size(), 3u);
  EXPECT_EQ(points[1].size(), 4u);
}

TEST(SizePoints, CountsBelowOneSizeNothingAndHugeOnesAreRefused) {
  MatA points;
  SizePoints(points, 0, 5);
  SizePoints(points, 5, -1);
  SizePoints(points, std::numeric_limits<std::int32_t>::min(), 3);
  EXPECT_TRUE(points.empty());
  EXPECT_THROW(SizePoints(points, 101, 100), framework::EConvertError);
  EXPECT_THROW(SizePoints(points, std::numeric_limits<std::int32_t>::max(), 2),
               framework::EConvertError);
  EXPECT_TRUE(points.empty());
}

}  // namespace
}  // namespace Bezier
