#include "host/graphics_window.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectNear(const Point3& actual, const Point3& expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-4f);
  EXPECT_NEAR(actual.y, expected.y, 1e-4f);
  EXPECT_NEAR(actual.z, expected.z, 1e-4f);
}

TEST(GraphicsWindowTest, RecordsCallsInOrderAndSkipsThoseWithNothingToDraw) {
  ViewExp view;
  GraphicsWindow* gw = view.getGW();
  gw->setRndLimits(GW_COLOR_VERTS);
  const Point3 corners[3] = {Point3(0, 0, 0), Point3(1, 0, 0), Point3(0, 1, 0)};
  const Point3 colours[3] = {Point3(0.5f, 0.5f, 0.5f), Point3(1, 0, 0), Point3(0, 1, 0)};
  gw->startTriangles();
  gw->triangle(corners, colours);
  gw->triangle(nullptr, colours);
  gw->endTriangles();
  gw->polyline(3, corners, nullptr, TRUE, nullptr);
  gw->polyline(0, corners, nullptr, FALSE, nullptr);
  gw->text(&corners[1], L"Nothing Assign");

  const auto& calls = gw->Calls();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].limits, static_cast<DWORD>(GW_COLOR_VERTS));
  EXPECT_EQ(calls[1].colors[1], Point3(1, 0, 0));
  EXPECT_EQ(calls[2].kind, GraphicsWindow::CallKind::Polyline);
  EXPECT_TRUE(calls[2].closed);
  EXPECT_EQ(calls[3].text, L"Nothing Assign");
  EXPECT_EQ(calls[3].points[0], Point3(1, 0, 0));
  gw->ClearCalls();
  EXPECT_TRUE(gw->Calls().empty());
}

TEST(GraphicsWindowTest, ScreenPointsMapToWorldRaysThroughTheView) {
  ViewExp view;
  view.getGW()->setWinSize(800, 600);
  Ray ray;
  view.MapScreenToWorldRay(400, 300, ray);
  ExpectNear(ray.p, Point3(0, 0, 200));
  ExpectNear(ray.dir, Point3(0, 0, -1));

  // The window's right edge lies half the field of view to the side.
  view.MapScreenToWorldRay(800, 300, ray);
  EXPECT_NEAR(ray.dir.x / -ray.dir.z, std::tan(view.GetFieldOfView() / 2), 1e-4f);
  view.MapScreenToWorldRay(400, 0, ray);
  EXPECT_GT(ray.dir.y, 0) << "screen y grows downwards";
  EXPECT_NEAR(view.GetVPWorldWidth(Point3(0, 0, 0)), 2 * 200 * std::tan(view.GetFieldOfView() / 2), 1e-3f);
  ExpectNear(view.GetPointOnCP(IPoint2{400, 300}), Point3(0, 0, 0));
  // Ten pixels above the centre lies up the world Y axis in this view.
  const Point3 above = view.GetPointOnCP(IPoint2{400, 290});
  EXPECT_GT(above.y, 0);
  EXPECT_NEAR(above.z, 0, 1e-4f);

  // A view turned to look along world +X from the origin.
  const Matrix3 camera = RotAngleAxisMatrix(Point3(0, 1, 0), -1.5707963f);
  view.SetAffineTM(Inverse(camera));
  view.MapScreenToWorldRay(400, 300, ray);
  ExpectNear(ray.p, Point3(0, 0, 0));
  ExpectNear(ray.dir, Point3(1, 0, 0));
  // Looking along the construction plane: the point falls back to 200 units ahead.
  ExpectNear(view.GetPointOnCP(IPoint2{400, 300}), Point3(200, 0, 0));
}

TEST(GeometryTest, InverseUndoesATransform) {
  Matrix3 tm = RotAngleAxisMatrix(Point3(1, 2, 3), 0.7f);
  tm.SetTrans(Point3(5, -4, 2));
  const Point3 p(3, 1, -7);
  ExpectNear((p * tm) * Inverse(tm), p);
  const Matrix3 both = tm * Inverse(tm);
  ExpectNear(both.GetRow(0), Point3(1, 0, 0));
  ExpectNear(both.GetTrans(), Point3(0, 0, 0));
  // A singular matrix has no inverse: the identity comes back.
  EXPECT_TRUE(Inverse(Matrix3(Point3(), Point3(), Point3(), Point3())).IsIdentity());
  EXPECT_EQ(Point3(1, 0, 0) ^ Point3(0, 1, 0), Point3(0, 0, 1));
  EXPECT_FLOAT_EQ(Point3(3, 4, 0).Length(), 5.0f);
  EXPECT_EQ(Point3().Normalize(), Point3());
}

}  // namespace
