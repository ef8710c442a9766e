#include "host/geometry.h"

Matrix3 Inverse(const Matrix3& m) {
  const Point3 a = m.GetRow(0), b = m.GetRow(1), c = m.GetRow(2);
  // Rows of the inverse of the 3x3 part are the cross products of the columns' complements, over the
  // determinant.
  const Point3 bc = b ^ c, ca = c ^ a, ab = a ^ b;
  const float det = a % bc;
  if (std::fabs(det) < 1e-12f) return Matrix3();
  const float inv = 1.0f / det;
  const Point3 r0(bc.x * inv, ca.x * inv, ab.x * inv);
  const Point3 r1(bc.y * inv, ca.y * inv, ab.y * inv);
  const Point3 r2(bc.z * inv, ca.z * inv, ab.z * inv);
  Matrix3 result(r0, r1, r2, Point3());
  result.SetTrans(-result.VectorTransform(m.GetTrans()));
  return result;
}

Matrix3 RotAngleAxisMatrix(const Point3& axis, float angle) {
  const Point3 u = axis.Normalize();
  const float c = std::cos(angle), s = std::sin(angle), t = 1 - c;
  // Row-vector convention: p * M rotates p counter-clockwise about u.
  return Matrix3(Point3(t * u.x * u.x + c, t * u.x * u.y + s * u.z, t * u.x * u.z - s * u.y),
                 Point3(t * u.x * u.y - s * u.z, t * u.y * u.y + c, t * u.y * u.z + s * u.x),
                 Point3(t * u.x * u.z + s * u.y, t * u.y * u.z - s * u.x, t * u.z * u.z + c), Point3());
}
