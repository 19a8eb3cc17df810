#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Color.h"

// The Bezier surface of the tool: evaluation, oblique projection and pixel drawing of the
// control net and the surface wireframe. Shared by the main window and bezier-render.
namespace Bezier {

// The point store, [curve][point][axis] with axis 0 = X, 1 = Y, 2 = Z.
using MatA = std::vector<std::vector<std::vector<std::int32_t>>>;

// Drawing lands this far from the drawing area's top left corner, in x and in y.
inline constexpr int DrawOffset = 20;
// The drawing area, the client area of the paint box.
inline constexpr int AreaWidth = 503;
inline constexpr int AreaHeight = 455;

// Grows the store so that [0..m-1][0..n-1][0..2] exist: new entries 0, old ones kept. Counts
// below 1 size nothing; m x n above MaxPointCount raises EConvertError (see PointCountOf).
void SizePoints(MatA& points, std::int32_t m, std::int32_t n);

std::int32_t Factorial(std::int32_t k);
std::int32_t Binomial(std::int32_t n, std::int32_t k);
// t^k by binary exponentiation in extended precision; t^0 is 1, also for t = 0.
long double IntPower(long double t, std::int32_t k);
// Nearest integer, halves to even, as the 64-bit integer the x87 stores (values out of range
// and NaN give the "integer indefinite" INT64_MIN).
std::int64_t Round(long double value);

using TSurfacePoint = std::array<std::int32_t, 3>;

// Nets of up to this many points in each direction are summed term by term, every term
// rounded on its own. Beyond it the factorials of that sum wrap, so a larger net takes the
// true surface point instead: exact weights, the terms summed in double precision and rounded
// once (to the nearest integer, halves to even; beyond 32 bits to the nearest 32-bit value,
// NaN to the least, both far off the drawing area).
inline constexpr std::int32_t MaxSummedCount = 13;

// S(u, v) of the net of q+1 curves of p+1 points, as above; the store must hold the net
// (framework::EListError otherwise).
TSurfacePoint SurfacePoint(std::int32_t q, std::int32_t p, const MatA& points, double u, double v);

// The parameter that stays fixed along each line of a surface pass: u in pass A, v in pass B.
enum class TFixed { U, V };
// The points of a surface pass, fast: for each outer value of the fixed parameter, the line of
// points at every inner value of the other one, in that order. Each point is exactly
// SurfacePoint's; the store must hold the net (framework::EListError otherwise).
std::vector<TSurfacePoint> SurfaceLines(std::int32_t q, std::int32_t p, const MatA& points,
                                        TFixed fixed, std::span<const double> outer,
                                        std::span<const double> inner);

// The oblique projection's factors kx and ky, formed in extended precision, kept as doubles.
extern const double ObliqueKx;
extern const double ObliqueKy;

// res += vec x the upper-left 3 x 3 block of m (rows of m are stored one after the other).
void MatMul(const std::array<double, 4>& vec, const std::array<std::array<double, 4>, 4>& m,
            std::array<double, 4>& res);
// Oblique projection: x rounded to nearest, y rounded up, z becomes 0.
void Project(std::int32_t& x, std::int32_t& y, std::int32_t& z);
// Where a surface point is plotted: its projection, then X + 0.5 and Y + 0.5 rounded.
platform::TPoint SurfacePixel(const TSurfacePoint& s);

// Drawing on the drawing area (positions outside it are left alone).
void PutPixel(platform::Canvas& area, std::int32_t x, std::int32_t y, platform::TColor color);
void DrawLine(platform::Canvas& area, std::int32_t x1, std::int32_t y1, std::int32_t x2,
              std::int32_t y2);
// The parameter values of the surface passes: the 21 of an outer loop, and the 2000 of an inner
// loop, which runs while below 1 (pass A) or while at most 1 (pass B).
std::vector<double> OuterParameters();
std::vector<double> InnerParameters(bool includeOne);

// The control net of points [0..q][0..p]: the polygon of each curve, then the lines between
// neighbouring curves. The store must hold the net (framework::EListError otherwise).
void DrawNet(platform::Canvas& area, std::int32_t q, std::int32_t p, const MatA& points);
// The control net, then both passes of the surface wireframe. A store that doesn't hold
// [0..q][0..p][0..2] raises framework::EListError before anything is drawn. The passes are
// worked out on two threads, joined before anything is drawn.
void DrawSurface(platform::Canvas& area, std::int32_t q, std::int32_t p, const MatA& points);

}  // namespace Bezier
