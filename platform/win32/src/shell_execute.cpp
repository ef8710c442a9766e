// ShellExecuteW: nothing is started; the request is recorded for the tests.
#include <windows.h>

#include <mutex>

namespace {

struct Log {
  std::mutex mutex;
  std::vector<winsim::ShellExecuteRecord> records;
};

Log& TheLog() {
  static Log log;
  return log;
}

std::wstring TextOf(LPCWSTR text) { return text ? text : L""; }

}  // namespace

HINSTANCE ShellExecuteW(HWND hwnd, LPCWSTR lpOperation, LPCWSTR lpFile, LPCWSTR lpParameters, LPCWSTR lpDirectory,
                        INT nShowCmd) {
  if (!lpFile || !*lpFile) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(ERROR_FILE_NOT_FOUND));
  Log& log = TheLog();
  std::lock_guard lock(log.mutex);
  log.records.push_back(
      {hwnd, TextOf(lpOperation), TextOf(lpFile), TextOf(lpParameters), TextOf(lpDirectory), nShowCmd});
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));  // above 32 means success
}

namespace winsim {

std::vector<ShellExecuteRecord> ShellExecuteLog() {
  Log& log = TheLog();
  std::lock_guard lock(log.mutex);
  return log.records;
}

void ClearShellExecuteLog() {
  Log& log = TheLog();
  std::lock_guard lock(log.mutex);
  log.records.clear();
}

}  // namespace winsim
