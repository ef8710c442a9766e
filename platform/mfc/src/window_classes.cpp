#include "window_classes.h"

#include <cwchar>
#include <set>
#include <string>

#include "mfc/app.h"
#include "mfc/exceptions.h"
#include "mfc/wnd.h"

namespace mfc_internal {

bool RegisterLibraryClass(LPCWSTR name, UINT style, HCURSOR cursor, HBRUSH background, HICON icon) {
  WNDCLASSW existing{};
  if (::GetClassInfoW(AfxGetInstanceHandle(), name, &existing)) return true;
  WNDCLASSW wc{};
  wc.style = style;
  wc.lpfnWndProc = AfxWndProc;
  wc.hInstance = AfxGetInstanceHandle();
  wc.hIcon = icon;
  wc.hCursor = cursor;
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  return ::RegisterClassW(&wc) != 0;
}

}  // namespace mfc_internal

LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
  // One name per combination of attributes; the set keeps the names alive.
  static std::set<std::wstring> names;
  wchar_t buffer[128];
  std::swprintf(buffer, 128, L"Afx:%p:%x:%p:%p:%p", static_cast<void*>(AfxGetInstanceHandle()), nClassStyle,
                static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
  const std::wstring& name = *names.insert(buffer).first;
  if (!mfc_internal::RegisterLibraryClass(name.c_str(), nClassStyle, hCursor, hbrBackground, hIcon)) {
    AfxThrowResourceException();
  }
  return name.c_str();
}
