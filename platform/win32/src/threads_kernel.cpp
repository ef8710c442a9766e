// The kernel handle table and waiting on a kernel object.
#include "threads_kernel.h"

#include <windows.h>

#include <chrono>
#include <map>

namespace win32_internal {

namespace {

struct HandleTable {
  std::mutex mutex;
  std::map<UINT_PTR, std::shared_ptr<KernelObject>> objects;
  UINT_PTR next = 0x100;  // small multiples of four, as the platform's handles are
};

// The kernel's state is never destroyed: detached threads may still use it while the program exits.
HandleTable& TheTable() {
  static auto* table = new HandleTable;
  return *table;
}

}  // namespace

std::mutex& KernelLock() {
  static auto* lock = new std::mutex;
  return *lock;
}

std::condition_variable& KernelChanged() {
  static auto* changed = new std::condition_variable;
  return *changed;
}

HANDLE AddKernelHandle(std::shared_ptr<KernelObject> object) {
  HandleTable& table = TheTable();
  std::lock_guard lock(table.mutex);
  UINT_PTR value = table.next += 4;
  table.objects.emplace(value, std::move(object));
  return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<KernelObject> FindKernelObject(HANDLE handle) {
  HandleTable& table = TheTable();
  std::lock_guard lock(table.mutex);
  auto it = table.objects.find(reinterpret_cast<UINT_PTR>(handle));
  if (it == table.objects.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return it->second;
}

bool CloseKernelHandle(HANDLE handle) {
  std::shared_ptr<KernelObject> closing;  // destroyed after the table's lock is released
  HandleTable& table = TheTable();
  std::lock_guard lock(table.mutex);
  auto it = table.objects.find(reinterpret_cast<UINT_PTR>(handle));
  if (it == table.objects.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  closing = std::move(it->second);
  table.objects.erase(it);
  return true;
}

}  // namespace win32_internal

using namespace win32_internal;

BOOL CloseHandle(HANDLE hObject) { return CloseKernelHandle(hObject) ? TRUE : FALSE; }

DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds) {
  auto object = FindKernelObject(hHandle);
  if (!object) return WAIT_FAILED;
  auto me = std::this_thread::get_id();
  std::unique_lock lock(KernelLock());
  auto signalled = [&] { return object->IsSignalled(me); };
  if (dwMilliseconds == INFINITE) {
    KernelChanged().wait(lock, signalled);
  } else if (!KernelChanged().wait_for(lock, std::chrono::milliseconds(dwMilliseconds), signalled)) {
    return WAIT_TIMEOUT;
  }
  return object->Acquire(me);
}
