// SetWindowPos and the functions built on it: position, size, z-order, frame changes, showing and hiding.
#include <algorithm>

#include "input_track_mouse.h"
#include "paint_internal.h"
#include "screen_state.h"
#include "window_internal.h"
#include "window_position.h"

using namespace win32_internal;

namespace {

LONG Width(const RECT& r) { return r.right - r.left; }
LONG Height(const RECT& r) { return r.bottom - r.top; }

bool CanTakeActivation(const Window& window) {
  return IsTopLevel(window) && !(window.exStyle & WS_EX_NOACTIVATE) && !(window.style & WS_CHILD);
}

// A window that hides passes activation on to another window, a focus inside it moves to its parent, and a
// tracked window inside it is left by the mouse.
void HandOverInputOfHidden(HWND hwnd) {
  NoteWindowHidden(hwnd);
  if (GetActiveWindow() == hwnd) ActivateAnotherWindow(hwnd);
  HWND focused = GetFocus();
  Window* window = PeekWindow(hwnd);
  if (!window || !focused || !IsSelfOrDescendant(focused, hwnd)) return;
  SetFocus(IsTopLevel(*window) ? nullptr : window->parent);
}

}  // namespace

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  Window* window = LookupWindow(hwnd);
  if (!window) return FALSE;
  if (hwnd == DesktopHandle() || window->threadId != GetCurrentThreadId()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  RECT old = window->windowRect;
  WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
  if (flags & SWP_NOMOVE) pos.x = old.left, pos.y = old.top;
  if (flags & SWP_NOSIZE) pos.cx = Width(old), pos.cy = Height(old);
  if (!(flags & SWP_NOSENDCHANGING)) {
    SendMessageW(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    window = PeekWindow(hwnd);
    if (!window) return FALSE;
  }
  flags = pos.flags;
  pos.cx = pos.cx < 0 ? 0 : pos.cx;
  pos.cy = pos.cy < 0 ? 0 : pos.cy;
  bool moved = !(flags & SWP_NOMOVE) && (pos.x != old.left || pos.y != old.top);
  bool sized = !(flags & SWP_NOSIZE) && (pos.cx != Width(old) || pos.cy != Height(old));

  if (!(flags & SWP_NOZORDER) && pos.hwndInsertAfter != hwnd) {
    Window* parent = ParentOf(*window);
    if (parent) LinkInto(*parent, *window, pos.hwndInsertAfter);
  }

  RECT oldClient = window->clientRect;
  if (moved || sized || (flags & SWP_FRAMECHANGED)) {
    RECT fresh{moved ? pos.x : old.left, moved ? pos.y : old.top, 0, 0};
    fresh.right = fresh.left + (sized ? pos.cx : Width(old));
    fresh.bottom = fresh.top + (sized ? pos.cy : Height(old));
    NCCALCSIZE_PARAMS params{{fresh, old, oldClient}, &pos};
    window->windowRect = fresh;
    SendMessageW(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
    window = PeekWindow(hwnd);
    if (!window) return FALSE;
    RECT client = params.rgrc[0];
    client.right = std::max(client.right, client.left);
    client.bottom = std::max(client.bottom, client.top);
    window->clientRect = client;
    window->frameNeeded = true;
  }
  bool clientSized = Width(window->clientRect) != Width(oldClient) || Height(window->clientRect) != Height(oldClient);
  bool clientMoved = window->clientRect.left != oldClient.left || window->clientRect.top != oldClient.top;

  bool wasVisible = (window->style & WS_VISIBLE) != 0;
  if ((flags & SWP_SHOWWINDOW) && !wasVisible) {
    window->style |= WS_VISIBLE;
    InvalidateWhole(*window, true, true);
  }
  if ((flags & SWP_HIDEWINDOW) && wasVisible) window->style &= ~static_cast<DWORD>(WS_VISIBLE);
  // A new size means a new blank surface, so everything is painted again.
  if (sized || clientSized || (flags & SWP_FRAMECHANGED)) {
    EnsureSurface(*window);
    InvalidateWhole(*window, true, true);
  }

  bool visibleNow = (window->style & WS_VISIBLE) != 0;
  if (!(flags & SWP_NOACTIVATE) && visibleNow && CanTakeActivation(*window)) ActivateWindow(hwnd, WA_ACTIVE);
  if (wasVisible && !visibleNow) HandOverInputOfHidden(hwnd);

  if (!(flags & SWP_NOREDRAW)) PaintFrameIfNeeded(hwnd);
  if (!PeekWindow(hwnd)) return TRUE;
  if (!moved) pos.flags |= SWP_NOMOVE;
  if (!sized) pos.flags |= SWP_NOSIZE;
  if (!clientSized) pos.flags |= SWP_NOCLIENTSIZE;
  if (!clientMoved) pos.flags |= SWP_NOCLIENTMOVE;
  SendMessageW(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(hwnd, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND hwnd) { return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement) {
  Window* window = LookupWindow(hwnd);
  if (!window || !placement) return FALSE;
  placement->flags = 0;
  placement->showCmd = window->minimized ? SW_SHOWMINIMIZED : window->maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
  placement->ptMinPosition = {-1, -1};
  placement->ptMaxPosition = {-1, -1};
  placement->rcNormalPosition = (window->minimized || window->maximized) ? window->normalRect : window->windowRect;
  // A top-level window's normal position is in workspace coordinates: the work area starts at 0, 0.
  if (IsTopLevel(*window) && (window->exStyle & WS_EX_TOOLWINDOW) == 0) {
    const RECT work = WorkArea();
    OffsetRect(&placement->rcNormalPosition, -work.left, -work.top);
  }
  return TRUE;
}

HMONITOR MonitorFromRect(LPCRECT rect, DWORD flags) {
  if (!rect) return nullptr;
  bool onScreen = !IsEmptyRect(IntersectRects(*rect, ScreenRect()));
  return onScreen || flags != MONITOR_DEFAULTTONULL ? PrimaryMonitor() : nullptr;
}

BOOL GetMonitorInfoW(HMONITOR monitor, LPMONITORINFO info) {
  if (monitor != PrimaryMonitor() || !info || info->cbSize < sizeof(MONITORINFO)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  info->rcMonitor = ScreenRect();
  info->rcWork = WorkArea();
  info->dwFlags = MONITORINFOF_PRIMARY;
  return TRUE;
}
