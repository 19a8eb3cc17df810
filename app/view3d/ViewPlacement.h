#pragma once

#include <optional>

#include "platform/graphics/Geometry.h"

namespace Bezier {

// Where the 3-D view stands: its window's bounds in the normal state, and whether it is
// maximised. Kept while the tool runs, for a settings file to read and write.
struct TViewPlacement {
  platform::TRect Bounds;
  bool Maximized = false;
};

// The placement of the view in this run; none before it was first closed.
std::optional<TViewPlacement>& View3DPlacement();

}  // namespace Bezier
