// Creating, removing, inspecting and opening files and folders.
#include <sys/stat.h>
#include <unistd.h>
#include <windows.h>

#include <cerrno>
#include <cstdio>

#include "files_path.h"

using win32_internal::ErrorFromErrno;
using win32_internal::Inspect;
using win32_internal::NativePath;

namespace {

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

BOOL FailErrno(int error, const std::string& path) { return Fail(ErrorFromErrno(error, path)); }

}  // namespace

BOOL CreateDirectoryW(LPCWSTR lpPathName, void* /*lpSecurityAttributes*/) {
  if (!lpPathName) return Fail(ERROR_INVALID_PARAMETER);
  std::string path = NativePath(lpPathName);
  if (path.empty()) return Fail(ERROR_PATH_NOT_FOUND);
  if (mkdir(path.c_str(), 0777) == 0) return TRUE;
  // A missing parent is a missing path, never a missing file.
  return errno == ENOENT ? Fail(ERROR_PATH_NOT_FOUND) : FailErrno(errno, path);
}

BOOL RemoveDirectoryW(LPCWSTR lpPathName) {
  if (!lpPathName) return Fail(ERROR_INVALID_PARAMETER);
  std::string path = NativePath(lpPathName);
  auto info = Inspect(path);
  if (!info.exists) return FailErrno(info.error, path);
  if (!info.directory) return Fail(ERROR_DIRECTORY);
  if (rmdir(path.c_str()) == 0) return TRUE;
  return errno == EEXIST ? Fail(ERROR_DIR_NOT_EMPTY) : FailErrno(errno, path);
}

// A folder or a read-only file is refused with ERROR_ACCESS_DENIED, as on the platform, although the file
// system here would unlink a read-only file.
BOOL DeleteFileW(LPCWSTR lpFileName) {
  if (!lpFileName) return Fail(ERROR_INVALID_PARAMETER);
  std::string path = NativePath(lpFileName);
  auto info = Inspect(path);
  if (!info.exists) return FailErrno(info.error, path);
  if (info.directory || info.readOnly) return Fail(ERROR_ACCESS_DENIED);
  if (unlink(path.c_str()) == 0) return TRUE;
  return FailErrno(errno, path);
}

DWORD GetFileAttributesW(LPCWSTR lpFileName) {
  if (!lpFileName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_FILE_ATTRIBUTES;
  }
  std::string path = NativePath(lpFileName);
  auto info = Inspect(path);
  if (!info.exists) {
    SetLastError(ErrorFromErrno(info.error, path));
    return INVALID_FILE_ATTRIBUTES;
  }
  if (info.directory) return FILE_ATTRIBUTE_DIRECTORY;
  return info.readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL;
}

BOOL PathFileExistsW(LPCWSTR pszPath) {
  if (!pszPath) return FALSE;
  std::string path = NativePath(pszPath);
  auto info = Inspect(path);
  if (!info.exists) SetLastError(ErrorFromErrno(info.error, path));
  return info.exists;
}

// Opening a read-only file for writing fails with EACCES, as on the platform (even for the superuser here).
FILE* _wfopen(const wchar_t* filename, const wchar_t* mode) {
  if (!filename || !mode) {
    errno = EINVAL;
    return nullptr;
  }
  std::string narrowMode;
  // The runtime's text-mode letter and encoding option mean nothing here: files are bytes.
  for (const wchar_t* m = mode; *m && *m != L','; ++m)
    if (*m != L't' && *m != L' ') narrowMode += static_cast<char>(*m);
  std::string path = NativePath(filename);
  bool writes = narrowMode.find_first_of("wa+") != std::string::npos;
  auto info = Inspect(path);
  if (writes && info.exists && info.readOnly) {
    errno = EACCES;
    return nullptr;
  }
  return std::fopen(path.c_str(), narrowMode.c_str());
}
