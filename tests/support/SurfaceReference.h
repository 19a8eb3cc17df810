#pragma once

// The surface drawing exactly as the tool states it, with nothing hoisted: every term forms its
// binomials and powers afresh. It is deliberately slow and never part of the tool; the tests
// hold the tool's fast drawing against it and the benchmark times the two side by side.

#include <array>
#include <cstdint>

#include "app/BezierSurface.h"
#include "platform/graphics/Canvas.h"

namespace Bezier::reference {

// One term before rounding: (Binomial(q, i) x P[i][j][axis]) in 32 bits, then times u^i,
// (1 - u)^(q - i), Binomial(p, j), v^j and (1 - v)^(p - j) in extended precision, left to right.
inline long double Term(std::int32_t q, std::int32_t p, const MatA& points, int axis,
                        std::int32_t i, std::int32_t j, double u, double v) {
  const auto weighted = static_cast<std::int32_t>(static_cast<std::uint32_t>(Binomial(q, i)) *
                                                  static_cast<std::uint32_t>(points[i][j][axis]));
  const long double oneMinusU = 1.0L - u;
  const long double oneMinusV = 1.0L - v;
  return static_cast<long double>(weighted) * IntPower(u, i) * IntPower(oneMinusU, q - i) *
         static_cast<long double>(Binomial(p, j)) * IntPower(v, j) * IntPower(oneMinusV, p - j);
}

// S(u, v): each axis the 32-bit sum of its terms, every term rounded on its own.
inline std::array<std::int32_t, 3> SurfacePoint(std::int32_t q, std::int32_t p, const MatA& points,
                                                double u, double v) {
  std::array<std::int32_t, 3> s{};
  for (int axis = 0; axis < 3; ++axis) {
    std::uint32_t sum = 0;
    for (std::int32_t i = 0; i <= q; ++i) {
      for (std::int32_t j = 0; j <= p; ++j) {
        sum += static_cast<std::uint32_t>(Round(Term(q, p, points, axis, i, j, u, v)));
      }
    }
    s[axis] = static_cast<std::int32_t>(sum);
  }
  return s;
}

inline void PlotSurfacePoint(platform::Canvas& area, std::int32_t q, std::int32_t p,
                             const MatA& points, double u, double v) {
  std::array<std::int32_t, 3> s = SurfacePoint(q, p, points, u, v);
  Project(s[0], s[1], s[2]);
  PutPixel(area, static_cast<std::int32_t>(Round(s[0] + 0.5L)),
           static_cast<std::int32_t>(Round(s[1] + 0.5L)), platform::clRed);
}

// The control net, then pass A (lines of constant u) and pass B (lines of constant v), each
// parameter stepped in extended precision and rounded to double.
inline void DrawSurface(platform::Canvas& area, std::int32_t q, std::int32_t p,
                        const MatA& points) {
  DrawNet(area, q, p, points);
  for (double u = 0.001; u < 1.002L; u = static_cast<double>(u + 0.05L)) {
    for (double v = 0.0005; v < 1.0; v = static_cast<double>(v + 0.0005L)) {
      PlotSurfacePoint(area, q, p, points, u, v);
    }
  }
  for (double v = 0.001; v < 1.002L; v = static_cast<double>(v + 0.05L)) {
    for (double u = 0.0005; u <= 1.0; u = static_cast<double>(u + 0.0005L)) {
      PlotSurfacePoint(area, q, p, points, u, v);
    }
  }
}

}  // namespace Bezier::reference
