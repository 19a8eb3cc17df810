#include "app/surface/Bernstein.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace Bezier {

namespace {

void InsideUnit(int d, double t, std::span<double> out) {
  std::fill(out.begin(), out.begin() + d + 1, 0.0);
  if (t <= 0 || t >= 1) {
    out[t <= 0 ? 0 : d] = 1;
    return;
  }
  // Neighbours differ by B(k + 1) / B(k) = (d - k) / (k + 1) x t / (1 - t); the largest term
  // lies at floor((d + 1) t), and terms far from it fade to zero instead of overflowing.
  const double ratio = t / (1 - t);
  const int mode = std::min(d, static_cast<int>((d + 1) * t));
  out[mode] = 1;
  for (int k = mode; k < d && out[k] != 0; ++k) out[k + 1] = out[k] * (d - k) / (k + 1) * ratio;
  for (int k = mode; k > 0 && out[k] != 0; --k) out[k - 1] = out[k] * k / (d - k + 1) / ratio;
  long double sum = 0;
  for (int k = 0; k <= d; ++k) sum += out[k];
  for (int k = 0; k <= d; ++k) out[k] = static_cast<double>(out[k] / sum);
}

// Beyond the patch the terms alternate in sign and may be huge; each is formed on its own.
void OutsideUnit(int d, double t, std::span<double> out) {
  const long double up = std::log(std::fabs(static_cast<long double>(t)));
  const long double down = std::log(std::fabs(1.0L - t));
  const long double all = std::lgamma(d + 1.0L);
  for (int k = 0; k <= d; ++k) {
    const long double magnitude =
        std::exp(all - std::lgamma(k + 1.0L) - std::lgamma(d - k + 1.0L) + k * up + (d - k) * down);
    const bool negative = (t < 0 && k % 2 == 1) || (t > 1 && (d - k) % 2 == 1);
    out[k] = static_cast<double>(negative ? -magnitude : magnitude);
  }
}

}  // namespace

void Bernstein(int degree, double t, std::span<double> out) {
  if (t >= 0 && t <= 1) {
    InsideUnit(degree, t, out);
  } else {
    OutsideUnit(degree, t, out);
  }
}

void BernsteinDerivative(int degree, double t, std::span<double> out) {
  std::fill(out.begin(), out.begin() + degree + 1, 0.0);
  if (degree == 0) return;
  std::vector<double> lower(static_cast<std::size_t>(degree));
  Bernstein(degree - 1, t, lower);
  for (int k = 0; k <= degree; ++k) {
    const double left = k > 0 ? lower[k - 1] : 0.0;
    const double right = k < degree ? lower[k] : 0.0;
    out[k] = degree * (left - right);
  }
}

}  // namespace Bezier
