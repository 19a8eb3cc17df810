#include "app/BezierSurface.h"

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <utility>

#include "app/BezierPointFile.h"
#include "app/BezierSurfaceSum.h"
#include "app/BezierTermLanes.h"
#include "app/BresenhamRun.h"

namespace Bezier {

const double ObliqueKx = static_cast<double>(0.3L * std::cos(0.78539816339744830963L));
const double ObliqueKy = static_cast<double>(0.3L * std::sin(0.78539816339744830963L));

namespace {

// The low 32 bits, as a 32-bit store of a wider integer keeps them.
std::int32_t LowBits(std::int64_t value) {
  return static_cast<std::int32_t>(value);
}

// k! wrapped to 32 bits. From 34! on the product holds 2^32 as a factor, so it wraps to 0; that
// also keeps a huge k from counting for ever.
std::uint32_t WrappedFactorial(std::int64_t k) {
  if (k >= 34) return 0;
  std::uint32_t result = 1;
  for (std::int64_t i = 2; i <= k; ++i) result *= static_cast<std::uint32_t>(i);
  return result;
}

const double kx = ObliqueKx;
const double ky = ObliqueKy;

// The stepping of the surface loops: each step adds in extended precision and rounds to double.
std::vector<double> Steps(double first, long double step, long double limit, bool includeLimit) {
  std::vector<double> values;
  for (double t = first; includeLimit ? t <= limit : t < limit; t = static_cast<double>(t + step)) {
    values.push_back(t);
  }
  return values;
}

void DrawEdge(platform::Canvas& area, const std::vector<std::int32_t>& from,
              const std::vector<std::int32_t>& to) {
  std::int32_t x1 = from[0], y1 = from[1], z1 = from[2];
  std::int32_t x2 = to[0], y2 = to[1], z2 = to[2];
  Project(x1, y1, z1);
  Project(x2, y2, z2);
  DrawLine(area, x1, y1, x2, y2);
}

}  // namespace

void SizePoints(MatA& points, std::int32_t m, std::int32_t n) {
  if (m < 1 || n < 1) return;
  CheckedPointCount(m, n);
  if (points.size() < static_cast<std::size_t>(m)) points.resize(m);
  for (std::int32_t a = 0; a < m; ++a) {
    auto& curve = points[a];
    if (curve.size() < static_cast<std::size_t>(n)) curve.resize(n);
    for (std::int32_t b = 0; b < n; ++b) {
      if (curve[b].size() < 3) curve[b].resize(3);
    }
  }
}

std::int32_t Factorial(std::int32_t k) {
  return static_cast<std::int32_t>(WrappedFactorial(k));
}

std::int32_t Binomial(std::int32_t n, std::int32_t k) {
  const std::uint32_t divisor = WrappedFactorial(k) * WrappedFactorial(std::int64_t{n} - k);
  // An infinite or undefined quotient is stored as the integer indefinite, whose low bits are 0.
  if (divisor == 0) return 0;
  const auto quotient = static_cast<double>(static_cast<long double>(Factorial(n)) /
                                            static_cast<std::int32_t>(divisor));
  return LowBits(Round(quotient));
}

long double IntPower(long double t, std::int32_t k) {
  if (k <= 0) return 1.0L;  // exponents are never negative here
  if (t == 0.0L) return 0.0L;
  long double result = 1.0L;
  long double base = t;
  for (auto bits = static_cast<std::uint32_t>(k);;) {
    if ((bits & 1u) != 0) result = base * result;
    bits >>= 1;
    if (bits == 0) return result;
    base = base * base;
  }
}

std::int64_t Round(long double value) {
  // NaN and whatever rounds beyond 64 bits is the x87's integer indefinite.
  if (!(value >= -0x1p63L && value < 0x1p63L - 0.5L)) {
    return std::numeric_limits<std::int64_t>::min();
  }
  return std::llrint(value);
}

TSurfacePoint SurfacePoint(std::int32_t q, std::int32_t p, const MatA& points, double u, double v) {
  if (TakesTrueSurface(q, p)) {
    const double at[] = {u, v};
    return SurfaceLines(q, p, points, TFixed::U, std::span(at, 1), std::span(at + 1, 1)).front();
  }
  const TNet net(q, p, points);
  TSurfaceSum sum(net);
  sum.SetU(u);
  sum.SetV(v);
  return sum.Point();
}

void MatMul(const std::array<double, 4>& vec, const std::array<std::array<double, 4>, 4>& m,
            std::array<double, 4>& res) {
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      res[i] = static_cast<double>(res[i] + static_cast<long double>(vec[j]) * m[j][i]);
    }
  }
}

