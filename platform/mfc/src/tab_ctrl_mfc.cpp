// CMFCTabCtrl: creation, the layout of tabs and buttons, scrolling, the documents menu and the mouse.
#include <algorithm>

#include "mfc/tab_ctrl_mfc.h"
#include "mfc/visual_manager.h"
#include "mouse_leave.h"

IMPLEMENT_DYNCREATE(CMFCTabCtrl, CMFCBaseTabCtrl)

BEGIN_MESSAGE_MAP(CMFCTabCtrl, CMFCBaseTabCtrl)
  ON_WM_CREATE()
  ON_WM_SIZE()
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_MOUSEMOVE()
  ON_WM_MOUSELEAVE()
  ON_MESSAGE(WM_SETFONT, &CMFCTabCtrl::OnSetFont)
  ON_MESSAGE(WM_GETFONT, &CMFCTabCtrl::OnGetFont)
END_MESSAGE_MAP()

namespace {

constexpr int kPadding = 8;      // between a tab's edge and its content
constexpr int kIconGap = 4;      // between icon and label
constexpr int kCloseSize = 14;   // the close button's square
constexpr int kCloseGap = 4;     // around the close button
constexpr int kButtonWidth = 16; // a scroll or documents-menu button

}  // namespace

CMFCTabCtrl::CMFCTabCtrl() = default;
CMFCTabCtrl::~CMFCTabCtrl() = default;

BOOL CMFCTabCtrl::Create(Style style, const RECT& rect, CWnd* pParentWnd, UINT nID, Location, BOOL) {
  m_style = style;
  LPCWSTR className =
      AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(nullptr, IDC_ARROW));
  return CWnd::Create(className, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, rect, pParentWnd,
                      nID);
}

int CMFCTabCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  RecalcLayout();
  return 0;
}

void CMFCTabCtrl::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  RecalcLayout();
  EnsureVisible(m_iActiveTab);  // the active tab stays in view
}

void CMFCTabCtrl::EnableTabDocumentsMenu(BOOL bEnable) {
  m_bTabDocumentsMenu = bEnable;
  RecalcLayout();
  Redraw();
}

HFONT CMFCTabCtrl::GetTabsFont() const {
  if (m_hFont != nullptr) return m_hFont;
  return static_cast<HFONT>(CMFCVisualManager::GetInstance()->GetMenuFont()->m_hObject);
}

LRESULT CMFCTabCtrl::OnSetFont(WPARAM wParam, LPARAM lParam) {
  m_hFont = reinterpret_cast<HFONT>(wParam);
  RecalcLayout();
  if (lParam != 0) Invalidate();
  return 0;
}

LRESULT CMFCTabCtrl::OnGetFont(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_hFont); }

// ---- Layout ----

