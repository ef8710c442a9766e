// One drawing operation on a DC: finds the DC, prepares its cairo context and, for bottom-up DIB
// sections, keeps the application's rows and the surface in step around the operation.
#pragma once

#include <cstdint>

#include "gdi_object_types.h"

namespace win32_internal {

class DrawScope {
 public:
  explicit DrawScope(HDC hdc);
  ~DrawScope();
  DrawScope(const DrawScope&) = delete;
  DrawScope& operator=(const DrawScope&) = delete;

  explicit operator bool() const { return dc_ != nullptr; }
  DcObject& dc() { return *dc_; }
  cairo_t* cr() { return dc_->Context(); }

  // Logical to surface coordinates.
  POINT ToSurface(int x, int y) const {
    const POINT offset = dc_->Offset();
    return {x + offset.x, y + offset.y};
  }
  RECT ToSurface(const RECT& rect) const;

  // Direct pixel access (cairo's native 0xAARRGGBB) within the effective clip, surface coordinates.
  // `visit` may change the pixel; changed pixels are marked for cairo.
  template <typename Visit>
  void ForEachPixel(const RECT& surfaceRect, Visit visit);

 private:
  DcObject* dc_ = nullptr;
  BitmapObject* bottomUpTarget_ = nullptr;
};

template <typename Visit>
void DrawScope::ForEachPixel(const RECT& surfaceRect, Visit visit) {
  cairo_surface_t* surface = dc_->surface;
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const RECT bounds{0, 0, cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface)};
  for (const RECT& clipRect : dc_->EffectiveClip().Rects()) {
    const RECT area = IntersectRects(IntersectRects(clipRect, surfaceRect), bounds);
    for (LONG y = area.top; y < area.bottom; ++y) {
      auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
      for (LONG x = area.left; x < area.right; ++x) visit(row[x], static_cast<int>(x), static_cast<int>(y));
    }
  }
  cairo_surface_mark_dirty(surface);
}

}  // namespace win32_internal
