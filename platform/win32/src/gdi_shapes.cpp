// Shapes outlined with the DC's pen and filled with its brush, GDI's pixel rules included.
#include <cmath>
#include <vector>

#include "gdi_paint.h"

using namespace win32_internal;

namespace {

// Strokes a polyline through pixel centres. The first segment starts half a pixel early and the
// last ends half a pixel short, so that the first pixel is drawn and the last one is not.
void StrokePolyline(DrawScope& scope, const POINT* points, int count) {
  if (count < 2 || !UsePen(scope)) return;
  cairo_t* cr = scope.cr();
  auto shifted = [&](int index, int towards, double amount) {
    const double dx = points[towards].x - points[index].x;
    const double dy = points[towards].y - points[index].y;
    const double length = std::hypot(dx, dy);
    const double x = points[index].x + 0.5;
    const double y = points[index].y + 0.5;
    if (length == 0) return std::pair{x, y};
    return std::pair{x + dx / length * amount, y + dy / length * amount};
  };
  auto [startX, startY] = shifted(0, 1, -0.5);
  cairo_move_to(cr, startX, startY);
  for (int i = 1; i < count - 1; ++i) cairo_line_to(cr, points[i].x + 0.5, points[i].y + 0.5);
  auto [endX, endY] = shifted(count - 1, count - 2, 0.5);
  cairo_line_to(cr, endX, endY);
  cairo_stroke(cr);
}

// Fills the current path with the DC's brush (keeping the path), then strokes it with the pen.
void FillAndStroke(DrawScope& scope) {
  cairo_t* cr = scope.cr();
  if (UseBrush(scope, scope.dc().state.brush)) cairo_fill_preserve(cr);
  if (UsePen(scope)) {
    cairo_stroke(cr);
  } else {
    cairo_new_path(cr);
  }
}

RECT Ordered(int left, int top, int right, int bottom) {
  return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

// The path of an ellipse through the centres of the bounding rectangle's edge pixels.
void EllipsePath(cairo_t* cr, const RECT& box) {
  const double width = box.right - box.left - 1;
  const double height = box.bottom - box.top - 1;
  cairo_save(cr);
  cairo_translate(cr, box.left + 0.5 + width / 2, box.top + 0.5 + height / 2);
  cairo_scale(cr, std::max(width / 2, 0.01), std::max(height / 2, 0.01));
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

// A brush handle, stock or made, or a system colour index + 1; a hollow brush counts (it paints nothing).
bool IsBrush(HBRUSH brush) {
  COLORREF ignored;
  if (BrushColor(nullptr, brush, &ignored)) return true;
  SetLastError(ERROR_INVALID_HANDLE);
  return false;
}

}  // namespace

BOOL FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  DrawScope scope(hdc);
  if (!scope || rect == nullptr || !IsBrush(brush)) return FALSE;
  if (UseBrush(scope, brush)) FillLogicalRect(scope.cr(), *rect);
  return TRUE;
}

BOOL FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  DrawScope scope(hdc);
  if (!scope || rect == nullptr || !IsBrush(brush)) return FALSE;
  if (IsEmptyRect(*rect) || !UseBrush(scope, brush)) return TRUE;
  cairo_t* cr = scope.cr();
  const RECT& r = *rect;
  cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
  cairo_rectangle(cr, r.left + 1, r.top + 1, r.right - r.left - 2, r.bottom - r.top - 2);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  return TRUE;
}

