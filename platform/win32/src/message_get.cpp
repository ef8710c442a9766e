// Retrieving messages: posted messages first, then WM_QUIT, then paints, then due timers, then a due hover.
#include <chrono>

#include "input_track_mouse.h"
#include "message_queue_internal.h"
#include "window_internal.h"

namespace win32_internal {

namespace {

bool InRange(UINT message, UINT low, UINT high) { return (low == 0 && high == 0) || (message >= low && message <= high); }

bool TakePosted(ThreadQueue& queue, MSG* msg, HWND filter, UINT low, UINT high, bool remove) {
  std::lock_guard lock(queue.mutex);
  for (auto it = queue.posted.begin(); it != queue.posted.end(); ++it) {
    if (!InRange(it->message, low, high) || !MatchesWindowFilter(it->hwnd, filter)) continue;
    *msg = *it;
    if (remove) queue.posted.erase(it);
    return true;
  }
  if (queue.quit && InRange(WM_QUIT, low, high)) {
    *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(queue.quitCode), 0, static_cast<DWORD>(Now()), {0, 0}};
    if (remove) queue.quit = false;
    return true;
  }
  return false;
}

bool TakePaint(MSG* msg, HWND filter, UINT low, UINT high) {
  if (!InRange(WM_PAINT, low, high)) return false;
  HWND hwnd = NextWindowToPaint(filter);
  if (!hwnd) return false;
  *msg = MSG{hwnd, WM_PAINT, 0, 0, static_cast<DWORD>(Now()), {0, 0}};
  return true;
}

}  // namespace

bool MatchesWindowFilter(HWND hwnd, HWND filter) {
  if (!filter) return true;
  if (filter == reinterpret_cast<HWND>(-1)) return hwnd == nullptr;
  return hwnd == filter || IsChild(filter, hwnd);
}

}  // namespace win32_internal

using namespace win32_internal;

BOOL PeekMessageW(LPMSG msg, HWND filter, UINT low, UINT high, UINT removeFlags) {
  if (!msg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (filter && filter != reinterpret_cast<HWND>(-1) && !LookupWindow(filter)) return FALSE;
  bool remove = (removeFlags & PM_REMOVE) != 0;
  MSG found{};
  bool got = TakePosted(CurrentQueue(), &found, filter, low, high, remove) || TakePaint(&found, filter, low, high) ||
             (InRange(WM_TIMER, low, high) && TakeDueTimer(filter, &found, remove));
  if (!got) return FALSE;
  // Hooks see peeked messages too; the flag tells them whether the message has left the queue.
  RunGetMessageHooks(&found, remove ? PM_REMOVE : PM_NOREMOVE);
  *msg = found;
  return TRUE;
}

BOOL GetMessageW(LPMSG msg, HWND filter, UINT low, UINT high) {
  if (!msg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  if (filter && filter != reinterpret_cast<HWND>(-1) && !LookupWindow(filter)) return -1;
  while (!PeekMessageW(msg, filter, low, high, PM_REMOVE)) WaitMessage();
  return msg->message != WM_QUIT;
}

// Waits for something to be posted. The clock only moves when a test moves it, so a thread with nothing posted
// waits for another thread to post.
BOOL WaitMessage() {
  ThreadQueue& queue = CurrentQueue();
  std::unique_lock lock(queue.mutex);
  if (!queue.posted.empty() || queue.quit) return TRUE;
  queue.wake.wait_for(lock, std::chrono::milliseconds(50), [&] { return !queue.posted.empty() || queue.quit; });
  return TRUE;
}
