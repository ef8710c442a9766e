// Small helpers shared by the class-library tests.
#pragma once

#include "afxwin.h"

namespace mfctest {

// A plain top-level popup window for objects under test (not shown).
inline BOOL CreatePopup(CWnd& wnd, int width = 200, int height = 150) {
  return wnd.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), L"test", WS_POPUP, 0, 0, width, height, nullptr,
                      nullptr);
}

inline LRESULT SendCommand(CWnd& target, UINT id, UINT code = 0, HWND control = nullptr) {
  return target.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

}  // namespace mfctest
