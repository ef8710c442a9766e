#include "host/debug.h"

#include <cstdarg>
#include <mutex>

#include "debug_log.h"
#include "format.h"

namespace host_internal {
namespace {
std::mutex log_mutex;
std::wstring log_text;
}  // namespace

std::wstring DebugLogText() {
  std::lock_guard lock(log_mutex);
  return log_text;
}

void ClearDebugLog() {
  std::lock_guard lock(log_mutex);
  log_text.clear();
}

}  // namespace host_internal

void DebugPrint(const MCHAR* format, ...) {
  va_list args;
  va_start(args, format);
  const std::wstring line = host_internal::FormatV(format, args);
  va_end(args);
  std::lock_guard lock(host_internal::log_mutex);
  host_internal::log_text += line;
}
