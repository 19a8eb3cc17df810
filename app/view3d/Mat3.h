#pragma once

#include <array>

#include "app/surface/Vec3.h"

namespace Bezier {

// A 3 x 3 matrix by its rows: applied to a point, row k gives coordinate k.
struct TMat3 {
  std::array<TVec3, 3> Rows{TVec3{1, 0, 0}, TVec3{0, 1, 0}, TVec3{0, 0, 1}};

  TVec3 operator*(const TVec3& p) const {
    return {Dot(Rows[0], p), Dot(Rows[1], p), Dot(Rows[2], p)};
  }
  TVec3 Column(int k) const { return {Rows[0][k], Rows[1][k], Rows[2][k]}; }
  friend TMat3 operator*(const TMat3& a, const TMat3& b) {
    TMat3 m;
    for (std::size_t r = 0; r < 3; ++r)
      m.Rows[r] = {Dot(a.Rows[r], b.Column(0)), Dot(a.Rows[r], b.Column(1)),
                   Dot(a.Rows[r], b.Column(2))};
    return m;
  }
  // The transposed cofactors: what a normal is multiplied by, up to the determinant's sign
  // and size, so that it stays normal to the transformed surface.
  TMat3 Cofactors() const {
    TMat3 m;
    m.Rows[0] = Cross(Rows[1], Rows[2]);
    m.Rows[1] = Cross(Rows[2], Rows[0]);
    m.Rows[2] = Cross(Rows[0], Rows[1]);
    return m;  // rows are the columns of the inverse, times the determinant
  }
  double Determinant() const { return Dot(Rows[0], Cross(Rows[1], Rows[2])); }
  // The inverse; the matrices of the view are never singular.
  TMat3 Inverse() const {
    const TMat3 c = Cofactors();
    const double d = Determinant();
    TMat3 m;
    for (int r = 0; r < 3; ++r) m.Rows[static_cast<std::size_t>(r)] = (1 / d) * c.Column(r);
    return m;
  }
};

}  // namespace Bezier
