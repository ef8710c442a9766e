// What the library's controls share to hear WM_MOUSELEAVE: one leave request per call, made again on each move.
#pragma once

#include <windows.h>

namespace mfc_internal {

inline void TrackMouseLeave(HWND hwnd) {
  TRACKMOUSEEVENT request{sizeof request, TME_LEAVE, hwnd, 0};
  ::TrackMouseEvent(&request);
}

}  // namespace mfc_internal
