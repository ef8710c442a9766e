// The test driver's pump: runs the calling thread's queue until nothing is left to do.
#include <cstdio>
#include <utility>

#include "win32/simulation.h"
#include "input_track_mouse.h"
#include "message_queue_internal.h"
#include "paint_internal.h"
#include "window_internal.h"

namespace winsim {

namespace {

thread_local PreDispatchFilter preDispatchFilter;

// Offers the message to the filter; true when the filter handled it. The filter is copied first, so that it may
// replace itself while it runs.
bool FilterHandles(MSG& msg) {
  if (!preDispatchFilter) return false;
  PreDispatchFilter filter = preDispatchFilter;
  return filter(msg);
}

}  // namespace

PreDispatchFilter SetPreDispatchFilter(PreDispatchFilter filter) {
  return std::exchange(preDispatchFilter, std::move(filter));
}

PumpResult PumpMessages(int maxRounds) {
  PumpResult result;
  MSG msg;
  for (int rounds = 0;; ++rounds) {
    if (rounds >= maxRounds && !IsQueueIdle()) {
      result.idle = false;
      std::fprintf(stderr, "winsim::PumpMessages: the queue is still busy after %d messages (a message that keeps "
                           "posting itself, or a WM_PAINT that never validates?)\n", rounds);
      return result;
    }
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) break;
    if (msg.message == WM_QUIT) {
      result.quit = true;
      result.exitCode = static_cast<int>(msg.wParam);
      PostQuitMessage(result.exitCode);
      return result;
    }
    if (FilterHandles(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    ++result.dispatched;
  }
  win32_internal::RunPendingPaints(0);
  return result;
}

bool IsQueueIdle() {
  using namespace win32_internal;
  ThreadQueue& queue = CurrentQueue();
  {
    std::lock_guard lock(queue.mutex);
    if (!queue.posted.empty() || queue.quit) return false;
  }
  return !NextWindowToPaint(nullptr) && !HasDueTimer();
}

}  // namespace winsim
