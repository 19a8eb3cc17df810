#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <utility>
#include <vector>

#include "app/BezierSurface.h"
#include "framework/runtime/Exceptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace Bezier {
namespace {

using platform::Bitmap;
using platform::Canvas;
using platform::TColor;

constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();

const TColor Face = platform::ColorToRGB(platform::clBtnFace);

Bitmap Area(int width = AreaWidth, int height = AreaHeight) {
  Bitmap area(width, height);
  area.Fill(Face);
  return area;
}

int CountPainted(const Bitmap& b) {
  int count = 0;
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) count += b.Pixel(x, y) != Face ? 1 : 0;
  }
  return count;
}

TEST(PutPixel, LandsTwentyPixelsInAndIgnoresTheOutside) {
  Bitmap b = Area();
  Canvas area(b);
  PutPixel(area, 0, 0, platform::clRed);
  PutPixel(area, -20, -20, platform::clBlue);
  PutPixel(area, -21, 0, platform::clRed);
  PutPixel(area, 0, AreaHeight - 20, platform::clRed);
  PutPixel(area, Max32, Max32, platform::clRed);
  PutPixel(area, Min32, Min32, platform::clRed);
  EXPECT_EQ(b.Pixel(20, 20), platform::clRed);
  EXPECT_EQ(b.Pixel(0, 0), platform::clBlue);
  EXPECT_EQ(CountPainted(b), 2);
}

TEST(PutPixel, FollowsTheCanvasOriginAndClip) {
  Bitmap b = Area(60, 60);
  Canvas area(b);
  area.SetOrigin({10, 5});
  area.IntersectClipRect({0, 0, 30, 30});
  PutPixel(area, 0, 0, platform::clRed);   // logical (20, 20) is device (30, 25)
  PutPixel(area, 10, 0, platform::clRed);  // logical x 30 is outside the clip
  PutPixel(area, Max32 - 20, 0, platform::clRed);
  EXPECT_EQ(b.Pixel(30, 25), platform::clRed);
  EXPECT_EQ(CountPainted(b), 1);
}

TEST(DrawLine, SteepLineFromTheLeftEnd) {
  Bitmap b = Area();
  Canvas area(b);
  DrawLine(area, 10, 10, 0, 0);
  for (int i = 20; i <= 30; ++i) EXPECT_EQ(b.Pixel(i, i), platform::clBlack) << i;
  EXPECT_EQ(CountPainted(b), 11);
}

TEST(DrawLine, FlatLineStartsBlue) {
  Bitmap b = Area();
  Canvas area(b);
  DrawLine(area, 0, 0, 10, 3);
  const int rows[] = {0, 0, 1, 1, 1, 2, 2, 2, 2, 3, 3};
  EXPECT_EQ(b.Pixel(20, 20), platform::clBlue);
  for (int x = 1; x <= 10; ++x) EXPECT_EQ(b.Pixel(20 + x, 20 + rows[x]), platform::clBlack) << x;
  EXPECT_EQ(CountPainted(b), 11);
}

TEST(DrawLine, SinglePointAndUpwardLines) {
  Bitmap b = Area();
  Canvas area(b);
  DrawLine(area, 5, 5, 5, 5);
  EXPECT_EQ(b.Pixel(25, 25), platform::clBlack);
  EXPECT_EQ(CountPainted(b), 1);
  DrawLine(area, 0, 10, 0, 0);
  for (int y = 20; y <= 30; ++y) EXPECT_EQ(b.Pixel(20, y), platform::clBlack) << y;
  EXPECT_EQ(CountPainted(b), 12);
}

// The walk exactly as stated, one pixel after the other.
void NaiveLine(Canvas& area, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
  if (x2 < x1) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  const std::int64_t dx = x2 - x1, dy = std::abs(y2 - y1), sy = y1 <= y2 ? 1 : -1;
  std::int64_t x = x1, y = y1;
  const auto put = [&](TColor color) {
    PutPixel(area, static_cast<std::int32_t>(x), static_cast<std::int32_t>(y), color);
  };
  if (dy < dx) {
    put(platform::clBlue);
    for (std::int64_t d = 2 * dy - dx; x < x2;) {
      ++x;
      if (d < 0) {
        d += 2 * dy;
      } else {
        y += sy;
        d += 2 * (dy - dx);
      }
      put(platform::clBlack);
    }
    return;
  }
  put(platform::clBlack);
  if (y1 == y2) return;
  std::int64_t d = 2 * dx - dy;
  do {
    y += sy;
    if (d < 0) {
      d += 2 * dx;
    } else {
      ++x;
      d += 2 * (dx - dy);
    }
    put(platform::clBlack);
  } while (y != y2);
}

// Lines that cross the area's edges in every direction, on a plain canvas and on one with an
// origin and a clip, must give the very pixels of the full walk.
TEST(DrawLine, SkippingTheOutsideGivesThePixelsOfTheFullWalk) {
  std::mt19937 random(20240607);
  std::uniform_int_distribution<std::int32_t> coordinate(-160, 200);
  for (int shifted = 0; shifted < 2; ++shifted) {
    for (int line = 0; line < 1500; ++line) {
      const std::int32_t x1 = coordinate(random), y1 = coordinate(random);
      const std::int32_t x2 = coordinate(random), y2 = coordinate(random);
      Bitmap fast = Area(90, 70);
      Bitmap naive = Area(90, 70);
      Canvas fastArea(fast);
      Canvas naiveArea(naive);
      if (shifted != 0) {
        for (Canvas* c : {&fastArea, &naiveArea}) {
          c->SetOrigin({-7, 5});
          c->IntersectClipRect({12, 3, 70, 50});
        }
      }
      DrawLine(fastArea, x1, y1, x2, y2);
      NaiveLine(naiveArea, x1, y1, x2, y2);
      ASSERT_TRUE(fast == naive) << x1 << "," << y1 << " - " << x2 << "," << y2;
    }
  }
}

