// Visibility, minimised and maximised states, enabling, and layered-window attributes.
#include "screen_state.h"
#include "window_internal.h"

using namespace win32_internal;

namespace {

constexpr RECT kIconicRect{-32000, -32000, -32000 + 160, -32000 + 28};

void RememberNormalRect(Window& window) {
  if (!window.minimized && !window.maximized) window.normalRect = window.windowRect;
}

// The rectangle the window takes in its new state, or none when it stays where it is.
bool ChangeState(Window& window, int command, RECT& target) {
  switch (command) {
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE:
      if (window.minimized) return false;
      RememberNormalRect(window);
      window.minimized = true;
      window.maximized = false;
      window.style = (window.style | WS_MINIMIZE) & ~static_cast<DWORD>(WS_MAXIMIZE);
      target = kIconicRect;
      return true;
    case SW_SHOWMAXIMIZED:
      if (window.maximized) return false;
      RememberNormalRect(window);
      window.maximized = true;
      window.minimized = false;
      window.style = (window.style | WS_MAXIMIZE) & ~static_cast<DWORD>(WS_MINIMIZE);
      if (IsTopLevel(window)) {
        target = WorkArea();
      } else {
        Window* parent = ParentOf(window);
        target = {0, 0, parent->clientRect.right - parent->clientRect.left,
                  parent->clientRect.bottom - parent->clientRect.top};
      }
      return true;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
      if (!window.minimized && !window.maximized) return false;
      window.minimized = window.maximized = false;
      window.style &= ~static_cast<DWORD>(WS_MINIMIZE | WS_MAXIMIZE);
      target = window.normalRect;
      return true;
    default:
      return false;
  }
}

bool Activates(int command) {
  switch (command) {
    case SW_SHOWNORMAL:
    case SW_SHOWMAXIMIZED:
    case SW_SHOW:
    case SW_RESTORE:
    case SW_SHOWDEFAULT:
      return true;
    default:
      return false;
  }
}

}  // namespace

BOOL ShowWindow(HWND hwnd, int command) {
  Window* window = LookupWindow(hwnd);
  if (!window || hwnd == DesktopHandle()) return FALSE;
  bool wasVisible = (window->style & WS_VISIBLE) != 0;
  if (command == SW_HIDE) {
    if (!wasVisible) return FALSE;
    SendMessageW(hwnd, WM_SHOWWINDOW, FALSE, 0);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
  }
  if (command < SW_HIDE || command > SW_FORCEMINIMIZE) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!wasVisible) {
    SendMessageW(hwnd, WM_SHOWWINDOW, TRUE, 0);
    window = PeekWindow(hwnd);
    if (!window) return FALSE;
  }
  RECT target{};
  bool reshaped = ChangeState(*window, command, target);
  bool activate = Activates(command) && !(window->exStyle & WS_EX_NOACTIVATE) && IsTopLevel(*window);
  UINT flags = SWP_SHOWWINDOW | (activate ? 0 : SWP_NOACTIVATE | SWP_NOZORDER);
  if (reshaped) flags |= SWP_FRAMECHANGED;
  else flags |= SWP_NOMOVE | SWP_NOSIZE;
  SetWindowPos(hwnd, HWND_TOP, target.left, target.top, target.right - target.left, target.bottom - target.top, flags);
  window = PeekWindow(hwnd);
  if (window && window->minimized && GetActiveWindow() == hwnd) ActivateAnotherWindow(hwnd);
  return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) { return PeekWindow(hwnd) && IsVisibleOnScreen(hwnd); }

BOOL IsIconic(HWND hwnd) {
  Window* window = PeekWindow(hwnd);
  return window && window->minimized;
}

BOOL IsZoomed(HWND hwnd) {
  Window* window = PeekWindow(hwnd);
  return window && window->maximized;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  Window* window = LookupWindow(hwnd);
  if (!window) return FALSE;
  bool wasDisabled = (window->style & WS_DISABLED) != 0;
  if (wasDisabled == !enable) return wasDisabled;
  if (enable) {
    window->style &= ~static_cast<DWORD>(WS_DISABLED);
  } else {
    window->style |= WS_DISABLED;
    // A disabled window cannot keep the keyboard focus or the mouse capture.
    if (GetFocus() && IsSelfOrDescendant(GetFocus(), hwnd)) SetFocus(nullptr);
    if (GetCapture() == hwnd) ReleaseCapture();
  }
  if (PeekWindow(hwnd)) SendMessageW(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
  Window* window = PeekWindow(hwnd);
  return window && !(window->style & WS_DISABLED);
}

BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags) {
  Window* window = LookupWindow(hwnd);
  if (!window) return FALSE;
  if (!(window->exStyle & WS_EX_LAYERED)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  window->colorKey = key;
  window->alpha = alpha;
  window->layeredFlags = flags;
  return TRUE;
}

BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags) {
  Window* window = LookupWindow(hwnd);
  if (!window) return FALSE;
  if (!(window->exStyle & WS_EX_LAYERED)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (key) *key = window->colorKey;
  if (alpha) *alpha = window->alpha;
  if (flags) *flags = window->layeredFlags;
  return TRUE;
}
