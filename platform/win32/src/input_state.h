// The simulated input state: keyboard, cursor, focus, activation and capture.
#pragma once

#include <windows.h>

namespace win32_internal {

// Keyboard: 0x80 while down, 0x01 toggled (Caps Lock and friends).
BYTE KeyStateByte(int virtualKey);
void SetKeyDown(int virtualKey, bool down);
bool IsKeyDown(int virtualKey);
void ResetKeyboardAndCursor();

// The MK_* flags of mouse messages from the current keyboard and button state.
WPARAM MouseKeyFlags();

// Where a hit test landed: the window and its WM_NCHITTEST code.
struct Hit {
  HWND hwnd = nullptr;
  LRESULT code = HTNOWHERE;
};
// Finds the window under a screen point by visibility and z-order; disabled children pass the point to their
// parent, HTTRANSPARENT answers and colour-keyed pixels of layered windows pass it to the window below.
Hit HitTestScreen(POINT point);
// Whether the composed pixel of a layered top-level window at a screen point is its colour key.
bool IsColorKeyedAt(HWND topLevel, POINT point);

}  // namespace win32_internal
