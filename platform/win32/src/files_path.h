// How wide paths reach the file system, and how its failures become the platform's error codes.
#pragma once

#include <string>

#include "win32/types.h"

namespace win32_internal {

// The UTF-8 path the file system takes: backslashes become slashes.
std::string NativePath(const wchar_t* path);
std::string NativePath(const std::wstring& path);
std::wstring WidePath(const std::string& path);

// The last error for a failed call on `path` with this errno: a missing file is ERROR_FILE_NOT_FOUND when its
// folder exists and ERROR_PATH_NOT_FOUND otherwise, as the platform tells the two apart.
DWORD ErrorFromErrno(int error, const std::string& path);

// What a path is, read without following the caller's intent: missing, a folder or a file (read-only or not).
struct PathInfo {
  bool exists = false;
  bool directory = false;
  bool readOnly = false;
  int error = 0;  // errno when it doesn't exist
};
PathInfo Inspect(const std::string& path);


}  // namespace win32_internal
