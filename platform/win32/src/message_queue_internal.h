// Each thread's message queue: posted messages, the quit flag and the thread's timers.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include <windows.h>

namespace win32_internal {

struct Timer {
  HWND hwnd = nullptr;
  UINT_PTR id = 0;
  UINT elapse = 0;
  TIMERPROC proc = nullptr;
  std::uint64_t due = 0;
};

struct ThreadQueue {
  std::mutex mutex;
  std::condition_variable wake;   // signalled when something is posted
  std::deque<MSG> posted;
  bool quit = false;
  int quitCode = 0;
  std::vector<Timer> timers;      // in the order they were set
};

// The queue of a thread, made on first use; null for a thread id never handed out.
std::shared_ptr<ThreadQueue> QueueOf(DWORD threadId);
ThreadQueue& CurrentQueue();

// Adds a message to a thread's queue (at the front for the characters TranslateMessage makes).
bool PostToThread(DWORD threadId, const MSG& msg, bool front = false);

// The clock in milliseconds.
std::uint64_t Now();
void SetNow(std::uint64_t milliseconds);

// Timers: the first due timer of this thread that matches the filter, as a WM_TIMER; `remove` starts its next period.
bool TakeDueTimer(HWND filter, MSG* msg, bool remove);
bool HasDueTimer();
// The earliest due time of this thread's timers, or false when there are none.
bool NextTimerDue(std::uint64_t* due);
bool IsLiveTimer(HWND hwnd, UINT_PTR id, TIMERPROC proc);

// Paints: the next window of this thread that needs WM_PAINT, parents before children.
HWND NextWindowToPaint(HWND filter);
// Whether `hwnd` is the filter window or a descendant of it (NULL filters nothing, -1 means thread messages only).
bool MatchesWindowFilter(HWND hwnd, HWND filter);

// Hooks that watch messages retrieved from this thread's queue.
void RunGetMessageHooks(MSG* msg, UINT removeFlag);

}  // namespace win32_internal
