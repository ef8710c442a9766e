// Control backgrounds: a brush from the parent, or nothing at all, so that the parent shows through.
#include <cairo.h>

#include "controls_internal.h"
#include "window_internal.h"

namespace win32_internal {

bool IsHollowBrush(HBRUSH brush) {
  LOGBRUSH log{};
  return brush && GetObjectW(brush, sizeof log, &log) == sizeof log && log.lbStyle == BS_NULL;
}

// Each window has its own pixels, composed over its parent's; clear pixels are the parent's.
void ClearToTransparent(HWND control, const RECT* rect) {
  Window* window = PeekWindow(control);
  if (!window) return;
  EnsureSurface(*window);
  if (!window->surface) return;
  RECT client = ClientAreaInWindow(*window);
  RECT area = rect ? *rect : RECT{0, 0, client.right - client.left, client.bottom - client.top};
  cairo_surface_flush(window->surface);
  cairo_t* cr = cairo_create(window->surface);
  cairo_rectangle(cr, client.left, client.top, client.right - client.left, client.bottom - client.top);
  cairo_clip(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_rectangle(cr, client.left + area.left, client.top + area.top, area.right - area.left, area.bottom - area.top);
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_surface_mark_dirty(window->surface);
}

void FillControlBackground(HWND control, HDC dc, HBRUSH brush) {
  RECT r;
  GetClientRect(control, &r);
  if (IsHollowBrush(brush)) ClearToTransparent(control, nullptr);
  else if (brush) FillRect(dc, &r, brush);
}

}  // namespace win32_internal
