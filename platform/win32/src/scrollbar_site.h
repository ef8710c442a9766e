// One scroll bar addressed as the platform addresses it: a window and SB_HORZ / SB_VERT, or a control and SB_CTL.
#pragma once

#include "scrollbar_layout.h"

namespace win32_internal {

// SB_HORZ and SB_VERT, and the window style bit that shows each.
bool IsWindowBar(int bar);
DWORD StyleBit(int bar);
// The bar's numbers; a window's bar is made (range 0 to 100) when `create` is set. Null for bad handles or bars.
ScrollBarState* FindScrollBarState(HWND hwnd, int bar, bool create);
// Whether the bar is shown (a window's style bit, a control's visibility).
bool IsScrollBarShown(HWND hwnd, int bar);
// The bar's layout in screen coordinates; false when the bar is not there.
bool ScreenScrollLayout(HWND hwnd, int bar, ScrollLayout* layout);
// Sends WM_HSCROLL / WM_VSCROLL: a window's bars to the window, a control to its parent with itself as lParam.
void SendScrollCode(HWND hwnd, int bar, int code, int position);
// Draws the bar again now (window bars) or at the next paint (controls).
void RedrawScrollBar(HWND hwnd, int bar);

}  // namespace win32_internal
