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

}  // namespace
}  // namespace Bezier
