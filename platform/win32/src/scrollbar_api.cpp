// The platform's scroll-bar functions, on the window's own bars (SB_HORZ, SB_VERT); there are no scroll-bar
// controls here, so SB_CTL fails.
#include "scrollbar_site.h"
#include "window_internal.h"

using namespace win32_internal;

namespace {

// Shows, hides or disables a window's bar after its range or page changed, as SetScrollInfo does.
void FitWindowBarToRange(HWND hwnd, int bar, const ScrollBarState& state, bool disableNoScroll) {
  if (IsScrollNeeded(state)) {
    if (!IsScrollBarShown(hwnd, bar)) ShowScrollBar(hwnd, bar, TRUE);
    if (ScrollBarState* fresh = FindScrollBarState(hwnd, bar, false)) fresh->disabledArrows = ESB_ENABLE_BOTH;
  } else if (disableNoScroll) {
    if (ScrollBarState* fresh = FindScrollBarState(hwnd, bar, false)) fresh->disabledArrows = ESB_DISABLE_BOTH;
  } else if (IsScrollBarShown(hwnd, bar)) {
    ShowScrollBar(hwnd, bar, FALSE);
  }
}

bool ValidInfo(LPCSCROLLINFO info) {
  bool valid = info && (info->cbSize == sizeof(SCROLLINFO) || info->cbSize == sizeof(SCROLLINFO) - sizeof(int));
  if (!valid) SetLastError(ERROR_INVALID_PARAMETER);
  return valid;
}

}  // namespace

int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw) {
  if (!LookupWindow(hwnd) || !ValidInfo(info)) return 0;
  ScrollBarState* state = FindScrollBarState(hwnd, bar, true);
  if (!state) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  int position = ApplyScrollInfo(*state, *info);
  ScrollBarState copy = *state;
  if (info->fMask & (SIF_RANGE | SIF_PAGE)) FitWindowBarToRange(hwnd, bar, copy, info->fMask & SIF_DISABLENOSCROLL);
  if (redraw) RedrawScrollBar(hwnd);
  return position;
}

BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info) {
  if (!LookupWindow(hwnd) || !ValidInfo(info)) return FALSE;
  // A window that never had the bar has no numbers to give.
  ScrollBarState* state = FindScrollBarState(hwnd, bar, IsScrollBarShown(hwnd, bar));
  if (!state) {
    SetLastError(1447L);  // ERROR_NO_SCROLLBARS
    return FALSE;
  }
  ReadScrollInfo(*state, *info);
  return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int position, BOOL redraw) {
  if (!FindScrollBarState(hwnd, bar, true)) return 0;
  int previous = GetScrollPos(hwnd, bar);
  SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, position, 0};
  SetScrollInfo(hwnd, bar, &info, redraw);
  return previous;
}

int GetScrollPos(HWND hwnd, int bar) {
  SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
  return GetScrollInfo(hwnd, bar, &info) ? info.nPos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minimum, int maximum, BOOL redraw) {
  if (static_cast<long long>(maximum) - minimum > 0x7FFFFFFF) {
    SetLastError(1448L);  // ERROR_INVALID_SCROLLBAR_RANGE
    return FALSE;
  }
  SCROLLINFO info{sizeof info, SIF_RANGE, minimum, maximum, 0, 0, 0};
  if (!LookupWindow(hwnd)) return FALSE;
  SetScrollInfo(hwnd, bar, &info, redraw);
  return FindScrollBarState(hwnd, bar, false) != nullptr;
}

BOOL GetScrollRange(HWND hwnd, int bar, LPINT minimum, LPINT maximum) {
  SCROLLINFO info{sizeof info, SIF_RANGE, 0, 0, 0, 0, 0};
  BOOL ok = GetScrollInfo(hwnd, bar, &info);
  if (minimum) *minimum = ok ? info.nMin : 0;
  if (maximum) *maximum = ok ? info.nMax : 0;
  return ok;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
  Window* window = LookupWindow(hwnd);
  if (!window) return FALSE;
  DWORD bits = bar == SB_BOTH ? WS_HSCROLL | WS_VSCROLL : IsWindowBar(bar) ? StyleBit(bar) : 0;
  if (!bits) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (bits & WS_HSCROLL) FindScrollBarState(hwnd, SB_HORZ, true);
  if (bits & WS_VSCROLL) FindScrollBarState(hwnd, SB_VERT, true);
  DWORD style = show ? (window->style | bits) : (window->style & ~bits);
  if (style == window->style) return TRUE;
  window->style = style;
  // The frame changes: WM_NCCALCSIZE gives the new client area, and WM_SIZE follows at once.
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows) {
  if (!LookupWindow(hwnd)) return FALSE;
  bool changed = false;
  for (int one : {SB_HORZ, SB_VERT}) {
    if (bar != SB_BOTH && static_cast<int>(bar) != one) continue;
    ScrollBarState* state = FindScrollBarState(hwnd, one, true);
    if (!state || state->disabledArrows == arrows) continue;
    state->disabledArrows = arrows;
    changed = true;
    RedrawScrollBar(hwnd);
  }
  return changed;
}
