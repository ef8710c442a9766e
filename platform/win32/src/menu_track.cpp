// Popup menus: TrackPopupMenu shows the menu, tells its owner as the platform does, and lets the modal responder
// choose; the choice is returned (TPM_RETURNCMD) or posted to the owner as WM_COMMAND once the menu has closed.
#include <utility>

#include "menu_internal.h"

namespace win32_internal {

namespace {

winsim::MenuObserver& NextObserver() {
  static winsim::MenuObserver observer;
  return observer;
}

// WM_INITMENUPOPUP for every submenu, as if the user opened each, so that items the owner fills or updates on
// opening are offered as the user would see them.
void InitSubmenus(HMENU menu, HWND owner, int depth) {
  if (depth > 32) return;
  std::vector<HMENU> submenus;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) submenus.push_back(GetSubMenu(menu, i));
  for (size_t i = 0; i < submenus.size(); ++i) {
    if (!submenus[i] || !IsMenu(submenus[i]) || !IsWindow(owner)) continue;
    SendMessageW(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(submenus[i]), MAKELPARAM(i, FALSE));
    InitSubmenus(submenus[i], owner, depth + 1);
  }
}

}  // namespace

void ResetPopupMenuObserver() { NextObserver() = nullptr; }

UINT RunPopupMenu(HMENU menu, UINT flags, POINT at, HWND owner) {
  bool notify = !(flags & TPM_NONOTIFY);
  SendMessageW(owner, WM_ENTERMENULOOP, TRUE, 0);
  if (notify && IsWindow(owner)) {
    SendMessageW(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, FALSE));
    InitSubmenus(menu, owner, 0);
  }
  // The owner may have destroyed the menu (or itself) while preparing it: then nothing opens.
  UINT command = 0;
  if (IsMenu(menu) && IsWindow(owner)) {
    HWND window = ShowPopupMenuWindow(menu, owner, at, flags);
    if (winsim::MenuObserver observe = std::exchange(NextObserver(), nullptr)) observe(window, menu);
    command = AnswerPopupMenu(RecordMenuItems(menu), flags);
    if (IsWindow(window)) DestroyWindow(window);
    if (IsWindow(owner)) SendMessageW(owner, WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
  }
  if (IsWindow(owner)) SendMessageW(owner, WM_EXITMENULOOP, TRUE, 0);
  return command;
}

}  // namespace win32_internal

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, LPTPMPARAMS) {
  if (!win32_internal::LookupMenu(menu)) return FALSE;
  if (!IsWindow(owner)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  UINT command = win32_internal::RunPopupMenu(menu, flags, {x, y}, owner);
  if (flags & TPM_RETURNCMD) return static_cast<BOOL>(command);
  if (command && IsWindow(owner)) PostMessageW(owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
  return TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
  return TrackPopupMenuEx(menu, flags, x, y, owner, nullptr);
}

void winsim::ObserveNextPopupMenu(MenuObserver observe) { win32_internal::NextObserver() = std::move(observe); }
