// The surface passes, fast. For nets summed term by term, each term is estimated in double
// precision, several points side by side, and the estimate is kept only where a proven error
// bound shows that the term, formed in extended precision, rounds to the same integer.
// Everything else is summed the exact way (TSurfaceSum), so every point is exactly
// SurfacePoint's. Larger nets take the true surface, one basis per line.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "app/BezierSurface.h"
#include "app/BezierSurfaceSum.h"
#include "app/BezierTermLanes.h"
#include "app/surface/Patch.h"

namespace Bezier {

namespace {

// Nets summed term by term take the lanes. Every power of a double up to the 12th lies within
// 10^-3900..10^3700, so no product of a term whose two groups (below) are normal doubles can
// leave the extended range, which the error bound relies on.
constexpr std::int32_t MaxLaneDegree = MaxSummedCount - 1;
static_assert(MaxLaneDegree <= 12);

// Why a lane value decides a term. The term T multiplies six factors left to right, each
// product rounded to extended precision (relative error 2^-64). The lane value T' = F x G
// multiplies the same factors split into two groups: F, those fixed along a line, and G, those
// that vary along it, each group formed in extended precision and rounded to double, then one
// product in double. Counting every rounding on both sides, |T - T'| < 2^-51 |T'|. So with N
// the integer nearest T' and r = T' - N, |r| + 2^-51 |T'| < 1/2 puts T strictly inside
// (N - 1/2, N + 1/2), and T rounds to N too. The check below takes 2^-49 |F| x max |G| for
// 2^-51 |T'|, which leaves room for its own roundings (where |F| x max |G| is too small for
// 2^-49 times it to be a normal double, T' and T are far below 1/2 and both round to 0). A
// tie never passes the check, nor does NaN, and whatever passes is below 2^49, where the
// kernel's rounding works.
constexpr double Margin = 0x1p-49;

// A group as a double when it is zero or a normal double, where the relative error bound
// holds; NaN otherwise, so that no term with it passes the check. A zero group makes T' zero;
// T is then zero, NaN (an overflow times zero, which rounds to 0 in the low 32 bits as well) or
// smaller than 10^-4500, so it rounds to 0 too. A product of two normal groups that falls below
// 2^-1022 is no exception: T' and T are both far below 1/2 and round to 0.
double Group(long double x) {
  const long double size = std::fabs(x);
  if (x == 0.0L || (size >= DBL_MIN && size <= DBL_MAX)) return static_cast<double>(x);
  return std::numeric_limits<double>::quiet_NaN();
}

TFixed Other(TFixed parameter) {
  return parameter == TFixed::U ? TFixed::V : TFixed::U;
}

// One pass over lines of a fixed parameter. With u fixed (pass A) a term's factors split into
// F = ((weighted x u^i) x (1 - u)^(q - i)) x Binomial(p, j), the very first products of the
// term, and G = v^j x (1 - v)^(p - j); with v fixed (pass B) into F = weighted x Binomial(p, j)
// x v^j x (1 - v)^(p - j) and G = u^i x (1 - u)^(q - i).
class TLanePass {
 public:
  TLanePass(const TNet& net, TFixed fixed, std::span<const double> inner)
      : net_(net),
        fixed_(fixed),
        inner_(inner),
        innerDegree_(fixed == TFixed::U ? net.p : net.q),
        blocks_((inner.size() + Lanes - 1) / Lanes),
        groupMax_(innerDegree_ + 1, 0.0),
        exact_(net) {
    // G for every inner value, lane by lane within blocks; the last block repeats the last
    // value in its spare lanes.
    const std::size_t count = static_cast<std::size_t>(innerDegree_) + 1;
    g_.resize(blocks_ * count * Lanes);
    TPowers powers;
    for (std::size_t n = 0; n < blocks_ * Lanes; ++n) {
      powers.Set(inner[std::min(n, inner.size() - 1)], innerDegree_);
      for (std::size_t k = 0; k < count; ++k) {
        const double g = Group(powers.up[k] * powers.down[k]);
        g_[((n / Lanes) * count + k) * Lanes + n % Lanes] = g;
        if (std::fabs(g) > groupMax_[k]) groupMax_[k] = std::fabs(g);
      }
    }
    f_.resize(net.weighted.size());
    limit_.resize(net.weighted.size());
  }

  // The points of the line at the outer value, one per inner value.
  void Line(double outer, std::span<TSurfacePoint> out) {
    SetLine(outer);
    bool exactLine = false;
    for (std::size_t block = 0; block < blocks_; ++block) {
      std::array<bool, Lanes> decided;
      decided.fill(true);
      std::array<TSurfacePoint, Lanes> points;
      for (int axis = 0; axis < 3; ++axis) {
        const TBlockSums sums = kernel_(Terms(block, axis));
        for (std::size_t lane = 0; lane < Lanes; ++lane) {
          points[lane][axis] = sums.sum[lane];
          decided[lane] = decided[lane] && sums.passed[lane];
        }
      }
      for (std::size_t lane = 0; lane < Lanes; ++lane) {
        const std::size_t n = block * Lanes + lane;
        if (n >= out.size()) break;
        if (!decided[lane]) {
          if (!exactLine) exact_.Set(fixed_, outer);
          exactLine = true;
          exact_.Set(Other(fixed_), inner_[n]);
          points[lane] = exact_.Point();
        }
        out[n] = points[lane];
      }
    }
  }

