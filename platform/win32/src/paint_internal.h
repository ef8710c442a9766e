// Painting steps shared by the paint functions, the pump and screenshots.
#pragma once

#include "window_internal.h"

namespace win32_internal {

bool HasFrame(const Window& window);
// Sends WM_NCPAINT when the frame of a visible window waits to be drawn.
void PaintFrameIfNeeded(HWND hwnd);
// Sends WM_ERASEBKGND for a pending erase of the update region.
void EraseNow(HWND hwnd);
// Sends WM_PAINT to this thread's windows that need it (at most `limit`) and draws waiting frames.
int RunPendingPaints(int limit);

}  // namespace win32_internal