TEST(DrawLine, LinesAcrossTheWholePlaneDrawOnlyTheirVisiblePart) {
  Bitmap b = Area();
  Canvas area(b);
  DrawLine(area, Min32, Min32, Max32, Max32);
  for (int i = 0; i < AreaHeight; ++i) EXPECT_EQ(b.Pixel(i, i), platform::clBlack) << i;
  EXPECT_EQ(CountPainted(b), AreaHeight);

  // One step down, exactly at x = 0.
  b.Fill(Face);
  DrawLine(area, Min32, 0, Max32, 1);
  for (int x = 0; x < AreaWidth; ++x) {
    EXPECT_EQ(b.Pixel(x, x < 20 ? 20 : 21), platform::clBlack) << x;
  }
  EXPECT_EQ(CountPainted(b), AreaWidth);

  // Steep and upwards: one step right, exactly at y = -1.
  b.Fill(Face);
  DrawLine(area, 0, Max32, 1, Min32);
  for (int y = 0; y < AreaHeight; ++y) {
    EXPECT_EQ(b.Pixel(y < 20 ? 21 : 20, y), platform::clBlack) << y;
  }
  EXPECT_EQ(CountPainted(b), AreaHeight);
}

// A flat quadrilateral: one curve of two points, and another.
const MatA Quad = {{{3, 5, 0}, {101, 17, 0}}, {{7, 151, 0}, {203, 190, 0}}};

// One axis of the bilinear patch: four terms (P x a) x b, each rounded to nearest, even on ties.
std::int32_t Bilinear(const MatA& p, int axis, double u, double v) {
  const long double a[2] = {1.0L - u, static_cast<long double>(u)};
  const long double b[2] = {1.0L - v, static_cast<long double>(v)};
  std::int64_t sum = 0;
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 2; ++j) sum += std::llrint(p[i][j][axis] * a[i] * b[j]);
  }
  return static_cast<std::int32_t>(sum);
}

TEST(DrawSurface, FlatQuadrilateralIsItsSidesAndTheBilinearPatchOnEvenPixels) {
  Bitmap expected = Area();
  Canvas expectedArea(expected);
  DrawLine(expectedArea, 3, 5, 101, 17);
  DrawLine(expectedArea, 7, 151, 203, 190);
  DrawLine(expectedArea, 3, 5, 7, 151);
  DrawLine(expectedArea, 101, 17, 203, 190);
  const auto plot = [&](double u, double v) {
    const std::int32_t x = Bilinear(Quad, 0, u, v), y = Bilinear(Quad, 1, u, v);
    expected.SetPixel(20 + x + (x & 1), 20 + y + (y & 1), platform::clRed);
  };
  for (const double u : OuterParameters()) {
    for (const double v : InnerParameters(false)) plot(u, v);
  }
  for (const double v : OuterParameters()) {
    for (const double u : InnerParameters(true)) plot(u, v);
  }

  Bitmap b = Area();
  Canvas area(b);
  DrawSurface(area, 1, 1, Quad);
  EXPECT_TRUE(b == expected);
}

TEST(DrawSurface, DeepNetHasTwelveEdgesAndRedPointsOnEvenPixels) {
  const MatA net = {{{0, 0, 0}, {80, 10, 40}, {160, 0, 0}},
                    {{10, 80, 60}, {90, 90, 200}, {170, 80, 60}},
                    {{0, 160, 0}, {80, 170, 40}, {160, 160, 0}}};
  Bitmap edges = Area();
  Canvas edgesArea(edges);
  // The projected points (i, j) and (k, l), joined.
  const auto edge = [&](int i, int j, int k, int l) {
    std::int32_t x1 = net[i][j][0], y1 = net[i][j][1], z1 = net[i][j][2];
    std::int32_t x2 = net[k][l][0], y2 = net[k][l][1], z2 = net[k][l][2];
    Project(x1, y1, z1);
    Project(x2, y2, z2);
    DrawLine(edgesArea, x1, y1, x2, y2);
  };
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 2; ++j) edge(i, j, i, j + 1);
  }
  for (int j = 0; j < 3; ++j) {
    for (int i = 0; i < 2; ++i) edge(i, j, i + 1, j);
  }

  Bitmap b = Area();
  Canvas area(b);
  DrawSurface(area, 2, 2, net);
  int red = 0;
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      if (b.Pixel(x, y) == platform::clRed) {
        ++red;
        EXPECT_TRUE((x - 20) % 2 == 0 && (y - 20) % 2 == 0) << x << "," << y;
      } else {
        EXPECT_EQ(b.Pixel(x, y), edges.Pixel(x, y)) << x << "," << y;
      }
    }
  }
  EXPECT_GT(red, 1000);
}

TEST(DrawSurface, NoCurvesDrawsTheEmptySumAtTheOrigin) {
  Bitmap b = Area();
  Canvas area(b);
  DrawSurface(area, -1, -1, {});
  EXPECT_EQ(b.Pixel(20, 20), platform::clRed);
  EXPECT_EQ(CountPainted(b), 1);
}

TEST(DrawSurface, AStoreSmallerThanTheNetDrawsNothing) {
  Bitmap b = Area();
  Canvas area(b);
  EXPECT_THROW(DrawSurface(area, 2, 1, Quad), framework::EListError);
  EXPECT_THROW(DrawSurface(area, 1, 2, Quad), framework::EListError);
  EXPECT_EQ(CountPainted(b), 0);
}

}  // namespace
}  // namespace Bezier
