// CMFCVisualManager: the one object that paints the feature-pack controls (tab controls, the menu
// bar, menu buttons, link buttons). Controls never choose a colour or fill themselves: they ask the
// installed manager, so a program changes the whole look by installing a subclass
// (SetDefaultManager(RUNTIME_CLASS(MyManager))). The base class gives a plain light look.
#pragma once

#include "mfc/dc.h"
#include "mfc/geometry.h"
#include "mfc/object.h"

class CMFCBaseTabCtrl;
class CMFCButton;
class CMFCLinkCtrl;
class CMFCMenuButton;
class CMFCToolBarButton;
class CMFCToolBarMenuButton;
class CWnd;

// How a bar button is shown.
enum AFX_BUTTON_STATE { ButtonsIsRegular, ButtonsIsPressed, ButtonsIsHighlighted };

class CMFCVisualManager : public CObject {
  DECLARE_DYNCREATE(CMFCVisualManager)
 public:
  CMFCVisualManager();
  ~CMFCVisualManager() override;

  // Replaces the installed manager by a new object of that class (a CMFCVisualManager or derived,
  // dynamically creatable; anything else is ignored) and repaints every window.
  static void SetDefaultManager(CRuntimeClass* pRTI);
  // The installed manager; the base class is installed on first use.
  static CMFCVisualManager* GetInstance();
  // Drops the installed manager (the next GetInstance makes a new one of the installed class).
  static void DestroyInstance();
  // Repaints every top-level window and its children, after the look changed.
  static void RedrawAll();

  // ---- Tab controls ----
  // The strip behind the tabs, and the frame around the page area.
  virtual void OnEraseTabsArea(CDC* pDC, CRect rect, const CMFCBaseTabCtrl* pTabWnd);
  virtual BOOL OnEraseTabsFrame(CDC* pDC, CRect rect, const CMFCBaseTabCtrl* pTabWnd);
  // One tab: its shape (OnFillTab with the tab's brush) and its content (OnDrawTabContent).
  virtual void OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive, const CMFCBaseTabCtrl* pTabWnd);
  // The tab's shape in pbrFill, outlined; OneNote tabs have a slanted leading edge.
  virtual void OnFillTab(CDC* pDC, CRect rectFill, CBrush* pbrFill, int iTab, BOOL bIsActive,
                         const CMFCBaseTabCtrl* pTabWnd);
  // The icon and label inside a tab.
  virtual void OnDrawTabContent(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive, const CMFCBaseTabCtrl* pTabWnd,
                                COLORREF clrText);
  virtual COLORREF GetTabTextColor(const CMFCBaseTabCtrl* pTabWnd, int iTab, BOOL bIsActive);
  // The fill of a tab without a colour of its own.
  virtual COLORREF GetTabBackColor(const CMFCBaseTabCtrl* pTabWnd, BOOL bIsActive);
  // The close button on the active tab.
  virtual void OnDrawTabCloseButton(CDC* pDC, CRect rect, const CMFCBaseTabCtrl* pTabWnd, BOOL bIsHighlighted,
                                    BOOL bIsPressed, BOOL bIsDisabled);
  // A scroll or documents-menu button of the tab area: its face (uiState: ODS_SELECTED pressed,
  // ODS_HOTLIGHT highlighted, ODS_DISABLED) and its glyph (DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT,
  // DFCS_SCROLLDOWN for the documents menu).
  virtual void OnDrawTabsButtonBorder(CDC* pDC, CRect& rect, UINT uiState, const CMFCBaseTabCtrl* pWndTab);
  virtual void OnDrawTabsButtonGlyph(CDC* pDC, CRect rect, UINT nGlyph, UINT uiState,
                                     const CMFCBaseTabCtrl* pWndTab);

  // ---- Bars (the menu bar) ----
  virtual void OnFillBarBackground(CDC* pDC, CWnd* pBar, CRect rectClient, CRect rectClip, BOOL bNCArea = FALSE);
  virtual void OnFillButtonInterior(CDC* pDC, CMFCToolBarButton* pButton, CRect rect, AFX_BUTTON_STATE state);
  virtual void OnDrawButtonBorder(CDC* pDC, CMFCToolBarButton* pButton, CRect rect, AFX_BUTTON_STATE state);
  // Text of a menu-bar item.
  virtual COLORREF GetMenuItemTextColor(CMFCToolBarMenuButton* pButton, BOOL bHighlighted, BOOL bDisabled);
  // The font of menus, tabs and buttons.
  virtual CFont* GetMenuFont();

  // ---- Popup menus (opened from the menu bar, menu buttons, tab controls or CMenu::TrackPopupMenu) ----
  // The background, a separator row (a line across it) and the text of plain items (GetMenuItemTextColor
  // without a bar button). Owner-drawn items paint themselves.
  virtual void OnFillPopupMenuBackground(CDC* pDC, CRect rect);
  virtual void OnDrawPopupMenuSeparator(CDC* pDC, CRect rect);

  // ---- Push buttons (menu buttons, links) ----
  // Face and border; uiState holds ODS_SELECTED (pressed), ODS_HOTLIGHT, ODS_DISABLED, ODS_FOCUS.
  virtual void OnDrawPushButton(CDC* pDC, CRect rect, CMFCButton* pButton, UINT uiState);
  virtual COLORREF GetButtonTextColor(CMFCButton* pButton, UINT uiState);
  // The drop arrow of a menu button (pointing down, or right with m_bRightArrow).
  virtual void OnDrawMenuButtonArrow(CDC* pDC, CRect rect, CMFCMenuButton* pButton, BOOL bRightArrow,
                                     BOOL bDisabled);
  // A link's text.
  virtual COLORREF GetLinkTextColor(CMFCLinkCtrl* pLink);
  // The colour of the small arrows drawn on tab-area buttons and menu buttons.
  virtual COLORREF GetGlyphColor(BOOL bDisabled);

  // The cross of a close button: two diagonal strokes, 2 pixels wide, inset 4 pixels in rect.
  static void DrawCloseCross(CDC* pDC, const CRect& rect, COLORREF color);
};
