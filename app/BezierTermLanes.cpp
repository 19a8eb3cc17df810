#include "app/BezierTermLanes.h"

#include <cstring>

namespace Bezier {

namespace {

// The compilers' vector types of a register of two (SSE2) or four (AVX2) doubles.
template <std::size_t Width>
struct TRegister;
template <>
struct TRegister<2> {
  typedef double Doubles __attribute__((vector_size(16)));
  typedef std::uint64_t Bits __attribute__((vector_size(16)));
  typedef std::int64_t Mask __attribute__((vector_size(16)));
};
template <>
struct TRegister<4> {
  typedef double Doubles __attribute__((vector_size(32)));
  typedef std::uint64_t Bits __attribute__((vector_size(32)));
  typedef std::int64_t Mask __attribute__((vector_size(32)));
};

// Width lanes to a register. Every lane does the same IEEE double operations whatever the
// width, and no multiply is ever fused with an add (no target below enables FMA), so each
// width gives the same bits.
template <std::size_t Width>
[[gnu::always_inline]] inline TBlockSums SumBlock(const TBlockTerms& terms) {
  using Doubles = typename TRegister<Width>::Doubles;
  using Bits = typename TRegister<Width>::Bits;
  using Mask = typename TRegister<Width>::Mask;
  static_assert(sizeof(Doubles) == Width * sizeof(double) && Lanes % Width == 0);
  constexpr std::size_t Vectors = Lanes / Width;

  const Doubles shift = Doubles{} + RoundingShift;
  const Bits magnitude = Bits{} + ~(std::uint64_t{1} << 63);  // all bits but the sign
  std::array<Bits, Vectors> sum{};
  std::array<Mask, Vectors> passed;
  passed.fill(~Mask{});
  std::size_t t = 0;
  for (std::int32_t i = 0; i <= terms.q; ++i) {
    for (std::int32_t j = 0; j <= terms.p; ++j, ++t) {
      const double* g = terms.g + i * terms.strideI + j * terms.strideJ;
      const Doubles f = Doubles{} + terms.f[t];
      const Doubles limit = Doubles{} + terms.limit[t];
      for (std::size_t v = 0; v < Vectors; ++v) {
        Doubles gv;
        std::memcpy(&gv, g + v * Width, sizeof gv);
        const Doubles value = f * gv;
        const Doubles shifted = value + shift;
        const Doubles nearest = shifted - shift;
        const Bits distance = __builtin_bit_cast(Bits, value - nearest) & magnitude;
        sum[v] += __builtin_bit_cast(Bits, shifted);
        passed[v] &= __builtin_bit_cast(Doubles, distance) < limit;
      }
    }
  }
  std::array<std::uint64_t, Lanes> sumLanes;
  std::array<std::int64_t, Lanes> passedLanes;
  std::memcpy(sumLanes.data(), sum.data(), sizeof sumLanes);
  std::memcpy(passedLanes.data(), passed.data(), sizeof passedLanes);
  TBlockSums result;
  for (std::size_t lane = 0; lane < Lanes; ++lane) {
    result.sum[lane] = static_cast<std::int32_t>(static_cast<std::uint32_t>(sumLanes[lane]));
    result.passed[lane] = passedLanes[lane] != 0;
  }
  return result;
}

// Two lanes a register: SSE2, which every x86-64 processor has.
TBlockSums SumBlockBase(const TBlockTerms& terms) {
  return SumBlock<2>(terms);
}

// Four lanes a register where the processor has AVX2.
[[gnu::target("avx2")]] TBlockSums SumBlockAvx2(const TBlockTerms& terms) {
  return SumBlock<4>(terms);
}

}  // namespace

const std::vector<TBlockKernel>& BlockKernels() {
  // Worked out once, by whichever drawing thread comes first.
  static const std::vector<TBlockKernel> kernels = [] {
    std::vector<TBlockKernel> all{SumBlockBase};
    if (__builtin_cpu_supports("avx2")) all.push_back(SumBlockAvx2);
    return all;
  }();
  return kernels;
}

}  // namespace Bezier