int CMFCTabCtrl::GetTabWidth(int iTab) const {
  if (iTab < 0 || iTab >= GetTabsNum()) return 0;
  const TabInfo& tab = m_tabs[static_cast<size_t>(iTab)];
  int width = 2 * kPadding + (IsOneNoteStyle() ? m_nTabsHeight / 2 : 0);
  const bool hasIcon = m_hImageList != nullptr && tab.icon != static_cast<UINT>(-1);
  const bool showsLabel = !tab.label.empty() && !(tab.iconOnly && hasIcon);
  if (hasIcon) width += GetImageSize().cx + (showsLabel ? kIconGap : 0);
  if (showsLabel) {
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ old = ::SelectObject(dc, GetTabsFont());
    SIZE size{};
    ::GetTextExtentPoint32W(dc, tab.label.c_str(), static_cast<int>(tab.label.size()), &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    width += size.cx;
  }
  if (m_bActiveTabCloseButton && iTab == m_iActiveTab) width += kCloseSize + kCloseGap;
  return width;
}

void CMFCTabCtrl::GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const {
  rectTabAreaTop.SetRectEmpty();
  rectTabAreaBottom.SetRectEmpty();
  if (m_hWnd == nullptr) return;
  CRect client;
  GetClientRect(&client);
  rectTabAreaTop = client;
  rectTabAreaTop.bottom = std::min(client.bottom, client.top + m_nTabsHeight);
}

CRect CMFCTabCtrl::GetTabStrip() const {
  CRect top;
  CRect bottom;
  GetTabArea(top, bottom);
  return top;
}

void CMFCTabCtrl::RecalcLayout() {
  if (m_hWnd == nullptr) return;
  CRect client;
  GetClientRect(&client);
  const CRect area = GetTabStrip();

  // The pages fill the rest, inside a one-pixel frame.
  m_rectWndArea = client;
  m_rectWndArea.top = area.bottom;
  m_rectWndArea.DeflateRect(1, 1);

  int total = 0;
  for (int i = 0; i < GetTabsNum(); ++i) total += GetTabWidth(i);

  // Buttons at the end of the tab area: the documents menu, or scroll buttons when the tabs don't fit.
  m_rectTabsArea = area;
  m_rectTabsArea.left += 2;
  m_rectScrollLeft.SetRectEmpty();
  m_rectScrollRight.SetRectEmpty();
  m_rectDocumentsMenu.SetRectEmpty();
  const int buttonTop = area.top + std::max(0, (area.Height() - kButtonWidth) / 2);
  const int buttonsRight = area.right - 2;
  if (m_bTabDocumentsMenu) {
    m_rectDocumentsMenu.SetRect(buttonsRight - kButtonWidth, buttonTop, buttonsRight, buttonTop + kButtonWidth);
    m_rectTabsArea.right = m_rectDocumentsMenu.left - 2;
  } else if (total > m_rectTabsArea.Width()) {
    m_rectScrollRight.SetRect(buttonsRight - kButtonWidth, buttonTop, buttonsRight, buttonTop + kButtonWidth);
    m_rectScrollLeft = m_rectScrollRight;
    m_rectScrollLeft.OffsetRect(-kButtonWidth, 0);
    m_rectTabsArea.right = m_rectScrollLeft.left - 2;
  }
  if (total <= m_rectTabsArea.Width()) m_iFirstVisibleTab = 0;
  m_iFirstVisibleTab = std::clamp(m_iFirstVisibleTab, 0, std::max(0, GetTabsNum() - 1));

  // Whole tabs side by side from the first visible one; the first tab that would be cut by the
  // area's end and all after it are not shown (empty rectangles), so that a shown tab is a whole tab.
  // Only the first visible tab shows cut, when it alone is wider than the area.
  int x = m_rectTabsArea.left;
  const int tabTop = area.top + 2;
  const int tabBottom = area.bottom;
  for (int i = 0; i < GetTabsNum(); ++i) {
    TabInfo& tab = m_tabs[static_cast<size_t>(i)];
    tab.rect.SetRectEmpty();
    tab.fullyVisible = FALSE;
    if (i < m_iFirstVisibleTab || x >= m_rectTabsArea.right) continue;
    const int width = GetTabWidth(i);
    tab.fullyVisible = x + width <= m_rectTabsArea.right;
    if (!tab.fullyVisible && i > m_iFirstVisibleTab) {
      x = m_rectTabsArea.right;
      continue;
    }
    tab.rect.SetRect(x, tabTop, std::min(x + width, static_cast<int>(m_rectTabsArea.right)), tabBottom);
    x += width;
  }

  // The close button sits at the end of the active tab, when that tab shows whole.
  m_rectCloseButton.SetRectEmpty();
  if (m_bActiveTabCloseButton && IsTabFullyVisible(m_iActiveTab)) {
    const CRect& rect = m_tabs[static_cast<size_t>(m_iActiveTab)].rect;
    const int closeTop = rect.top + (rect.Height() - kCloseSize) / 2;
    m_rectCloseButton.SetRect(rect.right - kCloseGap - kCloseSize, closeTop, rect.right - kCloseGap,
                              closeTop + kCloseSize);
  }
  PlaceTabWindows();
}

CRect CMFCTabCtrl::GetTabContentRect(int iTab) const {
  CRect rect;
  if (!GetTabRect(iTab, rect) || rect.IsRectEmpty()) return CRect();
  rect.left += kPadding + (IsOneNoteStyle() ? m_nTabsHeight / 2 : 0);
  rect.right -= kPadding;
  if (iTab == m_iActiveTab && !m_rectCloseButton.IsRectEmpty()) rect.right = m_rectCloseButton.left - kCloseGap;
  return rect;
}

BOOL CMFCTabCtrl::EnsureVisible(int iTab) {
  if (iTab < 0 || iTab >= GetTabsNum()) return FALSE;
  if (iTab < m_iFirstVisibleTab) {
    m_iFirstVisibleTab = iTab;
    RecalcLayout();
  }
  while (!IsTabFullyVisible(iTab) && m_iFirstVisibleTab < iTab) {
    ++m_iFirstVisibleTab;
    RecalcLayout();
  }
  Redraw();
  return IsTabFullyVisible(iTab);
}

void CMFCTabCtrl::Scroll(int nDelta) {
  const bool lastHidden = GetTabsNum() > 0 && !IsTabFullyVisible(GetTabsNum() - 1);
  if (nDelta > 0 && !lastHidden) return;
  m_iFirstVisibleTab = std::clamp(m_iFirstVisibleTab + nDelta, 0, std::max(0, GetTabsNum() - 1));
  RecalcLayout();
  Redraw();
}

void CMFCTabCtrl::ShowTabDocumentsMenu() {
  HMENU menu = ::CreatePopupMenu();
  for (int i = 0; i < GetTabsNum(); ++i) {
    const UINT flags = MF_STRING | (i == m_iActiveTab ? MF_CHECKED : MF_UNCHECKED);
    ::AppendMenuW(menu, flags, static_cast<UINT_PTR>(i) + 1, m_tabs[static_cast<size_t>(i)].label.c_str());
  }
  CPoint at(m_rectDocumentsMenu.left, m_rectDocumentsMenu.bottom);
  ClientToScreen(&at);
  const UINT chosen = static_cast<UINT>(::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTBUTTON, at.x, at.y, 0, m_hWnd,
                                                         nullptr));
  ::DestroyMenu(menu);
  if (chosen >= 1 && static_cast<int>(chosen) <= GetTabsNum()) SetActiveTab(static_cast<int>(chosen) - 1);
}

