#include "app/export/Mesh.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace Bezier {

namespace {

// Points closer than this share of the surface's extent are one: where the net closes or
// collapses, the border's corners differ by rounding alone, far below what the mesh shows.
constexpr double WeldShare = 1e-12;
// A triangle whose sine of its widest spread is below this has no area worth a facet.
constexpr double FlatSine = 1e-12;

double Extent(const std::vector<TVec3>& points) {
  double extent = 0;
  for (const TVec3& p : points)
    extent = std::max({extent, std::abs(p.X), std::abs(p.Y), std::abs(p.Z)});
  return extent;
}

std::vector<int> BorderCorners(const TTessellation& t) {
  std::vector<int> border;
  for (int a = 0; a <= t.StepsU; ++a)
    for (int b = 0; b <= t.StepsV; ++b)
      if (a == 0 || b == 0 || a == t.StepsU || b == t.StepsV) border.push_back(t.Index(a, b));
  return border;
}

// For each corner the corner whose point it takes: the first of those it coincides with.
std::vector<int> Welded(const TTessellation& t) {
  std::vector<int> root(t.Points.size());
  std::iota(root.begin(), root.end(), 0);
  const auto find = [&root](int k) {
    while (root[k] != k) k = root[k] = root[root[k]];
    return k;
  };
  const double tolerance = WeldShare * Extent(t.Points);
  std::vector<int> border = BorderCorners(t);
  std::sort(border.begin(), border.end(),
            [&t](int l, int r) { return t.Points[l].X < t.Points[r].X; });
  for (std::size_t i = 0; i < border.size(); ++i) {
    const TVec3& p = t.Points[border[i]];
    for (std::size_t j = i + 1; j < border.size(); ++j) {
      const TVec3& q = t.Points[border[j]];
      if (q.X - p.X > tolerance) break;
      if (std::abs(q.Y - p.Y) > tolerance || std::abs(q.Z - p.Z) > tolerance) continue;
      const int l = find(border[i]);
      const int r = find(border[j]);
      root[std::max(l, r)] = std::min(l, r);
    }
  }
  for (std::size_t k = 0; k < root.size(); ++k) root[k] = find(static_cast<int>(k));
  return root;
}

// Hands out new indices in the order of first use.
class TRenumbering {
 public:
  explicit TRenumbering(std::size_t size) : index_(size, -1) {}
  // The new index of old, and whether it was new.
  std::pair<int, bool> Use(int old) {
    int& index = index_[static_cast<std::size_t>(old)];
    const bool fresh = index < 0;
    if (fresh) index = count_++;
    return {index, fresh};
  }

 private:
  std::vector<int> index_;
  int count_ = 0;
};

}  // namespace

TVec3 TriangleNormal(const TVec3& a, const TVec3& b, const TVec3& c) {
  const TVec3 normal = Cross(b - a, c - a);
  const double length = Length(normal);
  const double longest = std::max({Length(b - a), Length(c - b), Length(a - c)});
  if (!(length > FlatSine * longest * longest)) return {};
  return (1 / length) * normal;
}

TMesh MeshOf(const TTessellation& t) {
  const std::vector<int> point = Welded(t);
  TRenumbering points(t.Points.size());
  TRenumbering vertices(t.Points.size());
  TMesh mesh;
  // A corner where the surface has no normal of its own takes that of its first triangle.
  const auto vertex = [&](int corner, const TVec3& facet) {
    const auto [index, fresh] = vertices.Use(corner);
    if (fresh) {
      const auto [p, freshPoint] = points.Use(point[corner]);
      if (freshPoint) mesh.Points.push_back(t.Points[point[corner]]);
      const TVec3& normal = t.Normals[corner];
      mesh.Vertices.push_back({p, normal != TVec3{} ? normal : facet, t.UV[corner]});
    }
    return index;
  };
  const auto add = [&](int c0, int c1, int c2) {
    const int p0 = point[c0], p1 = point[c1], p2 = point[c2];
    if (p0 == p1 || p1 == p2 || p2 == p0) return;
    const TVec3 facet = TriangleNormal(t.Points[p0], t.Points[p1], t.Points[p2]);
    if (facet == TVec3{}) return;
    mesh.Triangles.push_back({vertex(c0, facet), vertex(c1, facet), vertex(c2, facet)});
  };
  // Along u then v the corners turn from dS/du to dS/dv: counter-clockwise about the front.
  for (int a = 0; a < t.StepsU; ++a)
    for (int b = 0; b < t.StepsV; ++b) {
      const int c00 = t.Index(a, b), c10 = t.Index(a + 1, b);
      const int c01 = t.Index(a, b + 1), c11 = t.Index(a + 1, b + 1);
      add(c00, c10, c11);
      add(c00, c11, c01);
    }
  return mesh;
}

}  // namespace Bezier
