// Mouse tracking as the input routing sees it: one window at a time is tracked (the one the mouse goes to), and
// every change of where the mouse goes may end its tracking with a WM_MOUSELEAVE.
#pragma once

#include <windows.h>

namespace win32_internal {

// The mouse now goes to `target` (the capture window or the window under the cursor), in its client area or not.
// A tracked window that no longer gets it is left.
void NoteMouseTarget(HWND target, bool inClient);
// Capture moved from `previous` to `next` (null when released).
void NoteCaptureChanged(HWND previous, HWND next);
// A window hid: a tracked window at or below it is left.
void NoteWindowHidden(HWND hwnd);
// A window goes away: tracking at or below it ends without a message.
void ForgetMouseTrackingOf(HWND hwnd);

void ResetMouseTracking();

}  // namespace win32_internal
