// The shell: opening documents and web pages, and the user's special folders.
#pragma once

#include <string>
#include <vector>

#include "win32/types.h"

#ifndef S_OK
#define S_OK ((HRESULT)0L)
#endif
#ifndef S_FALSE
#define S_FALSE ((HRESULT)1L)
#endif
#ifndef E_FAIL
#define E_FAIL ((HRESULT)0x80004005L)
#endif
#ifndef E_INVALIDARG
#define E_INVALIDARG ((HRESULT)0x80070057L)
#endif
#ifndef SUCCEEDED
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#endif
#ifndef FAILED
#define FAILED(hr) (((HRESULT)(hr)) < 0)
#endif

#define CSIDL_DESKTOP 0x0000
#define CSIDL_DESKTOPDIRECTORY 0x0010
#define CSIDL_FLAG_CREATE 0x8000
#define SHGFP_TYPE_CURRENT 0
#define SHGFP_TYPE_DEFAULT 1

// Records the request (winsim::ShellExecuteLog) and reports success with a value above 32; nothing is started.
HINSTANCE ShellExecuteW(HWND hwnd, LPCWSTR lpOperation, LPCWSTR lpFile, LPCWSTR lpParameters, LPCWSTR lpDirectory,
                        INT nShowCmd);

// The desktop folder (CSIDL_DESKTOP and CSIDL_DESKTOPDIRECTORY), created when missing; pszPath holds MAX_PATH
// characters. Other folders fail with E_INVALIDARG (FALSE).
HRESULT SHGetFolderPathW(HWND hwnd, int csidl, HANDLE hToken, DWORD dwFlags, LPWSTR pszPath);
BOOL SHGetSpecialFolderPathW(HWND hwnd, LPWSTR pszPath, int csidl, BOOL fCreate);

namespace winsim {

struct ShellExecuteRecord {
  HWND owner = nullptr;
  std::wstring operation;  // empty for the default verb
  std::wstring file;
  std::wstring parameters;
  std::wstring directory;
  int showCommand = 0;
};
std::vector<ShellExecuteRecord> ShellExecuteLog();
void ClearShellExecuteLog();

// The folder the shell calls the desktop. Default: a "Desktop" folder in the system temp folder.
void SetDesktopFolder(const std::wstring& folder);
std::wstring DesktopFolder();

}  // namespace winsim
