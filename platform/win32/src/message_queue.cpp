// Thread ids and thread queues; posting from any thread.
#include <atomic>
#include <map>
#include <set>

#include "message_queue_internal.h"
#include "window_internal.h"

namespace win32_internal {

namespace {

struct Queues {
  std::mutex mutex;
  std::map<DWORD, std::shared_ptr<ThreadQueue>> byThread;
  std::set<DWORD> knownThreads;
};

Queues& AllQueues() {
  static Queues queues;
  return queues;
}

DWORD NewThreadId() {
  static std::atomic<DWORD> next{0x1000};
  DWORD id = next.fetch_add(4);
  Queues& queues = AllQueues();
  std::lock_guard lock(queues.mutex);
  queues.knownThreads.insert(id);
  return id;
}

MSG MakeMsg(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG msg{hwnd, message, wParam, lParam, static_cast<DWORD>(Now()), {0, 0}};
  GetCursorPos(&msg.pt);
  return msg;
}

}  // namespace

std::shared_ptr<ThreadQueue> QueueOf(DWORD threadId) {
  Queues& queues = AllQueues();
  std::lock_guard lock(queues.mutex);
  auto it = queues.byThread.find(threadId);
  if (it != queues.byThread.end()) return it->second;
  if (!queues.knownThreads.count(threadId)) return nullptr;
  auto queue = std::make_shared<ThreadQueue>();
  queues.byThread.emplace(threadId, queue);
  return queue;
}

ThreadQueue& CurrentQueue() {
  // Each thread keeps its queue alive while it uses it, even across a reset.
  thread_local std::shared_ptr<ThreadQueue> mine;
  std::shared_ptr<ThreadQueue> current = QueueOf(GetCurrentThreadId());
  mine = current;
  return *mine;
}

bool PostToThread(DWORD threadId, const MSG& msg, bool front) {
  std::shared_ptr<ThreadQueue> queue = QueueOf(threadId);
  if (!queue) {
    SetLastError(1444L);  // ERROR_INVALID_THREAD_ID
    return false;
  }
  {
    std::lock_guard lock(queue->mutex);
    if (front) queue->posted.push_front(msg);
    else queue->posted.push_back(msg);
  }
  queue->wake.notify_all();
  return true;
}

// Only the window's own thread destroys it, so only that thread's queue can hold its messages.
void DropPostedMessagesOf(HWND hwnd) {
  ThreadQueue& queue = CurrentQueue();
  std::lock_guard lock(queue.mutex);
  std::erase_if(queue.posted, [&](const MSG& msg) { return msg.hwnd == hwnd; });
}

void ResetQueues() {
  Queues& queues = AllQueues();
  std::lock_guard lock(queues.mutex);
  for (auto& entry : queues.byThread) {
    std::lock_guard queueLock(entry.second->mutex);
    entry.second->posted.clear();
    entry.second->quit = false;
    entry.second->timers.clear();
  }
}

}  // namespace win32_internal

using namespace win32_internal;

DWORD GetCurrentThreadId() {
  thread_local DWORD id = NewThreadId();
  return id;
}

BOOL PostThreadMessageW(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam) {
  return PostToThread(threadId, MakeMsg(nullptr, message, wParam, lParam));
}

BOOL PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!hwnd) return PostThreadMessageW(GetCurrentThreadId(), message, wParam, lParam);
  DWORD thread = 0;
  if (!WindowTable().Read(FromHwnd(hwnd), [&](const Window& window) { thread = window.threadId; }) ||
      hwnd == DesktopHandle()) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  return PostToThread(thread, MakeMsg(hwnd, message, wParam, lParam));
}

void PostQuitMessage(int exitCode) {
  ThreadQueue& queue = CurrentQueue();
  {
    std::lock_guard lock(queue.mutex);
    queue.quit = true;
    queue.quitCode = exitCode;
  }
  queue.wake.notify_all();
}
