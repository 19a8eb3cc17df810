#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/BezierPointFile.h"
#include "app/BezierSurface.h"
#include "app/export/MeshExport.h"
#include "app/surface/Patch.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Png.h"
#include "tests/app/TempFolder.h"

namespace Bezier {
namespace {

using tempfiles::ReadBytes;
using tempfiles::TempFolder;
using tempfiles::WriteBytes;

int Render(const std::string& arguments, const std::string& errors) {
  return tempfiles::RunProgram(BEZIER_RENDER, arguments, errors);
}

std::string PngOf(const platform::Bitmap& picture) {
  const std::vector<std::uint8_t> bytes = platform::EncodePng(picture);
  return std::string(bytes.begin(), bytes.end());
}

// The drawing of a 2 x 2 net on a fresh area of the size.
platform::Bitmap Drawn(int width, int height, const MatA& points) {
  platform::Bitmap picture(width, height);
  picture.Fill(platform::clBtnFace);
  platform::Canvas area(picture);
  DrawSurface(area, 1, 1, points);
  return picture;
}

const MatA Net = {{{3, 5, 0}, {101, 17, 40}}, {{7, 151, 60}, {203, 190, 0}}};

TEST(BezierRender, DrawsThePointFileOntoAFreshArea) {
  const TempFolder folder;
  const std::string points = folder.Path("points.txt");
  const std::string png = folder.Path("out.png");
  WriteBytes(points, "2x2\r\n3 5 0\r\n101 17 40\r\n7 151 60\r\n203 190 0\r\nextra\r\n");
  ASSERT_EQ(Render(points + " " + png, folder.Path("errors")), 0);

  EXPECT_EQ(ReadBytes(png), PngOf(Drawn(AreaWidth, AreaHeight, Net)));
}

// Another size scales the net by min(W / 503, H / 455), rounded halves to even.
TEST(BezierRender, DrawsAtTheSizeAskedWithTheNetScaled) {
  const TempFolder folder;
  const std::string points = folder.Path("points.txt"), png = folder.Path("out.png");
  WriteBytes(points, "2x2\n3 5 0\n101 17 40\n7 151 60\n203 190 0\n");
  const MatA doubled = {{{6, 10, 0}, {202, 34, 80}}, {{14, 302, 120}, {406, 380, 0}}};
  // min(1006 / 503, 2000 / 455) = 2; min(2000 / 503, 455 / 455) = 1; min(251 / 503, 455 / 455)
  // = 0.499: 3 x 0.499 = 1.497 -> 1, 101 -> 50.4 -> 50, 203 -> 101.3 -> 101, 190 -> 94.8 -> 95.
  const MatA shrunk = {{{1, 2, 0}, {50, 8, 20}}, {{3, 75, 30}, {101, 95, 0}}};
  const struct {
    std::string Size;
    platform::Bitmap Expected;
  } sizes[] = {
      {"503x455", Drawn(AreaWidth, AreaHeight, Net)},
      {"1006x2000", Drawn(1006, 2000, doubled)},
      {"2000x455", Drawn(2000, AreaHeight, Net)},
      {"251x455", Drawn(251, AreaHeight, shrunk)},
  };
  for (const auto& size : sizes) {
    ASSERT_EQ(Render(points + " " + png + " --size " + size.Size, folder.Path("errors")), 0);
    EXPECT_EQ(ReadBytes(png), PngOf(size.Expected)) << size.Size;
  }
}

// --mesh writes the surface of the table in the format its name asks for, 64 x 64 unless
// --steps says otherwise; without OUT.png it writes the mesh alone.
TEST(BezierRender, WritesTheSurfaceAsAMesh) {
  const TempFolder folder;
  const std::string points = folder.Path("points.txt");
  WriteBytes(points, "2x2\n3 5 0\n101 17 40\n7 151 60\n203 190 0\n");
  const TPatch patch = PatchOf(1, 1, Net);
  const struct {
    std::string Name, Steps;
    std::string Expected;
  } meshes[] = {
      {"a.obj", "", SurfaceMesh(patch, 64, TMeshFormat::Obj)},
      {"b.STL", " --steps 3", SurfaceMesh(patch, 3, TMeshFormat::Stl)},
      {"c.ply", " --steps 100", SurfaceMesh(patch, 100, TMeshFormat::Ply)},
  };
  for (const auto& mesh : meshes) {
    const std::string path = folder.Path(mesh.Name);
    ASSERT_EQ(Render(points + " --mesh " + path + mesh.Steps, folder.Path("errors")), 0);
    EXPECT_EQ(ReadBytes(path), mesh.Expected) << mesh.Name;
  }
  EXPECT_EQ(folder.EntryCount(), 5u) << "the points, errors and three meshes: no picture";
}

// Options that do not go together, or values out of range, are usage errors (exit status 2,
// nothing written); a mesh name of no known format fails naming it (exit status 1).
TEST(BezierRender, RefusesOptionsThatDoNotFit) {
  const TempFolder folder;
  const std::string points = folder.Path("points.txt"), png = folder.Path("out.png");
  const std::string mesh = folder.Path("out.obj"), errors = folder.Path("errors");
  WriteBytes(points, "2x2\n3 5 0\n101 17 40\n7 151 60\n203 190 0\n");
  const std::string usage = "usage: bezier-render [OPTION]... POINTFILE [OUT.png]\n";
  const struct {
    std::string Arguments;
    int Status;
    std::string Errors;
  } calls[] = {
      {points, 2, "nothing to write: give OUT.png or --mesh OUT\n" + usage},
      {points + " --mesh " + mesh + " --size 10x10", 2, "--size is for OUT.png\n" + usage},
      {points + " " + png + " --steps 4", 2, "--steps is for --mesh\n" + usage},
      {points + " --mesh " + mesh + " --steps 1025", 2,
       "the steps '1025' are not a number from 1 to 1024\n" + usage},
      {points + " --mesh " + mesh + " --steps 0", 2,
       "the steps '0' are not a number from 1 to 1024\n" + usage},
      {points + " " + png + " --size 8193x10", 2,
       "the size '8193x10' is not WxH with sides from 1 to 8192\n" + usage},
      {points + " " + png + " --size 640", 2,
       "the size '640' is not WxH with sides from 1 to 8192\n" + usage},
      {points + " " + png + " --size 0x10", 2,
       "the size '0x10' is not WxH with sides from 1 to 8192\n" + usage},
      {points + " --mesh " + folder.Path("out.dae"), 1,
       folder.Path("out.dae") + ": is no mesh file name (.obj, .stl, .ply)\n"},
  };
  for (const auto& call : calls) {
    EXPECT_EQ(Render(call.Arguments, errors), call.Status) << call.Arguments;
    EXPECT_EQ(ReadBytes(errors), "bezier-render: " + call.Errors);
  }
  EXPECT_EQ(folder.EntryCount(), 2u) << "only the points and errors";
}

// A scale that takes a point past 32 bits fails naming the picture; two negative counts make
// a positive point count but no net, which no mesh is made of.
TEST(BezierRender, FailsOnTablesItCannotScaleOrMesh) {
  const TempFolder folder;
  const std::string points = folder.Path("points.txt"), png = folder.Path("out.png");
  const std::string mesh = folder.Path("out.stl"), errors = folder.Path("errors");
  const struct {
    std::string Content, Arguments, Errors;
  } calls[] = {
      // 2147483647 x 2 passes the 32-bit range.
      {"1x1\n2147483647 0 0\n", " " + png + " --size 1006x910",
       png + ": the size scales the points past the 32-bit range"},
      {"-1x-1\n1 2 3\n", " --mesh " + mesh, points + ": The table size -1 x -1 has no net to mesh"},
  };
  for (const auto& call : calls) {
    WriteBytes(points, call.Content);
    EXPECT_EQ(Render(points + call.Arguments, errors), 1) << call.Arguments;
    EXPECT_EQ(ReadBytes(errors), "bezier-render: " + call.Errors + "\n");
  }
  EXPECT_EQ(folder.EntryCount(), 2u) << "only the points and errors";
}

}  // namespace
}  // namespace Bezier
