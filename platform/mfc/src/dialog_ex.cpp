// CDialogEx: a dialog with its own background colour.
#include "mfc/dc.h"
#include "mfc/dialog.h"

IMPLEMENT_DYNAMIC(CDialogEx, CDialog)

BEGIN_MESSAGE_MAP(CDialogEx, CDialog)
  ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CDialogEx::CDialogEx() = default;
CDialogEx::CDialogEx(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd) {}

CDialogEx::~CDialogEx() {
  if (m_brBackground != nullptr) ::DeleteObject(m_brBackground);
}

void CDialogEx::SetBackgroundColor(COLORREF color, BOOL bRepaint) {
  if (m_brBackground != nullptr) ::DeleteObject(m_brBackground);
  m_brBackground = nullptr;
  m_clrBackground = color;
  if (color != CLR_NONE) m_brBackground = ::CreateSolidBrush(color);
  if (bRepaint && m_hWnd != nullptr) Invalidate();
}

HBRUSH CDialogEx::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  if (m_brBackground != nullptr && (nCtlColor == CTLCOLOR_DLG || nCtlColor == CTLCOLOR_STATIC)) {
    // Static text is drawn on the same colour, so that labels don't show a box of their own.
    if (nCtlColor == CTLCOLOR_STATIC) pDC->SetBkColor(m_clrBackground);
    return m_brBackground;
  }
  return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}
