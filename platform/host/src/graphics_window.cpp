#include "host/graphics_window.h"

#include <cmath>

namespace {
GraphicsWindow::Call Recorded(GraphicsWindow::CallKind kind) {
  GraphicsWindow::Call call;
  call.kind = kind;
  return call;
}
}  // namespace

void GraphicsWindow::setRndLimits(DWORD limits) {
  limits_ = limits;
  Call call = Recorded(CallKind::RenderLimits);
  call.limits = limits;
  calls_.push_back(call);
}

void GraphicsWindow::setTransform(const Matrix3& tm) {
  transform_ = tm;
  Call call = Recorded(CallKind::Transform);
  call.transform = tm;
  calls_.push_back(call);
}

void GraphicsWindow::setColor(ColorType type, float r, float g, float b) {
  Call call = Recorded(CallKind::Color);
  call.colorType = type;
  call.color = Point3(r, g, b);
  calls_.push_back(call);
}

void GraphicsWindow::triangle(const Point3* xyz, const Point3* rgb) {
  if (!xyz) return;
  Call call = Recorded(CallKind::Triangle);
  call.points.assign(xyz, xyz + 3);
  if (rgb) call.colors.assign(rgb, rgb + 3);
  calls_.push_back(call);
}

void GraphicsWindow::polyline(int ct, const Point3* xyz, const Point3* rgb, int closed, const int* /*es*/) {
  if (!xyz || ct <= 0) return;
  Call call = Recorded(CallKind::Polyline);
  call.points.assign(xyz, xyz + ct);
  if (rgb) call.colors.assign(rgb, rgb + ct);
  call.closed = closed != 0;
  calls_.push_back(call);
}

void GraphicsWindow::text(const Point3* xyz, const MCHAR* s) {
  if (!xyz) return;
  Call call = Recorded(CallKind::Text);
  call.points.push_back(*xyz);
  call.text = s ? s : L"";
  calls_.push_back(call);
}

ViewExp::ViewExp() {
  // Looks at the world origin from 200 units up the Z axis.
  affine_.SetTrans(Point3(0, 0, -200));
}

void ViewExp::MapScreenToWorldRay(float sx, float sy, Ray& ray) const {
  const float half_width = gw_.getWinSizeX() / 2.0f;
  const float half_height = gw_.getWinSizeY() / 2.0f;
  const float focal = half_width / std::tan(fov_ / 2);
  const Point3 view_dir = Point3(sx - half_width, half_height - sy, -focal).Normalize();
  const Matrix3 view_to_world = Inverse(affine_);
  ray.p = view_to_world.GetTrans();
  ray.dir = view_to_world.VectorTransform(view_dir).Normalize();
}

Point3 ViewExp::GetPointOnCP(const IPoint2& ps) const {
  Ray ray;
  MapScreenToWorldRay(static_cast<float>(ps.x), static_cast<float>(ps.y), ray);
  if (std::fabs(ray.dir.z) < 1e-6f) return ray.p + ray.dir * 200.0f;
  const float t = -ray.p.z / ray.dir.z;
  return ray.p + ray.dir * (t > 0 ? t : 200.0f);
}

float ViewExp::GetVPWorldWidth(const Point3& worldPoint) const {
  const float depth = std::fabs((worldPoint * affine_).z);
  return 2 * depth * std::tan(fov_ / 2);
}
