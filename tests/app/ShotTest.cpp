// bezier-shot: the whole main window as the tool starts, or after drawing a point file through
// the window's own commands; a file that cannot be drawn is an error and writes nothing.
#include <gtest/gtest.h>

#include <string>

#include "app/BezierShot.h"
#include "app/BezierSurface.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "resources/Embedded.h"
#include "tests/app/TempFolder.h"

namespace Bezier {
namespace {

using tempfiles::ReadBytes;
using tempfiles::TempFolder;
using tempfiles::WriteBytes;

class Shot : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { resources::RegisterEmbeddedResources(); }

  // The drawing area of a shot: the paint box at (281, 9) of the client area.
  static platform::Bitmap Area(const TWindowShot& shot) {
    platform::Bitmap area(AreaWidth, AreaHeight);
    platform::Canvas canvas(area);
    const platform::TPoint at = shot.ClientOrigin + platform::TPoint{281, 9};
    canvas.Draw(-at.X, -at.Y, shot.Picture);
    return area;
  }

  TempFolder folder;
};

TEST_F(Shot, DrawsThePointFileThroughTheWindowIntoItsDrawingArea) {
  platform::Bitmap expected(AreaWidth, AreaHeight);
  expected.Fill(platform::clBtnFace);
  EXPECT_EQ(Area(ShootMainWindow(std::nullopt)), expected) << "nothing drawn at the start";

  const std::string points = folder.Path("points.txt");
  WriteBytes(points, "2x2\r\n3 5 0\r\n101 17 40\r\n7 151 60\r\n203 190 0\r\n");
  const TWindowShot shot = ShootMainWindow(points);
  platform::Canvas area(expected);
  DrawSurface(area, 1, 1, {{{3, 5, 0}, {101, 17, 40}}, {{7, 151, 60}, {203, 190, 0}}});
  EXPECT_EQ(Area(shot), expected);
  EXPECT_GT(shot.ClientOrigin.Y, shot.ClientOrigin.X) << "the frame with title and menu bar";
}

TEST_F(Shot, TheCommandWritesTheWindowAsItStarts) {
  const std::string png = folder.Path("out.png");
  EXPECT_EQ(tempfiles::RunProgram(BEZIER_SHOT, png, folder.Path("errors")), 0);
  EXPECT_EQ(ReadBytes(png).substr(1, 3), "PNG");
}

}  // namespace
}  // namespace Bezier
