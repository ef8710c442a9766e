// CMFCButton, the base of the menu button and the link: owner drawing through the visual manager.
#include "mfc/mfc_button.h"

#include "mfc/visual_manager.h"
#include "mouse_leave.h"

IMPLEMENT_DYNCREATE(CMFCButton, CButton)

BEGIN_MESSAGE_MAP(CMFCButton, CButton)
  ON_WM_MOUSEMOVE()
  ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

CMFCButton::CMFCButton() = default;
CMFCButton::~CMFCButton() = default;

BOOL CMFCButton::Create(LPCWSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CButton::Create(lpszCaption, (dwStyle & ~BS_TYPEMASK) | BS_OWNERDRAW, rect, pParentWnd, nID);
}

void CMFCButton::PreSubclassWindow() {
  CButton::PreSubclassWindow();
  // A button adopted from a template is a plain push button until now.
  ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
}

void CMFCButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
  const CRect rect(lpDrawItemStruct->rcItem);
  UINT state = lpDrawItemStruct->itemState;
  if (IsPressed()) state |= ODS_SELECTED;
  if (m_bHighlighted) state |= ODS_HOTLIGHT;
  if (!IsWindowEnabled()) state |= ODS_DISABLED;
  const int saved = dc->SaveDC();
  OnFillBackground(dc, rect, state);
  dc->SelectObject(CMFCVisualManager::GetInstance()->GetMenuFont());
  dc->SetBkMode(TRANSPARENT);
  OnDraw(dc, rect, state);
  dc->RestoreDC(saved);
}

void CMFCButton::OnFillBackground(CDC* pDC, const CRect& rect, UINT uiState) {
  CMFCVisualManager::GetInstance()->OnDrawPushButton(pDC, rect, this, uiState);
}

void CMFCButton::OnDraw(CDC* pDC, const CRect& rect, UINT uiState) {
  CRect text = rect;
  if (uiState & ODS_SELECTED) text.OffsetRect(1, 1);
  pDC->SetTextColor(CMFCVisualManager::GetInstance()->GetButtonTextColor(this, uiState));
  pDC->DrawText(GetWindowText(), &text, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_END_ELLIPSIS);
}

void CMFCButton::OnMouseMove(UINT nFlags, CPoint point) {
  if (!m_bHighlighted) {
    m_bHighlighted = TRUE;
    mfc_internal::TrackMouseLeave(m_hWnd);
    Invalidate(FALSE);
  }
  CButton::OnMouseMove(nFlags, point);
}

void CMFCButton::OnMouseLeave() {
  m_bHighlighted = FALSE;
  Invalidate(FALSE);
  CButton::OnMouseLeave();
}
