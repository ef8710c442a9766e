// Threads: each runs its start routine on a real thread; its object is signalled with the exit code at the end.
#include <unistd.h>
#include <windows.h>

#include <atomic>
#include <future>
#include <system_error>

#include "threads_kernel.h"

using namespace win32_internal;

namespace {

class ThreadObject : public KernelObject {
 public:
  bool IsSignalled(std::thread::id) const override { return finished_; }
  DWORD Acquire(std::thread::id) override { return WAIT_OBJECT_0; }
  DWORD ExitCode() const { return finished_ ? exitCode_ : STILL_ACTIVE; }
  void Finish(DWORD exitCode) {
    exitCode_ = exitCode;
    finished_ = true;
  }

 private:
  bool finished_ = false;
  DWORD exitCode_ = 0;
};

std::atomic<bool> failNextCreateThread{false};

}  // namespace

HANDLE CreateThread(LPSECURITY_ATTRIBUTES /*lpThreadAttributes*/, SIZE_T /*dwStackSize*/,
                    LPTHREAD_START_ROUTINE lpStartAddress, LPVOID lpParameter, DWORD dwCreationFlags,
                    LPDWORD lpThreadId) {
  if (!lpStartAddress || (dwCreationFlags & CREATE_SUSPENDED)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (failNextCreateThread.exchange(false)) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  auto object = std::make_shared<ThreadObject>();
  HANDLE handle = AddKernelHandle(object);
  std::promise<DWORD> started;
  std::future<DWORD> threadId = started.get_future();
  try {
    // The thread holds its own reference, so closing every handle early doesn't end the object under it.
    std::thread([object, lpStartAddress, lpParameter, started = std::move(started)]() mutable {
      started.set_value(GetCurrentThreadId());
      DWORD exitCode = lpStartAddress(lpParameter);
      std::lock_guard lock(KernelLock());
      object->Finish(exitCode);
      AbandonMutexesOf(std::this_thread::get_id());
      KernelChanged().notify_all();
    }).detach();
  } catch (const std::system_error&) {
    CloseKernelHandle(handle);
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  DWORD id = threadId.get();
  if (lpThreadId) *lpThreadId = id;
  SetLastError(NO_ERROR);
  return handle;
}

BOOL GetExitCodeThread(HANDLE hThread, LPDWORD lpExitCode) {
  auto thread = FindKernelObjectOf<ThreadObject>(hThread);
  if (!thread || !lpExitCode) {
    if (thread) SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::lock_guard lock(KernelLock());
  *lpExitCode = thread->ExitCode();
  return TRUE;
}

void winsim::FailNextCreateThread() { failNextCreateThread = true; }