// ---- Mouse ----

UINT CMFCTabCtrl::ButtonFromPoint(CPoint point) const {
  if (m_rectScrollLeft.PtInRect(point)) return DFCS_SCROLLLEFT;
  if (m_rectScrollRight.PtInRect(point)) return DFCS_SCROLLRIGHT;
  if (m_rectDocumentsMenu.PtInRect(point)) return DFCS_SCROLLDOWN;
  return static_cast<UINT>(-1);
}

void CMFCTabCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
  m_bTabCloseButtonPressed = FALSE;
  if (m_rectCloseButton.PtInRect(point)) {
    m_bTabCloseButtonPressed = m_bTabCloseButtonHighlighted = TRUE;
    InvalidateRect(&m_rectCloseButton);
    return;
  }
  const UINT button = ButtonFromPoint(point);
  if (button != static_cast<UINT>(-1)) {
    m_nPressedButton = button;
    if (button == DFCS_SCROLLDOWN) {
      ShowTabDocumentsMenu();
    } else {
      Scroll(button == DFCS_SCROLLLEFT ? -1 : 1);
    }
    m_nPressedButton = static_cast<UINT>(-1);
    Redraw();
    return;
  }
  const int tab = GetTabFromPoint(point);
  if (tab >= 0 && tab != m_iActiveTab) SetActiveTab(tab);
  CWnd::OnLButtonDown(nFlags, point);
}

void CMFCTabCtrl::OnLButtonUp(UINT nFlags, CPoint point) {
  if (m_bTabCloseButtonPressed) {
    const bool released = m_rectCloseButton.PtInRect(point);
    m_bTabCloseButtonPressed = m_bTabCloseButtonHighlighted = FALSE;
    InvalidateRect(&m_rectCloseButton);
    // A click on the close button asks the active tab's window to close.
    if (CWnd* active = GetActiveWnd(); released && active != nullptr && ::IsWindow(active->m_hWnd)) {
      active->SendMessage(WM_CLOSE);
    }
    return;
  }
  CWnd::OnLButtonUp(nFlags, point);
}

void CMFCTabCtrl::OnMouseMove(UINT nFlags, CPoint point) {
  mfc_internal::TrackMouseLeave(m_hWnd);
  const BOOL overClose = m_rectCloseButton.PtInRect(point);
  if (overClose != m_bTabCloseButtonHighlighted) {
    m_bTabCloseButtonHighlighted = overClose;
    InvalidateRect(&m_rectCloseButton);
  }
  const int tab = GetTabFromPoint(point);
  if (tab != m_iHighlighted) {
    m_iHighlighted = tab;
    Redraw();
  }
  CWnd::OnMouseMove(nFlags, point);
}

// The mouse left the control: nothing stays highlighted, and a press on the close button is dropped (its
// release will not come here).
void CMFCTabCtrl::OnMouseLeave() {
  const bool changed = m_iHighlighted != -1 || m_bTabCloseButtonHighlighted || m_bTabCloseButtonPressed;
  m_iHighlighted = -1;
  m_bTabCloseButtonHighlighted = m_bTabCloseButtonPressed = FALSE;
  if (changed) Redraw();
  CWnd::OnMouseLeave();
}
