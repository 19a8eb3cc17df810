// The view's picture: depth decides what shows, the front and back of a surface differ, and
// nothing drawn far outside, or into a tiny picture, reaches past the bitmap.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "app/view3d/ViewFrame.h"
#include "app/view3d/ViewRender.h"

namespace Bezier {
namespace {

constexpr platform::TColor Near = 0x0000FF, Far = 0x00FF00;

TShadedVertex At(double x, double y, double depth) {
  return {{x, y, depth}, 1};
}

TEST(ViewFrame, TheNearerTriangleShowsWhicheverComesFirst) {
  for (const bool nearFirst : {true, false}) {
    TViewFrame frame;
    frame.Reset(20, 20, 0xFFFFFF);
    const auto near = [&] { frame.Triangle(At(0, 0, 1), At(19, 0, 1), At(0, 19, 1), Near); };
    const auto far = [&] { frame.Triangle(At(2, 2, 5), At(19, 2, 5), At(2, 19, 5), Far); };
    if (nearFirst) {
      near();
      far();
    } else {
      far();
      near();
    }
    EXPECT_EQ(frame.Pixels().Pixel(5, 5), Near) << nearFirst;
    EXPECT_EQ(frame.Pixels().Pixel(15, 15), 0xFFFFFFu) << nearFirst;  // outside both
    EXPECT_EQ(frame.DepthAt(5, 5), 1) << nearFirst;
  }
}

// Light scales every channel: a half light halves 255 to 127 (255 x 128 / 256).
TEST(ViewFrame, LightScalesTheColour) {
  TViewFrame frame;
  frame.Reset(8, 8, 0);
  frame.Triangle({{0, 0, 0}, 0.5}, {{7, 0, 0}, 0.5}, {{0, 7, 0}, 0.5}, 0x00FF00);
  EXPECT_EQ(frame.Pixels().Pixel(1, 1), 0x007F00u);
}

TEST(ViewFrame, FarAwayAndBrokenShapesStayInside) {
  // Huge squared still fits a double; Huger does not, and is left out.
  constexpr double Huge = 1e150, Huger = 1e300, Nan = std::numeric_limits<double>::quiet_NaN();
  for (const int size : {1, 3}) {
    TViewFrame frame;
    frame.Reset(size, size, 0);
    frame.Triangle(At(-Huge, -Huge, 1), At(Huge, -Huge, 1), At(0, Huge, 1), Near);
    frame.Triangle(At(Nan, 0, 1), At(1, 0, 1), At(0, 1, 1), Far);
    frame.Triangle(At(-Huger, -Huger, 0), At(Huger, -Huger, 0), At(0, Huger, 0), Far);
    frame.Line({-Huger, 0, 5}, {Huger, 0, 5}, Far, 0);  // behind the triangle
    frame.Line({Nan, 0, 0}, {0, 0, 0}, Far, 0);
    frame.Marker({1 << 30, -(1 << 30)}, MarkerHalf, Far, Far);
    EXPECT_EQ(frame.Pixels().Pixel(0, 0), Near) << size;  // the huge triangle covers it
  }
}

// A flat net in the plane z = 0: u along X, v along Y, so its front (du x dv) faces +Z,
// away from an eye looking along Z. Turned half round, the eye sees the front.
TEST(ViewFrame, TheBackOfTheSurfaceHasItsOwnColour) {
  TViewNet net;
  net.M = net.N = 2;
  net.Points = {{0, 0, 0}, {0, 100, 0}, {100, 0, 0}, {100, 100, 0}};
  net.Valid.assign(4, true);
  TViewOptions options;
  options.Net = options.IsoLines = options.Axes = false;
  const TViewScene scene = BuildScene(net, options);
  for (const bool turned : {false, true}) {
    TCamera camera;
    camera.Fit(*scene.Bounds, net.Points, 60, 60);
    if (turned) camera.Orbit(std::numbers::pi / 0.01, 0, scene.Bounds->Centre());
    TViewFrame frame;
    RenderView(frame, 60, 60, camera, scene, options, -1);
    const platform::TColor shown = frame.Pixels().Pixel(30, 30);
    const platform::TColor red = shown & 0xFF, blue = shown >> 16;
    EXPECT_EQ(red > blue, turned) << std::hex << shown;  // the front is orange, the back blue
  }
}

}  // namespace
}  // namespace Bezier
