// Mouse tracking of a pressed scroll bar: repeated line and page codes while held, thumb dragging, the end.
//
// The window that holds the capture forwards its mouse, timer and capture-loss messages here; only one bar can be
// tracked at a time, as there is one mouse.
#pragma once

#include "scrollbar_layout.h"

namespace win32_internal {

// Starts tracking a press at `screen` on the bar; `captureWindow` takes the mouse capture and the repeat timer.
void BeginScrollTracking(HWND hwnd, int bar, POINT screen, HWND captureWindow);
// Whether `captureWindow` is tracking a bar now.
bool IsTrackingScrollBar(HWND captureWindow);
// Forwarded messages of the capture window: WM_MOUSEMOVE, WM_LBUTTONUP, WM_TIMER, WM_CAPTURECHANGED.
void ScrollTrackingMouseMove(POINT screen);
void ScrollTrackingButtonUp();
void ScrollTrackingTimer(UINT_PTR timer);
void ScrollTrackingLost();
// The part held down on this bar (ScrollPart::None when it is not tracked).
ScrollPart TrackedScrollPart(HWND hwnd, int bar);

}  // namespace win32_internal
