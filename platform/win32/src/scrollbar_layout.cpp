// Scroll-bar geometry: two arrow buttons at the ends, the thumb proportional to the page, the page areas between.
#include "scrollbar_layout.h"

#include <algorithm>

namespace win32_internal {

namespace {

constexpr int kMinThumb = 8;

RECT Span(const ScrollLayout& layout, int from, int to) {
  const RECT& b = layout.bar;
  return layout.vertical ? RECT{b.left, b.top + from, b.right, b.top + to}
                         : RECT{b.left + from, b.top, b.left + to, b.bottom};
}

}  // namespace

ScrollLayout LayoutScrollBar(const RECT& bar, bool vertical, const ScrollBarState& state, bool enabled) {
  ScrollLayout layout;
  layout.bar = bar;
  layout.vertical = vertical;
  layout.length = vertical ? bar.bottom - bar.top : bar.right - bar.left;
  int button = GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL);
  layout.arrow = std::min(button, layout.length / 2);
  int track = layout.length - 2 * layout.arrow;
  if (!enabled || !IsScrollNeeded(state) || state.disabledArrows == ESB_DISABLE_BOTH || track < kMinThumb)
    return layout;
  long long span = static_cast<long long>(state.max) - state.min + 1;
  int thumb = state.page ? static_cast<int>(track * static_cast<long long>(state.page) / span)
                         : GetSystemMetrics(vertical ? SM_CYVTHUMB : SM_CXHTHUMB);
  thumb = std::clamp(thumb, kMinThumb, track);
  long long positions = static_cast<long long>(MaxScrollPosition(state)) - state.min;
  long long offset = static_cast<long long>(ShownScrollPosition(state)) - state.min;
  layout.thumbLength = thumb;
  layout.thumbStart = layout.arrow + static_cast<int>((track - thumb) * offset / positions);
  return layout;
}

int AlongScrollBar(const ScrollLayout& layout, POINT point) {
  return layout.vertical ? point.y - layout.bar.top : point.x - layout.bar.left;
}

ScrollPart ScrollPartAt(const ScrollLayout& layout, POINT point) {
  const RECT& b = layout.bar;
  if (point.x < b.left || point.x >= b.right || point.y < b.top || point.y >= b.bottom) return ScrollPart::None;
  int along = AlongScrollBar(layout, point);
  if (along < layout.arrow) return ScrollPart::LineUp;
  if (along >= layout.length - layout.arrow) return ScrollPart::LineDown;
  if (layout.thumbLength == 0) return ScrollPart::None;
  if (along < layout.thumbStart) return ScrollPart::PageUp;
  if (along >= layout.thumbStart + layout.thumbLength) return ScrollPart::PageDown;
  return ScrollPart::Thumb;
}

int ScrollPositionForThumb(const ScrollLayout& layout, const ScrollBarState& state, int thumbStart) {
  int room = layout.length - 2 * layout.arrow - layout.thumbLength;
  if (room <= 0) return state.min;
  long long positions = static_cast<long long>(MaxScrollPosition(state)) - state.min;
  long long offset = std::clamp(thumbStart - layout.arrow, 0, room);
  return static_cast<int>(state.min + (offset * positions + room / 2) / room);
}

int ScrollCodeOf(ScrollPart part) {
  switch (part) {
    case ScrollPart::LineUp: return SB_LINEUP;
    case ScrollPart::PageUp: return SB_PAGEUP;
    case ScrollPart::PageDown: return SB_PAGEDOWN;
    case ScrollPart::LineDown: return SB_LINEDOWN;
    default: return -1;
  }
}

HBRUSH DefaultScrollTrackBrush() {
  static HBRUSH brush = CreateSolidBrush(RGB(234, 232, 227));
  return brush;
}

void DrawScrollBar(HDC dc, const ScrollLayout& layout, const ScrollBarState& state, bool enabled, ScrollPart pressed,
                   HBRUSH track) {
  RECT trackRect = Span(layout, layout.arrow, layout.length - layout.arrow);
  FillRect(dc, &trackRect, track);
  if (layout.thumbLength > 0 && (pressed == ScrollPart::PageUp || pressed == ScrollPart::PageDown)) {
    RECT held = pressed == ScrollPart::PageUp ? Span(layout, layout.arrow, layout.thumbStart)
                                              : Span(layout, layout.thumbStart + layout.thumbLength,
                                                     layout.length - layout.arrow);
    FillRect(dc, &held, GetSysColorBrush(COLOR_3DDKSHADOW));
  }
  bool all = !enabled || !IsScrollNeeded(state);
  UINT up = layout.vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT;
  UINT down = layout.vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT;
  RECT first = Span(layout, 0, layout.arrow);
  RECT last = Span(layout, layout.length - layout.arrow, layout.length);
  bool firstOff = all || (state.disabledArrows & ESB_DISABLE_LTUP);
  bool lastOff = all || (state.disabledArrows & ESB_DISABLE_RTDN);
  DrawFrameControl(dc, &first, DFC_SCROLL,
                   up | (firstOff ? DFCS_INACTIVE : 0) | (pressed == ScrollPart::LineUp ? DFCS_PUSHED | DFCS_FLAT : 0));
  DrawFrameControl(dc, &last, DFC_SCROLL,
                   down | (lastOff ? DFCS_INACTIVE : 0) |
                       (pressed == ScrollPart::LineDown ? DFCS_PUSHED | DFCS_FLAT : 0));
  if (layout.thumbLength > 0) {
    RECT thumb = Span(layout, layout.thumbStart, layout.thumbStart + layout.thumbLength);
    DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  }
}

}  // namespace win32_internal
