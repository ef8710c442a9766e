// Menus as the stand-in keeps them: a table of menus, each an ordered list of items, and the windows that show
// them (the popup menu window and the menu band of a top-level window).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include "handle_table.h"
#include "modal_responder_internal.h"

namespace win32_internal {

struct MenuItem {
  UINT type = MFT_STRING;  // MFT_* bits
  UINT state = 0;          // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_HILITE, MF_DEFAULT bits
  UINT id = 0;
  HMENU submenu = nullptr;
  std::wstring text;
  ULONG_PTR data = 0;      // application data; owner-drawn items set with AppendMenu get the string pointer
  HBITMAP bitmap = nullptr;

  bool IsSeparator() const { return (type & MFT_SEPARATOR) != 0; }
  bool IsOwnerDrawn() const { return (type & MFT_OWNERDRAW) != 0; }
  bool IsEnabled() const { return (state & (MF_GRAYED | MF_DISABLED)) == 0; }
};

struct Menu {
  std::vector<MenuItem> items;
};

HandleTable<Menu>& MenuTable();
// The menu behind a handle; null (and ERROR_INVALID_MENU_HANDLE) for anything else.
Menu* LookupMenu(HMENU menu);

// An item addressed as the menu functions address them: by position in `menu`, or by command id anywhere in
// `menu` and its submenus.
struct ItemRef {
  HMENU menu;
  size_t index;
  MenuItem& item() const;
};
std::optional<ItemRef> FindMenuItem(HMENU menu, UINT item, bool byPosition);

// Builds an item from AppendMenu's flags, id-or-submenu and text.
MenuItem ItemFromFlags(UINT flags, UINT_PTR idOrSubmenu, LPCWSTR text);

// The items of a menu as the responder records them (submenus included).
std::vector<MenuItemRecord> RecordMenuItems(HMENU menu);

// Popup menus. Shows `menu` at a screen point for `owner`, asks the responder and returns the command (0: none).
UINT RunPopupMenu(HMENU menu, UINT flags, POINT at, HWND owner);
// The window class of open popup menus.
inline constexpr const wchar_t* kPopupMenuClass = L"#32768";
// Creates and shows the window of an open popup menu (WM_MEASUREITEM goes to `owner` for owner-drawn items).
HWND ShowPopupMenuWindow(HMENU menu, HWND owner, POINT at, UINT flags);

// The font menus draw with.
HFONT MenuFont();

// Parts of winsim::Reset: every menu left behind is destroyed, a pending popup menu observer dropped.
void ResetMenus();
void ResetPopupMenuObserver();

}  // namespace win32_internal
