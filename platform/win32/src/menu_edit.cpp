// Changing menus: adding, replacing and removing items, and MENUITEMINFO access.
#include <algorithm>

#include "menu_internal.h"

using namespace win32_internal;

namespace {

Menu* MenuOf(HMENU handle) { return MenuTable().Find(reinterpret_cast<std::uintptr_t>(handle)); }

// Where an insertion lands: before the addressed item, or at the end for position −1 (or past the end).
std::optional<ItemRef> InsertionPoint(HMENU menu, UINT position, bool byPosition) {
  Menu* found = LookupMenu(menu);
  if (!found) return std::nullopt;
  if (byPosition) return ItemRef{menu, std::min<size_t>(position, found->items.size())};
  return FindMenuItem(menu, position, false);
}

bool ValidSubmenu(const MenuItem& item) { return !item.submenu || IsMenu(item.submenu); }

BOOL Insert(HMENU menu, UINT position, bool byPosition, MenuItem item) {
  if (!ValidSubmenu(item)) {
    SetLastError(ERROR_INVALID_MENU_HANDLE);
    return FALSE;
  }
  auto at = InsertionPoint(menu, position, byPosition);
  if (!at) return FALSE;
  Menu* target = MenuOf(at->menu);
  target->items.insert(target->items.begin() + static_cast<std::ptrdiff_t>(at->index), std::move(item));
  return TRUE;
}

BOOL Remove(HMENU menu, UINT position, UINT flags, bool destroySubmenu) {
  auto ref = FindMenuItem(menu, position, (flags & MF_BYPOSITION) != 0);
  if (!ref) return FALSE;
  Menu* owner = MenuOf(ref->menu);
  HMENU submenu = owner->items[ref->index].submenu;
  owner->items.erase(owner->items.begin() + static_cast<std::ptrdiff_t>(ref->index));
  if (destroySubmenu && submenu) DestroyMenu(submenu);
  return TRUE;
}

void ApplyInfo(MenuItem& item, const MENUITEMINFOW& info) {
  if (info.fMask & MIIM_FTYPE) item.type = info.fType;
  if (info.fMask & MIIM_TYPE) {
    item.type = info.fType;
    // Text items carry their text in dwTypeData; owner-drawn ones a value of the application's.
    if (item.type & MFT_OWNERDRAW) item.data = reinterpret_cast<ULONG_PTR>(info.dwTypeData);
    else if (!(item.type & (MFT_SEPARATOR | MFT_BITMAP))) item.text = info.dwTypeData ? info.dwTypeData : L"";
  }
  if ((info.fMask & MIIM_STRING)) item.text = info.dwTypeData ? info.dwTypeData : L"";
  if (info.fMask & MIIM_STATE) item.state = info.fState;
  if (info.fMask & MIIM_ID) item.id = info.wID;
  if (info.fMask & MIIM_SUBMENU) item.submenu = info.hSubMenu;
  if (info.fMask & MIIM_DATA) item.data = info.dwItemData;
  if (info.fMask & MIIM_BITMAP) item.bitmap = info.hbmpItem;
}

void CopyText(const std::wstring& text, MENUITEMINFOW& info) {
  if (!info.dwTypeData || info.cch == 0) {
    info.cch = static_cast<UINT>(text.size());
    return;
  }
  UINT count = std::min<UINT>(static_cast<UINT>(text.size()), info.cch - 1);
  text.copy(info.dwTypeData, count);
  info.dwTypeData[count] = L'\0';
  info.cch = count;
}

bool ValidInfo(const MENUITEMINFOW* info) { return info && info->cbSize == sizeof(MENUITEMINFOW); }

}  // namespace

BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR idOrSubmenu, LPCWSTR text) {
  return Insert(menu, static_cast<UINT>(-1), true, ItemFromFlags(flags, idOrSubmenu, text));
}

BOOL InsertMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSubmenu, LPCWSTR text) {
  return Insert(menu, position, (flags & MF_BYPOSITION) != 0, ItemFromFlags(flags, idOrSubmenu, text));
}

// The item is replaced whole; a submenu it opened is destroyed unless the new item opens it too.
BOOL ModifyMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSubmenu, LPCWSTR text) {
  auto ref = FindMenuItem(menu, position, (flags & MF_BYPOSITION) != 0);
  if (!ref) return FALSE;
  MenuItem replacement = ItemFromFlags(flags, idOrSubmenu, text);
  if (!ValidSubmenu(replacement)) {
    SetLastError(ERROR_INVALID_MENU_HANDLE);
    return FALSE;
  }
  MenuItem& item = ref->item();
  HMENU old = item.submenu;
  item = std::move(replacement);
  if (old && old != item.submenu) DestroyMenu(old);
  return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) { return Remove(menu, position, flags, false); }

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) { return Remove(menu, position, flags, true); }

BOOL InsertMenuItemW(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOW info) {
  if (!ValidInfo(info)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  MenuItem created;
  ApplyInfo(created, *info);
  return Insert(menu, item, byPosition != FALSE, std::move(created));
}

BOOL SetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOW info) {
  if (!ValidInfo(info)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  auto ref = FindMenuItem(menu, item, byPosition != FALSE);
  if (!ref) return FALSE;
  MenuItem changed = ref->item();
  ApplyInfo(changed, *info);
  if (!ValidSubmenu(changed)) {
    SetLastError(ERROR_INVALID_MENU_HANDLE);
    return FALSE;
  }
  ref->item() = std::move(changed);
  return TRUE;
}

BOOL GetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOW info) {
  if (!ValidInfo(info)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  auto ref = FindMenuItem(menu, item, byPosition != FALSE);
  if (!ref) return FALSE;
  const MenuItem& found = ref->item();
  if (info->fMask & (MIIM_FTYPE | MIIM_TYPE)) info->fType = found.type;
  if (info->fMask & MIIM_STATE) info->fState = found.state;
  if (info->fMask & MIIM_ID) info->wID = found.id;
  if (info->fMask & MIIM_SUBMENU) info->hSubMenu = found.submenu;
  if (info->fMask & MIIM_DATA) info->dwItemData = found.data;
  if (info->fMask & MIIM_BITMAP) info->hbmpItem = found.bitmap;
  if (info->fMask & MIIM_CHECKMARKS) info->hbmpChecked = info->hbmpUnchecked = nullptr;
  if (info->fMask & (MIIM_STRING | MIIM_TYPE)) {
    if (found.IsOwnerDrawn() && (info->fMask & MIIM_TYPE)) info->dwTypeData = reinterpret_cast<LPWSTR>(found.data);
    else CopyText(found.text, *info);
  }
  return TRUE;
}
