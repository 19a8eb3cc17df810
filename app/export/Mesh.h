#pragma once

#include <array>
#include <vector>

#include "app/surface/Tessellation.h"

// The surface as a triangle mesh for other 3-D programs, in the table's units and axes.
namespace Bezier {

// A corner of the tessellation that a triangle uses: the point it lies on (one point for all
// corners that meet where the surface closes or collapses) with its own normal and u, v.
struct TMeshVertex {
  int Point = 0;
  TVec3 Normal;
  std::array<double, 2> UV{};
};

struct TMesh {
  std::vector<TVec3> Points;
  std::vector<TMeshVertex> Vertices;
  // Indices into Vertices, counter-clockwise seen from the front (the side dS/du x dS/dv
  // points to), so every triangle faces the side the surface's normals do.
  std::vector<std::array<int, 3>> Triangles;
};

// Two triangles per cell of the tessellation. Corners on the border of the parameter square
// that coincide become one point, so a surface that closes is watertight; triangles without
// area are left out, and so is every point and corner no triangle uses.
TMesh MeshOf(const TTessellation& t);

// The unit normal of a triangle by its winding, or zero when it has no area.
TVec3 TriangleNormal(const TVec3& a, const TVec3& b, const TVec3& c);

}  // namespace Bezier
