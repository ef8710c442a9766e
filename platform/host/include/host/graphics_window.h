// The viewport's graphics window and view, as recorders: every drawing call is kept for tests.
#pragma once

#include <string>
#include <vector>

#include "host/geometry.h"
#include "host/strings.h"
#include "win32/types.h"

// Render limit flags.
enum : DWORD {
  GW_WIREFRAME = 0x0001,
  GW_ILLUM = 0x0002,
  GW_FLAT = 0x0004,
  GW_SPECULAR = 0x0008,
  GW_TEXTURE = 0x0010,
  GW_Z_BUFFER = 0x0020,
  GW_PERSP_CORRECT = 0x0040,
  GW_POLY_EDGES = 0x0080,
  GW_BACKCULL = 0x0100,
  GW_TWO_SIDED = 0x0200,
  GW_COLOR_VERTS = 0x0400,
  GW_SHADE_CVERTS = 0x0800,
};

enum ColorType { LINE_COLOR, FILL_COLOR, TEXT_COLOR, CLEAR_COLOR };

class GraphicsWindow {
 public:
  enum class CallKind { RenderLimits, Transform, Color, Triangle, Polyline, Text };
  // One recorded call. Points are as given (object space under the current transform).
  struct Call {
    CallKind kind = CallKind::Text;
    DWORD limits = 0;   // RenderLimits
    Matrix3 transform;  // Transform
    ColorType colorType = LINE_COLOR;
    Point3 color;                // Color
    std::vector<Point3> points;  // Triangle (3), Polyline (ct), Text (1)
    std::vector<Point3> colors;  // per-vertex colours, empty when none were given
    bool closed = false;         // Polyline
    std::wstring text;           // Text
  };

  DWORD getRndLimits() const { return limits_; }
  void setRndLimits(DWORD limits);
  void setTransform(const Matrix3& tm);
  void setColor(ColorType type, float r, float g, float b);
  void setColor(ColorType type, const Point3& rgb) { setColor(type, rgb.x, rgb.y, rgb.z); }
  void startTriangles() {}
  // A triangle of three points with optional per-vertex colours (rgb may be null).
  void triangle(const Point3* xyz, const Point3* rgb);
  void endTriangles() {}
  // A line through ct points (closed joins the last to the first); rgb and edge states may be null.
  void polyline(int ct, const Point3* xyz, const Point3* rgb, int closed, const int* es);
  void startSegments() {}
  void endSegments() {}
  void text(const Point3* xyz, const MCHAR* s);
  int getWinSizeX() const { return width_; }
  int getWinSizeY() const { return height_; }
  void setWinSize(int width, int height) {
    width_ = width;
    height_ = height;
  }

  const std::vector<Call>& Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }

 private:
  DWORD limits_ = GW_Z_BUFFER | GW_ILLUM;
  Matrix3 transform_;
  int width_ = 800;
  int height_ = 600;
  std::vector<Call> calls_;
};

// A point in window pixels.
struct IPoint2 {
  int x = 0;
  int y = 0;
};

// A viewport: its graphics window, its view transform and the mapping from screen points to world rays.
// The view is a perspective camera that looks down its own -Z axis.
class ViewExp {
 public:
  ViewExp();
  GraphicsWindow* getGW() { return &gw_; }
  // World to view transform.
  void GetAffineTM(Matrix3& tm) const { tm = affine_; }
  void SetAffineTM(const Matrix3& tm) { affine_ = tm; }
  // The world ray through a window pixel.
  void MapScreenToWorldRay(float sx, float sy, Ray& ray) const;
  // The world point under a window pixel on the construction plane (world z = 0); when the ray runs
  // parallel to the plane, the point 200 units along the ray.
  Point3 GetPointOnCP(const IPoint2& ps) const;
  // The width of the view in world units at a world point's depth.
  float GetVPWorldWidth(const Point3& worldPoint) const;
  float GetFieldOfView() const { return fov_; }

 private:
  GraphicsWindow gw_;
  Matrix3 affine_;
  float fov_ = 0.785398f;  // 45 degrees across the window's width
};
