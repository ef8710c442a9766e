// Mutexes (recursive, owned by a thread, abandoned when their owner ends) and events (manual or auto reset).
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <vector>

#include "threads_kernel.h"

using namespace win32_internal;

namespace {

class MutexObject : public KernelObject {
 public:
  bool IsSignalled(std::thread::id waiter) const override { return count_ == 0 || owner_ == waiter; }
  DWORD Acquire(std::thread::id waiter) override {
    owner_ = waiter;
    ++count_;
    if (!abandoned_) return WAIT_OBJECT_0;
    abandoned_ = false;
    return WAIT_ABANDONED;
  }
  bool Release(std::thread::id caller) {
    if (count_ == 0 || owner_ != caller) return false;
    if (--count_ == 0) owner_ = {};
    return true;
  }
  void Abandon(std::thread::id ending) {
    if (count_ == 0 || owner_ != ending) return;
    count_ = 0;
    owner_ = {};
    abandoned_ = true;
  }

 private:
  std::thread::id owner_;
  int count_ = 0;
  bool abandoned_ = false;
};

class EventObject : public KernelObject {
 public:
  EventObject(bool manualReset, bool signalled) : manualReset_(manualReset), signalled_(signalled) {}
  bool IsSignalled(std::thread::id) const override { return signalled_; }
  DWORD Acquire(std::thread::id) override {
    if (!manualReset_) signalled_ = false;  // an auto-reset event releases one waiter
    return WAIT_OBJECT_0;
  }
  void Signal() { signalled_ = true; }

 private:
  bool manualReset_;
  bool signalled_;
};

// Every mutex, so that a thread's end can abandon the ones it still owns (guarded by the kernel lock).
std::vector<std::weak_ptr<MutexObject>>& Mutexes() {
  static auto* mutexes = new std::vector<std::weak_ptr<MutexObject>>;  // never destroyed, like the handle table
  return *mutexes;
}

std::atomic<bool> failNextCreateMutex{false};

}  // namespace

void win32_internal::AbandonMutexesOf(std::thread::id owner) {
  auto& mutexes = Mutexes();
  std::erase_if(mutexes, [](auto& weak) { return weak.expired(); });
  for (auto& weak : mutexes)
    if (auto mutex = weak.lock()) mutex->Abandon(owner);
}

HANDLE CreateMutexW(LPSECURITY_ATTRIBUTES /*lpMutexAttributes*/, BOOL bInitialOwner, LPCWSTR /*lpName*/) {
  if (failNextCreateMutex.exchange(false)) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  auto mutex = std::make_shared<MutexObject>();
  {
    std::lock_guard lock(KernelLock());
    if (bInitialOwner) mutex->Acquire(std::this_thread::get_id());
    Mutexes().push_back(mutex);
  }
  SetLastError(NO_ERROR);
  return AddKernelHandle(mutex);
}

BOOL ReleaseMutex(HANDLE hMutex) {
  auto mutex = FindKernelObjectOf<MutexObject>(hMutex);
  if (!mutex) return FALSE;
  std::lock_guard lock(KernelLock());
  if (!mutex->Release(std::this_thread::get_id())) {
    SetLastError(ERROR_NOT_OWNER);
    return FALSE;
  }
  KernelChanged().notify_all();
  return TRUE;
}

HANDLE CreateEventW(LPSECURITY_ATTRIBUTES /*lpEventAttributes*/, BOOL bManualReset, BOOL bInitialState,
                    LPCWSTR /*lpName*/) {
  SetLastError(NO_ERROR);
  return AddKernelHandle(std::make_shared<EventObject>(bManualReset != FALSE, bInitialState != FALSE));
}

BOOL SetEvent(HANDLE hEvent) {
  auto event = FindKernelObjectOf<EventObject>(hEvent);
  if (!event) return FALSE;
  std::lock_guard lock(KernelLock());
  event->Signal();
  KernelChanged().notify_all();
  return TRUE;
}

void winsim::FailNextCreateMutex() { failNextCreateMutex = true; }
