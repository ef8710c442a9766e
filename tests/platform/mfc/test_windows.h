// Small helpers shared by the class-library tests.
#pragma once

#include "afxwin.h"

namespace mfctest {

// A plain top-level popup window for objects under test (not shown).
inline BOOL CreatePopup(CWnd& wnd, int width = 200, int height = 150) {
  return wnd.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), L"test", WS_POPUP, 0, 0, width, height, nullptr,
                      nullptr);
}

// A memory context over a bitmap filled with `background`, to draw on and read back.
class MemoryCanvas {
 public:
  explicit MemoryCanvas(int width = 20, int height = 20, COLORREF background = RGB(255, 255, 255)) {
    CClientDC screen(nullptr);
    dc.CreateCompatibleDC(&screen);
    bitmap.CreateCompatibleBitmap(&screen, width, height);
    previousWrapper = dc.SelectObject(&bitmap);
    previous = previousWrapper->GetSafeHandle();
    dc.FillSolidRect(0, 0, width, height, background);
  }
  // Temporary wrappers die at idle time: keep the handle to put back.
  ~MemoryCanvas() { dc.SelectObject(previous); }
  CDC dc;
  CBitmap bitmap;
  CBitmap* previousWrapper = nullptr;
  HGDIOBJ previous = nullptr;
};

inline LRESULT SendCommand(CWnd& target, UINT id, UINT code = 0, HWND control = nullptr) {
  return target.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

}  // namespace mfctest
