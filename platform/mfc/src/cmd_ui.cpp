#include "mfc/cmd_ui.h"

#include "mfc/cmd_target.h"
#include "mfc/menu.h"
#include "mfc/wnd.h"

void CCmdUI::Enable(BOOL bOn) {
  m_bEnabled = bOn;
  m_bEnableChanged = TRUE;
  // A popup item (m_pSubMenu) keeps its state; its own popup is updated when it opens.
  if (m_pMenu != nullptr) {
    if (m_pSubMenu == nullptr) {
      m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    }
    return;
  }
  if (m_pOther == nullptr) return;
  // A control that is disabled while it has the focus hands the focus to the next control first.
  if (!bOn && ::GetFocus() == m_pOther->m_hWnd) {
    if (HWND parent = ::GetParent(m_pOther->m_hWnd)) ::SendMessageW(parent, WM_NEXTDLGCTL, 0, FALSE);
  }
  m_pOther->EnableWindow(bOn);
}

void CCmdUI::SetCheck(int nCheck) {
  m_nCheck = nCheck;
  if (m_pMenu != nullptr) {
    if (m_pSubMenu == nullptr) m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    return;
  }
  // Only buttons take a check state.
  if (m_pOther != nullptr && (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON)) {
    m_pOther->SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
  }
}

void CCmdUI::SetRadio(BOOL bOn) { SetCheck(bOn ? 1 : 0); }

void CCmdUI::SetText(LPCWSTR lpszText) {
  m_strText = lpszText != nullptr ? lpszText : L"";
  m_bTextChanged = TRUE;
  if (m_pMenu != nullptr) {
    // Only the text changes; the item keeps its id, state and submenu.
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = m_strText.data();
    m_pMenu->SetMenuItemInfo(m_nIndex, &info, TRUE);
    return;
  }
  if (m_pOther != nullptr) m_pOther->SetWindowText(m_strText.c_str());
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  if (pTarget == nullptr) return FALSE;
  m_bEnableChanged = FALSE;
  const BOOL bResult = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
  if (bDisableIfNoHndler && !m_bEnableChanged && m_nID < AFX_IDS_FIRST_SYSTEM_ID) {
    AFX_CMDHANDLERINFO info{nullptr, nullptr};
    Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
  }
  return bResult;
}
