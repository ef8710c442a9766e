// SendMessage (a direct, re-entrant call of the window procedure) and DispatchMessage.
#include "message_queue_internal.h"
#include "window_internal.h"

using namespace win32_internal;

namespace {

// Calls the window's current procedure; the window may be gone when it returns.
LRESULT CallProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* window = PeekWindow(hwnd);
  if (!window || hwnd == DesktopHandle()) return 0;
  WNDPROC proc = window->proc ? window->proc : DefWindowProcW;
  return proc(hwnd, message, wParam, lParam);
}

}  // namespace

// Sends go straight to the procedure on the calling thread; the windows of other threads are not reachable
// this way (the program's other threads only post).
LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* window = LookupWindow(hwnd);
  if (!window) return 0;
  if (window->threadId != GetCurrentThreadId() && hwnd != DesktopHandle()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return 0;
  }
  return CallProcedure(hwnd, message, wParam, lParam);
}

LRESULT DispatchMessageW(const MSG* msg) {
  if (!msg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (msg->message == WM_TIMER && msg->lParam) {
    // A timer procedure runs only for a live timer, never for a forged WM_TIMER.
    auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
    if (!IsLiveTimer(msg->hwnd, msg->wParam, proc)) return 0;
    proc(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
    return 0;
  }
  if (!msg->hwnd) return 0;
  Window* window = LookupWindow(msg->hwnd);
  if (!window) return 0;
  if (window->threadId != GetCurrentThreadId()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return 0;
  }
  return CallProcedure(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}
