// CMFCBaseTabCtrl: the list of tabs and their windows, activation with the parent's consent,
// labels, icons and colours. Geometry and painting belong to CMFCTabCtrl.
#include <algorithm>

#include "mfc/exceptions.h"
#include "mfc/tab_ctrl_mfc.h"

IMPLEMENT_DYNAMIC(CMFCBaseTabCtrl, CWnd)

const UINT AFX_WM_CHANGE_ACTIVE_TAB = ::RegisterWindowMessageW(L"AFX_WM_ON_CHANGE_ACTIVE_TAB");
const UINT AFX_WM_CHANGING_ACTIVE_TAB = ::RegisterWindowMessageW(L"AFX_WM_ON_CHANGING_ACTIVE_TAB");

namespace {

// Soft colours that tell neighbouring tabs apart.
const std::vector<COLORREF>& DefaultAutoColors() {
  static const std::vector<COLORREF> colors = {RGB(148, 175, 230), RGB(255, 219, 117), RGB(189, 205, 159),
                                               RGB(240, 158, 159), RGB(186, 166, 225), RGB(154, 191, 180),
                                               RGB(247, 182, 131), RGB(216, 171, 192)};
  return colors;
}

}  // namespace

CMFCBaseTabCtrl::CMFCBaseTabCtrl() : m_autoColors(DefaultAutoColors()) {}
CMFCBaseTabCtrl::~CMFCBaseTabCtrl() = default;

void CMFCBaseTabCtrl::CheckIndex(int iTab) const {
  if (iTab < 0 || iTab >= GetTabsNum()) AfxThrowInvalidArgException();
}

LRESULT CMFCBaseTabCtrl::NotifyParent(UINT message, int iTab) {
  HWND parent = m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr;
  if (parent == nullptr) return 0;
  return ::SendMessageW(parent, message, static_cast<WPARAM>(iTab), reinterpret_cast<LPARAM>(this));
}

void CMFCBaseTabCtrl::Redraw() {
  if (m_hWnd != nullptr) Invalidate();
}

// ---- Tabs ----

void CMFCBaseTabCtrl::AddTab(CWnd* pTabWnd, LPCWSTR lpszTabLabel, UINT uiImageId, BOOL bDetachable) {
  InsertTab(pTabWnd, lpszTabLabel, GetTabsNum(), uiImageId, bDetachable);
}

void CMFCBaseTabCtrl::InsertTab(CWnd* pNewWnd, LPCWSTR lpszTabLabel, int nInsertAt, UINT uiImageId,
                                BOOL bDetachable) {
  if (pNewWnd == nullptr || !::IsWindow(pNewWnd->m_hWnd)) AfxThrowInvalidArgException();
  if (m_hWnd != nullptr && ::GetParent(pNewWnd->m_hWnd) != m_hWnd) ::SetParent(pNewWnd->m_hWnd, m_hWnd);
  nInsertAt = std::clamp(nInsertAt, 0, GetTabsNum());
  TabInfo tab;
  tab.label = lpszTabLabel != nullptr ? lpszTabLabel : L"";
  tab.wnd = pNewWnd;
  tab.icon = uiImageId;
  tab.detachable = bDetachable;
  m_tabs.insert(m_tabs.begin() + nInsertAt, tab);
  if (m_iActiveTab >= nInsertAt) ++m_iActiveTab;
  if (m_iActiveTab < 0) {
    SetActiveTab(nInsertAt);
  } else {
    pNewWnd->ShowWindow(SW_HIDE);
    RecalcLayout();
    Redraw();
  }
}

BOOL CMFCBaseTabCtrl::RemoveTab(int iTab, BOOL bRecalcLayout) {
  CheckIndex(iTab);
  CWnd* wnd = m_tabs[static_cast<size_t>(iTab)].wnd;
  if (::IsWindow(wnd->m_hWnd)) wnd->ShowWindow(SW_HIDE);
  m_tabs.erase(m_tabs.begin() + iTab);
  m_bTabCloseButtonHighlighted = m_bTabCloseButtonPressed = FALSE;
  m_iHighlighted = -1;
  if (iTab < m_iActiveTab) {
    --m_iActiveTab;
  } else if (iTab == m_iActiveTab) {
    m_iActiveTab = -1;
    if (!m_tabs.empty()) SetActiveTab(std::min(iTab, GetTabsNum() - 1));
  }
  m_iFirstVisibleTab = std::clamp(m_iFirstVisibleTab, 0, std::max(0, GetTabsNum() - 1));
  if (bRecalcLayout) RecalcLayout();
  Redraw();
  return TRUE;
}

