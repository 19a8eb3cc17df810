#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/surface/Vec3.h"

namespace Bezier {

// The control net as the drawing reads the table: m and n from the count fields, point b of
// curve a from row a x n + b + 1. Cells that are empty or no integer leave their point out;
// the hint names the first such row, or what is wrong with the counts.
struct TViewNet {
  int M = 0;
  int N = 0;
  std::vector<TVec3> Points;  // M x N, point b of curve a at a x N + b
  std::vector<bool> Valid;
  std::string Hint;  // empty when every point is there

  bool Complete() const { return M > 0 && Hint.empty(); }
  int Row(int point) const { return point + 1; }
};

// A cell's text: column 1 to 3 of a row; empty past the table's end.
using TCellReader = std::function<std::string(int col, int row)>;

TViewNet ReadNet(const std::string& mText, const std::string& nText, const TCellReader& cell);

}  // namespace Bezier
