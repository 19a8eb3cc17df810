// The net the view reads from the table, and the surface it shows: the true Bezier surface.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/BezierSurface.h"
#include "app/view3d/ViewRender.h"
#include "app/view3d/ViewScene.h"

namespace Bezier {
namespace {

// Rows of "X Y Z" texts, row 1 first.
TViewNet Read(const std::string& m, const std::string& n,
              const std::vector<std::vector<std::string>>& rows) {
  return ReadNet(m, n, [&rows](int col, int row) {
    return row - 1 < static_cast<int>(rows.size())
               ? rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)]
               : std::string();
  });
}

TEST(ViewNet, ReadsAsTheDrawingReadsAndNamesTheFirstBadRow) {
  const std::vector<std::vector<std::string>> good{{"1", "2", "3"}, {"4", "5", "6"}};
  const struct {
    std::string m, n;
    std::vector<std::vector<std::string>> rows;
    int points;  // of the net, valid or not
    int valid;
    std::string hint;
  } cases[] = {
      {"1", "2", good, 2, 2, ""},
      {"2", "1", good, 2, 2, ""},
      {"$2", "1", good, 2, 2, ""},  // the integer conversion's hexadecimal
      {"2", "2", good, 4, 2, "Baris 3 belum berisi bilangan bulat X, Y dan Z"},
      {"2",
       "1",
       {{"1", "", "3"}, {"x", "5", "6"}},
       2,
       0,
       "Baris 1 belum berisi bilangan bulat X, Y dan Z"},
      {"", "", good, 0, 0, "Isi nilai M dan N, lalu tekan \"Nilai (M x N)\""},
      {"101", "100", good, 0, 0, "Nilai M x N di luar batas (1 sampai 10000 titik)"},
      {"0", "3", good, 0, 0, "Nilai M x N di luar batas (1 sampai 10000 titik)"},
  };
  for (const auto& c : cases) {
    const TViewNet net = Read(c.m, c.n, c.rows);
    EXPECT_EQ(static_cast<int>(net.Points.size()), c.points) << c.m << "x" << c.n;
    EXPECT_EQ(static_cast<int>(ValidPoints(net).size()), c.valid) << c.m << "x" << c.n;
    EXPECT_EQ(net.Hint, c.hint) << c.m << "x" << c.n;
  }
  EXPECT_EQ(Read("2", "1", good).Points[1], (TVec3{4, 5, 6}));
}

double Binomial(int n, int k) {
  double b = 1;
  for (int i = 1; i <= k; ++i) b = b * (n - k + i) / i;  // exact for these small n
  return b;
}

// S(u, v) formed term by term, as a textbook writes it.
TVec3 Evaluate(const TViewNet& net, double u, double v) {
  TVec3 s;
  for (int i = 0; i < net.M; ++i)
    for (int j = 0; j < net.N; ++j) {
      const double w = Binomial(net.M - 1, i) * std::pow(u, i) * std::pow(1 - u, net.M - 1 - i) *
                       Binomial(net.N - 1, j) * std::pow(v, j) * std::pow(1 - v, net.N - 1 - j);
      s += w * net.Points[static_cast<std::size_t>(i * net.N + j)];
    }
  return s;
}

TEST(ViewScene, TheShadedSurfaceIsTheTrueBezierSurface) {
  std::vector<std::vector<std::string>> rows;
  MatA store;
  SizePoints(store, 4, 3);
  for (int k = 0; k < 12; ++k) {
    const int x = 17 * k % 101, y = 40 + 29 * k % 97, z = 250 - 13 * k % 89;
    rows.push_back({std::to_string(x), std::to_string(y), std::to_string(z)});
    store[static_cast<std::size_t>(k / 3)][static_cast<std::size_t>(k % 3)] = {x, y, z};
  }
  const TViewScene scene = BuildScene(Read("4", "3", rows), TViewOptions{});
  const TTessellation& t = *scene.Surface;
  for (int a = 0; a <= t.StepsU; a += 7) {
    for (int b = 0; b <= t.StepsV; b += 5) {
      const double u = static_cast<double>(a) / t.StepsU, v = static_cast<double>(b) / t.StepsV;
      const TVec3& p = t.Points[static_cast<std::size_t>(t.Index(a, b))];
      const TVec3 exact = Evaluate(scene.Net, u, v);
      const TSurfacePoint drawn = SurfacePoint(3, 2, store, u, v);
      for (int axis = 0; axis < 3; ++axis) {
        EXPECT_NEAR(p[axis], exact[axis], 1e-9) << a << "," << b;
        // The drawing rounds each of its 4 x 3 terms: at most a half each.
        EXPECT_LE(std::abs(p[axis] - drawn[static_cast<std::size_t>(axis)]), 12 * 0.5);
      }
    }
  }
  // 11 lines of each direction, each of 128 points, on the same surface.
  ASSERT_EQ(scene.IsoLines.size(), 22u);
  const TVec3& onLine = scene.IsoLines[10][64];  // u = 5 / 10 at v = 64 / 127
  EXPECT_NEAR(onLine.X, Evaluate(scene.Net, 0.5, 64.0 / 127).X, 1e-9);
}

// All points equal, one row, the ends of the 32-bit range: a picture, without a fault.
TEST(ViewScene, DegenerateNetsStillDraw) {
  const std::vector<std::vector<std::vector<std::string>>> tables{
      {{"5", "5", "5"}, {"5", "5", "5"}, {"5", "5", "5"}, {"5", "5", "5"}},
      {{"-2147483648", "2147483647", "0"},
       {"2147483647", "-2147483648", "2147483647"},
       {"0", "0", "-2147483648"},
       {"2147483647", "2147483647", "2147483647"}},
  };
  for (const auto& rows : tables) {
    for (const auto& [m, n] : {std::pair{"2", "2"}, std::pair{"1", "4"}, std::pair{"4", "1"}}) {
      const TViewScene scene = BuildScene(Read(m, n, rows), TViewOptions{});
      ASSERT_TRUE(scene.Surface.has_value());
      for (const TVec3& normal : scene.Surface->Normals)
        ASSERT_TRUE(std::isfinite(normal.X) && std::isfinite(normal.Y) && std::isfinite(normal.Z));
      for (const TProjection projection : {TProjection::Orthographic, TProjection::Perspective}) {
        TCamera camera;
        camera.Projection = projection;
        camera.Fit(*scene.Bounds, scene.Net.Points, 90, 70);
        TViewFrame frame;
        RenderView(frame, 90, 70, camera, scene, TViewOptions{}, 0);
        // The selected marker, in its colour, at the first point.
        const platform::TPoint at = *MarkerPixel(camera, scene.Net.Points[0]);
        if (at.X >= 0 && at.X < 90 && at.Y >= 0 && at.Y < 70) {
          EXPECT_EQ(frame.Pixels().Pixel(at.X, at.Y), ViewColors.Selected);
        }
      }
    }
  }
}

}  // namespace
}  // namespace Bezier
