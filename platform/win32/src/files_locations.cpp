// Where things are: the temp folder, full paths, the current folder and the running program.
#include <unistd.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>

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

std::string CurrentFolder() {
  std::error_code error;
  return std::filesystem::current_path(error).string();
}

}  // namespace

DWORD GetTempPathW(DWORD nBufferLength, LPWSTR lpBuffer) {
  const char* tmp = std::getenv("TMPDIR");
  std::string folder = tmp && *tmp ? tmp : "/tmp";
  if (folder.back() != '/') folder += '/';
  return Deliver(win32_internal::WidePath(folder), nBufferLength, lpBuffer);
}

DWORD GetFullPathNameW(LPCWSTR lpFileName, DWORD nBufferLength, LPWSTR lpBuffer, LPWSTR* lpFilePart) {
  if (!lpFileName || !*lpFileName) {
    SetLastError(ERROR_INVALID_NAME);
    return 0;
  }
  std::filesystem::path path(win32_internal::NativePath(lpFileName));
  if (path.is_relative()) path = std::filesystem::path(CurrentFolder()) / path;
  std::wstring full = win32_internal::WidePath(path.lexically_normal().string());
  DWORD result = Deliver(full, nBufferLength, lpBuffer);
  if (lpFilePart && result == full.size()) {
    size_t slash = full.rfind(L'/');
    *lpFilePart = slash + 1 < full.size() ? lpBuffer + slash + 1 : nullptr;
  }
  return result;
}

// A buffer too small gets the path cut to nSize - 1 characters, nSize returned and ERROR_INSUFFICIENT_BUFFER.
DWORD GetModuleFileNameW(HMODULE /*hModule*/, LPWSTR lpFilename, DWORD nSize) {
  std::error_code error;
  std::wstring path = win32_internal::WidePath(std::filesystem::read_symlink("/proc/self/exe", error).string());
  if (path.empty() || !lpFilename || nSize == 0) {
    SetLastError(path.empty() ? ERROR_FILE_NOT_FOUND : ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  lstrcpynW(lpFilename, path.c_str(), static_cast<int>(nSize));
  if (path.size() >= nSize) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return nSize;
  }
  SetLastError(NO_ERROR);
  return static_cast<DWORD>(path.size());
}
