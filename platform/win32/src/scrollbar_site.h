// One scroll bar addressed as the platform addresses it: a window and SB_HORZ or SB_VERT.
#pragma once

#include "scrollbar_layout.h"

namespace win32_internal {

// SB_HORZ and SB_VERT, and the window style bit that shows each.
bool IsWindowBar(int bar);
DWORD StyleBit(int bar);
// The bar's numbers; a window's bar is made (range 0 to 100) when `create` is set. Null for bad handles or bars.
ScrollBarState* FindScrollBarState(HWND hwnd, int bar, bool create);
// Whether the bar is shown (the window's style bit).
bool IsScrollBarShown(HWND hwnd, int bar);
// The bar's layout in screen coordinates; false when the bar is not there.
bool ScreenScrollLayout(HWND hwnd, int bar, ScrollLayout* layout);
// Sends WM_HSCROLL / WM_VSCROLL to the window.
void SendScrollCode(HWND hwnd, int bar, int code, int position);
// Draws the window's bars again now.
void RedrawScrollBar(HWND hwnd);

}  // namespace win32_internal
