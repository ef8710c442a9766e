// Screenshots: windows composed with their visible children, the screen with its visible top-level windows.
#include <algorithm>
#include <cstring>

#include "paint_internal.h"
#include "region.h"
#include "screen_compose.h"
#include "screen_state.h"
#include "window_internal.h"

namespace win32_internal {

namespace {

constexpr double kBackgroundGrey = 128.0 / 255.0;

// Draws a window and its visible children (bottom of the z-order first, each clipped to its parent's client area)
// with the window's top-left corner at the current origin of `cr`.
void DrawTree(cairo_t* cr, const Window& window) {
  if (window.surface) {
    cairo_set_source_surface(cr, window.surface, 0, 0);
    cairo_paint(cr);
  }
  RECT client = ClientAreaInWindow(window);
  for (auto it = window.children.rbegin(); it != window.children.rend(); ++it) {
    Window* child = PeekWindow(*it);
    if (!child || !(child->style & WS_VISIBLE)) continue;
    cairo_save(cr);
    cairo_rectangle(cr, client.left, client.top, client.right - client.left, client.bottom - client.top);
    cairo_clip(cr);
    cairo_translate(cr, client.left + child->windowRect.left, client.top + child->windowRect.top);
    DrawTree(cr, *child);
    cairo_restore(cr);
  }
}

// Colour-keyed pixels become transparent; a constant alpha fades the rest.
void ApplyLayering(cairo_surface_t* surface, const Window& window) {
  if (!(window.exStyle & WS_EX_LAYERED)) return;
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  int width = cairo_image_surface_get_width(surface), height = cairo_image_surface_get_height(surface);
  bool keyed = window.layeredFlags & LWA_COLORKEY;
  bool faded = (window.layeredFlags & LWA_ALPHA) && window.alpha != 255;
  std::uint32_t key = 0xFF000000u | (GetRValue(window.colorKey) << 16) | (GetGValue(window.colorKey) << 8) |
                      GetBValue(window.colorKey);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) {
      if (keyed && row[x] == key) {
        row[x] = 0;
      } else if (faded) {
        std::uint32_t p = row[x], scaled = 0;
        for (int shift = 0; shift < 32; shift += 8)
          scaled |= ((((p >> shift) & 0xFF) * window.alpha / 255) & 0xFF) << shift;
        row[x] = scaled;
      }
    }
  }
  cairo_surface_mark_dirty(surface);
}

}  // namespace

cairo_surface_t* ComposeWindow(HWND hwnd) {
  Window* window = PeekWindow(hwnd);
  if (!window || hwnd == DesktopHandle()) return nullptr;
  EnsureSurface(*window);
  RECT r = window->windowRect;
  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, r.right - r.left, r.bottom - r.top);
  cairo_t* cr = cairo_create(out);
  DrawTree(cr, *window);
  cairo_destroy(cr);
  ApplyLayering(out, *window);
  return out;
}

cairo_surface_t* ComposeScreen(const RECT& rect) {
  const SIZE size = ScreenSize();
  const RECT area = IntersectRects(rect, RECT{0, 0, size.cx, size.cy});
  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(0, area.right - area.left),
                                                    std::max(0, area.bottom - area.top));
  cairo_t* cr = cairo_create(out);
  cairo_set_source_rgb(cr, kBackgroundGrey, kBackgroundGrey, kBackgroundGrey);
  cairo_paint(cr);
  const std::vector<HWND>& tops = Desktop()->children;
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
    Window* window = PeekWindow(*it);
    if (!window || !(window->style & WS_VISIBLE) || window->minimized) continue;
    const RECT& bounds = window->windowRect;
    const RECT shown = IntersectRects(bounds, area);
    if (IsRectEmpty(&shown)) continue;
    if (window->exStyle & WS_EX_LAYERED) {
      // Layering works on the window's own pixels, so it is composed apart first.
      cairo_surface_t* composed = ComposeWindow(*it);
      cairo_set_source_surface(cr, composed, bounds.left - area.left, bounds.top - area.top);
      cairo_paint(cr);
      cairo_surface_destroy(composed);
      continue;
    }
    // Drawn in place: only the part inside the area costs anything.
    EnsureSurface(*window);
    cairo_save(cr);
    cairo_translate(cr, bounds.left - area.left, bounds.top - area.top);
    cairo_rectangle(cr, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
    cairo_clip(cr);
    DrawTree(cr, *window);
    cairo_restore(cr);
  }
  cairo_destroy(cr);
  return out;
}

}  // namespace win32_internal
