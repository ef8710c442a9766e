#include "menu_bar_update.h"

#include <string>

namespace mfc_internal {

namespace {

// A popup item's CCmdUI: applies the state to the item at m_nIndex of m_hMenu.
class MenuItemCmdUI : public CCmdUI {
 public:
  explicit MenuItemCmdUI(HMENU hMenu) : m_hMenu(hMenu) {}
  void Enable(BOOL bOn = TRUE) override {
    CCmdUI::Enable(bOn);
    ::EnableMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_GRAYED));
  }
  void SetCheck(int nCheck = 1) override {
    CCmdUI::SetCheck(nCheck);
    ::CheckMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (nCheck != 0 ? MF_CHECKED : MF_UNCHECKED));
  }
  void SetText(LPCWSTR lpszText) override {
    CCmdUI::SetText(lpszText);
    const UINT state = ::GetMenuState(m_hMenu, m_nIndex, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
    ::ModifyMenuW(m_hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | state, m_nID, m_strText.c_str());
  }

 private:
  HMENU m_hMenu;
};

}  // namespace

void UpdatePopupMenu(HMENU hMenu, CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  if (pTarget == nullptr || !::IsMenu(hMenu)) return;
  const int count = ::GetMenuItemCount(hMenu);
  for (int i = 0; i < count; ++i) {
    if (HMENU submenu = ::GetSubMenu(hMenu, i)) {
      UpdatePopupMenu(submenu, pTarget, bDisableIfNoHndler);
      continue;
    }
    const UINT id = ::GetMenuItemID(hMenu, i);
    if (id == 0 || id == static_cast<UINT>(-1)) continue;  // separators
    MenuItemCmdUI item(hMenu);
    item.m_nID = id;
    item.m_nIndex = static_cast<UINT>(i);
    item.m_nIndexMax = static_cast<UINT>(count);
    item.DoUpdate(pTarget, bDisableIfNoHndler);
  }
}

void ToolBarButtonCmdUI::Enable(BOOL bOn) {
  CCmdUI::Enable(bOn);
  m_button.m_nStyle = bOn ? (m_button.m_nStyle & ~TBBS_DISABLED) : (m_button.m_nStyle | TBBS_DISABLED);
}

void ToolBarButtonCmdUI::SetCheck(int nCheck) {
  CCmdUI::SetCheck(nCheck);
  m_button.m_nStyle = nCheck != 0 ? (m_button.m_nStyle | TBBS_CHECKED) : (m_button.m_nStyle & ~TBBS_CHECKED);
}

void ToolBarButtonCmdUI::SetText(LPCWSTR lpszText) {
  CCmdUI::SetText(lpszText);
  m_button.m_strText = m_strText;
}

}  // namespace mfc_internal
