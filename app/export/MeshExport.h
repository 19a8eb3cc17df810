#pragma once

#include <string>

#include "app/export/MeshFiles.h"
#include "app/surface/Patch.h"

namespace Bezier {

// Tessellation steps along u and along v.
inline constexpr int DefaultMeshSteps = 64;
// A million cells: a mesh of some hundred megabytes, as much as a 3-D program takes in.
inline constexpr int MaxMeshSteps = 1024;

// The bytes of the surface tessellated steps x steps (1..MaxMeshSteps) in the format.
std::string SurfaceMesh(const TPatch& patch, int steps, TMeshFormat format);

}  // namespace Bezier
