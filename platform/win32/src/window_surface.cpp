// Each window's pixels: a cairo image surface as large as its window rectangle.
#include "window_canvas.h"
#include "window_internal.h"

namespace win32_internal {

namespace {

void ClearOpaqueWhite(cairo_surface_t* surface) {
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_destroy(cr);
}

}  // namespace

void EnsureSurface(Window& window) {
  int width = window.windowRect.right - window.windowRect.left;
  int height = window.windowRect.bottom - window.windowRect.top;
  width = width < 0 ? 0 : width;
  height = height < 0 ? 0 : height;
  if (window.surface && cairo_image_surface_get_width(window.surface) == width &&
      cairo_image_surface_get_height(window.surface) == height)
    return;
  ReleaseSurface(window);
  window.surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  ClearOpaqueWhite(window.surface);
}

void ReleaseSurface(Window& window) {
  if (window.surface) cairo_surface_destroy(window.surface);
  window.surface = nullptr;
}

bool GetWindowCanvas(HWND hwnd, bool wholeWindow, WindowCanvas* canvas) {
  Window* window = PeekWindow(hwnd);
  if (!window || window->handle == DesktopHandle() || !canvas) return false;
  EnsureSurface(*window);
  canvas->surface = window->surface;
  RECT area = wholeWindow ? RECT{0, 0, window->windowRect.right - window->windowRect.left,
                                 window->windowRect.bottom - window->windowRect.top}
                          : ClientAreaInWindow(*window);
  canvas->origin = {area.left, area.top};
  canvas->visible = Region(area);
  return true;
}

}  // namespace win32_internal
