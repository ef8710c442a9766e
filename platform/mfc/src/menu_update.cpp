// Menu updates: before a popup shows, the update handlers of a command route set every item's
// state (enable, check, text), and items that nobody handles may be greyed.
#include "menu_update.h"

#include "mfc/cmd_ui.h"
#include "mfc/frame.h"
#include "mfc/menu.h"

namespace mfc_internal {

void UpdatePopupMenu(HMENU hMenu, CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  if (pTarget == nullptr || !::IsMenu(hMenu)) return;
  CCmdUI state;
  state.m_pMenu = CMenu::FromHandle(hMenu);
  state.m_nIndexMax = static_cast<UINT>(::GetMenuItemCount(hMenu));
  for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
    const int index = static_cast<int>(state.m_nIndex);
    if (HMENU submenu = ::GetSubMenu(hMenu, index)) {
      UpdatePopupMenu(submenu, pTarget, bDisableIfNoHndler);
      continue;
    }
    state.m_nID = ::GetMenuItemID(hMenu, index);
    if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1)) continue;  // separators
    state.DoUpdate(pTarget, bDisableIfNoHndler);
    // A handler may have added or removed items.
    state.m_nIndexMax = static_cast<UINT>(::GetMenuItemCount(hMenu));
  }
}

}  // namespace mfc_internal

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) {
  CWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
  if (!bSysMenu && pPopupMenu != nullptr) mfc_internal::UpdatePopupMenu(pPopupMenu->m_hMenu, this, m_bAutoMenuEnable);
}
