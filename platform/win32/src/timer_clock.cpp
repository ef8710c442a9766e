// One simulated clock behind every time function; only tests and drivers move it.
#include <atomic>

#include "message_queue_internal.h"
#include "window_internal.h"

namespace win32_internal {

namespace {
std::atomic<std::uint64_t> clockMs{0};
constexpr LONGLONG kCounterFrequency = 1000000;  // the performance counter counts microseconds
}  // namespace

std::uint64_t Now() { return clockMs.load(); }
void SetNow(std::uint64_t ms) { clockMs = ms; }
void ResetClock() { clockMs = 0; }

}  // namespace win32_internal

DWORD GetTickCount() { return static_cast<DWORD>(win32_internal::Now()); }
ULONGLONG GetTickCount64() { return win32_internal::Now(); }

BOOL QueryPerformanceFrequency(LARGE_INTEGER* frequency) {
  if (!frequency) return FALSE;
  frequency->QuadPart = win32_internal::kCounterFrequency;
  return TRUE;
}

BOOL QueryPerformanceCounter(LARGE_INTEGER* count) {
  if (!count) return FALSE;
  count->QuadPart = static_cast<LONGLONG>(win32_internal::Now()) * (win32_internal::kCounterFrequency / 1000);
  return TRUE;
}
