#pragma once

#include <array>
#include <cmath>

// A point or direction of the surface's space: X to the right, Y downwards, Z into the depth,
// in the table's units.
namespace Bezier {

struct TVec3 {
  double X = 0;
  double Y = 0;
  double Z = 0;

  friend bool operator==(const TVec3&, const TVec3&) = default;
  TVec3& operator+=(const TVec3& o) {
    X += o.X;
    Y += o.Y;
    Z += o.Z;
    return *this;
  }
  friend TVec3 operator+(TVec3 a, const TVec3& b) { return a += b; }
  friend TVec3 operator-(const TVec3& a, const TVec3& b) {
    return {a.X - b.X, a.Y - b.Y, a.Z - b.Z};
  }
  friend TVec3 operator*(double k, const TVec3& a) { return {k * a.X, k * a.Y, k * a.Z}; }
  double operator[](int axis) const { return axis == 0 ? X : axis == 1 ? Y : Z; }
};

inline double Dot(const TVec3& a, const TVec3& b) {
  return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}
inline TVec3 Cross(const TVec3& a, const TVec3& b) {
  return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
}
inline double Length(const TVec3& a) {
  return std::sqrt(Dot(a, a));
}

}  // namespace Bezier
