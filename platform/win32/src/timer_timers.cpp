// SetTimer and KillTimer. A timer produces WM_TIMER only when its thread's queue has nothing posted and it is due;
// however many periods passed, one WM_TIMER is made, and the next period starts when it is retrieved.
#include <algorithm>
#include <atomic>

#include "message_queue_internal.h"
#include "window_internal.h"

namespace win32_internal {

namespace {

std::vector<Timer>::iterator FindTimer(std::vector<Timer>& timers, HWND hwnd, UINT_PTR id) {
  return std::find_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
}

UINT_PTR NewWindowlessId() {
  static std::atomic<UINT_PTR> next{0x7F00};
  return next.fetch_add(1);
}

}  // namespace

bool TakeDueTimer(HWND filter, MSG* msg, bool remove) {
  ThreadQueue& queue = CurrentQueue();
  std::lock_guard lock(queue.mutex);
  std::uint64_t now = Now();
  Timer* chosen = nullptr;
  for (Timer& timer : queue.timers) {
    if (timer.due > now || !MatchesWindowFilter(timer.hwnd, filter)) continue;
    if (!chosen || timer.due < chosen->due) chosen = &timer;
  }
  if (!chosen) return false;
  *msg = MSG{chosen->hwnd, WM_TIMER, chosen->id, reinterpret_cast<LPARAM>(chosen->proc), static_cast<DWORD>(now),
             {0, 0}};
  if (remove) chosen->due = now + chosen->elapse;
  return true;
}

bool HasDueTimer() {
  std::uint64_t due;
  return NextTimerDue(&due) && due <= Now();
}

bool NextTimerDue(std::uint64_t* due) {
  ThreadQueue& queue = CurrentQueue();
  std::lock_guard lock(queue.mutex);
  if (queue.timers.empty()) return false;
  *due = std::min_element(queue.timers.begin(), queue.timers.end(), [](const Timer& a, const Timer& b) {
           return a.due < b.due;
         })->due;
  return true;
}

bool IsLiveTimer(HWND hwnd, UINT_PTR id, TIMERPROC proc) {
  ThreadQueue& queue = CurrentQueue();
  std::lock_guard lock(queue.mutex);
  auto it = FindTimer(queue.timers, hwnd, id);
  return it != queue.timers.end() && it->proc == proc;
}

void KillTimersOf(HWND hwnd) {
  ThreadQueue& queue = CurrentQueue();
  std::lock_guard lock(queue.mutex);
  std::erase_if(queue.timers, [&](const Timer& t) { return t.hwnd == hwnd; });
}

}  // namespace win32_internal

using namespace win32_internal;

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  if (hwnd) {
    Window* window = LookupWindow(hwnd);
    if (!window) return 0;
    if (window->threadId != GetCurrentThreadId()) {
      SetLastError(ERROR_ACCESS_DENIED);
      return 0;
    }
  }
  elapse = std::clamp<UINT>(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
  ThreadQueue& queue = CurrentQueue();
  std::lock_guard lock(queue.mutex);
  auto existing = FindTimer(queue.timers, hwnd, id);
  // Without a window, an id that names no timer of this thread is replaced by a new one.
  if (!hwnd && (id == 0 || existing == queue.timers.end())) {
    id = NewWindowlessId();
    existing = queue.timers.end();
  }
  Timer timer{hwnd, id, elapse, proc, Now() + elapse};
  if (existing != queue.timers.end()) *existing = timer;
  else queue.timers.push_back(timer);
  return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
  ThreadQueue& queue = CurrentQueue();
  std::lock_guard lock(queue.mutex);
  auto it = FindTimer(queue.timers, hwnd, id);
  if (it == queue.timers.end()) {
    SetLastError(hwnd && !PeekWindow(hwnd) ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  queue.timers.erase(it);
  return TRUE;
}
