// CMenu: the C++ object of a menu handle. Menus are built in code. An attached CMenu is found again
// through FromHandle; menus nobody attached get temporary wrappers that live until the next idle time.
//
// Owner-drawn items (MF_OWNERDRAW) of an attached menu are measured and drawn by the menu's
// MeasureItem / DrawItem, which the owner window's WM_MEASUREITEM / WM_DRAWITEM reach through CWnd.
#pragma once

#include <string>

#include "mfc/object.h"

class CWnd;

class CMenu : public CObject {
  DECLARE_DYNCREATE(CMenu)
 public:
  CMenu();
  ~CMenu() override;  // destroys a menu that is still attached
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  HMENU m_hMenu = nullptr;
  operator HMENU() const { return m_hMenu; }
  HMENU GetSafeHmenu() const { return m_hMenu; }
  bool operator==(const CMenu& menu) const { return menu.m_hMenu == m_hMenu; }
  bool operator!=(const CMenu& menu) const { return menu.m_hMenu != m_hMenu; }

  // The attached object, else a temporary wrapper (until the next idle time); null for null.
  static CMenu* FromHandle(HMENU hMenu);
  static CMenu* FromHandlePermanent(HMENU hMenu);
  BOOL Attach(HMENU hMenu);
  HMENU Detach();

  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  BOOL DestroyMenu();

  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCWSTR lpszNewItem = nullptr);
  BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCWSTR lpszNewItem = nullptr);
  BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCWSTR lpszNewItem = nullptr);
  BOOL RemoveMenu(UINT nPosition, UINT nFlags);
  BOOL DeleteMenu(UINT nPosition, UINT nFlags);
  UINT GetMenuItemCount() const;
  UINT GetMenuItemID(int nPos) const;
  int GetMenuString(UINT nIDItem, LPWSTR lpString, int nMaxCount, UINT nFlags) const;
  int GetMenuString(UINT nIDItem, std::wstring& rString, UINT nFlags) const;
  CMenu* GetSubMenu(int nPos) const;
  UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
  UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
  UINT GetMenuState(UINT nID, UINT nFlags) const;
  BOOL GetMenuItemInfo(UINT uItem, LPMENUITEMINFOW lpMenuItemInfo, BOOL fByPos = FALSE);
  BOOL SetMenuItemInfo(UINT uItem, LPMENUITEMINFOW lpMenuItemInfo, BOOL fByPos = FALSE);
  BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);

  // Shows the menu as a popup owned by pWnd; the modal responder chooses. With TPM_RETURNCMD the
  // command chosen (0: none), else TRUE and the owner gets the command as WM_COMMAND.
  BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);

  // Owner-drawn items; the defaults draw and measure nothing.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

  // The attached menu holding an owner-drawn item with that command id (for WM_MEASUREITEM,
  // which names no menu), or null.
  static CMenu* FindOwnerDrawMenu(UINT nItemID);
};
