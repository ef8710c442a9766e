// Registered clipboard formats: ids from 0xC000 up, one per name (names compare without regard to case).
#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

namespace {

constexpr UINT kFirstRegisteredFormat = 0xC000;

struct Registry {
  std::mutex mutex;
  std::vector<std::wstring> names;  // index + 0xC000 is the format id
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

UINT RegisterClipboardFormatW(LPCWSTR lpszFormat) {
  if (!lpszFormat || !*lpszFormat) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  for (size_t i = 0; i < registry.names.size(); ++i)
    if (lstrcmpiW(registry.names[i].c_str(), lpszFormat) == 0) return kFirstRegisteredFormat + static_cast<UINT>(i);
  registry.names.emplace_back(lpszFormat);
  return kFirstRegisteredFormat + static_cast<UINT>(registry.names.size() - 1);
}

// Copies the name (truncated to cchMaxCount - 1 characters) and returns its length; 0 for a predefined or unknown
// format.
int GetClipboardFormatNameW(UINT format, LPWSTR lpszFormatName, int cchMaxCount) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  if (format < kFirstRegisteredFormat || format - kFirstRegisteredFormat >= registry.names.size() || !lpszFormatName ||
      cchMaxCount <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  lstrcpynW(lpszFormatName, registry.names[format - kFirstRegisteredFormat].c_str(), cchMaxCount);
  return lstrlenW(lpszFormatName);
}
