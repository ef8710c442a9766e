// Menu updates: before a popup shows, the frame asks the update handlers of its command route about
// every item (enable, check, text), and greys items that nobody handles.
#include "mfc/cmd_ui.h"
#include "mfc/frame.h"
#include "mfc/menu.h"

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) {
  CWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
  if (bSysMenu || pPopupMenu == nullptr || !::IsMenu(pPopupMenu->m_hMenu)) return;
  CCmdUI state;
  state.m_pMenu = pPopupMenu;
  state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
  for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
    state.m_nID = pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
    // Separators (0) and submenus (-1) have no command of their own.
    if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1)) continue;
    state.m_pSubMenu = nullptr;
    state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < AFX_IDS_FIRST_SYSTEM_ID);
    // A handler may have added or removed items.
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
  }
}
