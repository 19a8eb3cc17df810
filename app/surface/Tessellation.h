#pragma once

#include <array>
#include <vector>

#include "app/surface/Patch.h"

namespace Bezier {

// The surface sampled on a regular grid of the parameter square: StepsU x StepsV cells, the
// vertex (a, b) at u = a / StepsU, v = b / StepsV, stored at Index(a, b).
struct TTessellation {
  int StepsU = 0;
  int StepsV = 0;
  std::vector<TVec3> Points;
  std::vector<TVec3> Normals;  // unit, or zero where the surface has none
  std::vector<std::array<double, 2>> UV;

  int Index(int a, int b) const { return a * (StepsV + 1) + b; }
};

// Both step counts at least 1. Each row of constant u costs one basis and one pass over the
// net; each vertex then only a pass over one curve.
TTessellation Tessellate(const TPatch& patch, int stepsU, int stepsV);

}  // namespace Bezier
