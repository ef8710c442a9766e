// The hooks through which the window frame draws a window's scroll bars and hands it presses on them.
#pragma once

#include "window_internal.h"

namespace win32_internal {

// Draws the visible WS_HSCROLL / WS_VSCROLL bars of the window onto its frame.
void PaintWindowScrollBars(HWND hwnd);
// A press on a window's bar (WM_NCLBUTTONDOWN with HTHSCROLL / HTVSCROLL) starts tracking the mouse.
void TrackWindowScrollBar(HWND hwnd, int bar, POINT screen);
// The class of the hidden window that holds the mouse while a window's bar is tracked.
void RegisterScrollBarTrackerClass();

}  // namespace win32_internal
