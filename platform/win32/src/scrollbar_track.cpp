// Tracking a press on a scroll bar as the platform does: arrows and page areas send their code on the press and
// repeat it while held (after a delay), the thumb sends SB_THUMBTRACK as it moves and SB_THUMBPOSITION where it
// is let go, and every press ends with SB_ENDSCROLL.
#include "scrollbar_track.h"

#include "scrollbar_site.h"

namespace win32_internal {

namespace {

constexpr UINT_PTR kRepeatTimer = 0x5C01;
constexpr UINT kFirstRepeatDelay = 400;
constexpr UINT kRepeatInterval = 50;

struct Tracking {
  HWND hwnd = nullptr;
  int bar = SB_VERT;
  HWND captureWindow = nullptr;
  ScrollPart part = ScrollPart::None;
  int grab = 0;          // the press's distance from the thumb's start
  POINT cursor{};        // the last mouse position, in screen coordinates
  bool active = false;
};

Tracking tracking;

// Whether the held part is still under the mouse (a page area shrinks as the thumb moves towards the mouse).
bool HeldPartUnderMouse() {
  ScrollLayout layout;
  if (!ScreenScrollLayout(tracking.hwnd, tracking.bar, &layout)) return false;
  return ScrollPartAt(layout, tracking.cursor) == tracking.part;
}

void SendHeldCode() {
  int code = ScrollCodeOf(tracking.part);
  if (code >= 0) SendScrollCode(tracking.hwnd, tracking.bar, code, 0);
}

// Leaves the tracking state before anything else happens, so that re-entrant messages see it ended.
Tracking Finish() {
  Tracking ended = tracking;
  tracking = Tracking{};
  if (IsWindow(ended.captureWindow)) KillTimer(ended.captureWindow, kRepeatTimer);
  if (ScrollBarState* state = FindScrollBarState(ended.hwnd, ended.bar, false)) state->tracking = false;
  return ended;
}

}  // namespace

void BeginScrollTracking(HWND hwnd, int bar, POINT screen, HWND captureWindow) {
  // A tracking left over from a window that is gone, or that lost the capture unnoticed, is dropped.
  if (tracking.active && IsWindow(tracking.hwnd) && GetCapture() == tracking.captureWindow) return;
  tracking = Tracking{};
  ScrollLayout layout;
  ScrollBarState* state = FindScrollBarState(hwnd, bar, false);
  if (!state || !ScreenScrollLayout(hwnd, bar, &layout)) return;
  ScrollPart part = ScrollPartAt(layout, screen);
  if (part == ScrollPart::None || layout.thumbLength == 0) return;
  if ((part == ScrollPart::LineUp && (state->disabledArrows & ESB_DISABLE_LTUP)) ||
      (part == ScrollPart::LineDown && (state->disabledArrows & ESB_DISABLE_RTDN)))
    return;
  tracking = Tracking{hwnd, bar, captureWindow, part, AlongScrollBar(layout, screen) - layout.thumbStart, screen, true};
  SetCapture(captureWindow);
  if (part == ScrollPart::Thumb) {
    state->tracking = true;
    state->trackPos = state->pos;
  } else {
    SendHeldCode();
    if (tracking.active) SetTimer(captureWindow, kRepeatTimer, kFirstRepeatDelay, nullptr);
  }
  if (tracking.active) RedrawScrollBar(hwnd);
}

bool IsTrackingScrollBar(HWND captureWindow) { return tracking.active && tracking.captureWindow == captureWindow; }

void ScrollTrackingMouseMove(POINT screen) {
  if (!tracking.active) return;
  tracking.cursor = screen;
  if (tracking.part != ScrollPart::Thumb) return;
  ScrollLayout layout;
  ScrollBarState* state = FindScrollBarState(tracking.hwnd, tracking.bar, false);
  if (!state || !ScreenScrollLayout(tracking.hwnd, tracking.bar, &layout)) return;
  int position = ScrollPositionForThumb(layout, *state, AlongScrollBar(layout, screen) - tracking.grab);
  if (position == state->trackPos) return;
  state->trackPos = position;
  RedrawScrollBar(tracking.hwnd);
  SendScrollCode(tracking.hwnd, tracking.bar, SB_THUMBTRACK, position);
}

void ScrollTrackingTimer(UINT_PTR timer) {
  if (!tracking.active || timer != kRepeatTimer) return;
  SetTimer(tracking.captureWindow, kRepeatTimer, kRepeatInterval, nullptr);
  if (HeldPartUnderMouse()) SendHeldCode();
}

void ScrollTrackingButtonUp() {
  if (!tracking.active) return;
  ScrollBarState* state = FindScrollBarState(tracking.hwnd, tracking.bar, false);
  int trackPos = state ? state->trackPos : 0;
  Tracking ended = Finish();
  if (GetCapture() == ended.captureWindow) ReleaseCapture();
  if (ended.part == ScrollPart::Thumb) SendScrollCode(ended.hwnd, ended.bar, SB_THUMBPOSITION, trackPos);
  SendScrollCode(ended.hwnd, ended.bar, SB_ENDSCROLL, 0);
  RedrawScrollBar(ended.hwnd);
}

void ScrollTrackingLost() {
  if (!tracking.active) return;
  Tracking ended = Finish();
  SendScrollCode(ended.hwnd, ended.bar, SB_ENDSCROLL, 0);
  RedrawScrollBar(ended.hwnd);
}

ScrollPart TrackedScrollPart(HWND hwnd, int bar) {
  return tracking.active && tracking.hwnd == hwnd && tracking.bar == bar ? tracking.part : ScrollPart::None;
}

}  // namespace win32_internal
