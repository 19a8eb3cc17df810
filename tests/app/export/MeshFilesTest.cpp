#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "app/export/MeshFiles.h"

namespace Bezier {
namespace {

// A flat 2 x 2 net in one cell: corners (0,0,0), (0,4,0) along v and (2,0,0), (2,4,0) along
// u, so dS/du x dS/dv = (2,0,0) x (0,4,0) = (0,0,8), the front is +Z.
TMesh FlatCell() {
  return MeshOf(Tessellate(TPatch(2, 2, {{0, 0, 0}, {0, 4, 0}, {2, 0, 0}, {2, 4, 0}}), 1, 1));
}

template <typename T>
T At(const std::string& bytes, std::size_t offset) {
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

// The cell's triangles are (0,0)-(1,0)-(1,1) and (0,0)-(1,1)-(0,1) in (u, v), numbered in
// order of first use.
TEST(MeshFiles, ObjHoldsPointsUVNormalsAndCornerTriples) {
  EXPECT_EQ(EncodeMesh(FlatCell(), TMeshFormat::Obj),
            "# Bezier surface\n"
            "v 0 0 0\nv 2 0 0\nv 2 4 0\nv 0 4 0\n"
            "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n"
            "vn 0 0 1\nvn 0 0 1\nvn 0 0 1\nvn 0 0 1\n"
            "f 1/1/1 2/2/2 3/3/3\nf 1/1/1 3/3/3 4/4/4\n");
  // Tilted: (2,0,0) x (0,4,3) = (0,-6,8), unit (0,-0.6,0.8); normals go to nine decimals.
  const TMesh tilted =
      MeshOf(Tessellate(TPatch(2, 2, {{0, 0, 0}, {0, 4, 3}, {2, 0, 0}, {2, 4, 3}}), 1, 1));
  EXPECT_NE(EncodeMesh(tilted, TMeshFormat::Obj).find("\nvn 0 -0.6 0.8\n"), std::string::npos);
}

TEST(MeshFiles, StlIsBinaryWithFacetNormalsAndFloatCorners) {
  const std::string stl = EncodeMesh(FlatCell(), TMeshFormat::Stl);
  ASSERT_EQ(stl.size(), 84u + 2 * 50);  // header, count, then 12 floats and 2 bytes a facet
  EXPECT_NE(stl.compare(0, 5, "solid"), 0) << "a binary file that readers take for text";
  EXPECT_EQ(At<std::uint32_t>(stl, 80), 2u);
  const float first[12] = {0, 0, 1, 0, 0, 0, 2, 0, 0, 2, 4, 0};
  const float second[12] = {0, 0, 1, 0, 0, 0, 2, 4, 0, 0, 4, 0};
  for (int k = 0; k < 12; ++k) {
    EXPECT_EQ(At<float>(stl, 84 + 4 * k), first[k]) << k;
    EXPECT_EQ(At<float>(stl, 134 + 4 * k), second[k]) << k;
  }
  EXPECT_EQ(At<std::uint16_t>(stl, 132), 0u);
}

TEST(MeshFiles, PlyHoldsDoublePointsAndIndexedTriangles) {
  const std::string ply = EncodeMesh(FlatCell(), TMeshFormat::Ply);
  const std::string header =
      "ply\nformat binary_little_endian 1.0\ncomment Bezier surface\nelement vertex 4\n"
      "property double x\nproperty double y\nproperty double z\nelement face 2\n"
      "property list uchar int vertex_indices\nend_header\n";
  ASSERT_EQ(ply.size(), header.size() + 4 * 24 + 2 * 13);  // 3 doubles a point, 1 + 3 x 4 a face
  EXPECT_EQ(ply.substr(0, header.size()), header);
  EXPECT_EQ(At<double>(ply, header.size() + 2 * 24 + 8), 4.0) << "y of the third point";
  const std::size_t faces = header.size() + 4 * 24;
  EXPECT_EQ(ply[faces + 13], 3);
  EXPECT_EQ(At<std::int32_t>(ply, faces + 14), 0);
  EXPECT_EQ(At<std::int32_t>(ply, faces + 18), 2);
  EXPECT_EQ(At<std::int32_t>(ply, faces + 22), 3);
}

TEST(MeshFiles, TheExtensionChoosesTheFormatInAnyCase) {
  const std::pair<const char*, std::optional<TMeshFormat>> names[] = {
      {"a.obj", TMeshFormat::Obj}, {"/x/B.STL", TMeshFormat::Stl}, {"c.Ply", TMeshFormat::Ply},
      {"d.obj.txt", std::nullopt}, {"obj", std::nullopt},          {"e.stlx", std::nullopt},
  };
  for (const auto& [name, format] : names) EXPECT_EQ(MeshFormatOf(name), format) << name;
}

}  // namespace
}  // namespace Bezier
