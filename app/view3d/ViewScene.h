#pragma once

#include <optional>
#include <vector>

#include "app/surface/Tessellation.h"
#include "app/view3d/Camera.h"
#include "app/view3d/ViewNet.h"

namespace Bezier {

// What the view shows, and how finely.
struct TViewOptions {
  static constexpr int MinIsoLines = 2;
  static constexpr int MaxIsoLines = 64;

  bool Net = true;
  bool IsoLines = true;
  bool Shaded = true;
  bool Axes = true;      // the axes and the ground grid
  int IsoCount = 11;     // lines of each direction, the edges included
  int Steps = 64;        // cells of the shaded surface in each direction
  int IsoSamples = 128;  // points along each iso-parameter line
};

// The geometry of a net, worked out once for every frame that shows it: the surface sampled
// for shading, its iso-parameter lines, and the box of the points.
struct TViewScene {
  TViewNet Net;
  std::optional<TBounds> Bounds;         // of the points that are there
  std::optional<TTessellation> Surface;  // only of a complete net
  std::vector<std::vector<TVec3>> IsoLines;

  // Iso-parameter values: count of them from 0 to 1.
  static std::vector<double> IsoParameters(int count);
};

TViewScene BuildScene(TViewNet net, const TViewOptions& options);
// The points that are there.
std::vector<TVec3> ValidPoints(const TViewNet& net);

}  // namespace Bezier
