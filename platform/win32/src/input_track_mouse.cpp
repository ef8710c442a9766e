// TrackMouseEvent: WM_MOUSELEAVE when the mouse stops going to the tracked window's client area (it moved over
// another window or the frame, the window hid, or another window took the capture). The message ends the tracking.
#include "input_track_mouse.h"

#include <mutex>
#include <utility>

#include "input_state.h"
#include "window_internal.h"

namespace win32_internal {

namespace {

constexpr DWORD kKnownFlags = TME_LEAVE | TME_QUERY | TME_CANCEL;

// Input may be injected from one thread while another pumps, so the tracked window has a lock. Messages are posted
// and windows hit-tested outside it: hit-testing sends WM_NCHITTEST, whose handler may track the mouse itself.
std::mutex trackingMutex;
HWND trackedWindow = nullptr;

struct MouseTarget {
  HWND hwnd = nullptr;
  bool inClient = false;
};

// Where the mouse goes now: the capture window, else the window under the cursor.
MouseTarget CurrentMouseTarget() {
  if (HWND captured = GetCapture()) return {captured, true};
  POINT cursor{};
  GetCursorPos(&cursor);
  Hit hit = HitTestScreen(cursor);
  return {hit.hwnd, hit.code == HTCLIENT};
}

void PostLeave(HWND hwnd) {
  if (hwnd) PostMessageW(hwnd, WM_MOUSELEAVE, 0, 0);
}

// Ends tracking; returns the window to tell it was left.
HWND EndTracking() { return std::exchange(trackedWindow, nullptr); }

// Starts tracking a window the mouse goes to; returns a previously tracked window to tell it was left.
HWND StartTracking(HWND hwnd) {
  std::lock_guard lock(trackingMutex);
  HWND left = trackedWindow != hwnd ? trackedWindow : nullptr;
  trackedWindow = hwnd;
  return left;
}

void CancelTracking(HWND hwnd) {
  std::lock_guard lock(trackingMutex);
  if (trackedWindow == hwnd) trackedWindow = nullptr;
}

void Query(TRACKMOUSEEVENT* answer) {
  std::lock_guard lock(trackingMutex);
  answer->dwFlags = trackedWindow ? TME_LEAVE : 0;
  answer->hwndTrack = trackedWindow;
  answer->dwHoverTime = 0;
}

}  // namespace

void NoteMouseTarget(HWND target, bool inClient) {
  HWND left = nullptr;
  {
    std::lock_guard lock(trackingMutex);
    if (trackedWindow && (trackedWindow != target || !inClient)) left = EndTracking();
  }
  PostLeave(left);
}

void NoteCaptureChanged(HWND previous, HWND next) {
  if (next) {
    NoteMouseTarget(next, true);
    return;
  }
  HWND tracked = nullptr;
  {
    std::lock_guard lock(trackingMutex);
    tracked = trackedWindow;
  }
  // Released by the tracked window: it keeps the mouse only if the cursor is over its client area.
  if (tracked && tracked == previous) {
    MouseTarget now = CurrentMouseTarget();
    NoteMouseTarget(now.hwnd, now.inClient);
  }
}

void NoteWindowHidden(HWND hwnd) {
  HWND left = nullptr;
  {
    std::lock_guard lock(trackingMutex);
    if (trackedWindow && IsSelfOrDescendant(trackedWindow, hwnd)) left = EndTracking();
  }
  PostLeave(left);
}

void ForgetMouseTrackingOf(HWND hwnd) {
  std::lock_guard lock(trackingMutex);
  if (trackedWindow && IsSelfOrDescendant(trackedWindow, hwnd)) trackedWindow = nullptr;
}

void ResetMouseTracking() {
  std::lock_guard lock(trackingMutex);
  trackedWindow = nullptr;
}

}  // namespace win32_internal

using namespace win32_internal;

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT request) {
  if (!request || request->cbSize != sizeof(TRACKMOUSEEVENT)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (request->dwFlags & ~kKnownFlags) {
    SetLastError(ERROR_INVALID_FLAGS);
    return FALSE;
  }
  if (request->dwFlags & TME_QUERY) {
    Query(request);
    return TRUE;
  }
  HWND hwnd = request->hwndTrack;
  Window* window = LookupWindow(hwnd);
  if (!window) return FALSE;
  if (window->threadId != GetCurrentThreadId()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (!(request->dwFlags & TME_LEAVE)) return TRUE;
  if (request->dwFlags & TME_CANCEL) {
    CancelTracking(hwnd);
    return TRUE;
  }
  // A window the mouse does not go to is told at once that it was left, and is not tracked.
  MouseTarget now = CurrentMouseTarget();
  if (now.hwnd != hwnd || !now.inClient) {
    CancelTracking(hwnd);
    PostLeave(hwnd);
    return TRUE;
  }
  PostLeave(StartTracking(hwnd));
  return TRUE;
}

BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT request) { return TrackMouseEvent(request); }
