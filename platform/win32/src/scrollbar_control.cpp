// The SCROLLBAR control: a bar that fills its window (SBS_HORZ or SBS_VERT), told its numbers through SBM_*
// messages, reporting to its parent with WM_HSCROLL / WM_VSCROLL and itself as lParam.
#include "controls_internal.h"
#include "scrollbar_site.h"
#include "scrollbar_track.h"
#include "scrollbar_window.h"

namespace win32_internal {

namespace {

ScrollBarState* StateOf(HWND hwnd) { return ControlState<ScrollBarState>(hwnd); }

void Changed(HWND hwnd, BOOL redraw) {
  if (redraw) InvalidateRect(hwnd, nullptr, FALSE);
}

void Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  ScrollBarState* state = StateOf(hwnd);
  if (dc && state) {
    RECT client;
    GetClientRect(hwnd, &client);
    bool vertical = (GetWindowLongPtrW(hwnd, GWL_STYLE) & SBS_VERT) != 0;
    // The parent may give the track a brush of its own; the default answer means the classic track.
    HBRUSH track = ParentColors(hwnd, dc, WM_CTLCOLORSCROLLBAR);
    if (track == GetSysColorBrush(COLOR_3DFACE) || track == GetSysColorBrush(COLOR_SCROLLBAR))
      track = DefaultScrollTrackBrush();
    ScrollLayout layout = LayoutScrollBar(client, vertical, *state, IsWindowEnabled(hwnd));
    DrawScrollBar(dc, layout, *state, IsWindowEnabled(hwnd), TrackedScrollPart(hwnd, SB_CTL), track);
  }
  EndPaint(hwnd, &ps);
}

// The arrow keys of a focused bar scroll as its buttons do; the key's release ends the scroll.
void Key(HWND hwnd, WPARAM key) {
  bool vertical = (GetWindowLongPtrW(hwnd, GWL_STYLE) & SBS_VERT) != 0;
  int code = -1;
  switch (key) {
    case VK_UP: code = vertical ? SB_LINEUP : -1; break;
    case VK_LEFT: code = vertical ? -1 : SB_LINELEFT; break;
    case VK_DOWN: code = vertical ? SB_LINEDOWN : -1; break;
    case VK_RIGHT: code = vertical ? -1 : SB_LINERIGHT; break;
    case VK_PRIOR: code = SB_PAGEUP; break;
    case VK_NEXT: code = SB_PAGEDOWN; break;
    case VK_HOME: code = SB_TOP; break;
    case VK_END: code = SB_BOTTOM; break;
    default: break;
  }
  if (code >= 0) SendScrollCode(hwnd, SB_CTL, code, 0);
}

LRESULT SetInfo(HWND hwnd, ScrollBarState& state, UINT mask, int min, int max, int pos, BOOL redraw) {
  SCROLLINFO info{sizeof info, mask, min, max, 0, pos, 0};
  int position = ApplyScrollInfo(state, info);
  Changed(hwnd, redraw);
  return position;
}

LRESULT ScrollBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) AttachControlState<ScrollBarState>(hwnd);
  ScrollBarState* state = StateOf(hwnd);
  if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY:
      if (IsTrackingScrollBar(hwnd)) ScrollTrackingLost();
      DeleteControlState<ScrollBarState>(hwnd);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_ENABLE:
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      if (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_TABSTOP) SetFocus(hwnd);
      POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ClientToScreen(hwnd, &screen);
      BeginScrollTracking(hwnd, SB_CTL, screen, hwnd);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (IsTrackingScrollBar(hwnd)) {
        POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd, &screen);
        ScrollTrackingMouseMove(screen);
      }
      return 0;
    case WM_LBUTTONUP:
      if (IsTrackingScrollBar(hwnd)) ScrollTrackingButtonUp();
      return 0;
    case WM_TIMER:
      if (IsTrackingScrollBar(hwnd)) ScrollTrackingTimer(wParam);
      return 0;
    case WM_CAPTURECHANGED:
      if (IsTrackingScrollBar(hwnd)) ScrollTrackingLost();
      return 0;
    case WM_KEYDOWN:
      Key(hwnd, wParam);
      return 0;
    case WM_KEYUP:
      if (wParam != VK_TAB && wParam != VK_RETURN && wParam != VK_ESCAPE) SendScrollCode(hwnd, SB_CTL, SB_ENDSCROLL, 0);
      return 0;
    case SBM_SETPOS: {
      int previous = state->pos;
      SetInfo(hwnd, *state, SIF_POS, 0, 0, static_cast<int>(wParam), static_cast<BOOL>(lParam));
      return previous;
    }
    case SBM_GETPOS:
      return state->pos;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
      int previous = state->pos;
      SetInfo(hwnd, *state, SIF_RANGE, static_cast<int>(wParam), static_cast<int>(lParam), 0,
              message == SBM_SETRANGEREDRAW);
      return previous;
    }
    case SBM_GETRANGE:
      if (wParam) *reinterpret_cast<LPINT>(wParam) = state->min;
      if (lParam) *reinterpret_cast<LPINT>(lParam) = state->max;
      return 0;
    case SBM_ENABLE_ARROWS: {
      if (state->disabledArrows == wParam) return FALSE;
      state->disabledArrows = static_cast<UINT>(wParam);
      InvalidateRect(hwnd, nullptr, FALSE);
      return TRUE;
    }
    case SBM_SETSCROLLINFO: {
      auto* info = reinterpret_cast<LPCSCROLLINFO>(lParam);
      if (!info) return 0;
      int position = ApplyScrollInfo(*state, *info);
      if (info->fMask & (SIF_RANGE | SIF_PAGE))
        state->disabledArrows =
            !IsScrollNeeded(*state) && (info->fMask & SIF_DISABLENOSCROLL) ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH;
      Changed(hwnd, static_cast<BOOL>(wParam));
      return position;
    }
    case SBM_GETSCROLLINFO: {
      auto* info = reinterpret_cast<LPSCROLLINFO>(lParam);
      if (!info) return FALSE;
      ReadScrollInfo(*state, *info);
      return TRUE;
    }
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterScrollBarClass() {
  RegisterControlClass(WC_SCROLLBARW, ScrollBarProc, CS_HREDRAW | CS_VREDRAW);
  RegisterScrollBarTrackerClass();
}

}  // namespace win32_internal
