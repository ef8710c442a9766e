// The numbers behind one scroll bar: range, page, position, track position and disabled arrows.
#pragma once

#include <windows.h>

namespace win32_internal {

struct ScrollBarState {
  int min = 0;
  int max = 0;
  UINT page = 0;
  int pos = 0;
  int trackPos = 0;
  bool tracking = false;    // the thumb is being dragged; trackPos is where
  UINT disabledArrows = 0;  // ESB_DISABLE_* bits
};

// The highest position: max − (page − 1) when there is a page, never below min.
int MaxScrollPosition(const ScrollBarState& state);
// Whether the range offers more than one position.
bool IsScrollNeeded(const ScrollBarState& state);
// Applies the members that `info.fMask` names, keeping page and position in range. Returns the position.
int ApplyScrollInfo(ScrollBarState& state, const SCROLLINFO& info);
// Fills the members that `info.fMask` names.
void ReadScrollInfo(const ScrollBarState& state, SCROLLINFO& info);
// Where the thumb is drawn: the track position while dragging, else the position.
int ShownScrollPosition(const ScrollBarState& state);

}  // namespace win32_internal
