#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/export/Mesh.h"

// The mesh file formats other 3-D programs and printers read.
namespace Bezier {

enum class TMeshFormat {
  Obj,  // Wavefront OBJ: text, points and u, v exact to the last digit, normals to nine decimals
  Stl,  // binary STL: a facet normal and three corners per triangle, in 32-bit floats
  Ply,  // binary little-endian PLY: points in doubles and triangles
};

// The format a file name's extension names, in any case; nullopt for any other name.
std::optional<TMeshFormat> MeshFormatOf(std::string_view fileName);
// The extensions MeshFormatOf knows, as a message lists them: ".obj, .stl, .ply".
std::string MeshExtensions();

// The file's bytes.
std::string EncodeMesh(const TMesh& mesh, TMeshFormat format);

}  // namespace Bezier
