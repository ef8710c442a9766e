// Where the parts of a scroll bar lie (arrows, page areas, thumb), and how a bar is drawn.
#pragma once

#include "scrollbar_model.h"

namespace win32_internal {

enum class ScrollPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

// Lengths along the bar's axis, measured from the bar's top or left edge.
struct ScrollLayout {
  RECT bar{};
  bool vertical = false;
  int length = 0;       // the bar's length
  int arrow = 0;        // each arrow button's length
  int thumbStart = 0;   // 0 length: no thumb (nothing to scroll, or no room)
  int thumbLength = 0;
};

ScrollLayout LayoutScrollBar(const RECT& bar, bool vertical, const ScrollBarState& state, bool enabled);
// The part under a point (in the bar's coordinates).
ScrollPart ScrollPartAt(const ScrollLayout& layout, POINT point);
// The point's distance from the bar's start along its axis.
int AlongScrollBar(const ScrollLayout& layout, POINT point);
// The position at which the thumb would start at `thumbStart`.
int ScrollPositionForThumb(const ScrollLayout& layout, const ScrollBarState& state, int thumbStart);
// The scroll code a press on a part sends (SB_LINEUP ...); -1 for the thumb and nothing.
int ScrollCodeOf(ScrollPart part);

// The classic track colour, lighter than the button face.
HBRUSH DefaultScrollTrackBrush();
// Draws the bar in the classic look; `pressed` is the part held down; `track` fills the page areas.
void DrawScrollBar(HDC dc, const ScrollLayout& layout, const ScrollBarState& state, bool enabled, ScrollPart pressed,
                   HBRUSH track);

}  // namespace win32_internal
