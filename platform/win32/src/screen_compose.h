// Composing windows into images; the caller owns (and destroys) the returned surfaces.
#pragma once

#include <cairo.h>

#include "win32/types.h"

namespace win32_internal {

// A window with its visible children, layering applied; null for an invalid window.
cairo_surface_t* ComposeWindow(HWND hwnd);
// The part `rect` of the screen (clipped to it): the visible top-level windows in z-order over a neutral grey.
cairo_surface_t* ComposeScreen(const RECT& rect);

}  // namespace win32_internal
