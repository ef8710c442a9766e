// Which window is under a point: by visibility and z-order, through disabled children, HTTRANSPARENT answers
// and the colour-keyed pixels of layered windows.
#include <algorithm>
#include <cstring>

#include "input_state.h"
#include "window_internal.h"

namespace win32_internal {

namespace {

bool Inside(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

bool ClientContains(const Window& window, POINT screen) {
  POINT origin = ClientOrigin(window);
  RECT client{origin.x, origin.y, origin.x + window.clientRect.right - window.clientRect.left,
              origin.y + window.clientRect.bottom - window.clientRect.top};
  return Inside(client, screen);
}

bool Skipped(const std::vector<HWND>& skipped, HWND hwnd) {
  return std::find(skipped.begin(), skipped.end(), hwnd) != skipped.end();
}

// The visible child under the point, top of the z-order first; null when the point is on no child.
Window* ChildAt(const Window& parent, POINT screen, const std::vector<HWND>& skipped) {
  if (!ClientContains(parent, screen)) return nullptr;
  for (HWND childHandle : parent.children) {
    Window* child = PeekWindow(childHandle);
    if (!child || !(child->style & WS_VISIBLE) || Skipped(skipped, childHandle)) continue;
    if (Inside(ScreenWindowRect(*child), screen)) return child;
  }
  return nullptr;
}

// Descends from a top-level window to the window that gets the point; a disabled child keeps it for its parent.
HWND DescendForInput(Window* window, POINT screen, const std::vector<HWND>& skipped) {
  for (;;) {
    Window* child = ChildAt(*window, screen, skipped);
    if (!child || (child->style & WS_DISABLED)) return window->handle;
    window = child;
  }
}

HWND FindAt(POINT screen, const std::vector<HWND>& skipped) {
  for (HWND top : Desktop()->children) {
    Window* window = PeekWindow(top);
    if (!window || !(window->style & WS_VISIBLE) || window->minimized || Skipped(skipped, top)) continue;
    if (!Inside(ScreenWindowRect(*window), screen) || IsColorKeyedAt(top, screen)) continue;
    return DescendForInput(window, screen, skipped);
  }
  return nullptr;
}

}  // namespace

bool IsColorKeyedAt(HWND topLevel, POINT screen) {
  Window* window = PeekWindow(topLevel);
  if (!window || !(window->exStyle & WS_EX_LAYERED) || !(window->layeredFlags & LWA_COLORKEY)) return false;
  // The composed pixel is the pixel of the deepest visible window there, disabled or not.
  for (Window* child = ChildAt(*window, screen, {}); child; child = ChildAt(*window, screen, {})) window = child;
  if (!window->surface) return false;
  RECT outer = ScreenWindowRect(*window);
  int x = screen.x - outer.left, y = screen.y - outer.top;
  cairo_surface_flush(window->surface);
  if (x < 0 || y < 0 || x >= cairo_image_surface_get_width(window->surface) ||
      y >= cairo_image_surface_get_height(window->surface))
    return false;
  const unsigned char* row =
      cairo_image_surface_get_data(window->surface) + y * cairo_image_surface_get_stride(window->surface);
  std::uint32_t argb;
  std::memcpy(&argb, row + 4 * x, sizeof argb);
  COLORREF pixel = RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
  Window* top = PeekWindow(topLevel);
  return pixel == (top->colorKey & 0xFFFFFF);
}

Hit HitTestScreen(POINT screen) {
  std::vector<HWND> skipped;
  for (int attempt = 0; attempt < 64; ++attempt) {
    HWND found = FindAt(screen, skipped);
    if (!found) return {};
    LRESULT code = SendMessageW(found, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    if (code != HTTRANSPARENT) return {found, code};
    skipped.push_back(found);
  }
  return {};
}

}  // namespace win32_internal

using namespace win32_internal;

HWND WindowFromPoint(POINT point) { return HitTestScreen(point).hwnd; }
