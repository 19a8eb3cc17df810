#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/BezierPointFile.h"
#include "app/BezierSurface.h"
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

TEST(BezierRender, DrawsThePointFileOntoAFreshArea) {
  const TempFolder folder;
  const std::string points = folder.Path("points.txt");
  const std::string png = folder.Path("out.png");
  WriteBytes(points, "2x2\r\n3 5 0\r\n101 17 40\r\n7 151 60\r\n203 190 0\r\nextra\r\n");
  ASSERT_EQ(Render(points + " " + png, folder.Path("errors")), 0);

  platform::Bitmap expected(AreaWidth, AreaHeight);
  expected.Fill(platform::clBtnFace);
  platform::Canvas area(expected);
  DrawSurface(area, 1, 1, {{{3, 5, 0}, {101, 17, 40}}, {{7, 151, 60}, {203, 190, 0}}});
  const std::vector<std::uint8_t> bytes = platform::EncodePng(expected);
  EXPECT_EQ(ReadBytes(png), std::string(bytes.begin(), bytes.end()));
}

// Each message names the program and the file it is about; the tool's own texts stay.
TEST(BezierRender, ReportsErrorsAndUsage) {
  const TempFolder folder;
  const std::string errors = folder.Path("errors");
  const std::string points = folder.Path("points.txt");
  const std::string png = folder.Path("out.png");

  WriteBytes(points, "2x2\r\n1 2 3\r\n4 5 6\r\n7 8 9\r\n");
  EXPECT_EQ(Render(points + " " + png, errors), 1);
  EXPECT_EQ(ReadBytes(errors),
            "bezier-render: " + points + ": Cek Seluruh Input yang harus diisi ... !\n");

  const std::string missing = folder.Path("missing.txt");
  EXPECT_EQ(Render(missing + " " + png, errors), 1);
  EXPECT_EQ(ReadBytes(errors), "bezier-render: " + missing + ": File not found\n");

  const std::string noFolder = folder.Path("no-folder/out.png");
  WriteBytes(points, "2x2\r\n1 2 3\r\n4 5 6\r\n7 8 9\r\n1 1 1\r\n");
  EXPECT_EQ(Render(points + " " + noFolder, errors), 1);
  EXPECT_EQ(ReadBytes(errors),
            "bezier-render: Cannot create " + noFolder + ": No such file or directory\n");

  WriteBytes(points, "1x1\r\n1 2 z\r\n");
  EXPECT_EQ(Render(points + " " + png, errors), 1);
  EXPECT_EQ(ReadBytes(errors), "bezier-render: " + points + ": 'z' is not a valid integer value\n");

  EXPECT_EQ(Render(points, errors), 2);
  EXPECT_EQ(ReadBytes(errors), "usage: bezier-render POINTFILE OUT.png\n");
  EXPECT_EQ(folder.EntryCount(), 2u);  // no picture was written
}

}  // namespace
}  // namespace Bezier
