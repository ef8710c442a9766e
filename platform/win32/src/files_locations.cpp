// Where the temp folder is.
#include <windows.h>

#include <cstdlib>

#include "files_path.h"

namespace {

// Copies `text` when it fits (returning its length) or returns the size needed, terminator included, as the
// platform's path getters do.
DWORD Deliver(const std::wstring& text, DWORD bufferLength, LPWSTR buffer) {
  auto length = static_cast<DWORD>(text.size());
  if (!buffer || bufferLength <= length) return length + 1;
  lstrcpynW(buffer, text.c_str(), static_cast<int>(length + 1));
  return length;
}

}  // namespace

DWORD GetTempPathW(DWORD nBufferLength, LPWSTR lpBuffer) {
  const char* tmp = std::getenv("TMPDIR");
  std::string folder = tmp && *tmp ? tmp : "/tmp";
  if (folder.back() != '/') folder += '/';
  return Deliver(win32_internal::WidePath(folder), nBufferLength, lpBuffer);
}
