// CMFCMenuButton: a button that opens a popup menu. A click opens m_hMenu (tracked through the
// Windows menu stand-in, so the modal responder answers it); the chosen command id is left in
// m_nMenuResult (0 when the menu was dismissed) and, when one was chosen, BN_CLICKED goes to the
// parent, whose handler reads m_nMenuResult.
#pragma once

#include "mfc/mfc_button.h"

class CMFCMenuButton : public CMFCButton {
  DECLARE_DYNCREATE(CMFCMenuButton)
 public:
  CMFCMenuButton();
  ~CMFCMenuButton() override;

  HMENU m_hMenu = nullptr;    // the popup (not owned)
  BOOL m_bOSMenu = TRUE;      // the system's popup rather than the library's (both tracked the same way here)
  BOOL m_bRightArrow = FALSE; // the arrow points right and the menu opens to the right
  BOOL m_bStayPressed = FALSE;// the button shows pressed while its menu is open
  int m_nMenuResult = 0;      // the command chosen last time, 0 for none

 protected:
  void OnDraw(CDC* pDC, const CRect& rect, UINT uiState) override;
  BOOL IsPressed() const override { return m_bMenuIsActive && m_bStayPressed; }
  // Opens the menu beside the button and reports the choice.
  virtual void OnShowMenu();
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonDblClk(UINT nFlags, CPoint point);
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);

  BOOL m_bMenuIsActive = FALSE;

  DECLARE_MESSAGE_MAP()
};