void Project(std::int32_t& x, std::int32_t& y, std::int32_t& z) {
  const std::array<std::array<double, 4>, 4> m{{
      {1.0, 0.0, 0.0, 0.0},
      {0.0, 1.0, 0.0, 0.0},
      {kx, ky, 0.0, 0.0},
      {0.0, 0.0, 0.0, 1.0},
  }};
  const std::array<double, 4> vec{static_cast<double>(x), static_cast<double>(y),
                                  static_cast<double>(z), 1.0};
  std::array<double, 4> res{};
  MatMul(vec, m, res);
  x = LowBits(Round(res[0]));
  y = LowBits(Round(std::ceil(res[1])));
  z = LowBits(Round(std::ceil(res[2])));
}

platform::TPoint SurfacePixel(const TSurfacePoint& s) {
  // Project's matrix product without the matrix: the entries 1 and 0 add x or y and exact
  // zeros, leaving x + z kx and y + z ky, product and sum in extended precision, kept as doubles.
  const auto x = static_cast<double>(s[0] + s[2] * static_cast<long double>(kx));
  const auto y = static_cast<double>(s[1] + s[2] * static_cast<long double>(ky));
  // Both lie below 2^32 in magnitude, where RoundingShift rounds as Round does.
  const double nearestX = (x + RoundingShift) - RoundingShift;
  double ceilingY = (y + RoundingShift) - RoundingShift;
  if (ceilingY < y) ceilingY += 1.0;
  // X + 0.5 is a tie between X and X + 1, and goes to the even one of them.
  const auto even = [](double v) {
    const auto bits = static_cast<std::uint32_t>(static_cast<std::int64_t>(v));
    return static_cast<std::int32_t>(bits + (bits & 1));
  };
  return {even(nearestX), even(ceilingY)};
}

void PutPixel(platform::Canvas& area, std::int32_t x, std::int32_t y, platform::TColor color) {
  const std::int64_t px = std::int64_t{x} + DrawOffset;
  const std::int64_t py = std::int64_t{y} + DrawOffset;
  const platform::TRect clip = area.ClipRect();
  if (px < clip.Left || px >= clip.Right || py < clip.Top || py >= clip.Bottom) return;
  area.SetPixel(static_cast<int>(px), static_cast<int>(py), color);
}

void DrawLine(platform::Canvas& area, std::int32_t x1, std::int32_t y1, std::int32_t x2,
              std::int32_t y2) {
  if (x2 < x1) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  const std::int64_t dx = std::int64_t{x2} - x1;
  const std::int64_t dy = std::abs(std::int64_t{y2} - y1);
  const std::int64_t sy = y1 <= y2 ? 1 : -1;
  const platform::TRect clip = area.ClipRect();
  if (dy < dx) {
    // Flat: one pixel per column, the first one blue.
    WalkVisible({x1, y1, 1, sy, dx, dy}, std::int64_t{clip.Left} - DrawOffset,
                std::int64_t{clip.Right} - DrawOffset,
                [&](std::int64_t k, std::int64_t x, std::int64_t y) {
                  PutPixel(area, static_cast<std::int32_t>(x), static_cast<std::int32_t>(y),
                           k == 0 ? platform::clBlue : platform::clBlack);
                });
  } else {
    // Steep, or a single point: one pixel per row.
    WalkVisible({y1, x1, sy, 1, dy, dx}, std::int64_t{clip.Top} - DrawOffset,
                std::int64_t{clip.Bottom} - DrawOffset,
                [&](std::int64_t, std::int64_t y, std::int64_t x) {
                  PutPixel(area, static_cast<std::int32_t>(x), static_cast<std::int32_t>(y),
                           platform::clBlack);
                });
  }
}

std::vector<double> OuterParameters() {
  return Steps(0.001, 0.05L, 1.002L, false);
}

std::vector<double> InnerParameters(bool includeOne) {
  return Steps(0.0005, 0.0005L, 1.0L, includeOne);
}

void DrawNet(platform::Canvas& area, std::int32_t q, std::int32_t p, const MatA& points) {
  CheckNet(q, p, points);
  for (std::int32_t i = 0; i <= q; ++i) {
    for (std::int32_t j = 0; j < p; ++j) DrawEdge(area, points[i][j], points[i][j + 1]);
  }
  for (std::int32_t j = 0; j <= p; ++j) {
    for (std::int32_t i = 0; i < q; ++i) DrawEdge(area, points[i][j], points[i + 1][j]);
  }
}

}  // namespace Bezier
