#pragma once

#include <cstdint>
#include <vector>

#include "app/BezierSurface.h"

// The surface sum in extended precision with everything hoisted that depends on neither u nor v,
// or on only one of them. Every term still multiplies the very same values left to right, so
// each comes out exactly as if it were formed afresh.
namespace Bezier {

// Whether the net of degrees q and p is too large to be summed term by term (MaxSummedCount).
bool TakesTrueSurface(std::int32_t q, std::int32_t p);

// Raises framework::EListError unless the store holds points [0..q][0..p][0..2].
void CheckNet(std::int32_t q, std::int32_t p, const MatA& points);

// What the terms take from the net: q, p, the first factor of every term and Binomial(p, j).
struct TNet {
  // Checks the store first (CheckNet).
  TNet(std::int32_t q, std::int32_t p, const MatA& points);

  // The 32-bit product Binomial(q, i) x P[i][j][axis].
  long double Weighted(int axis, std::int32_t i, std::int32_t j) const {
    return weighted[(static_cast<std::size_t>(axis) * (q + 1) + i) * (p + 1) + j];
  }

  std::int32_t q;
  std::int32_t p;
  std::vector<long double> weighted;   // [axis][i][j]
  std::vector<long double> binomialP;  // [j]
};

// t^k and (1 - t)^(degree - k) for k = 0..degree, each as IntPower forms it.
struct TPowers {
  void Set(double t, std::int32_t degree);
  std::vector<long double> up;
  std::vector<long double> down;
};

// S(u, v) for any u and v, term by term in extended precision: the exact way, which the fast
// drawing falls back on wherever its error bound cannot decide.
class TSurfaceSum {
 public:
  explicit TSurfaceSum(const TNet& net) : net_(net) {}
  void SetU(double u) { u_.Set(u, net_.q); }
  void SetV(double v) { v_.Set(v, net_.p); }
  void Set(TFixed parameter, double value) {
    if (parameter == TFixed::U) {
      SetU(value);
    } else {
      SetV(value);
    }
  }
  TSurfacePoint Point() const;

 private:
  const TNet& net_;
  TPowers u_;
  TPowers v_;
};

}  // namespace Bezier
