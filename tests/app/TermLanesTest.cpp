// Every block kernel the processor can run against the same sums worked out one term at a time.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "app/BezierTermLanes.h"

namespace Bezier {
namespace {

// The kernel's contract with the library's rounding (to nearest, ties to even).
TBlockSums OneByOne(const TBlockTerms& terms) {
  TBlockSums result{};
  for (std::size_t lane = 0; lane < Lanes; ++lane) {
    std::uint32_t sum = 0;
    bool passed = true;
    std::size_t t = 0;
    for (std::int32_t i = 0; i <= terms.q; ++i) {
      for (std::int32_t j = 0; j <= terms.p; ++j, ++t) {
        const double value = terms.f[t] * terms.g[i * terms.strideI + j * terms.strideJ + lane];
        const double nearest = std::nearbyint(value);
        passed = passed && std::fabs(value - nearest) < terms.limit[t];
        if (passed) sum += static_cast<std::uint32_t>(static_cast<std::int64_t>(nearest));
      }
    }
    result.sum[lane] = static_cast<std::int32_t>(sum);
    result.passed[lane] = passed;
  }
  return result;
}

// Three curves of four points, G in both layouts. F is a quarter of an odd number or a whole
// number and G mostly odd, so products fall on quarters and wholes, positive and negative, and
// round cleanly; lane 3 has G = 2, which puts its odd quarters exactly on halves, and lane 9
// has NaN: those two fail.
TEST(BlockKernels, AgreeWithTheTermsOneByOne) {
  constexpr std::int32_t q = 2, p = 3;
  std::mt19937 random(8);
  std::uniform_int_distribution<int> quarters(-4000, 4000);
  std::vector<double> f, limit;
  for (int t = 0; t < (q + 1) * (p + 1); ++t) {
    const int a = quarters(random);
    f.push_back((a % 4 == 2 || a % 4 == -2 ? a + 1 : a) / 4.0);
    limit.push_back(0.5 - 0x1p-30);
  }
  for (const bool alongJ : {true, false}) {
    SCOPED_TRACE(alongJ ? "G along j" : "G along i");
    const std::size_t count = alongJ ? p + 1 : q + 1;
    std::vector<double> g(count * Lanes);
    for (std::size_t k = 0; k < count; ++k) {
      for (std::size_t lane = 0; lane < Lanes; ++lane) {
        g[k * Lanes + lane] = lane == 3   ? 2.0
                              : lane == 9 ? std::numeric_limits<double>::quiet_NaN()
                                          : static_cast<double>(2 * (lane % 5 + k) + 1);
      }
    }
    const TBlockTerms terms{
        f.data(), limit.data(), g.data(), alongJ ? 0 : Lanes, alongJ ? Lanes : 0, q, p};
    const TBlockSums expected = OneByOne(terms);
    for (std::size_t lane = 0; lane < Lanes; ++lane) {
      ASSERT_EQ(expected.passed[lane], lane != 3 && lane != 9) << lane;
    }
    for (const TBlockKernel kernel : BlockKernels()) {
      const TBlockSums got = kernel(terms);
      for (std::size_t lane = 0; lane < Lanes; ++lane) {
        EXPECT_EQ(got.passed[lane], expected.passed[lane]) << lane;
        if (expected.passed[lane]) {
          EXPECT_EQ(got.sum[lane], expected.sum[lane]) << lane;
        }
      }
    }
  }
}

}  // namespace
}  // namespace Bezier
