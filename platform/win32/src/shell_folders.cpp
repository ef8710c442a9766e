// The user's special folders: only the desktop, which tests may move.
#include <windows.h>

#include <mutex>

namespace {

struct Desktop {
  std::mutex mutex;
  std::wstring folder;  // empty: the default
};

Desktop& TheDesktop() {
  static Desktop desktop;
  return desktop;
}

std::wstring DefaultDesktop() {
  WCHAR temp[MAX_PATH];
  DWORD length = GetTempPathW(MAX_PATH, temp);
  return std::wstring(temp, length < MAX_PATH ? length : 0) + L"Desktop";
}

bool IsDesktop(int csidl) {
  int folder = csidl & ~CSIDL_FLAG_CREATE;
  return folder == CSIDL_DESKTOP || folder == CSIDL_DESKTOPDIRECTORY;
}

}  // namespace

HRESULT SHGetFolderPathW(HWND /*hwnd*/, int csidl, HANDLE /*hToken*/, DWORD /*dwFlags*/, LPWSTR pszPath) {
  if (!pszPath || !IsDesktop(csidl)) return E_INVALIDARG;
  std::wstring folder = winsim::DesktopFolder();
  if (folder.size() >= MAX_PATH) return E_FAIL;
  // The desktop always exists on the platform.
  if (GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES && !CreateDirectoryW(folder.c_str(), nullptr))
    return E_FAIL;
  lstrcpyW(pszPath, folder.c_str());
  return S_OK;
}

BOOL SHGetSpecialFolderPathW(HWND hwnd, LPWSTR pszPath, int csidl, BOOL /*fCreate*/) {
  return SUCCEEDED(SHGetFolderPathW(hwnd, csidl, nullptr, SHGFP_TYPE_CURRENT, pszPath));
}

namespace winsim {

void SetDesktopFolder(const std::wstring& folder) {
  Desktop& desktop = TheDesktop();
  std::lock_guard lock(desktop.mutex);
  desktop.folder = folder;
}

std::wstring DesktopFolder() {
  Desktop& desktop = TheDesktop();
  std::lock_guard lock(desktop.mutex);
  return desktop.folder.empty() ? DefaultDesktop() : desktop.folder;
}

}  // namespace winsim