void CMFCBaseTabCtrl::RemoveAllTabs() {
  for (TabInfo& tab : m_tabs) {
    if (::IsWindow(tab.wnd->m_hWnd)) tab.wnd->ShowWindow(SW_HIDE);
  }
  m_tabs.clear();
  m_iActiveTab = -1;
  m_iFirstVisibleTab = 0;
  m_iHighlighted = -1;
  m_bTabCloseButtonHighlighted = m_bTabCloseButtonPressed = FALSE;
  RecalcLayout();
  Redraw();
}

void CMFCBaseTabCtrl::MoveTab(int nSource, int nDest) {
  CheckIndex(nSource);
  CheckIndex(nDest);
  if (nSource == nDest) return;
  TabInfo moved = m_tabs[static_cast<size_t>(nSource)];
  m_tabs.erase(m_tabs.begin() + nSource);
  m_tabs.insert(m_tabs.begin() + nDest, moved);
  // The active tab stays the same tab at its new index.
  if (m_iActiveTab == nSource) {
    m_iActiveTab = nDest;
  } else if (nSource < m_iActiveTab && m_iActiveTab <= nDest) {
    --m_iActiveTab;
  } else if (nDest <= m_iActiveTab && m_iActiveTab < nSource) {
    ++m_iActiveTab;
  }
  RecalcLayout();
  Redraw();
}

// ---- Activation ----

BOOL CMFCBaseTabCtrl::SetActiveTab(int iTab) {
  CheckIndex(iTab);
  if (iTab != m_iActiveTab) {
    if (NotifyParent(AFX_WM_CHANGING_ACTIVE_TAB, iTab) != 0) return FALSE;
    m_iActiveTab = iTab;
    m_bTabCloseButtonHighlighted = m_bTabCloseButtonPressed = FALSE;
    RecalcLayout();
    EnsureVisible(iTab);
    Redraw();
    NotifyParent(AFX_WM_CHANGE_ACTIVE_TAB, iTab);
  } else {
    PlaceTabWindows();
  }
  return TRUE;
}

