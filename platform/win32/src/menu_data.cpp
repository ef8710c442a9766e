// Menu handles and reading and flagging their items.
#include <algorithm>

#include "menu_internal.h"

namespace win32_internal {

HandleTable<Menu>& MenuTable() {
  static HandleTable<Menu> table(0x30010, 0x10);
  return table;
}

Menu* LookupMenu(HMENU menu) {
  Menu* found = menu ? MenuTable().Find(reinterpret_cast<std::uintptr_t>(menu)) : nullptr;
  if (!found) SetLastError(ERROR_INVALID_MENU_HANDLE);
  return found;
}

MenuItem& ItemRef::item() const { return MenuTable().Find(reinterpret_cast<std::uintptr_t>(menu))->items[index]; }

namespace {

// Depth-first search for a command id; items that open submenus match by their own id too.
std::optional<ItemRef> FindCommand(HMENU handle, UINT id, int depth) {
  Menu* menu = MenuTable().Find(reinterpret_cast<std::uintptr_t>(handle));
  if (!menu || depth > 32) return std::nullopt;
  for (size_t i = 0; i < menu->items.size(); ++i) {
    const MenuItem& item = menu->items[i];
    if (item.submenu) {
      if (auto found = FindCommand(item.submenu, id, depth + 1)) return found;
    }
    if (!item.IsSeparator() && item.id == id) return ItemRef{handle, i};
  }
  return std::nullopt;
}

}  // namespace

std::optional<ItemRef> FindMenuItem(HMENU handle, UINT item, bool byPosition) {
  Menu* menu = LookupMenu(handle);
  if (!menu) return std::nullopt;
  if (byPosition) {
    if (item >= menu->items.size()) return std::nullopt;
    return ItemRef{handle, item};
  }
  return FindCommand(handle, item, 0);
}

MenuItem ItemFromFlags(UINT flags, UINT_PTR idOrSubmenu, LPCWSTR text) {
  MenuItem item;
  item.type = flags & (MFT_MENUBARBREAK | MFT_MENUBREAK | MFT_RADIOCHECK | MFT_RIGHTJUSTIFY);
  item.state = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_DEFAULT);
  if (flags & MF_SEPARATOR) {
    item.type |= MFT_SEPARATOR;
    return item;
  }
  if (flags & MF_POPUP) item.submenu = reinterpret_cast<HMENU>(idOrSubmenu);
  item.id = static_cast<UINT>(idOrSubmenu);
  if (flags & MF_OWNERDRAW) {
    item.type |= MFT_OWNERDRAW;
    item.data = reinterpret_cast<ULONG_PTR>(text);
  } else if (flags & MF_BITMAP) {
    item.type |= MFT_BITMAP;
    item.bitmap = reinterpret_cast<HBITMAP>(const_cast<wchar_t*>(text));
  } else if (text) {
    item.text = text;
  }
  return item;
}

namespace {

// Submenus nest at most 32 deep here, so that a menu made to contain itself ends the walk.
std::vector<MenuItemRecord> RecordItems(HMENU handle, int depth) {
  std::vector<MenuItemRecord> records;
  Menu* menu = MenuTable().Find(reinterpret_cast<std::uintptr_t>(handle));
  if (!menu || depth > 32) return records;
  for (const MenuItem& item : menu->items) {
    if (item.IsSeparator())
      records.push_back(MenuItemRecord::Separator());
    else if (item.submenu)
      records.push_back(MenuItemRecord::Submenu(item.text, RecordItems(item.submenu, depth + 1)));
    else
      records.emplace_back(item.text, item.id, item.IsEnabled(), (item.state & MF_CHECKED) != 0);
  }
  return records;
}

}  // namespace

std::vector<MenuItemRecord> RecordMenuItems(HMENU handle) { return RecordItems(handle, 0); }

HFONT MenuFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

void ResetMenus() {
  for (std::uintptr_t value : MenuTable().Handles()) MenuTable().Remove(value);
}

}  // namespace win32_internal

using namespace win32_internal;

