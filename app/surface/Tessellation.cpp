#include "app/surface/Tessellation.h"

#include <algorithm>

#include "app/surface/Bernstein.h"

namespace Bezier {

TTessellation Tessellate(const TPatch& patch, int stepsU, int stepsV) {
  const int m = patch.M();
  const int n = patch.N();
  TTessellation t{stepsU, stepsV, {}, {}, {}};
  const std::size_t count = static_cast<std::size_t>(stepsU + 1) * (stepsV + 1);
  t.Points.resize(count);
  t.Normals.resize(count);
  t.UV.resize(count);

  // The v bases are the same for every row.
  std::vector<double> bv(static_cast<std::size_t>(stepsV + 1) * n);
  std::vector<double> dv(bv.size());
  for (int b = 0; b <= stepsV; ++b) {
    const double v = static_cast<double>(b) / stepsV;
    Bernstein(n - 1, v, std::span(bv).subspan(static_cast<std::size_t>(b) * n, n));
    BernsteinDerivative(n - 1, v, std::span(dv).subspan(static_cast<std::size_t>(b) * n, n));
  }
  std::vector<double> bu(static_cast<std::size_t>(m));
  std::vector<double> du(static_cast<std::size_t>(m));
  std::vector<TVec3> along(static_cast<std::size_t>(n));
  std::vector<TVec3> across(static_cast<std::size_t>(n));
  for (int a = 0; a <= stepsU; ++a) {
    const double u = static_cast<double>(a) / stepsU;
    Bernstein(m - 1, u, bu);
    BernsteinDerivative(m - 1, u, du);
    std::fill(along.begin(), along.end(), TVec3{});
    std::fill(across.begin(), across.end(), TVec3{});
    for (int i = 0; i < m; ++i)
      for (int j = 0; j < n; ++j) {
        along[j] += bu[i] * patch.P(i, j);
        across[j] += du[i] * patch.P(i, j);
      }
    for (int b = 0; b <= stepsV; ++b) {
      const std::span<const double> weights(bv.data() + static_cast<std::size_t>(b) * n, n);
      const std::span<const double> slopes(dv.data() + static_cast<std::size_t>(b) * n, n);
      const int k = t.Index(a, b);
      const double v = static_cast<double>(b) / stepsV;
      t.Points[k] = Combine(weights, along);
      t.UV[k] = {u, v};
      const TVec3 normal = UnitNormal(Combine(weights, across), Combine(slopes, along));
      // A collapsed edge or corner takes its normal from the surface beside it.
      t.Normals[k] = normal != TVec3{} ? normal : patch.Frame(u, v).Normal;
    }
  }
  return t;
}

}  // namespace Bezier
