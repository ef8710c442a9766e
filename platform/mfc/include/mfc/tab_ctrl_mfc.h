// CMFCBaseTabCtrl and CMFCTabCtrl: a strip of tabs over a page area, one child window per tab.
// The active tab's window is shown in the page area and the others are hidden. Tabs carry a label,
// an optional icon from the control's image list, an optional colour, and on the active tab an
// optional close button. Tabs that don't fit are scrolled (two scroll buttons) or reached through a
// documents menu that lists every tab. Everything is painted by the visual manager.
//
// The parent hears about activation through registered messages (wParam = the tab index,
// lParam = the CMFCBaseTabCtrl*): AFX_WM_CHANGING_ACTIVE_TAB before (a nonzero answer refuses the
// change) and AFX_WM_CHANGE_ACTIVE_TAB after. An index outside the tabs throws CInvalidArgException
// from the operations that change a tab; the queries answer -1, null or FALSE instead.
#pragma once

#include <string>
#include <vector>

#include "mfc/wnd.h"

extern const UINT AFX_WM_CHANGE_ACTIVE_TAB;
extern const UINT AFX_WM_CHANGING_ACTIVE_TAB;

class CMFCBaseTabCtrl : public CWnd {
  DECLARE_DYNAMIC(CMFCBaseTabCtrl)
 public:
  // The tabs sit above the pages.
  enum Location { LOCATION_TOP = 1 };

  CMFCBaseTabCtrl();
  ~CMFCBaseTabCtrl() override;

  // ---- Tabs ----
  // Appends a tab for the window (made a child of the control when it isn't). The first tab
  // becomes active; later ones start hidden. uiImageId indexes the image list ((UINT)-1: no icon).
  virtual void AddTab(CWnd* pTabWnd, LPCWSTR lpszTabLabel, UINT uiImageId = static_cast<UINT>(-1),
                      BOOL bDetachable = TRUE);
  // Inserts before nInsertAt (clamped to the end).
  virtual void InsertTab(CWnd* pNewWnd, LPCWSTR lpszTabLabel, int nInsertAt, UINT uiImageId = static_cast<UINT>(-1),
                         BOOL bDetachable = TRUE);
  // Takes the tab out; its window is hidden, not destroyed. When it was active, the tab that takes
  // its place (or the new last one) becomes active.
  virtual BOOL RemoveTab(int iTab, BOOL bRecalcLayout = TRUE);
  virtual void RemoveAllTabs();
  // Moves a tab to another position; the active tab stays the same tab.
  virtual void MoveTab(int nSource, int nDest);
  int GetTabsNum() const { return static_cast<int>(m_tabs.size()); }

  // ---- Activation ----
  // Shows that tab's window and hides the others, scrolls the tab into view and tells the parent.
  // FALSE when the parent refused.
  virtual BOOL SetActiveTab(int iTab);
  int GetActiveTab() const { return m_iActiveTab; }
  CWnd* GetActiveWnd() const;
  CWnd* GetTabWnd(int iTab) const;
  // The tab whose window is hwnd, or -1.
  int GetTabFromHwnd(HWND hwnd) const;

