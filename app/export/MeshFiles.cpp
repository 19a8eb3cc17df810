// The binary formats and the table of formats; OBJ text lies in MeshObj.cpp.
#include "app/export/MeshFiles.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <cstdint>

#include "app/export/MeshEncoders.h"

namespace Bezier {

namespace {

// ---- Binary: little-endian whatever the machine.

template <typename T>
void AppendLittleEndian(std::string& out, T value) {
  auto bytes = std::bit_cast<std::array<char, sizeof(T)>>(value);
  if constexpr (std::endian::native == std::endian::big) std::reverse(bytes.begin(), bytes.end());
  out.append(bytes.data(), bytes.size());
}

void AppendFloats(std::string& out, const TVec3& v) {
  for (int axis = 0; axis < 3; ++axis) AppendLittleEndian(out, static_cast<float>(v[axis]));
}

}  // namespace

std::string EncodeStl(const TMesh& mesh) {
  // The header must not start with "solid", or readers take the file for text.
  std::string out = "Binary STL of a Bezier surface";
  out.resize(80, '\0');
  out.reserve(84 + 50 * mesh.Triangles.size());
  AppendLittleEndian(out, static_cast<std::uint32_t>(mesh.Triangles.size()));
  for (const auto& triangle : mesh.Triangles) {
    const TVec3& a = mesh.Points[mesh.Vertices[triangle[0]].Point];
    const TVec3& b = mesh.Points[mesh.Vertices[triangle[1]].Point];
    const TVec3& c = mesh.Points[mesh.Vertices[triangle[2]].Point];
    AppendFloats(out, TriangleNormal(a, b, c));
    for (const TVec3* corner : {&a, &b, &c}) AppendFloats(out, *corner);
    AppendLittleEndian(out, std::uint16_t{0});
  }
  return out;
}

std::string EncodePly(const TMesh& mesh) {
  std::string out =
      "ply\nformat binary_little_endian 1.0\ncomment Bezier surface\nelement vertex " +
      std::to_string(mesh.Points.size()) +
      "\nproperty double x\nproperty double y\nproperty double z\nelement face " +
      std::to_string(mesh.Triangles.size()) +
      "\nproperty list uchar int vertex_indices\nend_header\n";
  out.reserve(out.size() + 24 * mesh.Points.size() + 13 * mesh.Triangles.size());
  for (const TVec3& p : mesh.Points)
    for (int axis = 0; axis < 3; ++axis) AppendLittleEndian(out, p[axis]);
  for (const auto& triangle : mesh.Triangles) {
    AppendLittleEndian(out, std::uint8_t{3});
    for (const int k : triangle) AppendLittleEndian(out, std::int32_t{mesh.Vertices[k].Point});
  }
  return out;
}

namespace {

struct TFormatEntry {
  std::string_view Extension;
  TMeshFormat Format;
  std::string (*Encode)(const TMesh&);
};

constexpr TFormatEntry Formats[] = {
    {".obj", TMeshFormat::Obj, EncodeObj},
    {".stl", TMeshFormat::Stl, EncodeStl},
    {".ply", TMeshFormat::Ply, EncodePly},
};

}  // namespace

std::optional<TMeshFormat> MeshFormatOf(std::string_view fileName) {
  for (const TFormatEntry& entry : Formats) {
    if (fileName.size() < entry.Extension.size()) continue;
    const std::string_view tail = fileName.substr(fileName.size() - entry.Extension.size());
    if (std::equal(tail.begin(), tail.end(), entry.Extension.begin(),
                   [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; }))
      return entry.Format;
  }
  return std::nullopt;
}

std::string MeshExtensions() {
  std::string list;
  for (const TFormatEntry& entry : Formats)
    list += (list.empty() ? "" : ", ") + std::string(entry.Extension);
  return list;
}

std::string EncodeMesh(const TMesh& mesh, TMeshFormat format) {
  for (const TFormatEntry& entry : Formats)
    if (entry.Format == format) return entry.Encode(mesh);
  return {};
}

}  // namespace Bezier
