// CFrameWnd: a top-level window that routes commands (active view, itself, the application),
// lays out its control bars, tracks activation and deletes itself once its window is destroyed.
#pragma once

#include <string>

#include "mfc/wnd.h"

struct CCreateContext;

// Frame styles the class library adds to the window style.
#define FWS_ADDTOTITLE 0x00008000L

// Ids of the frame's standard children: control bars (the menu bar is 0xE806) and the main pane.
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST 0xE8FF
#define AFX_IDW_MENUBAR 0xE806
#define AFX_IDW_PANE_FIRST 0xE900

class CFrameWnd : public CWnd {
  DECLARE_DYNCREATE(CFrameWnd)
 public:
  static const CRect rectDefault;  // lets the system choose position and size
  CFrameWnd();
  ~CFrameWnd() override;

  // A top-level frame (or a child frame when the style says WS_CHILD). A null class name uses the
  // library's frame class. Menus are attached by the menu bar, not from lpszMenuName.
  using CWnd::Create;
  virtual BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                      const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCWSTR lpszMenuName = nullptr,
                      DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
  // Uses the frame class when none is given and adds WS_EX_CLIENTEDGE, as the library's frames do.
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  // Frames belong to their window: the object deletes itself here.
  void PostNcDestroy() override;

  // Commands go to the active view first, then to the frame's own map, then to the application.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

  // Lets every child take its space from the client area (WM_SIZEPARENT, control bars such as the
  // menu bar dock on top this way) and fits the main pane (id AFX_IDW_PANE_FIRST) into the rest.
  virtual void RecalcLayout(BOOL bNotify = TRUE);
  // The frame whose view is active: this frame for single-document frames.
  virtual CFrameWnd* GetActiveFrame();
  void SetActiveView(CWnd* pViewNew, BOOL bNotify = TRUE);

  void SetTitle(LPCWSTR lpszTitle) { m_strTitle = lpszTitle != nullptr ? lpszTitle : L""; }
  std::wstring GetTitle() const { return m_strTitle; }
  // Whether this frame's top-level window is the active one (WM_ACTIVATETOPLEVEL).
  BOOL IsTopLevelActive() const { return m_bTopLevelActive; }

  // Menu items without any handler are disabled when the menu is updated.
  BOOL m_bAutoMenuEnable = TRUE;

 protected:
  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  void OnSize(UINT nType, int cx, int cy);
  void OnClose();
  void OnSetFocus(CWnd* pOldWnd);
  // Gives the focus back to the active view when the frame becomes active.
  void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  // The frame's own handling of activation moving between top-level windows.
  LRESULT OnActivateTopLevel(WPARAM wParam, LPARAM lParam);
  // Runs the update handlers of the popup's items before it shows (CCmdUI::DoUpdate per item);
  // with m_bAutoMenuEnable, items without any handler are greyed.
  void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);

  CWnd* m_pViewActive = nullptr;
  std::wstring m_strTitle;
  UINT m_nIDHelp = 0;
  BOOL m_bTopLevelActive = FALSE;
  BOOL m_bInRecalcLayout = FALSE;

  DECLARE_MESSAGE_MAP()
};
