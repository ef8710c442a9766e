// Folder search with wildcards: FindFirstFileW lists the matching entries at once, FindNextFileW hands them out.
#include <dirent.h>
#include <sys/stat.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "files_path.h"

namespace {

struct Search {
  std::vector<WIN32_FIND_DATAW> entries;
  size_t next = 0;
};

struct Searches {
  std::mutex mutex;
  std::map<UINT_PTR, Search> open;
  // Find handles come from their own range, apart from kernel handles (CloseHandle doesn't take them).
  UINT_PTR nextHandle = 0x70000000;
};

Searches& TheSearches() {
  static Searches searches;
  return searches;
}

std::wstring Upper(std::wstring text) {
  CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

// '*' matches any run of characters, '?' any one character; both texts are upper-cased already.
bool Matches(const wchar_t* pattern, const wchar_t* name) {
  if (*pattern == 0) return *name == 0;
  if (*pattern == L'*') {
    for (const wchar_t* rest = name;; ++rest) {
      if (Matches(pattern + 1, rest)) return true;
      if (*rest == 0) return false;
    }
  }
  return *name != 0 && (*pattern == L'?' || *pattern == *name) && Matches(pattern + 1, name + 1);
}

FILETIME ToFileTime(const timespec& time) {
  constexpr unsigned long long kSecondsFrom1601To1970 = 11644473600ull;
  unsigned long long ticks =
      (static_cast<unsigned long long>(time.tv_sec) + kSecondsFrom1601To1970) * 10000000ull + time.tv_nsec / 100;
  return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

WIN32_FIND_DATAW Describe(const std::string& path, const std::wstring& name) {
  WIN32_FIND_DATAW data{};
  struct stat info {};
  stat(path.c_str(), &info);
  bool directory = S_ISDIR(info.st_mode);
  bool readOnly = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
  data.dwFileAttributes = directory  ? FILE_ATTRIBUTE_DIRECTORY
                          : readOnly ? FILE_ATTRIBUTE_READONLY
                                     : FILE_ATTRIBUTE_NORMAL;
  data.ftCreationTime = ToFileTime(info.st_ctim);
  data.ftLastAccessTime = ToFileTime(info.st_atim);
  data.ftLastWriteTime = ToFileTime(info.st_mtim);
  auto size = directory ? 0ull : static_cast<unsigned long long>(info.st_size);
  data.nFileSizeHigh = static_cast<DWORD>(size >> 32);
  data.nFileSizeLow = static_cast<DWORD>(size);
  lstrcpynW(data.cFileName, name.c_str(), MAX_PATH);
  return data;
}

}  // namespace

HANDLE FindFirstFileW(LPCWSTR lpFileName, LPWIN32_FIND_DATAW lpFindFileData) {
  if (!lpFileName || !lpFindFileData) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  std::string native = win32_internal::NativePath(lpFileName);
  size_t slash = native.rfind('/');
  std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : native.substr(0, slash);
  std::string prefix = slash == std::string::npos ? "" : native.substr(0, slash + 1);
  std::wstring pattern = Upper(win32_internal::WidePath(native.substr(slash == std::string::npos ? 0 : slash + 1)));
  if (pattern == L"*.*") pattern = L"*";

  DIR* dir = opendir(folder.c_str());
  if (!dir) {
    SetLastError(errno == ENOENT || errno == ENOTDIR ? ERROR_PATH_NOT_FOUND : ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  Search search;
  while (dirent* entry = readdir(dir)) {
    std::wstring name = win32_internal::WidePath(entry->d_name);
    if (Matches(pattern.c_str(), Upper(name).c_str())) search.entries.push_back(Describe(prefix + entry->d_name, name));
  }
  closedir(dir);
  if (search.entries.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  std::sort(search.entries.begin(), search.entries.end(),
            [](const auto& a, const auto& b) { return lstrcmpiW(a.cFileName, b.cFileName) < 0; });
  *lpFindFileData = search.entries[0];
  search.next = 1;
  Searches& searches = TheSearches();
  std::lock_guard lock(searches.mutex);
  UINT_PTR handle = searches.nextHandle += 4;
  searches.open.emplace(handle, std::move(search));
  return reinterpret_cast<HANDLE>(handle);
}

BOOL FindNextFileW(HANDLE hFindFile, LPWIN32_FIND_DATAW lpFindFileData) {
  Searches& searches = TheSearches();
  std::lock_guard lock(searches.mutex);
  auto it = searches.open.find(reinterpret_cast<UINT_PTR>(hFindFile));
  if (it == searches.open.end() || !lpFindFileData) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  Search& search = it->second;
  if (search.next >= search.entries.size()) {
    SetLastError(ERROR_NO_MORE_FILES);
    return FALSE;
  }
  *lpFindFileData = search.entries[search.next++];
  return TRUE;
}

BOOL FindClose(HANDLE hFindFile) {
  Searches& searches = TheSearches();
  std::lock_guard lock(searches.mutex);
  if (searches.open.erase(reinterpret_cast<UINT_PTR>(hFindFile)) == 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}
