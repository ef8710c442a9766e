// One simulated clock behind every time function; only tests and drivers move it.
#include <atomic>

#include "message_queue_internal.h"
#include "window_internal.h"

namespace win32_internal {

namespace {
std::atomic<std::uint64_t> clockMs{0};
}  // namespace

std::uint64_t Now() { return clockMs.load(); }
void SetNow(std::uint64_t ms) { clockMs = ms; }
void ResetClock() { clockMs = 0; }

}  // namespace win32_internal

DWORD GetTickCount() { return static_cast<DWORD>(win32_internal::Now()); }
