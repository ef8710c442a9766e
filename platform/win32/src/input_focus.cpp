// Keyboard focus, activation of top-level windows and mouse capture.
#include <atomic>

#include "input_state.h"
#include "input_track_mouse.h"
#include "window_internal.h"

namespace win32_internal {

namespace {

std::atomic<HWND> focus{nullptr};
std::atomic<HWND> active{nullptr};
std::atomic<HWND> capture{nullptr};

bool CanBeActivated(const Window& window, HWND leaving) {
  return window.handle != leaving && !window.destroying && (window.style & WS_VISIBLE) && !window.minimized &&
         !(window.style & WS_DISABLED) && !(window.exStyle & WS_EX_NOACTIVATE) && !(window.style & WS_CHILD);
}

void ChangeFocus(HWND next) {
  HWND previous = focus.load();
  if (previous == next) return;
  if (previous && PeekWindow(previous))
    SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(next), 0);
  focus = next;
  if (next && PeekWindow(next)) SendMessageW(next, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
}

}  // namespace

HWND ActivateWindow(HWND hwnd, WORD how) {
  HWND previous = active.load();
  if (previous == hwnd) return previous;
  if (previous && PeekWindow(previous)) {
    SendMessageW(previous, WM_NCACTIVATE, FALSE, 0);
    SendMessageW(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(previous)), reinterpret_cast<LPARAM>(hwnd));
    if (!hwnd) SendMessageW(previous, WM_ACTIVATEAPP, FALSE, 0);
  }
  active = hwnd;
  if (hwnd && PeekWindow(hwnd)) {
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!previous || !PeekWindow(previous)) SendMessageW(hwnd, WM_ACTIVATEAPP, TRUE, 0);
    SendMessageW(hwnd, WM_NCACTIVATE, TRUE, 0);
    SendMessageW(hwnd, WM_ACTIVATE, MAKEWPARAM(how, IsIconic(hwnd)), reinterpret_cast<LPARAM>(previous));
  }
  // The focus stays inside the active window.
  HWND focused = focus.load();
  if (focused && (!active.load() || !IsSelfOrDescendant(focused, active.load()))) ChangeFocus(nullptr);
  return previous;
}

void ActivateAnotherWindow(HWND leaving) {
  Window* window = PeekWindow(leaving);
  Window* owner = window ? PeekWindow(window->owner) : nullptr;
  if (owner && CanBeActivated(*owner, leaving)) {
    ActivateWindow(owner->handle, WA_ACTIVE);
    return;
  }
  for (HWND top : Desktop()->children) {
    Window* candidate = PeekWindow(top);
    if (candidate && CanBeActivated(*candidate, leaving)) {
      ActivateWindow(top, WA_ACTIVE);
      return;
    }
  }
  ActivateWindow(nullptr, WA_INACTIVE);
}

void ReleaseInputStateOf(HWND hwnd) {
  HWND captured = capture.load();
  if (captured && IsSelfOrDescendant(captured, hwnd)) ReleaseCapture();
  if (active.load() == hwnd) ActivateAnotherWindow(hwnd);
  HWND focused = focus.load();
  if (focused && IsSelfOrDescendant(focused, hwnd)) ChangeFocus(nullptr);
  ForgetMouseTrackingOf(hwnd);
}

void ResetInput() {
  focus = nullptr;
  active = nullptr;
  capture = nullptr;
  ResetKeyboardAndCursor();
  ResetMouseTracking();
}

}  // namespace win32_internal

using namespace win32_internal;

HWND GetFocus() { return focus.load(); }
HWND GetActiveWindow() { return active.load(); }
HWND GetForegroundWindow() { return active.load(); }
HWND GetCapture() { return capture.load(); }

HWND SetFocus(HWND hwnd) {
  HWND previous = focus.load();
  if (!hwnd) {
    ChangeFocus(nullptr);
    return previous;
  }
  Window* window = LookupWindow(hwnd);
  if (!window) return nullptr;
  if (window->threadId != GetCurrentThreadId() || (window->style & WS_DISABLED)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
  }
  HWND root = RootOf(hwnd);
  // Focusing a window activates its top-level window first (whose activation may move the focus itself).
  if (root && active.load() != root) {
    ActivateWindow(root, WA_ACTIVE);
    if (!PeekWindow(hwnd)) return nullptr;
  }
  ChangeFocus(hwnd);
  return previous;
}

HWND SetActiveWindow(HWND hwnd) {
  Window* window = LookupWindow(hwnd);
  if (!window) return nullptr;
  HWND root = RootOf(hwnd);
  return ActivateWindow(root ? root : hwnd, WA_ACTIVE);
}

BOOL SetForegroundWindow(HWND hwnd) {
  if (!LookupWindow(hwnd)) return FALSE;
  SetActiveWindow(hwnd);
  return TRUE;
}

HWND SetCapture(HWND hwnd) {
  HWND previous = capture.load();
  if (hwnd && !LookupWindow(hwnd)) return nullptr;
  if (previous == hwnd) return previous;
  capture = hwnd;
  if (previous && PeekWindow(previous))
    SendMessageW(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
  NoteCaptureChanged(previous, hwnd);
  return previous;
}

BOOL ReleaseCapture() {
  HWND previous = capture.exchange(nullptr);
  if (previous && PeekWindow(previous)) SendMessageW(previous, WM_CAPTURECHANGED, 0, 0);
  NoteCaptureChanged(previous, nullptr);
  return TRUE;
}
