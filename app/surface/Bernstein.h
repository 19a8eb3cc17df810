#pragma once

#include <span>

// The Bernstein polynomials B(k, d)(t) = C(d, k) t^k (1 - t)^(d - k), the weights of a Bezier
// curve of degree d, for every degree a table can hold (up to 9999).
namespace Bezier {

// B(k, d)(t) for k = 0..d into out[0..d]. Inside [0, 1] they are formed from the largest one
// outwards by the ratio of neighbours and scaled to sum to 1, so no binomial overflows and
// none wraps; outside (the stated passes reach 1.001) from logarithms in extended precision.
void Bernstein(int degree, double t, std::span<double> out);

// dB(k, d)/dt = d (B(k - 1, d - 1) - B(k, d - 1)) for k = 0..d into out[0..d].
void BernsteinDerivative(int degree, double t, std::span<double> out);

}  // namespace Bezier