  // ---- Labels, icons, colours ----
  BOOL GetTabLabel(int iTab, std::wstring& strLabel) const;
  virtual BOOL SetTabLabel(int iTab, const std::wstring& strLabel);
  UINT GetTabIcon(int iTab) const;
  virtual BOOL SetTabIcon(int iTab, UINT uiIcon);
  // An icon-only tab shows its icon alone and keeps its label for the tab list and its tooltip. No tooltip
  // window is drawn here: GetTabToolTip answers what it would show (so bAlwaysShowToolTip changes nothing).
  virtual BOOL SetTabIconOnly(int iTab, BOOL bIconOnly = TRUE, BOOL bAlwaysShowToolTip = FALSE, BOOL bRedraw = TRUE);
  BOOL IsTabIconOnly(int iTab) const;
  // The tooltip a tab gives: the label of an icon-only tab, else empty (its label shows).
  std::wstring GetTabToolTip(int iTab) const;
  // The icons of the tabs (not owned). A tab with an empty label shows its icon alone.
  virtual BOOL SetImageList(HIMAGELIST hImageList);
  HIMAGELIST GetImageListHandle() const { return m_hImageList; }
  // The size in which tab icons are laid out: the image list's, else 16 x 16.
  virtual CSize GetImageSize() const;
  // The tab's fill: the automatic colour, else (COLORREF)-1 (the look's default).
  virtual COLORREF GetTabBkColor(int iTab) const;
  // Automatic colours: tab i takes colour i (modulo their count) of the palette.
  void EnableAutoColor(BOOL bEnable = TRUE);
  BOOL IsAutoColor() const { return m_bIsAutoColor; }
  void SetAutoColors(const std::vector<COLORREF>& colors);

  // ---- Close button on the active tab ----
  // Pressing it sets the pressed and highlighted flags (a derived control may act on them in its own
  // WM_LBUTTONUP before the base's); releasing on it sends WM_CLOSE to the active tab's window.
  virtual void EnableActiveTabCloseButton(BOOL bEnable = TRUE);
  virtual BOOL IsActiveTabCloseButton() const { return m_bActiveTabCloseButton; }
  BOOL IsTabCloseButtonHighlighted() const { return m_bTabCloseButtonHighlighted; }
  BOOL IsTabCloseButtonPressed() const { return m_bTabCloseButtonPressed; }
  // The close button's rectangle in client coordinates (empty when there is none).
  CRect GetTabCloseButton() const { return m_rectCloseButton; }
  int GetHighlightedTab() const { return m_iHighlighted; }

  // ---- Geometry ----
  int GetTabsHeight() const { return m_nTabsHeight; }
  // Places the tabs, the buttons and the active window again.
  virtual void RecalcLayout() = 0;
  // The tab rectangle in client coordinates; FALSE for an index outside the tabs. A tab that is
  // scrolled out of view or would be cut by the tab area's end is not shown and has an empty
  // rectangle, so a tab is fully visible exactly when its rectangle is not empty and ends inside
  // the tab area (only the first visible tab, when it alone is wider than the area, shows cut).
  BOOL GetTabRect(int iTab, CRect& rect) const;
  // The part of a tab that holds its icon and label.
  virtual CRect GetTabContentRect(int iTab) const = 0;
  // The tab under a point in client coordinates, or -1.
  virtual int GetTabFromPoint(CPoint& pt) const;
  // The strip of tabs above the pages (the bottom rectangle is empty).
  virtual void GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const = 0;
  // Where the tab windows go, in client coordinates.
  virtual void GetWndArea(CRect& rect) const { rect = m_rectWndArea; }
  // Whether the whole tab lies inside the tab area.
  BOOL IsTabFullyVisible(int iTab) const;
  virtual int GetFirstVisibleTabNum() const { return m_iFirstVisibleTab; }
  // Scrolls the tabs so that this one is fully visible (when it fits at all); FALSE when it isn't.
  virtual BOOL EnsureVisible(int iTab) = 0;

  // ---- Look ----
  virtual BOOL IsOneNoteStyle() const { return FALSE; }

 protected:
  struct TabInfo {
    std::wstring label;
    CWnd* wnd = nullptr;
    UINT icon = static_cast<UINT>(-1);
    BOOL detachable = TRUE;
    BOOL iconOnly = FALSE;
    CRect rect;                // client coordinates; empty when scrolled out of view
    BOOL fullyVisible = FALSE;
  };

  // Puts the active tab's window into the page area and hides the others.
  void PlaceTabWindows();
  void Redraw();
  void CheckIndex(int iTab) const;
  // Tells the parent; returns its answer.
  LRESULT NotifyParent(UINT message, int iTab);

