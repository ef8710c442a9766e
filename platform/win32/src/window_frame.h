// The simple non-client frame: borders, caption and scroll bars, as styles ask for them.
#pragma once

#include "window_internal.h"

namespace win32_internal {

struct FrameInsets {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// Border, caption and menu insets of a window of these styles (scroll bars not included, as AdjustWindowRectEx).
FrameInsets FrameInsetsFor(DWORD style, DWORD exStyle, bool menu);
// The client rectangle of a window rectangle, scroll bars included.
RECT ClientFromWindowRect(const RECT& windowRect, DWORD style, DWORD exStyle);

// DefWindowProc's WM_NCHITTEST for a point in screen coordinates.
LRESULT FrameHitTest(const Window& window, POINT screenPoint);
// DefWindowProc's WM_NCPAINT: draws the frame on the window's surface, the title in the caption, the window's own
// scroll bars, in the system colours (active or inactive caption as `active` says).
void PaintFrame(Window& window, bool active);

}  // namespace win32_internal
