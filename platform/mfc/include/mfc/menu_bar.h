// CMFCMenuBar: the frame's menu as a bar of buttons along its top. Each top-level item of the menu
// it was built from (CreateFromMenu) is a button; clicking one opens the item's popup, tracked
// through the Windows menu stand-in (so the modal responder answers it), and the chosen command
// goes to the owner frame as WM_COMMAND. Update handlers (ON_UPDATE_COMMAND_UI) run over a popup's
// items before it opens and over the bar's own buttons at idle time (WM_IDLEUPDATECMDUI).
// The bar reads the menu it was given; it neither copies nor owns it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "mfc/frame.h"
#include "mfc/wnd.h"

// Control-bar style bits (the low word is the bar's, the high word the window's).
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_GRIPPER 0x00400000L
#define AFX_DEFAULT_TOOLBAR_STYLE (WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_HIDE_INPLACE)

// Button state bits.
#define TBBS_CHECKED 0x00010000L
#define TBBS_PRESSED 0x00020000L
#define TBBS_DISABLED 0x00040000L

// One button of a bar.
class CMFCToolBarButton : public CObject {
  DECLARE_DYNAMIC(CMFCToolBarButton)
 public:
  CMFCToolBarButton(UINT uiID, const std::wstring& strText) : m_nID(uiID), m_strText(strText) {}

  UINT m_nID;
  std::wstring m_strText;
  UINT m_nStyle = 0;  // TBBS_ bits

  const CRect& Rect() const { return m_rect; }
  void SetRect(const CRect& rect) { m_rect = rect; }
  BOOL IsDisabled() const { return (m_nStyle & TBBS_DISABLED) != 0; }

 private:
  CRect m_rect;
};

// A bar button that opens a popup menu (the menu is the bar's menu's, not owned).
class CMFCToolBarMenuButton : public CMFCToolBarButton {
  DECLARE_DYNAMIC(CMFCToolBarMenuButton)
 public:
  CMFCToolBarMenuButton(UINT uiID, HMENU hMenu, const std::wstring& strText)
      : CMFCToolBarButton(uiID, strText), m_hMenu(hMenu) {}
  HMENU GetMenu() const { return m_hMenu; }

 private:
  HMENU m_hMenu;
};

class CMFCMenuBar : public CWnd {
  DECLARE_DYNCREATE(CMFCMenuBar)
 public:
  CMFCMenuBar();
  ~CMFCMenuBar() override;

  // A child bar of pParentWnd (normally the frame); the window takes the WS_ bits of dwStyle.
  using CWnd::Create;
  virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = AFX_DEFAULT_TOOLBAR_STYLE, UINT nID = AFX_IDW_MENUBAR);
  // Builds the buttons from the menu's top-level items. The same menu again is ignored unless
  // bForceUpdate; bDefaultMenu also makes it the menu GetDefaultMenu returns.
  virtual void CreateFromMenu(HMENU hMenu, BOOL bDefaultMenu = FALSE, BOOL bForceUpdate = FALSE);
  HMENU GetHMenu() const { return m_hMenu; }
  HMENU GetDefaultMenu() const { return m_hDefaultMenu; }

  int GetCount() const { return static_cast<int>(m_buttons.size()); }
  // The button at that index (a CMFCToolBarMenuButton for popups), or null.
  CMFCToolBarButton* GetMenuItem(int iItem) const;
  // The button under a point in client coordinates, or -1.
  int HitTest(CPoint point) const;
  // The button the mouse is over (drawn highlighted), or null; the mouse leaving the bar clears it.
  CMFCToolBarButton* GetHighlightedButton() const { return GetMenuItem(m_iHighlighted); }
  // The bar's height for its font.
  int GetRowHeight() const;

  // The font of every menu bar (and of the tabs and buttons that the visual manager paints).
  static const CFont& GetMenuFont(BOOL bHorz = TRUE);

  // Runs the update handlers of pTarget over the bar's command buttons.
  virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);

 protected:
  void OnPaint();
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnSize(UINT nType, int cx, int cy);
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnMouseMove(UINT nFlags, CPoint point);
  void OnMouseLeave();
  LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
  LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

  // Where commands go: the owner (the frame).
  CWnd* GetCommandTarget() const;
  // Opens the button's popup with its items updated, and posts the chosen command to the frame.
  void OpenPopup(int iButton);
  void RecalcLayout();

  HMENU m_hMenu = nullptr;
  HMENU m_hDefaultMenu = nullptr;
  std::vector<std::unique_ptr<CMFCToolBarButton>> m_buttons;
  int m_iHighlighted = -1;
  int m_iOpened = -1;

  DECLARE_MESSAGE_MAP()
};
