// Any table and any parameters: the fast surface sums must give the stated arithmetic's point
// every time. Layout of an input: m and n (1 to 13), the fixed parameter and the kind of
// parameters (the drawing's own, by index, or any double), the numbers of outer (1 to 2) and
// inner (1 to 17) values, the values, then the coordinates as 32-bit integers, repeated as often
// as the table needs.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/BezierSurface.h"
#include "tests/support/SurfaceReference.h"

namespace {

class TInput {
 public:
  TInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::size_t Left() const { return size_ - at_; }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  template <typename T>
  T Raw() {
    std::uint8_t bytes[sizeof(T)] = {};
    for (std::uint8_t& b : bytes) b = Byte();
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

std::vector<double> Parameters(TInput& in, std::size_t count, bool drawing,
                               const std::vector<double>& choices) {
  std::vector<double> values;
  for (std::size_t k = 0; k < count; ++k) {
    values.push_back(drawing ? choices[in.Raw<std::uint16_t>() % choices.size()]
                             : in.Raw<double>());
  }
  return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<double> outerChoices = Bezier::OuterParameters();
  static const std::vector<double> innerChoices = Bezier::InnerParameters(false);
  TInput in(data, size);
  const std::int32_t m = in.Byte() % Bezier::MaxSummedCount + 1;
  const std::int32_t n = in.Byte() % Bezier::MaxSummedCount + 1;
  const std::uint8_t kind = in.Byte();
  const Bezier::TFixed fixed = (kind & 1) != 0 ? Bezier::TFixed::V : Bezier::TFixed::U;
  const bool drawing = (kind & 2) == 0;
  const std::size_t outerCount = in.Byte() % 2 + 1;
  const std::size_t innerCount = in.Byte() % 17 + 1;
  const std::vector<double> outer = Parameters(in, outerCount, drawing, outerChoices);
  const std::vector<double> inner = Parameters(in, innerCount, drawing, innerChoices);

  std::vector<std::int32_t> coordinates;
  while (in.Left() >= 4) coordinates.push_back(in.Raw<std::int32_t>());
  if (coordinates.empty()) coordinates.push_back(0);
  Bezier::MatA points;
  Bezier::SizePoints(points, m, n);
  std::size_t next = 0;
  for (auto& curve : points) {
    for (auto& point : curve) {
      for (std::int32_t& c : point) c = coordinates[next++ % coordinates.size()];
    }
  }

  const std::vector<Bezier::TSurfacePoint> fast =
      Bezier::SurfaceLines(m - 1, n - 1, points, fixed, outer, inner);
  for (std::size_t line = 0; line < outer.size(); ++line) {
    for (std::size_t k = 0; k < inner.size(); ++k) {
      const double u = fixed == Bezier::TFixed::U ? outer[line] : inner[k];
      const double v = fixed == Bezier::TFixed::U ? inner[k] : outer[line];
      const Bezier::TSurfacePoint expected =
          Bezier::reference::SurfacePoint(m - 1, n - 1, points, u, v);
      const Bezier::TSurfacePoint& got = fast[line * inner.size() + k];
      if (got != expected) {
        std::fprintf(stderr, "%d x %d at u %a, v %a: fast %d %d %d, stated %d %d %d\n", m, n, u, v,
                     got[0], got[1], got[2], expected[0], expected[1], expected[2]);
        std::abort();
      }
    }
  }
  return 0;
}
