#include "controls/hover_tracker.h"

namespace Talvo {

namespace {

void Request(HWND hwnd, DWORD flags) {
  TRACKMOUSEEVENT request{sizeof request, flags, hwnd, 0};
  ::TrackMouseEvent(&request);
}

}  // namespace

bool HoverTracker::Enter(HWND hwnd) {
  if (hot_) return false;
  hot_ = true;
  Request(hwnd, TME_LEAVE);
  return true;
}

bool HoverTracker::Leave(HWND hwnd) {
  if (!hot_) return false;
  hot_ = false;
  // After a WM_MOUSELEAVE nothing is tracked any more, and cancelling is harmless.
  Request(hwnd, TME_CANCEL | TME_LEAVE);
  return true;
}

}  // namespace Talvo