// The outline covers the rectangle's edge pixels; with a null pen the fill stops one pixel short
// of the right and bottom edges.
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  DrawScope scope(hdc);
  if (!scope) return FALSE;
  const RECT box = Ordered(left, top, right, bottom);
  cairo_t* cr = scope.cr();
  const bool outlined = PenWidth(scope) > 0;
  if (UseBrush(scope, scope.dc().state.brush)) {
    FillLogicalRect(cr, outlined ? box : RECT{box.left, box.top, box.right - 1, box.bottom - 1});
  }
  if (outlined && box.right - box.left >= 1 && box.bottom - box.top >= 1 && UsePen(scope)) {
    cairo_rectangle(cr, box.left + 0.5, box.top + 0.5, box.right - box.left - 1, box.bottom - box.top - 1);
    cairo_stroke(cr);
  }
  return TRUE;
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
  DrawScope scope(hdc);
  if (!scope) return FALSE;
  const RECT box = Ordered(left, top, right, bottom);
  cairo_t* cr = scope.cr();
  const double x0 = box.left + 0.5;
  const double y0 = box.top + 0.5;
  const double x1 = box.right - 0.5;
  const double y1 = box.bottom - 0.5;
  const double rx = std::min(std::abs(width) / 2.0, (x1 - x0) / 2);
  const double ry = std::min(std::abs(height) / 2.0, (y1 - y0) / 2);
  auto corner = [&](double cx, double cy, double from) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, std::max(rx, 0.01), std::max(ry, 0.01));
    cairo_arc(cr, 0, 0, 1, from, from + M_PI / 2);
    cairo_restore(cr);
  };
  cairo_new_path(cr);
  corner(x1 - rx, y0 + ry, -M_PI / 2);
  corner(x1 - rx, y1 - ry, 0);
  corner(x0 + rx, y1 - ry, M_PI / 2);
  corner(x0 + rx, y0 + ry, M_PI);
  cairo_close_path(cr);
  FillAndStroke(scope);
  return TRUE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
  DrawScope scope(hdc);
  if (!scope) return FALSE;
  EllipsePath(scope.cr(), Ordered(left, top, right, bottom));
  FillAndStroke(scope);
  return TRUE;
}

// Polygons are filled with the alternate (even-odd) rule.
BOOL Polygon(HDC hdc, const POINT* points, int count) {
  DrawScope scope(hdc);
  if (!scope || points == nullptr || count < 2) return FALSE;
  cairo_t* cr = scope.cr();
  cairo_new_path(cr);
  for (int i = 0; i < count; ++i) cairo_line_to(cr, points[i].x + 0.5, points[i].y + 0.5);
  cairo_close_path(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  FillAndStroke(scope);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* points, int count) {
  DrawScope scope(hdc);
  if (!scope || points == nullptr || count < 2) return FALSE;
  StrokePolyline(scope, points, count);
  return TRUE;
}

// Draws from the current position up to, not including, (x, y), which becomes the new position.
BOOL LineTo(HDC hdc, int x, int y) {
  DrawScope scope(hdc);
  if (!scope) return FALSE;
  const POINT line[2] = {scope.dc().state.position, POINT{x, y}};
  StrokePolyline(scope, line, 2);
  scope.dc().state.position = line[1];
  return TRUE;
}

BOOL FillRgn(HDC hdc, HRGN region, HBRUSH brush) {
  DrawScope scope(hdc);
  const RegionObject* object = LookupGdi<RegionObject>(region);
  if (!scope || object == nullptr) return FALSE;
  if (!UseBrush(scope, brush)) return TRUE;
  for (const RECT& rect : object->region.Rects()) FillLogicalRect(scope.cr(), rect);
  return TRUE;
}

// Frames the region's bounding rectangle with the given border widths.
BOOL FrameRgn(HDC hdc, HRGN region, HBRUSH brush, int width, int height) {
  DrawScope scope(hdc);
  const RegionObject* object = LookupGdi<RegionObject>(region);
  if (!scope || object == nullptr) return FALSE;
  if (object->region.IsEmpty() || !UseBrush(scope, brush)) return TRUE;
  const RECT r = object->region.Bounds();
  cairo_t* cr = scope.cr();
  cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
  cairo_rectangle(cr, r.left + width, r.top + height, r.right - r.left - 2 * width, r.bottom - r.top - 2 * height);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  return TRUE;
}