void CMFCBaseTabCtrl::PlaceTabWindows() {
  for (int i = 0; i < GetTabsNum(); ++i) {
    CWnd* wnd = m_tabs[static_cast<size_t>(i)].wnd;
    if (!::IsWindow(wnd->m_hWnd)) continue;
    if (i == m_iActiveTab) {
      wnd->SetWindowPos(nullptr, m_rectWndArea.left, m_rectWndArea.top, m_rectWndArea.Width(),
                        m_rectWndArea.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    } else {
      wnd->ShowWindow(SW_HIDE);
    }
  }
}

CWnd* CMFCBaseTabCtrl::GetActiveWnd() const { return GetTabWnd(m_iActiveTab); }

CWnd* CMFCBaseTabCtrl::GetTabWnd(int iTab) const {
  if (iTab < 0 || iTab >= GetTabsNum()) return nullptr;
  return m_tabs[static_cast<size_t>(iTab)].wnd;
}

int CMFCBaseTabCtrl::GetTabFromHwnd(HWND hwnd) const {
  for (int i = 0; i < GetTabsNum(); ++i) {
    if (m_tabs[static_cast<size_t>(i)].wnd->m_hWnd == hwnd) return i;
  }
  return -1;
}

// ---- Labels, icons, colours ----

BOOL CMFCBaseTabCtrl::GetTabLabel(int iTab, std::wstring& strLabel) const {
  if (iTab < 0 || iTab >= GetTabsNum()) return FALSE;
  strLabel = m_tabs[static_cast<size_t>(iTab)].label;
  return TRUE;
}

BOOL CMFCBaseTabCtrl::SetTabLabel(int iTab, const std::wstring& strLabel) {
  CheckIndex(iTab);
  m_tabs[static_cast<size_t>(iTab)].label = strLabel;
  RecalcLayout();
  Redraw();
  return TRUE;
}

UINT CMFCBaseTabCtrl::GetTabIcon(int iTab) const {
  if (iTab < 0 || iTab >= GetTabsNum()) return static_cast<UINT>(-1);
  return m_tabs[static_cast<size_t>(iTab)].icon;
}

BOOL CMFCBaseTabCtrl::SetTabIcon(int iTab, UINT uiIcon) {
  CheckIndex(iTab);
  m_tabs[static_cast<size_t>(iTab)].icon = uiIcon;
  RecalcLayout();
  Redraw();
  return TRUE;
}

BOOL CMFCBaseTabCtrl::SetTabIconOnly(int iTab, BOOL bIconOnly, BOOL /*bAlwaysShowToolTip*/, BOOL bRedraw) {
  CheckIndex(iTab);
  m_tabs[static_cast<size_t>(iTab)].iconOnly = bIconOnly;
  RecalcLayout();
  if (bRedraw) Redraw();
  return TRUE;
}

BOOL CMFCBaseTabCtrl::IsTabIconOnly(int iTab) const {
  return iTab >= 0 && iTab < GetTabsNum() && m_tabs[static_cast<size_t>(iTab)].iconOnly;
}

std::wstring CMFCBaseTabCtrl::GetTabToolTip(int iTab) const {
  return IsTabIconOnly(iTab) ? m_tabs[static_cast<size_t>(iTab)].label : std::wstring();
}

BOOL CMFCBaseTabCtrl::SetImageList(HIMAGELIST hImageList) {
  m_hImageList = hImageList;
  RecalcLayout();
  Redraw();
  return TRUE;
}

CSize CMFCBaseTabCtrl::GetImageSize() const {
  int cx = 0;
  int cy = 0;
  if (m_hImageList != nullptr && ::ImageList_GetIconSize(m_hImageList, &cx, &cy)) return CSize(cx, cy);
  return CSize(16, 16);
}

COLORREF CMFCBaseTabCtrl::GetTabBkColor(int iTab) const {
  if (iTab < 0 || iTab >= GetTabsNum()) return static_cast<COLORREF>(-1);
  if (m_bIsAutoColor && !m_autoColors.empty()) return m_autoColors[static_cast<size_t>(iTab) % m_autoColors.size()];
  return static_cast<COLORREF>(-1);
}

void CMFCBaseTabCtrl::EnableAutoColor(BOOL bEnable) {
  m_bIsAutoColor = bEnable;
  Redraw();
}

void CMFCBaseTabCtrl::SetAutoColors(const std::vector<COLORREF>& colors) {
  m_autoColors = colors.empty() ? DefaultAutoColors() : colors;
  Redraw();
}

// ---- Close button, geometry ----

void CMFCBaseTabCtrl::EnableActiveTabCloseButton(BOOL bEnable) {
  m_bActiveTabCloseButton = bEnable;
  m_bTabCloseButtonHighlighted = m_bTabCloseButtonPressed = FALSE;
  RecalcLayout();
  Redraw();
}



BOOL CMFCBaseTabCtrl::GetTabRect(int iTab, CRect& rect) const {
  if (iTab < 0 || iTab >= GetTabsNum()) return FALSE;
  rect = m_tabs[static_cast<size_t>(iTab)].rect;
  return TRUE;
}

int CMFCBaseTabCtrl::GetTabFromPoint(CPoint& pt) const {
  for (int i = 0; i < GetTabsNum(); ++i) {
    if (m_tabs[static_cast<size_t>(i)].rect.PtInRect(pt)) return i;
  }
  return -1;
}

BOOL CMFCBaseTabCtrl::IsTabFullyVisible(int iTab) const {
  if (iTab < 0 || iTab >= GetTabsNum()) return FALSE;
  const TabInfo& tab = m_tabs[static_cast<size_t>(iTab)];
  return tab.fullyVisible && !tab.rect.IsRectEmpty();
}
