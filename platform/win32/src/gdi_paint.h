// Sources for cairo from the DC's pen and brush.
#pragma once

#include "gdi_draw_scope.h"

namespace win32_internal {

// Sets the cairo source to a brush (a handle, or COLOR_xxx + 1). False for a hollow or bad brush.
bool UseBrush(DrawScope& scope, HBRUSH brush);
// Sets the cairo source, width, dashes and operator of the DC's pen. False for a null pen.
bool UsePen(DrawScope& scope);
// The width of the DC's pen, 0 for a null pen.
int PenWidth(DrawScope& scope);
// Fills a pixel-exact logical rectangle with the current source.
void FillLogicalRect(cairo_t* cr, const RECT& rect);

}  // namespace win32_internal
