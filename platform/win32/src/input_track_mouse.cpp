// TrackMouseEvent: WM_MOUSELEAVE when the mouse stops going to the tracked window's client area (it moved over
// another window or the frame, the window hid, or another window took the capture), and WM_MOUSEHOVER when the
// cursor rested inside a small rectangle for the hover time. Each message ends its kind of tracking.
#include "input_track_mouse.h"

#include <cstdlib>
#include <mutex>

#include "input_state.h"
#include "message_queue_internal.h"
#include "window_internal.h"

namespace win32_internal {

namespace {

constexpr DWORD kTrackedKinds = TME_HOVER | TME_LEAVE;
constexpr DWORD kKnownFlags = kTrackedKinds | TME_QUERY | TME_CANCEL;
// The system's hover time and the rectangle (centred on where the wait began) the cursor must stay in.
constexpr DWORD kDefaultHoverTime = 400;
constexpr LONG kHoverHalfWidth = 2;
constexpr LONG kHoverHalfHeight = 2;

struct Tracking {
  HWND hwnd = nullptr;
  DWORD kinds = 0;            // TME_LEAVE and / or TME_HOVER
  DWORD hoverTime = 0;
  POINT hoverStart{};         // screen position where the current hover wait began
  std::uint64_t hoverDue = 0;
};

// Input may be injected from one thread while another pumps, so the record has a lock. Messages are posted and
// windows hit-tested outside it: hit-testing sends WM_NCHITTEST, whose handler may track the mouse itself.
std::mutex trackingMutex;
Tracking tracking;

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

void StartHoverWait(POINT cursor) {
  tracking.hoverStart = cursor;
  tracking.hoverDue = Now() + tracking.hoverTime;
}

bool OutsideHoverRect(POINT cursor) {
  return std::abs(cursor.x - tracking.hoverStart.x) > kHoverHalfWidth ||
         std::abs(cursor.y - tracking.hoverStart.y) > kHoverHalfHeight;
}

// Ends tracking; returns the window to tell it was left (null when it did not ask for that).
HWND EndTracking() {
  HWND left = (tracking.kinds & TME_LEAVE) ? tracking.hwnd : nullptr;
  tracking = {};
  return left;
}

// Starts (or adds to) the tracking of a window the mouse goes to; returns a previously tracked window to tell it
// was left.
HWND StartTracking(HWND hwnd, DWORD kinds, DWORD hoverTime) {
  std::lock_guard lock(trackingMutex);
  HWND left = tracking.hwnd != hwnd ? EndTracking() : nullptr;
  tracking.hwnd = hwnd;
  tracking.kinds |= kinds;
  if (kinds & TME_HOVER) {
    tracking.hoverTime = hoverTime == HOVER_DEFAULT ? kDefaultHoverTime : hoverTime;
    POINT cursor{};
    GetCursorPos(&cursor);
    StartHoverWait(cursor);
  }
  return left;
}

void DropKinds(DWORD kinds) {
  tracking.kinds &= ~kinds;
  if (!tracking.kinds) tracking = {};
}

void CancelTracking(HWND hwnd, DWORD kinds) {
  std::lock_guard lock(trackingMutex);
  if (tracking.hwnd == hwnd) DropKinds(kinds);
}

void Query(TRACKMOUSEEVENT* answer) {
  std::lock_guard lock(trackingMutex);
  answer->dwFlags = tracking.kinds;
  answer->hwndTrack = tracking.hwnd;
  answer->dwHoverTime = (tracking.kinds & TME_HOVER) ? tracking.hoverTime : 0;
}

bool IsThisThreadsHoverWait() {
  if (!(tracking.kinds & TME_HOVER)) return false;
  Window* window = PeekWindow(tracking.hwnd);
  return window && window->threadId == GetCurrentThreadId();
}

}  // namespace

void NoteMouseTarget(HWND target, bool inClient) {
  HWND left = nullptr;
  {
    std::lock_guard lock(trackingMutex);
    if (!tracking.hwnd) return;
    if (tracking.hwnd != target || !inClient) {
      left = EndTracking();
    } else if (tracking.kinds & TME_HOVER) {
      POINT cursor{};
      GetCursorPos(&cursor);
      if (OutsideHoverRect(cursor)) StartHoverWait(cursor);
    }
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
    tracked = tracking.hwnd;
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
    if (tracking.hwnd && IsSelfOrDescendant(tracking.hwnd, hwnd)) left = EndTracking();
  }
  PostLeave(left);
}

void ForgetMouseTrackingOf(HWND hwnd) {
  std::lock_guard lock(trackingMutex);
  if (tracking.hwnd && IsSelfOrDescendant(tracking.hwnd, hwnd)) tracking = {};
}

bool NextMouseHoverDue(std::uint64_t* due) {
  std::lock_guard lock(trackingMutex);
  if (!IsThisThreadsHoverWait()) return false;
  *due = tracking.hoverDue;
  return true;
}

bool TakeDueMouseHover(HWND filter, MSG* msg, bool remove) {
  std::lock_guard lock(trackingMutex);
  if (!IsThisThreadsHoverWait() || tracking.hoverDue > Now() || !MatchesWindowFilter(tracking.hwnd, filter))
    return false;
  POINT cursor{};
  GetCursorPos(&cursor);
  POINT client = cursor;
  ScreenToClient(tracking.hwnd, &client);
  *msg = MSG{tracking.hwnd, WM_MOUSEHOVER, MouseKeyFlags(), MAKELPARAM(client.x, client.y),
             static_cast<DWORD>(Now()), cursor};
  if (remove) DropKinds(TME_HOVER);
  return true;
}

void ResetMouseTracking() {
  std::lock_guard lock(trackingMutex);
  tracking = {};
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
  DWORD kinds = request->dwFlags & kTrackedKinds;
  if (request->dwFlags & TME_CANCEL) {
    CancelTracking(hwnd, kinds);
    return TRUE;
  }
  if (!kinds) return TRUE;
  // A window the mouse does not go to is told at once that it was left, and is not tracked.
  MouseTarget now = CurrentMouseTarget();
  if (now.hwnd != hwnd || !now.inClient) {
    CancelTracking(hwnd, kTrackedKinds);
    if (kinds & TME_LEAVE) PostLeave(hwnd);
    return TRUE;
  }
  PostLeave(StartTracking(hwnd, kinds, request->dwHoverTime));
  return TRUE;
}

BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT request) { return TrackMouseEvent(request); }
