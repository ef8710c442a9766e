// The test driver's pump: runs the calling thread's queue until nothing is left to do.
#include <cstdio>

#include "win32/simulation.h"
#include "message_queue_internal.h"
#include "paint_internal.h"
#include "window_internal.h"

namespace winsim {

PumpResult PumpMessages(int maxRounds) {
  PumpResult result;
  MSG msg;
  for (;;) {
    if (result.dispatched >= maxRounds && !IsQueueIdle()) {
      result.idle = false;
      std::fprintf(stderr, "winsim::PumpMessages: the queue is still busy after %d messages (a message that keeps "
                           "posting itself, or a WM_PAINT that never validates?)\n", result.dispatched);
      return result;
    }
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) break;
    if (msg.message == WM_QUIT) {
      result.quit = true;
      result.exitCode = static_cast<int>(msg.wParam);
      PostQuitMessage(result.exitCode);
      return result;
    }
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
