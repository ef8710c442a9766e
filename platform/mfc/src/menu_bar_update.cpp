#include "menu_bar_update.h"

namespace mfc_internal {

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
