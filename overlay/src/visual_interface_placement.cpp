// Where the chart sits: in front of its view around the world ray through its screen point, facing the
// viewer, with a radius that keeps it the same size on screen whatever the view's zoom.
#include <windows.h>

#include <algorithm>
#include <cmath>

#include "engine/messages.h"
#include "overlay/radial_chart.h"
#include "overlay/visual_interface.h"

namespace Talvo {

namespace {

// The chart's centre stays this far from the window's edges, so that the whole disc shows.
constexpr int kEdgeMargin = 250;
// The chart's radius on screen, just inside the margin.
constexpr float kRadiusPixels = 240;
// The base direction is measured from the window centre to this many pixels above it.
constexpr int kBaseProbePixels = 10;
constexpr float kTiny = 1e-6f;

// Keeps a coordinate kEdgeMargin from both ends of a window side; a side too short for that keeps its
// middle.
int KeptInside(int value, int size) {
  if (size < 2 * kEdgeMargin) return size / 2;
  return std::clamp(value, kEdgeMargin, size - kEdgeMargin);
}

// The part of a direction that lies in the plane across the axis.
Point3 AcrossAxis(const Point3& direction, const Point3& axis) { return direction - axis * (direction % axis); }

bool SameRay(const Ray& a, const Ray& b) { return a.p == b.p && a.dir == b.dir; }

}  // namespace

void VisualInterface::UpdatePlacement(ViewExp* view, IPoint2 screenPoint) {
  if (!view) return;
  Matrix3 viewTransform;
  view->GetAffineTM(viewTransform);
  if (!m_view) {
    m_view = view;
    m_lastViewTransform = viewTransform;
  } else if (view != m_view) {
    return;
  } else if (!(viewTransform == m_lastViewTransform)) {
    // Tell the plug-in once per change, and follow the view so that the chart keeps facing it.
    PostMessageW(nullptr, WM_VISUAL_INTERFACE_VIEW_CHANGED, 0, 0);
    m_lastViewTransform = viewTransform;
  }
  if (!m_screenPointStored) {
    m_screenPoint = screenPoint;
    m_screenPointStored = true;
  }

  GraphicsWindow* gw = view->getGW();
  const int width = gw->getWinSizeX();
  const int height = gw->getWinSizeY();
  if (width <= 0 || height <= 0) return;
  const IPoint2 point{KeptInside(m_screenPoint.x, width), KeptInside(m_screenPoint.y, height)};
  Ray ray;
  view->MapScreenToWorldRay(static_cast<float>(point.x), static_cast<float>(point.y), ray);
  if (ray.dir.Length() < kTiny) return;

  // In front of the viewer at the depth of the construction plane under the window's centre.
  const IPoint2 windowCentre{width / 2, height / 2};
  const Point3 planeCentre = view->GetPointOnCP(windowCentre);
  float depth = (planeCentre - ray.p).Length();
  if (depth < kTiny) depth = 1;
  const Ray placed{ray.p + ray.dir * depth, ray.dir};

  // Up the screen: from the plane point under the window centre to the one a little above it. Where
  // that gives nothing across the axis (the plane seen edge-on), the last base direction, or else the
  // view's own up direction, is used.
  const Point3 above = view->GetPointOnCP(IPoint2{windowCentre.x, windowCentre.y - kBaseProbePixels});
  Point3 base = AcrossAxis(above - planeCentre, placed.dir);
  if (base.Length() < kTiny) base = AcrossAxis(m_cachedBaseDirection, placed.dir);
  if (base.Length() < kTiny) base = AcrossAxis(Inverse(viewTransform).GetRow(1), placed.dir);
  base = base.Normalize();
  m_cachedBaseDirection = base;

  // The same size on screen at any depth and zoom.
  const float halfSize = view->GetVPWorldWidth(placed.p) / 2;
  const float radius = halfSize * kRadiusPixels / (width / 2.0f);
  if (IsPlaced() && SameRay(placed, m_viewRay) && base == m_baseDirection && radius == m_radius) return;
  m_viewRay = placed;
  m_baseDirection = base;
  m_halfSize = halfSize;
  m_radius = radius;
  BuildRadialMesh();
  m_drawingEnabled = true;
}

Point3 VisualInterface::ChartPoint(float angle, float fraction) const {
  // The viewer looks along the ray, so turning about its reverse runs counter-clockwise on screen.
  const Point3 direction = (m_baseDirection * RotAngleAxisMatrix(-m_viewRay.dir, angle)).Normalize();
  return m_viewRay.p + direction * (m_radius * fraction);
}

void VisualInterface::BuildRadialMesh() {
  if (m_mesh.getNumVerts() == 0) m_mesh.setNumVerts(kChartVertexCount);
  m_mesh.setNumFaces(kChartFaceCount);
  const Point3 across = m_baseDirection;
  const Point3 up = (-m_viewRay.dir) ^ m_baseDirection;  // a quarter turn counter-clockwise
  const auto& layout = ChartVertexLayout();
  for (int i = 0; i < kChartVertexCount; ++i) {
    const ChartPlanePoint& at = layout[static_cast<size_t>(i)];
    m_mesh.setVert(i, m_viewRay.p + (across * at.x + up * at.y) * m_radius);
  }
  const auto& faces = ChartFaceLayout();
  for (int f = 0; f < kChartFaceCount; ++f) {
    const auto& corners = faces[static_cast<size_t>(f)];
    m_mesh.getFace(f)->setVerts(corners[0], corners[1], corners[2]);
  }
  for (int i = 0; i < kChartOuterRingSize; ++i) m_ringPoints[static_cast<size_t>(i)] = m_mesh.getVert(i);
}

}  // namespace Talvo
