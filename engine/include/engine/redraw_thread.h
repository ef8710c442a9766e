// DrawTh: the redraw thread. Grids ask for their cell editors to be re-placed; the thread wakes every
// 10 ms and, when asked since its last wake-up, posts one RedrawGridMessage to the user-interface thread.
// However many requests come in between, one wake-up posts at most one message.
#pragma once

#include <windows.h>

#include "engine/thread.h"

namespace Talvo {

class RedrawThread final : public ihThread {
 public:
  static constexpr DWORD kPeriod = 10;

  // Posts to the thread `uiThread`; the thread itself starts with Start.
  explicit RedrawThread(DWORD uiThread);
  ~RedrawThread();  // stops the thread

  // Starts the thread; throws when the system cannot create it.
  void Start();
  // Stops the thread and waits until it has ended.
  void Stop();
  // Raises the request flag (under the mutex).
  void Request();
  // One wake-up: when the flag is raised, lowers it and posts RedrawGridMessage. True when it posted.
  bool WakeUp();

  DWORD Run() override;

 private:
  DWORD uiThread_;
  hMutex mutex_;
  bool requested_ = false;
  hThread thread_;
};

// The one redraw thread, created on the first request while the global utility runs (the thread that
// asks is the user-interface thread). Null before the first request and after StopRedrawThread.
RedrawThread* DrawTh();
// Asks for one RedrawGridMessage at the next wake-up; nothing while the global utility is stopped. A thread
// the system cannot create is reported in the script listener (the next request tries again).
void RequestGridRedraw();
// Lets requests create the thread (the global utility's Start) or stops and deletes it (its Stop).
void EnableRedrawThread();
void StopRedrawThread();

}  // namespace Talvo
