// Where surface points land, and the whole picture of the drawing against the stated arithmetic.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>

#include "app/BezierSurface.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "tests/support/SurfaceReference.h"

namespace Bezier {
namespace {

constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();

struct TPixelCase {
  TSurfacePoint point;
  platform::TPoint pixel;
};

const TPixelCase PixelCases[] = {
    {{0, 0, 0}, {0, 0}},
    // z 100: x 21.21 rounds to 21 and moves to the even 22; y 21.21 goes up to 22.
    {{0, 0, 100}, {22, 22}},
    // z -100: x -21.21 rounds to -21, then -20; y -21.21 goes up to -21, then -20.
    {{0, 0, -100}, {-20, -20}},
    {{1, -1, 0}, {2, 0}},
    // 2^31 - 1 is odd: the step to the even neighbour wraps to -2^31.
    {{Max32, Max32 - 1, 0}, {Min32, Max32 - 1}},
    // z 2^31 - 1: 455550074.78 rounds to 455550075, y goes up to it; both odd, so + 1.
    {{0, 0, Max32}, {455550076, 455550076}},
    // 2147483647 + 455550074.78 keeps the low 32 bits of 2603033722, which is even.
    {{Max32, Max32, Max32},
     {static_cast<std::int32_t>(2603033722u), static_cast<std::int32_t>(2603033722u)}},
};

TEST(SurfacePixel, ProjectsAndMovesToEvenPixels) {
  for (const TPixelCase& c : PixelCases) {
    const platform::TPoint pixel = SurfacePixel(c.point);
    EXPECT_EQ(pixel.X, c.pixel.X) << c.point[0] << ", " << c.point[1] << ", " << c.point[2];
    EXPECT_EQ(pixel.Y, c.pixel.Y) << c.point[0] << ", " << c.point[1] << ", " << c.point[2];
  }
}

// Project and the rounding of X + 0.5 and Y + 0.5 as stated, against the shortcut.
TEST(SurfacePixel, AgreesWithTheMatrixProjectionEverywhere) {
  std::mt19937 random(99);
  std::uniform_int_distribution<std::int32_t> any(Min32, Max32);
  std::uniform_int_distribution<std::int32_t> near(-3000, 3000);
  for (int k = 0; k < 200000; ++k) {
    const bool wide = k % 2 == 0;
    TSurfacePoint s{wide ? any(random) : near(random), wide ? any(random) : near(random),
                    wide ? any(random) : near(random)};
    const platform::TPoint pixel = SurfacePixel(s);
    Project(s[0], s[1], s[2]);
    ASSERT_EQ(pixel.X, static_cast<std::int32_t>(Round(s[0] + 0.5L))) << k;
    ASSERT_EQ(pixel.Y, static_cast<std::int32_t>(Round(s[1] + 0.5L))) << k;
  }
}

MatA Table(std::int32_t m, std::int32_t n, std::int32_t low, std::int32_t high, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<std::int32_t> cell(low, high);
  MatA points;
  SizePoints(points, m, n);
  for (auto& curve : points) {
    for (auto& point : curve) {
      for (std::int32_t& c : point) c = cell(random);
    }
  }
  return points;
}

// The drawing, pixel for pixel, as the stated arithmetic draws it: nets the tool draws fast, up
// to the largest it sums term by term (13 points), and a canvas with an origin and a clip.
TEST(DrawSurface, WholePictureAsTheStatedArithmeticDrawsIt) {
  struct TCase {
    MatA points;
    bool shifted;
  };
  const TCase cases[] = {
      {Table(4, 6, 1, 299, 1), false},
      {Table(5, 3, -40, 400, 2), true},
      {Table(3, 3, Min32, Max32, 3), false},
      {Table(13, 2, -150, 150, 4), false},
  };
  for (const TCase& c : cases) {
    const auto q = static_cast<std::int32_t>(c.points.size()) - 1;
    const auto p = static_cast<std::int32_t>(c.points[0].size()) - 1;
    platform::Bitmap fast(AreaWidth, AreaHeight), stated(AreaWidth, AreaHeight);
    fast.Fill(platform::clBtnFace);
    stated.Fill(platform::clBtnFace);
    platform::Canvas fastArea(fast), statedArea(stated);
    if (c.shifted) {
      for (platform::Canvas* area : {&fastArea, &statedArea}) {
        area->SetOrigin({-30, 12});
        area->IntersectClipRect({50, 0, 300, 200});
      }
    }
    DrawSurface(fastArea, q, p, c.points);
    reference::DrawSurface(statedArea, q, p, c.points);
    EXPECT_TRUE(fast == stated) << q + 1 << " x " << p + 1;
  }
}

}  // namespace
}  // namespace Bezier
