// Mouse tracking as the input routing sees it: one window at a time is tracked (the one the mouse goes to), and
// every change of where the mouse goes may end its tracking with a WM_MOUSELEAVE.
#pragma once

#include <cstdint>

#include <windows.h>

namespace win32_internal {

// The mouse now goes to `target` (the capture window or the window under the cursor), in its client area or not.
// A tracked window that no longer gets it is left; a resting cursor restarts its hover wait when it moved away.
void NoteMouseTarget(HWND target, bool inClient);
// Capture moved from `previous` to `next` (null when released).
void NoteCaptureChanged(HWND previous, HWND next);
// A window hid: a tracked window at or below it is left.
void NoteWindowHidden(HWND hwnd);
// A window goes away: tracking at or below it ends without a message.
void ForgetMouseTrackingOf(HWND hwnd);

// The hover wait of the calling thread's tracked window: when it falls due, and the WM_MOUSEHOVER it then makes
// (`remove` ends the hover tracking, as retrieving the message does).
bool NextMouseHoverDue(std::uint64_t* due);
bool TakeDueMouseHover(HWND filter, MSG* msg, bool remove);

void ResetMouseTracking();

}  // namespace win32_internal
