// What a STATIC control remembers, and its painting.
#pragma once

#include <windows.h>

namespace win32_internal {

struct StaticState {
  HFONT font = nullptr;
  HANDLE image = nullptr;  // a bitmap (SS_BITMAP) or an icon (SS_ICON)
};

// Paints the static in the DC, which covers its client area.
void PaintStatic(HWND hwnd, HDC dc, const StaticState& state);

}  // namespace win32_internal
