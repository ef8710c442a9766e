// CMFCTabCtrl's painting: everything goes through the installed visual manager.
#include "mfc/tab_ctrl_mfc.h"
#include "mfc/visual_manager.h"

BOOL CMFCTabCtrl::OnEraseBkgnd(CDC*) { return TRUE; }  // OnPaint covers every pixel the pages leave

void CMFCTabCtrl::OnPaint() {
  CPaintDC dc(this);
  CMFCVisualManager* manager = CMFCVisualManager::GetInstance();
  const CRect area = GetTabStrip();

  CRect frame = m_rectWndArea;
  frame.InflateRect(1, 1);
  manager->OnEraseTabsFrame(&dc, frame, this);
  manager->OnEraseTabsArea(&dc, area, this);

  CFont* oldFont = dc.SelectObject(CFont::FromHandle(GetTabsFont()));
  dc.SetBkMode(TRANSPARENT);
  // The active tab last, so that it lies over its neighbours.
  for (int i = 0; i < GetTabsNum(); ++i) {
    if (i != m_iActiveTab && !m_tabs[static_cast<size_t>(i)].rect.IsRectEmpty()) {
      manager->OnDrawTab(&dc, m_tabs[static_cast<size_t>(i)].rect, i, FALSE, this);
    }
  }
  if (m_iActiveTab >= 0 && !m_tabs[static_cast<size_t>(m_iActiveTab)].rect.IsRectEmpty()) {
    manager->OnDrawTab(&dc, m_tabs[static_cast<size_t>(m_iActiveTab)].rect, m_iActiveTab, TRUE, this);
  }
  if (!m_rectCloseButton.IsRectEmpty()) {
    manager->OnDrawTabCloseButton(&dc, m_rectCloseButton, this, m_bTabCloseButtonHighlighted,
                                  m_bTabCloseButtonPressed, FALSE);
  }
  dc.SelectObject(oldFont);

  // Scroll buttons are disabled where there is nothing more to scroll.
  const bool canScrollLeft = m_iFirstVisibleTab > 0;
  const bool canScrollRight = GetTabsNum() > 0 && !IsTabFullyVisible(GetTabsNum() - 1);
  const struct {
    CRect rect;
    UINT glyph;
    bool enabled;
  } buttons[] = {{m_rectScrollLeft, static_cast<UINT>(DFCS_SCROLLLEFT), canScrollLeft},
                 {m_rectScrollRight, static_cast<UINT>(DFCS_SCROLLRIGHT), canScrollRight},
                 {m_rectDocumentsMenu, static_cast<UINT>(DFCS_SCROLLDOWN), GetTabsNum() > 0}};
  for (const auto& button : buttons) {
    if (button.rect.IsRectEmpty()) continue;
    UINT state = button.enabled ? 0 : ODS_DISABLED;
    if (m_nPressedButton == button.glyph) state |= ODS_SELECTED;
    CRect rect = button.rect;
    manager->OnDrawTabsButtonBorder(&dc, rect, state, this);
    manager->OnDrawTabsButtonGlyph(&dc, button.rect, button.glyph, state, this);
  }
}
