#include "app/view3d/ViewNet.h"

#include <cstdint>

#include "app/BezierPointFile.h"
#include "framework/runtime/Conversions.h"

namespace Bezier {

TViewNet ReadNet(const std::string& mText, const std::string& nText, const TCellReader& cell) {
  TViewNet net;
  std::int32_t m = 0, n = 0;
  if (!framework::TryStrToInt(mText, m) || !framework::TryStrToInt(nText, n)) {
    net.Hint = "Isi nilai M dan N, lalu tekan \"Nilai (M x N)\"";
    return net;
  }
  if (m < 1 || n < 1 || std::int64_t{m} * n > MaxPointCount) {
    net.Hint = "Nilai M x N di luar batas (1 sampai " + std::to_string(MaxPointCount) + " titik)";
    return net;
  }
  net.M = m;
  net.N = n;
  const auto count = static_cast<std::size_t>(m) * static_cast<std::size_t>(n);
  net.Points.resize(count);
  net.Valid.assign(count, true);
  for (std::size_t k = 0; k < count; ++k) {
    std::int32_t xyz[3] = {};
    for (int axis = 0; axis < 3; ++axis) {
      const int row = net.Row(static_cast<int>(k));
      if (framework::TryStrToInt(cell(axis + 1, row), xyz[axis])) continue;
      net.Valid[k] = false;
      if (net.Hint.empty())
        net.Hint = "Baris " + std::to_string(row) + " belum berisi bilangan bulat X, Y dan Z";
    }
    net.Points[k] = {static_cast<double>(xyz[0]), static_cast<double>(xyz[1]),
                     static_cast<double>(xyz[2])};
  }
  return net;
}

}  // namespace Bezier
