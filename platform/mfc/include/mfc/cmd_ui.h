// CCmdUI: one user-interface item (menu item, control bar button, control) whose state an update
// handler sets. DoUpdate routes CN_UPDATE_COMMAND_UI through a command target's OnCmdMsg, so the
// same handlers serve menus, menu bars and idle-time updates.
#pragma once

#include <string>

#include <windows.h>

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI {
 public:
  CCmdUI() = default;
  virtual ~CCmdUI() = default;

  UINT m_nID = 0;               // the command id of the item
  UINT m_nIndex = 0;            // its position in the menu or bar
  CMenu* m_pMenu = nullptr;     // the menu holding the item, or null
  CMenu* m_pSubMenu = nullptr;  // the item's own popup, or null
  CWnd* m_pOther = nullptr;     // a window standing for the item (control, bar), or null
  UINT m_nIndexMax = 0;         // number of items in the menu, for loops over them

  BOOL m_bEnableChanged = FALSE;   // an update handler called Enable
  BOOL m_bContinueRouting = FALSE; // an update handler asked the route to go on

  // What the update handlers of the route asked for; m_bEnabled starts TRUE.
  BOOL m_bEnabled = TRUE;
  int m_nCheck = 0;
  BOOL m_bTextChanged = FALSE;
  std::wstring m_strText;

  // Each records the state and applies it to m_pOther (enable state, a button's check state,
  // window text). Menus and bars apply the recorded state themselves (or override these).
  virtual void Enable(BOOL bOn = TRUE);
  virtual void SetCheck(int nCheck = 1);  // 0 unchecked, 1 checked, 2 indeterminate
  virtual void SetRadio(BOOL bOn = TRUE);
  virtual void SetText(LPCWSTR lpszText);
  void ContinueRouting() { m_bContinueRouting = TRUE; }

  // Asks pTarget's route for an update handler. Without one, and when bDisableIfNoHndler is set,
  // the item is enabled only if some command handler exists for it (system ids stay as they are).
  // Returns whether an update handler answered.
  BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};
