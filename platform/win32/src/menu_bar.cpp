// The menu bar of a top-level window: SetMenu and friends, the band's layout and drawing in the window frame, and
// a click on it, which opens the item's popup menu.
#include "menu_internal.h"
#include "window_frame.h"
#include "window_internal.h"

namespace win32_internal {

namespace {

constexpr int kBandItemPadding = 8;  // left and right of each title

// The band in window coordinates: under the caption, inside the border.
RECT BandRect(const Window& window) {
  FrameInsets insets = FrameInsetsFor(window.style, window.exStyle & ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), true);
  int width = window.windowRect.right - window.windowRect.left;
  return {insets.left, insets.top - GetSystemMetrics(SM_CYMENU), width - insets.right, insets.top};
}

Window* BarWindow(HWND hwnd) {
  Window* window = PeekWindow(hwnd);
  return window && HasMenuBand(*window) && IsMenu(window->menu) ? window : nullptr;
}

void RefreshFrame(HWND hwnd) {
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

std::vector<RECT> MenuBandItemRects(HWND hwnd) {
  std::vector<RECT> rects;
  Window* window = BarWindow(hwnd);
  if (!window) return rects;
  RECT band = BandRect(*window);
  const Menu* menu = MenuTable().Find(reinterpret_cast<std::uintptr_t>(window->menu));
  HDC hdc = GetDC(nullptr);
  HGDIOBJ oldFont = SelectObject(hdc, MenuFont());
  int x = band.left;
  for (const MenuItem& item : menu->items) {
    RECT text{0, 0, 0, 0};
    DrawTextW(hdc, item.text.c_str(), static_cast<int>(item.text.size()), &text, DT_SINGLELINE | DT_CALCRECT);
    int width = item.IsSeparator() ? kBandItemPadding : text.right + 2 * kBandItemPadding;
    rects.push_back({x, band.top, x + width, band.bottom});
    x += width;
  }
  SelectObject(hdc, oldFont);
  ReleaseDC(nullptr, hdc);
  return rects;
}

void PaintMenuBand(HWND hwnd) {
  Window* window = BarWindow(hwnd);
  if (!window) return;
  RECT band = BandRect(*window);
  std::vector<RECT> rects = MenuBandItemRects(hwnd);
  const Menu* menu = MenuTable().Find(reinterpret_cast<std::uintptr_t>(window->menu));
  HDC hdc = GetWindowDC(hwnd);
  if (!hdc) return;
  FillRect(hdc, &band, GetSysColorBrush(COLOR_MENUBAR));
  HGDIOBJ oldFont = SelectObject(hdc, MenuFont());
  SetBkMode(hdc, TRANSPARENT);
  for (size_t i = 0; i < menu->items.size() && i < rects.size(); ++i) {
    const MenuItem& item = menu->items[i];
    if (item.IsSeparator()) continue;
    SetTextColor(hdc, GetSysColor(item.IsEnabled() ? COLOR_MENUTEXT : COLOR_GRAYTEXT));
    RECT text = rects[i];
    DrawTextW(hdc, item.text.c_str(), static_cast<int>(item.text.size()), &text,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
  SelectObject(hdc, oldFont);
  ReleaseDC(hwnd, hdc);
}

void TrackMenuBand(HWND hwnd, POINT screenPoint) {
  Window* window = BarWindow(hwnd);
  if (!window) return;
  RECT outer = ScreenWindowRect(*window);
  POINT at{screenPoint.x - outer.left, screenPoint.y - outer.top};
  std::vector<RECT> rects = MenuBandItemRects(hwnd);
  HMENU bar = window->menu;
  for (size_t i = 0; i < rects.size(); ++i) {
    if (!PtInRect(&rects[i], at)) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_SUBMENU | MIIM_ID | MIIM_STATE | MIIM_FTYPE;
    if (!GetMenuItemInfoW(bar, static_cast<UINT>(i), TRUE, &info) || (info.fType & MFT_SEPARATOR) ||
        (info.fState & (MF_GRAYED | MF_DISABLED)))
      return;
    SendMessageW(hwnd, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    if (!IsWindow(hwnd)) return;
    UINT command = info.wID;
    if (info.hSubMenu) {
      POINT below{outer.left + rects[i].left, outer.top + rects[i].bottom};
      command = RunPopupMenu(info.hSubMenu, TPM_LEFTALIGN | TPM_TOPALIGN, below, hwnd);
    }
    if (command && IsWindow(hwnd)) PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    return;
  }
}

}  // namespace win32_internal

using namespace win32_internal;

BOOL SetMenu(HWND hwnd, HMENU menu) {
  Window* window = LookupWindow(hwnd);
  if (!window) return FALSE;
  if ((window->style & WS_CHILD) || (menu && !LookupMenu(menu))) {
    if (menu && !IsMenu(menu)) SetLastError(ERROR_INVALID_MENU_HANDLE);
    return FALSE;
  }
  window->menu = menu;
  RefreshFrame(hwnd);
  return TRUE;
}

HMENU GetMenu(HWND hwnd) {
  Window* window = LookupWindow(hwnd);
  return window && !(window->style & WS_CHILD) ? window->menu : nullptr;
}

BOOL DrawMenuBar(HWND hwnd) {
  Window* window = LookupWindow(hwnd);
  if (!window || (window->style & WS_CHILD)) return FALSE;
  RefreshFrame(hwnd);
  return TRUE;
}

BOOL GetMenuItemRect(HWND hwnd, HMENU menu, UINT position, LPRECT rect) {
  Window* window = LookupWindow(hwnd);
  if (!window || !rect || window->menu != menu) return FALSE;
  std::vector<RECT> rects = MenuBandItemRects(hwnd);
  if (position >= rects.size()) return FALSE;
  RECT outer = ScreenWindowRect(*window);
  *rect = rects[position];
  OffsetRect(rect, outer.left, outer.top);
  return TRUE;
}
