// The meeting point of the window manager and GDI: where a window's device context draws.
#pragma once

#include <cairo.h>

#include "region.h"
#include "win32/types.h"

namespace win32_internal {

// Every window keeps its own pixels in a cairo image surface as large as its window rectangle
// (non-client frame included). Screenshots compose a window's surface with its children's.
struct WindowCanvas {
  cairo_surface_t* surface = nullptr;  // borrowed; take a reference to keep it past the call
  POINT origin{};                      // surface position of the device context's (0, 0)
  Region visible;                      // pixels the context may touch, in surface coordinates
};

// Provided by the window manager. `wholeWindow` selects the window rectangle (GetWindowDC)
// instead of the client area (GetDC, BeginPaint). False for an invalid handle.
bool GetWindowCanvas(HWND hwnd, bool wholeWindow, WindowCanvas* canvas);

}  // namespace win32_internal
