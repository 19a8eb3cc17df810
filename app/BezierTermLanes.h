#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The inner loop of the fast surface sums: the terms of one axis for several points at once,
// each term's double estimate rounded to an integer, summed in 32 bits and checked against the
// limit below which the estimate is known to round like the term itself.
namespace Bezier {

// Adding 1.5 x 2^52 to a double below 2^51 in magnitude rounds it to an integer, ties to even:
// the sum lies in [2^52, 2^53), where doubles are the integers. That integer then sits in the
// low bits of the sum's representation, whose low 32 bits are 0 for 1.5 x 2^52 itself.
inline constexpr double RoundingShift = 0x1.8p52;

// Points evaluated side by side, one per lane.
inline constexpr std::size_t Lanes = 16;

// The terms of one axis for a block of points: term (i, j) is f[t] x g[i strideI + j strideJ +
// lane] with t = i (p + 1) + j, and passes its check where the distance of that product to the
// nearest integer is below limit[t]. Products of 2^51 and more in magnitude must fail it.
struct TBlockTerms {
  const double* f;
  const double* limit;
  const double* g;
  std::size_t strideI;
  std::size_t strideJ;
  std::int32_t q;
  std::int32_t p;
};

struct TBlockSums {
  std::array<std::int32_t, Lanes> sum;  // the 32-bit sums of the rounded estimates
  std::array<bool, Lanes> passed;       // every term of the lane passed its check
};

using TBlockKernel = TBlockSums (*)(const TBlockTerms& terms);

// Every kernel this processor can run, from the plainest to the widest; all do the same
// arithmetic lane by lane.
const std::vector<TBlockKernel>& BlockKernels();

}  // namespace Bezier
