#include "app/BezierSurfaceSum.h"

#include "framework/runtime/Exceptions.h"

namespace Bezier {

void CheckNet(std::int32_t q, std::int32_t p, const MatA& points) {
  for (std::int32_t i = 0; i <= q; ++i) {
    if (static_cast<std::size_t>(i) >= points.size()) throw framework::EListError(i);
    for (std::int32_t j = 0; j <= p; ++j) {
      if (static_cast<std::size_t>(j) >= points[i].size() || points[i][j].size() < 3) {
        throw framework::EListError(j);
      }
    }
  }
}

TNet::TNet(std::int32_t q, std::int32_t p, const MatA& points) : q(q), p(p) {
  CheckNet(q, p, points);
  for (std::int32_t j = 0; j <= p; ++j) binomialP.push_back(Binomial(p, j));
  for (int axis = 0; axis < 3; ++axis) {
    for (std::int32_t i = 0; i <= q; ++i) {
      const auto binomial = static_cast<std::uint32_t>(Binomial(q, i));
      for (std::int32_t j = 0; j <= p; ++j) {
        weighted.push_back(
            static_cast<std::int32_t>(binomial * static_cast<std::uint32_t>(points[i][j][axis])));
      }
    }
  }
}

void TPowers::Set(double t, std::int32_t degree) {
  const long double rest = 1.0L - t;
  up.clear();
  down.clear();
  for (std::int32_t k = 0; k <= degree; ++k) {
    up.push_back(IntPower(t, k));
    down.push_back(IntPower(rest, degree - k));
  }
}

TSurfacePoint TSurfaceSum::Point() const {
  TSurfacePoint result{};
  for (int axis = 0; axis < 3; ++axis) {
    std::uint32_t sum = 0;
    for (std::int32_t i = 0; i <= net_.q; ++i) {
      for (std::int32_t j = 0; j <= net_.p; ++j) {
        const long double term = net_.Weighted(axis, i, j) * u_.up[i] * u_.down[i] *
                                 net_.binomialP[j] * v_.up[j] * v_.down[j];
        sum += static_cast<std::uint32_t>(Round(term));
      }
    }
    result[axis] = static_cast<std::int32_t>(sum);
  }
  return result;
}

}  // namespace Bezier
