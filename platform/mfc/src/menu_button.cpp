// CMFCMenuButton: the menu opens on the press (mouse, Space or Down) and the choice is reported.
#include "mfc/menu_button.h"

#include "mfc/visual_manager.h"

IMPLEMENT_DYNCREATE(CMFCMenuButton, CMFCButton)

BEGIN_MESSAGE_MAP(CMFCMenuButton, CMFCButton)
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_KEYDOWN()
  ON_WM_KEYUP()
END_MESSAGE_MAP()

namespace {

constexpr int kArrowWidth = 16;

}  // namespace

CMFCMenuButton::CMFCMenuButton() = default;
CMFCMenuButton::~CMFCMenuButton() = default;

void CMFCMenuButton::OnShowMenu() {
  m_nMenuResult = 0;
  if (!::IsMenu(m_hMenu)) return;
  m_bMenuIsActive = TRUE;
  Invalidate();
  UpdateWindow();
  CRect rect;
  GetWindowRect(&rect);
  const int x = m_bRightArrow ? rect.right : rect.left;
  const int y = m_bRightArrow ? rect.top : rect.bottom;
  const HWND self = m_hWnd;
  m_nMenuResult = static_cast<int>(::TrackPopupMenu(
      m_hMenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, x, y, 0, self, nullptr));
  if (!::IsWindow(self)) return;
  m_bMenuIsActive = FALSE;
  Invalidate();
  if (m_nMenuResult != 0) {
    if (HWND parent = ::GetParent(self)) {
      ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), reinterpret_cast<LPARAM>(self));
    }
  }
}

// The press opens the menu; the button never goes through its own click.
void CMFCMenuButton::OnLButtonDown(UINT, CPoint) {
  SetFocus();
  OnShowMenu();
}

void CMFCMenuButton::OnLButtonDblClk(UINT nFlags, CPoint point) { OnLButtonDown(nFlags, point); }

void CMFCMenuButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar == VK_SPACE || nChar == VK_DOWN) {
    OnShowMenu();
    return;
  }
  CMFCButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CMFCMenuButton::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar == VK_SPACE) return;  // Space opened the menu already; no click
  CMFCButton::OnKeyUp(nChar, nRepCnt, nFlags);
}

void CMFCMenuButton::OnDraw(CDC* pDC, const CRect& rect, UINT uiState) {
  CRect arrow = rect;
  arrow.left = arrow.right - kArrowWidth;
  CRect caption = rect;
  caption.right = arrow.left;
  caption.left += 4;
  CMFCButton::OnDraw(pDC, caption, uiState);
  CMFCVisualManager::GetInstance()->OnDrawMenuButtonArrow(pDC, arrow, this, m_bRightArrow,
                                                          (uiState & ODS_DISABLED) != 0);
}