 private:
  // The terms of one axis for the points of a block. G follows j along a line of constant u,
  // and i along a line of constant v.
  TBlockTerms Terms(std::size_t block, int axis) const {
    const std::size_t count = static_cast<std::size_t>(innerDegree_) + 1;
    const std::size_t first = static_cast<std::size_t>(axis) * (net_.q + 1) * (net_.p + 1);
    return {&f_[first],
            &limit_[first],
            &g_[block * count * Lanes],
            fixed_ == TFixed::U ? 0 : Lanes,
            fixed_ == TFixed::U ? Lanes : 0,
            net_.q,
            net_.p};
  }

  // F and the check's limit for every term of the line.
  void SetLine(double outer) {
    TPowers powers;
    powers.Set(outer, fixed_ == TFixed::U ? net_.q : net_.p);
    std::size_t t = 0;
    for (int axis = 0; axis < 3; ++axis) {
      for (std::int32_t i = 0; i <= net_.q; ++i) {
        for (std::int32_t j = 0; j <= net_.p; ++j, ++t) {
          const long double w = net_.Weighted(axis, i, j);
          const long double b = net_.binomialP[j];
          f_[t] = fixed_ == TFixed::U ? Group(w * powers.up[i] * powers.down[i] * b)
                                      : Group(w * b * powers.up[j] * powers.down[j]);
          limit_[t] = 0.5 - Margin * (std::fabs(f_[t]) * groupMax_[fixed_ == TFixed::U ? j : i]);
        }
      }
    }
  }

  const TNet& net_;
  TFixed fixed_;
  std::span<const double> inner_;
  std::int32_t innerDegree_;
  std::size_t blocks_;
  std::vector<double> g_;         // [block][k][lane]
  std::vector<double> groupMax_;  // [k]: the largest |G| of the pass
  std::vector<double> f_;         // [axis][i][j] of the current line
  std::vector<double> limit_;     // [axis][i][j]
  TSurfaceSum exact_;
  TBlockKernel kernel_ = BlockKernels().back();  // the widest
};

bool TakesLanes(const TNet& net) {
  return net.q >= 0 && net.p >= 0 && net.q <= MaxLaneDegree && net.p <= MaxLaneDegree;
}

std::int32_t RoundedOnce(double coordinate) {
  if (std::isnan(coordinate)) return std::numeric_limits<std::int32_t>::min();
  const double limited = std::clamp(coordinate, double{std::numeric_limits<std::int32_t>::min()},
                                    double{std::numeric_limits<std::int32_t>::max()});
  return static_cast<std::int32_t>(std::nearbyint(limited));
}

std::vector<TSurfacePoint> TrueSurfaceLines(std::int32_t q, std::int32_t p, const MatA& points,
                                            TFixed fixed, std::span<const double> outer,
                                            std::span<const double> inner) {
  const std::vector<TVec3> exact = LinePoints(PatchOf(q, p, points), fixed, outer, inner);
  std::vector<TSurfacePoint> result;
  result.reserve(exact.size());
  for (const TVec3& s : exact)
    result.push_back({RoundedOnce(s.X), RoundedOnce(s.Y), RoundedOnce(s.Z)});
  return result;
}

}  // namespace

bool TakesTrueSurface(std::int32_t q, std::int32_t p) {
  return q >= 0 && p >= 0 && (q >= MaxSummedCount || p >= MaxSummedCount);
}

std::vector<TSurfacePoint> SurfaceLines(std::int32_t q, std::int32_t p, const MatA& points,
                                        TFixed fixed, std::span<const double> outer,
                                        std::span<const double> inner) {
  if (TakesTrueSurface(q, p)) return TrueSurfaceLines(q, p, points, fixed, outer, inner);
  const TNet net(q, p, points);
  std::vector<TSurfacePoint> result(outer.size() * inner.size());
  if (inner.empty()) return result;
  if (TakesLanes(net)) {
    TLanePass pass(net, fixed, inner);
    for (std::size_t line = 0; line < outer.size(); ++line) {
      pass.Line(outer[line], std::span(result).subspan(line * inner.size(), inner.size()));
    }
    return result;
  }
  TSurfaceSum sum(net);
  for (std::size_t line = 0; line < outer.size(); ++line) {
    sum.Set(fixed, outer[line]);
    for (std::size_t n = 0; n < inner.size(); ++n) {
      sum.Set(Other(fixed), inner[n]);
      result[line * inner.size() + n] = sum.Point();
    }
  }
  return result;
}

}  // namespace Bezier
