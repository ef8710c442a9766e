// The window classes the library registers, all with AfxWndProc as their procedure.
#pragma once

#include <windows.h>

namespace mfc_internal {

// CWnd::Create without a class name, and CFrameWnd without one.
constexpr const wchar_t* kDefaultWndClass = L"AfxWnd";
constexpr const wchar_t* kFrameWndClass = L"AfxFrameOrView";

// Registers the class unless it exists; false when registration fails.
bool RegisterLibraryClass(LPCWSTR name, UINT style, HCURSOR cursor, HBRUSH background, HICON icon);

}  // namespace mfc_internal
