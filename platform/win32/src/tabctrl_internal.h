// The tab control's state and layout, shared by its window procedure and its painting.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

namespace win32_internal {

struct TabItem {
  std::wstring text;
  int image = -1;
  LPARAM param = 0;
};

struct TabControlState {
  std::vector<TabItem> items;
  int current = -1;
  HFONT font = nullptr;  // WM_SETFONT's; null: the default GUI font
  HIMAGELIST images = nullptr;
};

// Each tab's rectangle in client coordinates, left to right in one row along the top.
std::vector<RECT> TabRects(HWND hwnd, const TabControlState& state);
// The height of the row of tabs.
int TabRowHeight(HWND hwnd, const TabControlState& state);
void PaintTabControl(HWND hwnd, HDC hdc, const TabControlState& state);

}  // namespace win32_internal
