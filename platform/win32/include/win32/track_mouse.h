// Mouse tracking: a window asks to hear when the cursor leaves its client area (WM_MOUSELEAVE). Each request is
// answered once; the window asks again, typically on its next WM_MOUSEMOVE. There is no hover tracking here.
#pragma once

#include "win32/types.h"

#define TME_LEAVE 0x00000002
#define TME_QUERY 0x40000000
#define TME_CANCEL 0x80000000

// The system's hover time; dwHoverTime is accepted and ignored.
#define HOVER_DEFAULT 0xFFFFFFFF

struct TRACKMOUSEEVENT {
  DWORD cbSize;
  DWORD dwFlags;
  HWND hwndTrack;
  DWORD dwHoverTime;
};
using LPTRACKMOUSEEVENT = TRACKMOUSEEVENT*;

// TME_LEAVE starts tracking hwndTrack (a window not under the cursor is told it was left at once);
// with TME_CANCEL it stops it; TME_QUERY fills the structure with what is being tracked now.
BOOL TrackMouseEvent(LPTRACKMOUSEEVENT eventTrack);
// The common-controls name of the same function.
BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT eventTrack);