  std::vector<TabInfo> m_tabs;
  int m_iActiveTab = -1;
  int m_iFirstVisibleTab = 0;
  int m_iHighlighted = -1;
  int m_nTabsHeight = 24;
  HIMAGELIST m_hImageList = nullptr;
  BOOL m_bIsAutoColor = FALSE;
  std::vector<COLORREF> m_autoColors;
  BOOL m_bActiveTabCloseButton = FALSE;
  BOOL m_bTabCloseButtonHighlighted = FALSE;
  BOOL m_bTabCloseButtonPressed = FALSE;
  CRect m_rectCloseButton;
  CRect m_rectWndArea;
  // Whether the tabs scroll (they always may here; tabs that don't fit are scrolled into view).
  BOOL m_bScroll = TRUE;
};

class CMFCTabCtrl : public CMFCBaseTabCtrl {
  DECLARE_DYNCREATE(CMFCTabCtrl)
 public:
  enum Style {
    STYLE_3D = 0,
    STYLE_FLAT = 1,
    STYLE_FLAT_SHARED_HORZ_SCROLL = 2,
    STYLE_3D_SCROLLED = 3,
    STYLE_3D_ONENOTE = 4,
    STYLE_3D_VS2005 = 5,
    STYLE_3D_ROUNDED = 6,
    STYLE_3D_ROUNDED_SCROLL = 7,
  };

  CMFCTabCtrl();
  ~CMFCTabCtrl() override;

  // A visible child of pParentWnd. The tab area's own close button (bCloseBtn) is not offered;
  // the active tab's close button is (EnableActiveTabCloseButton).
  using CMFCBaseTabCtrl::Create;
  BOOL Create(Style style, const RECT& rect, CWnd* pParentWnd, UINT nID, Location location = LOCATION_TOP,
              BOOL bCloseBtn = FALSE);

  // A button at the end of the tab area lists every tab in a popup menu; the chosen one becomes active.
  void EnableTabDocumentsMenu(BOOL bEnable = TRUE);
  BOOL IsTabDocumentsMenu() const { return m_bTabDocumentsMenu; }
  BOOL EnsureVisible(int iTab) override;

  BOOL IsOneNoteStyle() const override { return m_style == STYLE_3D_ONENOTE; }

  void RecalcLayout() override;
  CRect GetTabContentRect(int iTab) const override;
  void GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const override;
  // The tab area without the buttons at its end.
  void GetTabsRect(CRect& rect) const { rect = m_rectTabsArea; }
  // The scroll buttons (left, right) and the documents-menu button; empty when not shown.
  CRect GetScrollLeftButton() const { return m_rectScrollLeft; }
  CRect GetScrollRightButton() const { return m_rectScrollRight; }
  CRect GetTabDocumentsMenuButton() const { return m_rectDocumentsMenu; }

  // Width of a tab: slant, padding, icon, label and (on the active tab) the close button; 0 for an
  // index outside the tabs.
  virtual int GetTabWidth(int iTab) const;

 protected:
  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  void OnSize(UINT nType, int cx, int cy);
  void OnPaint();
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonUp(UINT nFlags, CPoint point);
  void OnMouseMove(UINT nFlags, CPoint point);
  void OnMouseLeave();
  LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
  LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);

  // The documents menu: every tab, the active one checked; the chosen tab is activated.
  void ShowTabDocumentsMenu();
  // The tab area (GetTabArea's top rectangle).
  CRect GetTabStrip() const;
  void Scroll(int nDelta);
  HFONT GetTabsFont() const;
  // Which button of the tab area lies under the point (DFCS_SCROLLLEFT, ...), or (UINT)-1.
  UINT ButtonFromPoint(CPoint point) const;

  Style m_style = STYLE_3D;
  BOOL m_bTabDocumentsMenu = FALSE;
  HFONT m_hFont = nullptr;
  CRect m_rectTabsArea;
  CRect m_rectScrollLeft;
  CRect m_rectScrollRight;
  CRect m_rectDocumentsMenu;
  UINT m_nPressedButton = static_cast<UINT>(-1);

  DECLARE_MESSAGE_MAP()
};
