// Files and folders by wide path.
//
// A backslash separates folders as well as a slash, so paths joined the platform's way ("folder\\name.xml") work
// here; paths reach the file system as UTF-8. Functions that return paths return them with slashes. The last error
// is set as the platform sets it (ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ERROR_ACCESS_DENIED, ...).
#pragma once

#include <cstdio>

#include "win32/types.h"

#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)
#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_NORMAL 0x00000080

// lpSecurityAttributes is accepted and ignored.
BOOL CreateDirectoryW(LPCWSTR lpPathName, void* lpSecurityAttributes);
BOOL RemoveDirectoryW(LPCWSTR lpPathName);
BOOL DeleteFileW(LPCWSTR lpFileName);
DWORD GetFileAttributesW(LPCWSTR lpFileName);
BOOL PathFileExistsW(LPCWSTR pszPath);

// The system temp folder, with a trailing separator.
DWORD GetTempPathW(DWORD nBufferLength, LPWSTR lpBuffer);

// The C runtime's wide-path fopen, with the same path rules.
FILE* _wfopen(const wchar_t* filename, const wchar_t* mode);
