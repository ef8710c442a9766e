// Points, affine transforms, rays and boxes of the host's 3D space.
#pragma once

#include <array>
#include <cmath>
#include <type_traits>

class Point3 {
 public:
  float x = 0, y = 0, z = 0;

  constexpr Point3() = default;
  // Any mix of arithmetic coordinates, as in Point3(0.5f, 0, 1.0).
  template <class X, class Y, class Z>
  requires std::is_arithmetic_v<X> && std::is_arithmetic_v<Y> && std::is_arithmetic_v<Z>
  constexpr Point3(X px, Y py, Z pz)
      : x(static_cast<float>(px)), y(static_cast<float>(py)), z(static_cast<float>(pz)) {}

  float& operator[](int i) { return i == 0 ? x : i == 1 ? y : z; }
  float operator[](int i) const { return i == 0 ? x : i == 1 ? y : z; }
  constexpr Point3 operator-() const { return {-x, -y, -z}; }
  constexpr Point3 operator+(const Point3& p) const { return {x + p.x, y + p.y, z + p.z}; }
  constexpr Point3 operator-(const Point3& p) const { return {x - p.x, y - p.y, z - p.z}; }
  constexpr Point3 operator*(float f) const { return {x * f, y * f, z * f}; }
  constexpr Point3 operator/(float f) const { return {x / f, y / f, z / f}; }
  Point3& operator+=(const Point3& p) { return *this = *this + p; }
  Point3& operator-=(const Point3& p) { return *this = *this - p; }
  Point3& operator*=(float f) { return *this = *this * f; }
  // Dot product.
  constexpr float operator%(const Point3& p) const { return x * p.x + y * p.y + z * p.z; }
  // Cross product.
  constexpr Point3 operator^(const Point3& p) const {
    return {y * p.z - z * p.y, z * p.x - x * p.z, x * p.y - y * p.x};
  }
  friend constexpr bool operator==(const Point3&, const Point3&) = default;

  float Length() const { return std::sqrt(x * x + y * y + z * z); }
  // The unit vector in the same direction; the zero vector stays zero.
  Point3 Normalize() const {
    const float length = Length();
    return length > 0 ? *this / length : *this;
  }
};

inline constexpr Point3 operator*(float f, const Point3& p) { return p * f; }
inline float Length(const Point3& p) { return p.Length(); }
inline Point3 Normalize(const Point3& p) { return p.Normalize(); }

// An affine transform: three axis rows and a translation row; points are row vectors (p * M).
class Matrix3 {
 public:
  Matrix3() { IdentityMatrix(); }
  explicit Matrix3(const Point3& row0, const Point3& row1, const Point3& row2, const Point3& row3)
      : rows_{row0, row1, row2, row3} {}

  void IdentityMatrix() { rows_ = {Point3(1, 0, 0), Point3(0, 1, 0), Point3(0, 0, 1), Point3(0, 0, 0)}; }
  const Point3& GetRow(int i) const { return rows_[static_cast<std::size_t>(i & 3)]; }
  Point3 GetTrans() const { return rows_[3]; }
  void SetTrans(const Point3& p) { rows_[3] = p; }
  bool IsIdentity() const { return *this == Matrix3(); }
  // Applies the rotation and scale part only.
  Point3 VectorTransform(const Point3& v) const { return rows_[0] * v.x + rows_[1] * v.y + rows_[2] * v.z; }
  Point3 PointTransform(const Point3& p) const { return VectorTransform(p) + rows_[3]; }
  // Composition: (A * B) applies A first.
  Matrix3 operator*(const Matrix3& m) const {
    return Matrix3(m.VectorTransform(rows_[0]), m.VectorTransform(rows_[1]), m.VectorTransform(rows_[2]),
                   m.PointTransform(rows_[3]));
  }
  friend bool operator==(const Matrix3&, const Matrix3&) = default;

 private:
  std::array<Point3, 4> rows_;
};

inline Point3 operator*(const Point3& p, const Matrix3& m) { return m.PointTransform(p); }
inline Point3 VectorTransform(const Matrix3& m, const Point3& v) { return m.VectorTransform(v); }
// The inverse transform; a singular matrix gives the identity.
Matrix3 Inverse(const Matrix3& m);
// A rotation of angle radians about a unit axis through the origin.
Matrix3 RotAngleAxisMatrix(const Point3& axis, float angle);

struct Ray {
  Point3 p;    // origin
  Point3 dir;  // unit direction
};

class Box3 {
 public:
  Point3 pmin, pmax;
  Box3() { Init(); }
  // An empty box.
  void Init() {
    pmin = Point3(1e30f, 1e30f, 1e30f);
    pmax = Point3(-1e30f, -1e30f, -1e30f);
  }
  bool IsEmpty() const { return pmin.x > pmax.x; }
  Box3& operator+=(const Point3& p) {
    pmin = Point3(std::fmin(pmin.x, p.x), std::fmin(pmin.y, p.y), std::fmin(pmin.z, p.z));
    pmax = Point3(std::fmax(pmax.x, p.x), std::fmax(pmax.y, p.y), std::fmax(pmax.z, p.z));
    return *this;
  }
};