namespace {

HMENU NewMenu() { return reinterpret_cast<HMENU>(MenuTable().Add(std::make_unique<Menu>())); }

// A menu's submenus are destroyed with it.
void Destroy(HMENU handle, int depth) {
  Menu* menu = MenuTable().Find(reinterpret_cast<std::uintptr_t>(handle));
  if (!menu || depth > 32) return;
  std::vector<HMENU> submenus;
  for (const MenuItem& item : menu->items)
    if (item.submenu) submenus.push_back(item.submenu);
  MenuTable().Remove(reinterpret_cast<std::uintptr_t>(handle));
  for (HMENU submenu : submenus) Destroy(submenu, depth + 1);
}

}  // namespace

// Menu bars and popup menus are the same kind of object here; only where they are shown differs.
HMENU CreateMenu() { return NewMenu(); }
HMENU CreatePopupMenu() { return NewMenu(); }

BOOL DestroyMenu(HMENU menu) {
  if (!LookupMenu(menu)) return FALSE;
  Destroy(menu, 0);
  return TRUE;
}

BOOL IsMenu(HMENU menu) { return MenuTable().Find(reinterpret_cast<std::uintptr_t>(menu)) != nullptr; }

int GetMenuItemCount(HMENU menu) {
  Menu* found = LookupMenu(menu);
  return found ? static_cast<int>(found->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
  Menu* found = LookupMenu(menu);
  if (!found || position < 0 || static_cast<size_t>(position) >= found->items.size()) return static_cast<UINT>(-1);
  const MenuItem& item = found->items[static_cast<size_t>(position)];
  return item.submenu ? static_cast<UINT>(-1) : item.id;
}

HMENU GetSubMenu(HMENU menu, int position) {
  Menu* found = LookupMenu(menu);
  if (!found || position < 0 || static_cast<size_t>(position) >= found->items.size()) return nullptr;
  return found->items[static_cast<size_t>(position)].submenu;
}

int GetMenuStringW(HMENU menu, UINT item, LPWSTR text, int maxCount, UINT flags) {
  auto ref = FindMenuItem(menu, item, (flags & MF_BYPOSITION) != 0);
  if (!ref) return 0;
  const std::wstring& label = ref->item().text;
  if (!text || maxCount <= 0) return static_cast<int>(label.size());
  int count = std::min(static_cast<int>(label.size()), maxCount - 1);
  label.copy(text, static_cast<size_t>(count));
  text[count] = L'\0';
  return count;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
  auto ref = FindMenuItem(menu, item, (flags & MF_BYPOSITION) != 0);
  if (!ref) return static_cast<UINT>(-1);
  const MenuItem& found = ref->item();
  UINT state = found.type | found.state;
  if (found.submenu) {
    // A submenu item reports MF_POPUP with its item count in the high byte.
    state |= MF_POPUP | (static_cast<UINT>(std::max(0, GetMenuItemCount(found.submenu))) << 8);
  }
  return state;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check) {
  auto ref = FindMenuItem(menu, item, (check & MF_BYPOSITION) != 0);
  if (!ref) return static_cast<DWORD>(-1);
  MenuItem& found = ref->item();
  DWORD previous = found.state & MF_CHECKED;
  found.state = (found.state & ~static_cast<UINT>(MF_CHECKED)) | (check & MF_CHECKED);
  return previous;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable) {
  auto ref = FindMenuItem(menu, item, (enable & MF_BYPOSITION) != 0);
  if (!ref) return -1;
  MenuItem& found = ref->item();
  BOOL previous = static_cast<BOOL>(found.state & (MF_GRAYED | MF_DISABLED));
  found.state = (found.state & ~static_cast<UINT>(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
  return previous;
}

BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags) {
  bool byPosition = (flags & MF_BYPOSITION) != 0;
  auto anchor = FindMenuItem(menu, check, byPosition);
  if (!anchor) return FALSE;
  Menu* owner = MenuTable().Find(reinterpret_cast<std::uintptr_t>(anchor->menu));
  for (size_t i = 0; i < owner->items.size(); ++i) {
    MenuItem& item = owner->items[i];
    UINT key = byPosition ? static_cast<UINT>(i) : item.id;
    if (key < first || key > last || item.IsSeparator()) continue;
    item.state &= ~static_cast<UINT>(MF_CHECKED);
    if (i == anchor->index) {
      item.state |= MF_CHECKED;
      item.type |= MFT_RADIOCHECK;
    }
  }
  return TRUE;
}
