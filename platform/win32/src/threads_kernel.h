// Kernel objects (threads, mutexes, events) and their handle table. One lock guards the state of every object and
// one condition announces every change, which keeps waiting simple and race-free.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace win32_internal {

class KernelObject {
 public:
  virtual ~KernelObject() = default;
  // Both are called with the kernel lock held.
  virtual bool IsSignalled(std::thread::id waiter) const = 0;
  // Takes the signal once a wait is satisfied; WAIT_OBJECT_0, or WAIT_ABANDONED for a mutex left by a dead owner.
  virtual DWORD Acquire(std::thread::id waiter) = 0;
};

std::mutex& KernelLock();
// Notified (with the lock held or just after) whenever an object may have become signalled.
std::condition_variable& KernelChanged();

HANDLE AddKernelHandle(std::shared_ptr<KernelObject> object);
// The object behind a handle, or null with ERROR_INVALID_HANDLE.
std::shared_ptr<KernelObject> FindKernelObject(HANDLE handle);
bool CloseKernelHandle(HANDLE handle);

template <typename T>
std::shared_ptr<T> FindKernelObjectOf(HANDLE handle);

// Marks the mutexes still owned by a thread that ends as abandoned (called with the kernel lock held).
void AbandonMutexesOf(std::thread::id owner);

}  // namespace win32_internal

template <typename T>
std::shared_ptr<T> win32_internal::FindKernelObjectOf(HANDLE handle) {
  auto object = std::dynamic_pointer_cast<T>(FindKernelObject(handle));
  if (!object) SetLastError(ERROR_INVALID_HANDLE);
  return object;
}
