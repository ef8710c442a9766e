// CMenu: the handle map of menus, creation, and the item wrappers.
#include "mfc/menu.h"


#include "handle_map.h"
#include "mfc/wnd.h"

using mfc_internal::GetThreadState;

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace mfc_internal {

void ClearWrapperHandle(CMenu* wrapper) { wrapper->m_hMenu = nullptr; }

}  // namespace mfc_internal

// ---- The handle map ----

CMenu::CMenu() = default;

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandle(HMENU hMenu) {
  return GetThreadState().menus.FromHandle(hMenu, [hMenu] {
    auto* menu = new CMenu;
    menu->m_hMenu = hMenu;
    return menu;
  });
}

CMenu* CMenu::FromHandlePermanent(HMENU hMenu) {
  return hMenu != nullptr ? GetThreadState().menus.LookupPermanent(hMenu) : nullptr;
}

BOOL CMenu::Attach(HMENU hMenu) { return GetThreadState().menus.Attach(this, m_hMenu, hMenu); }

HMENU CMenu::Detach() { return GetThreadState().menus.Detach(this, m_hMenu); }

CMenu* CMenu::FindOwnerDrawMenu(UINT nItemID) {
  return GetThreadState().menus.FindPermanent([nItemID](CMenu* menu) {
    const int count = ::GetMenuItemCount(menu->m_hMenu);
    for (int i = 0; i < count; ++i) {
      if (::GetMenuItemID(menu->m_hMenu, i) == nItemID &&
          (::GetMenuState(menu->m_hMenu, static_cast<UINT>(i), MF_BYPOSITION) & MF_OWNERDRAW)) {
        return true;
      }
    }
    return false;
  });
}

// ---- Creation ----

BOOL CMenu::CreateMenu() { return m_hMenu == nullptr && Attach(::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return m_hMenu == nullptr && Attach(::CreatePopupMenu()); }

BOOL CMenu::DestroyMenu() {
  if (m_hMenu == nullptr) return FALSE;
  return ::DestroyMenu(Detach());
}

// ---- Items ----

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCWSTR lpszNewItem) {
  return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCWSTR lpszNewItem) {
  return ::InsertMenuW(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCWSTR lpszNewItem) {
  return ::ModifyMenuW(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags) { return ::RemoveMenu(m_hMenu, nPosition, nFlags); }
BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) { return ::DeleteMenu(m_hMenu, nPosition, nFlags); }

UINT CMenu::GetMenuItemCount() const {
  return static_cast<UINT>(::GetMenuItemCount(m_hMenu));
}
UINT CMenu::GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }

int CMenu::GetMenuString(UINT nIDItem, LPWSTR lpString, int nMaxCount, UINT nFlags) const {
  return ::GetMenuStringW(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, std::wstring& rString, UINT nFlags) const {
  const int length = ::GetMenuStringW(m_hMenu, nIDItem, nullptr, 0, nFlags);
  rString.assign(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
  const int copied = ::GetMenuStringW(m_hMenu, nIDItem, rString.data(), static_cast<int>(rString.size()), nFlags);
  rString.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return copied;
}

CMenu* CMenu::GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
  return static_cast<UINT>(::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck));
}
UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
  return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
}
UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }

BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFOW lpMenuItemInfo, BOOL fByPos) {
  return ::GetMenuItemInfoW(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}
BOOL CMenu::SetMenuItemInfo(UINT uItem, LPMENUITEMINFOW lpMenuItemInfo, BOOL fByPos) {
  return ::SetMenuItemInfoW(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}
BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags) {
  return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
  if (pWnd == nullptr) return FALSE;
  return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->m_hWnd, lpRect);
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}
void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}
