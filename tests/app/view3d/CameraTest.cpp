// Where the 3-D view puts points: the fixed views, a fit, a turn, perspective, zoom and moves.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "app/BezierSurface.h"
#include "app/view3d/Camera.h"
#include "app/view3d/ViewRender.h"

namespace Bezier {
namespace {

TCamera Looking(const TMat3& orientation) {
  TCamera camera;
  camera.Orientation = orientation;
  camera.Pivot = {10, 20, 30};
  camera.Scale = 2;
  camera.OriginX = 100;
  camera.OriginY = 50;
  return camera;
}

// The point (11, 23, 35) lies (1, 3, 5) from the pivot (10, 20, 30); at scale 2 round
// (100, 50) its view coordinates become pixels.
TEST(Camera, FixedViewsPutPointsOnKnownPixels) {
  const struct {
    TMat3 orientation;
    platform::TPoint pixel;
    double depth;
  } cases[] = {
      {TCamera::AlongX(), {90, 56}, 1},   // x = -z = -5, y = 3, depth x = 1
      {TCamera::AlongY(), {102, 40}, 3},  // x = 1, y = -z = -5, depth y = 3
      {TCamera::AlongZ(), {102, 56}, 5},  // x = 1, y = 3, depth z = 5
  };
  for (const auto& c : cases) {
    const TCamera camera = Looking(c.orientation);
    EXPECT_EQ(MarkerPixel(camera, {11, 23, 35}), c.pixel);
    EXPECT_EQ(camera.Project({11, 23, 35})->Depth, c.depth);
    EXPECT_EQ(c.orientation.Determinant(), 1);  // turns, never mirrors
  }
}

// View 0 is the main window's picture: the stated projection, offset by 20.
TEST(Camera, ObliqueViewMatchesTheMainWindowPixels) {
  const TCamera camera = TCamera::ObliqueView();
  EXPECT_EQ(MarkerPixel(camera, {0, 0, 0}), (platform::TPoint{20, 20}));
  EXPECT_EQ(MarkerPixel(camera, {0, 0, 100}), (platform::TPoint{41, 42}));  // 21.2 near, up
  for (std::int32_t k = -3000; k <= 3000; k += 7) {
    std::int32_t x = k * 13 % 977, y = k, z = k * 31 % 1013;
    const TVec3 p{static_cast<double>(x), static_cast<double>(y), static_cast<double>(z)};
    Project(x, y, z);
    ASSERT_EQ(MarkerPixel(camera, p), (platform::TPoint{x + DrawOffset, y + DrawOffset})) << k;
  }
}

// Points (0, 0, 0) and (100, 50, 0) in 240 x 140: centre (50, 25, 0), extents 50 and 25,
// room 120 - 20 and 70 - 20, so scale 2 about (120, 70).
TEST(Camera, FitCentresTheSurfaceWithAMargin) {
  const std::vector<TVec3> points{{0, 0, 0}, {100, 50, 0}};
  TCamera camera;
  camera.Fit(*BoundsOf(points), points, 240, 140);
  EXPECT_EQ(camera.Scale, 2);
  EXPECT_EQ(MarkerPixel(camera, points[1]), (platform::TPoint{220, 120}));
  EXPECT_EQ(MarkerPixel(camera, points[0]), (platform::TPoint{20, 20}));
  // One point, or a window of a pixel: still a finite, positive scale.
  camera.Fit(*BoundsOf(std::span(points).first(1)), std::span(points).first(1), 1, 1);
  EXPECT_EQ(camera.Scale, 1);
  camera.Fit(*BoundsOf(points), points, 1, 1);
  EXPECT_GT(camera.Scale, 0);
}

// A quarter turn by dragging right from the view along Z is the view along X.
TEST(Camera, OrbitTurnsAboutTheCentre) {
  TCamera turned = Looking(TCamera::AlongZ());
  turned.Orbit(std::numbers::pi / 2 / 0.01, 0, turned.Pivot);
  const TCamera along = Looking(TCamera::AlongX());
  for (const TVec3& p : {TVec3{11, 23, 35}, TVec3{-40, 7, 90}, TVec3{10, 20, 30}})
    EXPECT_EQ(MarkerPixel(turned, p), MarkerPixel(along, p));
  // Turning about another centre keeps that centre where it was on the screen.
  TCamera moved = Looking(TCamera::AlongZ());
  const auto before = moved.Project({50, 60, 70});
  moved.Orbit(30, -20, {50, 60, 70});
  EXPECT_NEAR(moved.Project({50, 60, 70})->X, before->X, 1e-9);
  EXPECT_NEAR(moved.Project({50, 60, 70})->Y, before->Y, 1e-9);
}

TEST(Camera, PerspectiveShrinksWithDepthAndHidesBehindTheEye) {
  TCamera camera = Looking(TCamera::AlongZ());
  camera.Projection = TProjection::Perspective;
  camera.Distance = 100;
  // 100 deeper than the pivot: half the scale, so (1, 3) from it becomes (1, 3) pixels.
  EXPECT_EQ(MarkerPixel(camera, {11, 23, 130}), (platform::TPoint{101, 53}));
  EXPECT_FALSE(camera.Project({11, 23, 30 - 100}).has_value());
}

TEST(Camera, ZoomKeepsThePointUnderThePointer) {
  TCamera camera = Looking(TCamera::AlongZ());
  camera.Zoom(1.5, 102, 56);  // where (11, 23, 35) lies
  EXPECT_EQ(MarkerPixel(camera, {11, 23, 35}), (platform::TPoint{102, 56}));
  EXPECT_EQ(MarkerPixel(camera, {12, 23, 35}), (platform::TPoint{105, 56}));  // 2 x 1.5 a unit
}

// Scale 2: ten pixels right are five units along the screen's right.
TEST(Camera, ScreenMovesFollowTheView) {
  EXPECT_EQ(Looking(TCamera::AlongZ()).ScreenMove(10, -4, 0), (TVec3{5, -2, 0}));
  EXPECT_EQ(Looking(TCamera::AlongX()).ScreenMove(10, -4, 0), (TVec3{0, -2, -5}));
  EXPECT_EQ(TCamera::ObliqueView().ScreenMove(10, -4, 0), (TVec3{10, -4, 0}));
}

}  // namespace
}  // namespace Bezier
