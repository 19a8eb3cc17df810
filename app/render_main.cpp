// bezier-render POINTFILE OUT.png: draws a point file as "Gambar Kurva" would on a fresh
// drawing area, and saves the area as a PNG; with --mesh it also (or only) writes the surface
// as a triangle mesh.
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/BezierPointFile.h"
#include "app/cli/CommandFailure.h"
#include "app/cli/CommandLine.h"
#include "app/export/MeshExport.h"
#include "app/export/Picture.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/TextFile.h"
#include "platform/graphics/Png.h"

namespace {

using Bezier::cli::TArguments;
using Bezier::cli::TFailure;
using Bezier::cli::TUsageError;

const std::string MeshHelp = "also write the surface as a mesh (" + Bezier::MeshExtensions() + ")";
const std::string StepsHelp = "tessellate the mesh N x N (1 to " +
                              std::to_string(Bezier::MaxMeshSteps) + ", default " +
                              std::to_string(Bezier::DefaultMeshSteps) + ")";

const Bezier::cli::TCommand Command{
    "bezier-render",
    "POINTFILE [OUT.png]",
    1,
    2,
    "Draws a point file as the tool's \"Gambar Kurva\" does and saves the drawing area as a PNG.\n"
    "At another size than 503x455 the net is scaled by min(W / 503, H / 455) about the table's\n"
    "origin and drawn 20 pixels in from the top left corner, as at 503x455.",
    {{"--size", "WxH", "the picture's size (default 503x455)"},
     {"--mesh", "OUT", MeshHelp},
     {"--steps", "N", StepsHelp}}};

Bezier::TPointTable ReadTable(const std::string& pointFile) {
  const std::string text = Bezier::cli::ReadInputFile(pointFile);
  try {
    return Bezier::ReadPointTable(framework::SplitTextLines(text));
  } catch (const framework::Exception& e) {
    // The tool's own message, about this file.
    throw TFailure(pointFile, e.Message());
  }
}

int Steps(const TArguments& arguments) {
  const auto given = arguments.Options.find("--steps");
  if (given == arguments.Options.end()) return Bezier::DefaultMeshSteps;
  const std::optional<int> steps = Bezier::cli::NumberIn(given->second, 1, Bezier::MaxMeshSteps);
  if (!steps)
    throw TUsageError("the steps '" + given->second + "' are not a number from 1 to " +
                      std::to_string(Bezier::MaxMeshSteps));
  return *steps;
}

// "WxH", both sides 1..MaxPictureSide.
Bezier::TPictureSize Size(const TArguments& arguments) {
  const auto given = arguments.Options.find("--size");
  if (given == arguments.Options.end()) return {};
  const std::string_view text = given->second;
  const std::size_t x = text.find('x');
  const auto side = [&](std::size_t from, std::size_t count) {
    return x == text.npos
               ? std::nullopt
               : Bezier::cli::NumberIn(text.substr(from, count), 1, Bezier::MaxPictureSide);
  };
  const std::optional<int> width = side(0, x), height = side(x + 1, text.npos);
  if (!width || !height)
    throw TUsageError("the size '" + given->second + "' is not WxH with sides from 1 to " +
                      std::to_string(Bezier::MaxPictureSide));
  return {*width, *height};
}

void WriteMesh(const Bezier::TPointTable& table, const std::string& pointFile,
               const std::string& path, int steps) {
  const std::optional<Bezier::TMeshFormat> format = Bezier::MeshFormatOf(path);
  if (!format) throw TFailure(path, "is no mesh file name (" + Bezier::MeshExtensions() + ")");
  // Two negative counts make a positive point count, but no net.
  if (table.M < 1 || table.N < 1)
    throw TFailure(pointFile, "The table size " + std::to_string(table.M) + " x " +
                                  std::to_string(table.N) + " has no net to mesh");
  const std::string mesh =
      Bezier::SurfaceMesh(Bezier::PatchOf(table.M - 1, table.N - 1, table.Points), steps, *format);
  Bezier::cli::WriteOutputFile(
      path, std::span(reinterpret_cast<const std::uint8_t*>(mesh.data()), mesh.size()));
}

void Render(const TArguments& arguments) {
  const bool picture = arguments.Operands.size() == 2;
  const bool mesh = arguments.Has("--mesh");
  if (!picture && !mesh) throw TUsageError("nothing to write: give OUT.png or --mesh OUT");
  if (!picture && arguments.Has("--size")) throw TUsageError("--size is for OUT.png");
  if (!mesh && arguments.Has("--steps")) throw TUsageError("--steps is for --mesh");
  const Bezier::TPictureSize size = Size(arguments);
  const int steps = Steps(arguments);
  const Bezier::TPointTable table = ReadTable(arguments.Operands[0]);
  if (mesh) WriteMesh(table, arguments.Operands[0], arguments.Options.at("--mesh"), steps);
  if (picture) {
    const std::string& out = arguments.Operands[1];
    try {
      Bezier::cli::WriteOutputFile(out, platform::EncodePng(Bezier::DrawnPicture(table, size)));
    } catch (const std::out_of_range& e) {
      throw TFailure(out, e.what());
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  return Bezier::cli::RunCommand(Command, argc, argv, Render);
}
