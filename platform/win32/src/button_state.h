// What a BUTTON control remembers, and its painting.
#pragma once

#include <windows.h>

namespace win32_internal {

struct ButtonState {
  UINT check = BST_UNCHECKED;
  bool pushed = false;      // drawn pressed (mouse held inside, Space held, or BM_SETSTATE)
  bool focused = false;
  bool mouseHeld = false;   // the left button went down on the control and has the capture
  bool spaceHeld = false;
  HFONT font = nullptr;
  HANDLE image = nullptr;   // BM_SETIMAGE
};

// The type of the button's style (BS_PUSHBUTTON ... BS_OWNERDRAW).
inline DWORD ButtonType(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)) & BS_TYPEMASK; }

// Paints the button in the DC, which covers its client area.
void PaintButton(HWND hwnd, HDC dc, const ButtonState& state);

}  // namespace win32_internal
