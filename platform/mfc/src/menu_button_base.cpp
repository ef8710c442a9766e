// CMFCButton, the base of the menu button and the link: owner drawing through the visual manager.
#include "mfc/mfc_button.h"

#include "mfc/visual_manager.h"
#include "mouse_leave.h"

IMPLEMENT_DYNCREATE(CMFCButton, CButton)

BEGIN_MESSAGE_MAP(CMFCButton, CButton)
  ON_WM_MOUSEMOVE()
  ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

namespace {

constexpr int kHorizontalMargin = 10;
constexpr int kVerticalMargin = 5;

}  // namespace

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

CSize CMFCButton::GetCaptionExtent(LPCWSTR lpszText) const {
  const std::wstring text = lpszText != nullptr ? std::wstring(lpszText) : GetWindowText();
  HDC dc = ::GetDC(m_hWnd);
  HGDIOBJ old = ::SelectObject(dc, CMFCVisualManager::GetInstance()->GetMenuFont()->m_hObject);
  SIZE size{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  ::SelectObject(dc, old);
  ::ReleaseDC(m_hWnd, dc);
  return CSize(size.cx, std::max<LONG>(size.cy, metrics.tmHeight));
}

CSize CMFCButton::SizeToContent(BOOL bCalcOnly) {
  CSize size = GetCaptionExtent();
  size.cx += 2 * kHorizontalMargin;
  size.cy += 2 * kVerticalMargin;
  if (!bCalcOnly) SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return size;
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
