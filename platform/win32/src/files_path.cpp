// Path conversion and error mapping shared by the file functions.
#include "files_path.h"

#include <sys/stat.h>
#include <windows.h>

#include <cerrno>

namespace win32_internal {

std::string NativePath(const wchar_t* path) { return path ? NativePath(std::wstring(path)) : std::string(); }

std::string NativePath(const std::wstring& path) {
  if (path.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, path.c_str(), static_cast<int>(path.size()), nullptr, 0, nullptr, nullptr);
  std::string native(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, path.c_str(), static_cast<int>(path.size()), native.data(), size, nullptr, nullptr);
  for (char& c : native)
    if (c == '\\') c = '/';
  return native;
}

std::wstring WidePath(const std::string& path) {
  if (path.empty()) return {};
  int size = MultiByteToWideChar(CP_UTF8, 0, path.c_str(), static_cast<int>(path.size()), nullptr, 0);
  std::wstring wide(size, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, path.c_str(), static_cast<int>(path.size()), wide.data(), size);
  return wide;
}

namespace {

bool ParentExists(const std::string& path) {
  std::string trimmed = path;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  size_t slash = trimmed.rfind('/');
  if (slash == std::string::npos) return true;  // relative to the current folder
  std::string parent = slash == 0 ? "/" : trimmed.substr(0, slash);
  struct stat info {};
  return stat(parent.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

DWORD ErrorFromErrno(int error, const std::string& path) {
  switch (error) {
    case ENOENT:
      return ParentExists(path) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
    case ENOTDIR:
      return ERROR_PATH_NOT_FOUND;
    case EEXIST:
      return ERROR_ALREADY_EXISTS;
    case ENOTEMPTY:
      return ERROR_DIR_NOT_EMPTY;
    case ENOSPC:
      return ERROR_DISK_FULL;
    case ENAMETOOLONG:
      return ERROR_FILENAME_EXCED_RANGE;
    case EXDEV:
      return ERROR_NOT_SAME_DEVICE;
    case EBUSY:
      return ERROR_SHARING_VIOLATION;
    case EINVAL:
      return ERROR_INVALID_NAME;
    default:
      return ERROR_ACCESS_DENIED;
  }
}

PathInfo Inspect(const std::string& path) {
  PathInfo result;
  struct stat info {};
  if (path.empty() || stat(path.c_str(), &info) != 0) {
    result.error = path.empty() ? ENOENT : errno;
    return result;
  }
  result.exists = true;
  result.directory = S_ISDIR(info.st_mode);
  result.readOnly = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
  return result;
}

}  // namespace win32_internal
