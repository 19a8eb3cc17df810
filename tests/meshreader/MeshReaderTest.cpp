// The mesh files as another program sees them: CGAL, a mesh library of the distribution,
// reads each format back into a soup of points and triangles, and checks the counts, the
// topology and the winding against the surface evaluated here on its own.
#include <gtest/gtest.h>

#include <CGAL/IO/polygon_soup_io.h>
#include <CGAL/Polygon_mesh_processing/polygon_soup_to_polygon_mesh.h>
#include <CGAL/Simple_cartesian.h>
#include <CGAL/Surface_mesh.h>
#include <CGAL/boost/graph/helpers.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "app/export/MeshExport.h"
#include "tests/app/TempFolder.h"

namespace Bezier {
namespace {

using Kernel = CGAL::Simple_cartesian<double>;
using Point = Kernel::Point_3;
using Polygon = std::vector<std::size_t>;
namespace PMP = CGAL::Polygon_mesh_processing;

// ---- The surface by de Casteljau in extended precision, apart from the tool's own sums.

struct TLong {
  long double X = 0, Y = 0, Z = 0;
};
TLong Mix(const TLong& a, const TLong& b, long double t) {
  return {a.X + t * (b.X - a.X), a.Y + t * (b.Y - a.Y), a.Z + t * (b.Z - a.Z)};
}
TLong Scaled(long double k, const TLong& a) {
  return {k * a.X, k * a.Y, k * a.Z};
}

// The point of a Bezier curve and its derivative.
std::pair<TLong, TLong> Casteljau(std::vector<TLong> c, long double t) {
  const std::size_t degree = c.size() - 1;
  if (degree == 0) return {c[0], {}};
  for (std::size_t level = degree; level > 1; --level)
    for (std::size_t k = 0; k < level; ++k) c[k] = Mix(c[k], c[k + 1], t);
  const TLong slope{c[1].X - c[0].X, c[1].Y - c[0].Y, c[1].Z - c[0].Z};
  return {Mix(c[0], c[1], t), Scaled(static_cast<long double>(degree), slope)};
}

struct TNet {
  const char* Name;
  int M, N;
  std::vector<std::array<int, 3>> Points;  // curve by curve
};

// The point and the front normal dS/du x dS/dv at (u, v).
std::pair<TLong, TLong> Evaluate(const TNet& net, long double u, long double v) {
  std::vector<TLong> along, slopes;
  for (int i = 0; i < net.M; ++i) {
    std::vector<TLong> curve;
    for (int j = 0; j < net.N; ++j) {
      const auto& p = net.Points[static_cast<std::size_t>(i * net.N + j)];
      curve.push_back({static_cast<long double>(p[0]), static_cast<long double>(p[1]),
                       static_cast<long double>(p[2])});
    }
    const auto [point, slope] = Casteljau(curve, v);
    along.push_back(point);
    slopes.push_back(slope);
  }
  const auto [point, du] = Casteljau(along, u);
  const TLong dv = Casteljau(slopes, u).first;
  return {point, {du.Y * dv.Z - du.Z * dv.Y, du.Z * dv.X - du.X * dv.Z, du.X * dv.Y - du.Y * dv.X}};
}

// ---- The cases: what each net's mesh at Steps x Steps must hold.

constexpr int Steps = 8;

struct TCase {
  TNet Net;
  std::size_t Points;
  std::size_t Triangles;
  bool Closed;
};

const TCase Cases[] = {
    // Flat: 9 x 9 points, 2 x 64 triangles, all facing +Z (du along X, dv along Y).
    {{"plane", 2, 2, {{0, 0, 5}, {0, 90, 5}, {120, 0, 5}, {120, 90, 5}}}, 81, 128, false},
    // Curve 0 collapses to an apex: row 0 is one point, so 8 x 9 + 1 points, and each of
    // the 8 cells at the apex loses one triangle: 128 - 8.
    {{"cone", 2, 3, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {-40, 30, 60}, {0, 70, 70}, {40, 30, 60}}},
     73,
     120,
     false},
    // Apexes at both ends of u and a smooth loop in v that closes on itself: rows 1..7 of 8
    // points each plus 2 apexes (7 x 8 + 2), and 2 x 8 x 7 triangles; a sphere, V - E + F = 2.
    {{"closed",
      3,
      5,
      {{0, 0, -10},
       {0, 0, -10},
       {0, 0, -10},
       {0, 0, -10},
       {0, 0, -10},
       {20, 0, 0},
       {20, 30, 0},
       {-40, 0, 0},
       {20, -30, 0},
       {20, 0, 0},
       {0, 0, 10},
       {0, 0, 10},
       {0, 0, 10},
       {0, 0, 10},
       {0, 0, 10}}},
     58,
     112,
     true},
    // Every point on one line: no triangle has area, and the file is still one to read (with
    // no triangle there is no border either).
    {{"line", 2, 2, {{0, 0, 0}, {10, 20, 30}, {20, 40, 60}, {30, 60, 90}}}, 0, 0, true},
};

TPatch PatchOf(const TNet& net) {
  std::vector<TVec3> points;
  for (const auto& p : net.Points)
    points.push_back(
        {static_cast<double>(p[0]), static_cast<double>(p[1]), static_cast<double>(p[2])});
  return TPatch(net.M, net.N, std::move(points));
}

double Extent(const TNet& net) {
  int extent = 1;
  for (const auto& p : net.Points)
    for (const int c : p) extent = std::max(extent, std::abs(c));
  return extent;
}

// Binary STL holds 32-bit floats: a point is as near as 2^-24 of its size allows; the other
// formats carry every digit of a double.
double Tolerance(const std::string& extension, const TNet& net) {
  return (extension == ".stl" ? 1.2e-7 : 1e-9) * Extent(net);
}

// For each point read, the parameters of a grid point of the surface it lies on.
std::vector<std::pair<int, int>> OnSurface(const TNet& net, const std::vector<Point>& points,
                                           double tolerance) {
  std::vector<std::pair<int, int>> where;
  for (const Point& p : points) {
    double best = INFINITY;
    std::pair<int, int> at;
    for (int a = 0; a <= Steps; ++a)
      for (int b = 0; b <= Steps; ++b) {
        const TLong s =
            Evaluate(net, static_cast<long double>(a) / Steps, static_cast<long double>(b) / Steps)
                .first;
        const double d = std::max({std::abs(static_cast<double>(s.X) - p.x()),
                                   std::abs(static_cast<double>(s.Y) - p.y()),
                                   std::abs(static_cast<double>(s.Z) - p.z())});
        if (d < best) best = d, at = {a, b};
      }
    EXPECT_LE(best, tolerance) << p;
    where.push_back(at);
  }
  return where;
}

// The facet's normal by its winding against the surface's front at its corners (summed, so
// that a corner at an apex, where the surface has no normal, leaves the decision to the others).
double Facing(const TNet& net, const std::vector<Point>& points, const Polygon& triangle,
              const std::vector<std::pair<int, int>>& where) {
  const Kernel::Vector_3 facet = CGAL::cross_product(points[triangle[1]] - points[triangle[0]],
                                                     points[triangle[2]] - points[triangle[0]]);
  TLong front;
  for (const std::size_t k : triangle) {
    const TLong n = Evaluate(net, static_cast<long double>(where[k].first) / Steps,
                             static_cast<long double>(where[k].second) / Steps)
                        .second;
    const long double length = std::sqrt(n.X * n.X + n.Y * n.Y + n.Z * n.Z);
    if (length > 0)
      front = {front.X + n.X / length, front.Y + n.Y / length, front.Z + n.Z / length};
  }
  return facet.x() * static_cast<double>(front.X) + facet.y() * static_cast<double>(front.Y) +
         facet.z() * static_cast<double>(front.Z);
}

TEST(MeshFiles, ReadBackByAnotherLibrary) {
  const tempfiles::TempFolder folder;
  for (const TCase& c : Cases) {
    for (const std::string extension : {".obj", ".stl", ".ply"}) {
      SCOPED_TRACE(std::string(c.Net.Name) + extension);
      const std::string file = folder.Path(std::string(c.Net.Name) + extension);
      tempfiles::WriteBytes(file, SurfaceMesh(PatchOf(c.Net), Steps, *MeshFormatOf(file)));
      std::vector<Point> points;
      std::vector<Polygon> triangles;
      // CGAL's OBJ reader alone takes a file without a face for a mistake.
      ASSERT_TRUE(CGAL::IO::read_polygon_soup(file, points, triangles) ||
                  (extension == ".obj" && c.Triangles == 0));
      EXPECT_EQ(points.size(), c.Points);
      ASSERT_EQ(triangles.size(), c.Triangles);
      // No edge used twice in one direction, none by more than two triangles, every point's
      // triangles one fan: manifold and consistently wound.
      EXPECT_TRUE(PMP::is_polygon_soup_a_polygon_mesh(triangles));
      CGAL::Surface_mesh<Point> mesh;
      PMP::polygon_soup_to_polygon_mesh(points, triangles, mesh);
      EXPECT_EQ(CGAL::is_closed(mesh), c.Closed);
      const auto where = OnSurface(c.Net, points, Tolerance(extension, c.Net));
      for (const Polygon& triangle : triangles) {
        ASSERT_EQ(triangle.size(), 3u);
        EXPECT_GT(Facing(c.Net, points, triangle, where), 0);
      }
    }
  }
}

}  // namespace
}  // namespace Bezier
