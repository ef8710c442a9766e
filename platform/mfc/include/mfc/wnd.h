// CWnd: the C++ object of a window. It owns no window by itself: Create/CreateEx make one and
// attach it, SubclassWindow/Attach adopt an existing one. Attached windows are found again through
// the permanent handle map (FromHandlePermanent); FromHandle also wraps windows nobody attached in
// temporary objects that live until the next idle time (AfxUnlockTempMaps).
//
// Messages reach the object through AfxWndProc: WindowProc -> OnWndMsg, which handles WM_COMMAND
// (OnCommand) and WM_NOTIFY (OnNotify) and looks every other message up in the message map chain;
// what no entry handles goes to DefWindowProc, i.e. the window's original procedure. Commands and
// notifications from child controls are first offered back to the control (reflection, OnChildNotify)
// and then to the parent's map through OnCmdMsg.
#pragma once

#include <string>

#include "mfc/cmd_target.h"
#include "mfc/geometry.h"

class CDC;
class CFont;
class CFrameWnd;
class CMenu;
class CScrollBar;

// The window procedure of every window that a CWnd has hooked or subclassed, and of the window
// classes the library registers (AfxRegisterWndClass, the default window and frame classes).
LRESULT AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// The creation hook. Between AfxHookWindowCreate and AfxUnhookWindowCreate, the first window of
// the thread that reaches AfxWndProc is attached to pWnd and subclassed (PreSubclassWindow runs),
// so the object sees every message from the window's first one (before WM_NCCREATE). Window
// procedures of other classes that create windows for an object (a dialog procedure) hand the new
// window over with AfxHookPendingWindow. AfxUnhookWindowCreate returns FALSE when no window was hooked.
void AfxHookWindowCreate(CWnd* pWnd);
BOOL AfxUnhookWindowCreate();
CWnd* AfxHookPendingWindow(HWND hWnd);

// Registers (once) a window class with AfxWndProc as its procedure and returns its generated name
// ("Afx:..."); the name stays valid for the life of the program. Throws CResourceException when
// the class cannot be registered.
LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                            HICON hIcon = nullptr);

// Where control bars lay themselves out during CFrameWnd::RecalcLayout (WM_SIZEPARENT).
struct AFX_SIZEPARENTPARAMS {
  RECT rect;        // the space still free, in the frame's client coordinates; a bar takes its part
  SIZE sizeTotal;   // the space the bars took
  BOOL bStretch;    // bars stretch to the full width or height
};
// Moves a control bar to its place during WM_SIZEPARENT.
void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);

class CWnd : public CCmdTarget {
  DECLARE_DYNCREATE(CWnd)
 public:
  CWnd();
  explicit CWnd(HWND hWnd);  // wraps without attaching (as temporary wrappers do)
  ~CWnd() override;          // destroys a window that is still attached

  HWND m_hWnd = nullptr;
  operator HWND() const { return m_hWnd; }
  // Stand for HWND_TOP, HWND_BOTTOM, HWND_TOPMOST and HWND_NOTOPMOST in SetWindowPos.
  static const CWnd wndTop;
  static const CWnd wndBottom;
  static const CWnd wndTopMost;
  static const CWnd wndNoTopMost;
  HWND GetSafeHwnd() const { return m_hWnd; }
  bool operator==(const CWnd& wnd) const { return wnd.m_hWnd == m_hWnd; }
  bool operator!=(const CWnd& wnd) const { return wnd.m_hWnd != m_hWnd; }

  // The handle map.
  static CWnd* FromHandle(HWND hWnd);           // permanent object, else a temporary wrapper; null for null
  static CWnd* FromHandlePermanent(HWND hWnd);  // permanent object or null
  BOOL Attach(HWND hWndNew);                    // enters the window in the permanent map
  HWND Detach();                                // leaves it; the window lives on

  // Creation and destruction.
  virtual BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                      CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
  virtual BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, int x,
                        int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);
  virtual BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
  virtual BOOL DestroyWindow();
  // May change class, styles, position and size before the window is made; FALSE cancels creation.
  virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
  // Called after the window is gone and the object detached; objects that own themselves delete here.
  virtual void PostNcDestroy();

  // Subclassing: the object takes over an existing window's messages.
  BOOL SubclassWindow(HWND hWnd);
  virtual void PreSubclassWindow();

  // Message handling.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // A control's chance to handle what it sent its parent; TRUE when handled.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // Offers the message being handled to the child window's object; TRUE when the child handled it.
  static BOOL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = nullptr);
  BOOL SendChildNotifyLastMsg(LRESULT* pResult = nullptr);
  // Called by the pump before a message is dispatched; TRUE swallows it.
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // PreTranslateMessage on hWnd's object and its parents up to hWndStop; TRUE when one swallowed it.
  static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
  // Handles the message being processed by the window's original procedure.
  LRESULT Default();
  // The message being processed (by the innermost AfxWndProc call of this thread).
  static const MSG* GetCurrentMessage();

  // Messages.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
                                BOOL bOnlyPerm = FALSE);
  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr);
  BOOL KillTimer(UINT_PTR nIDEvent);

  // Styles, text, font, id.
  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  // Removes then adds style bits; with nFlags, SetWindowPos(nFlags | SWP_FRAMECHANGED...) follows.
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  void SetWindowText(LPCWSTR lpszString);
  void SetWindowText(const std::wstring& text) { SetWindowText(text.c_str()); }
  int GetWindowText(LPWSTR lpszStringBuf, int nMaxCount) const;
  void GetWindowText(std::wstring& rString) const;
  std::wstring GetWindowText() const;
  int GetWindowTextLength() const;
  void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
  CFont* GetFont() const;
  int GetDlgCtrlID() const;
  int SetDlgCtrlID(int nID);

  // The window tree.
  CWnd* GetParent() const;
  CWnd* SetParent(CWnd* pWndNewParent);
  CWnd* GetOwner() const;
  void SetOwner(CWnd* pOwnerWnd) { m_hWndOwner = pOwnerWnd != nullptr ? pOwnerWnd->m_hWnd : nullptr; }
  CFrameWnd* GetParentFrame() const;
  CWnd* GetTopLevelParent() const;
  CFrameWnd* GetTopLevelFrame() const;
  CWnd* GetDlgItem(int nID) const;
  CWnd* GetWindow(UINT nCmd) const;
  CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const;
  CWnd* GetTopWindow() const;
  BOOL IsChild(const CWnd* pWnd) const;
  static CWnd* GetDesktopWindow();

  // Geometry.
  void GetClientRect(LPRECT lpRect) const;
  void GetWindowRect(LPRECT lpRect) const;
  void ClientToScreen(LPPOINT lpPoint) const;
  void ClientToScreen(LPRECT lpRect) const;
  void ScreenToClient(LPPOINT lpPoint) const;
  void ScreenToClient(LPRECT lpRect) const;
  void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
  void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
  BOOL BringWindowToTop();

  // State.
  BOOL ShowWindow(int nCmdShow);
  BOOL IsWindowVisible() const;
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL IsIconic() const;
  BOOL IsZoomed() const;
  CWnd* SetFocus();
  static CWnd* GetFocus();
  CWnd* SetCapture();
  static CWnd* GetCapture();
  static BOOL ReleaseCapture();
  CWnd* SetActiveWindow();
  static CWnd* GetActiveWindow();
  BOOL SetForegroundWindow();
  static CWnd* GetForegroundWindow();

  // Painting.
  void Invalidate(BOOL bErase = TRUE);
  void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
  void ValidateRect(LPCRECT lpRect);
  void UpdateWindow();
  BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, HRGN hrgnUpdate = nullptr,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  CDC* GetDC();
  CDC* GetWindowDC();
  int ReleaseDC(CDC* pDC);
  CDC* BeginPaint(LPPAINTSTRUCT lpPaint);
  void EndPaint(LPPAINTSTRUCT lpPaint);

  int MessageBox(LPCWSTR lpszText, LPCWSTR lpszCaption = nullptr, UINT nType = MB_OK);

 protected:
  WNDPROC m_pfnSuper = nullptr;  // the window's procedure before the object took it over
  HWND m_hWndOwner = nullptr;    // owner for command routing when not the parent (SetOwner)

  // Default handlers: each passes the message on as the class library's do (Default(), or
  // reflection to the control the message concerns). Derived maps name them with ON_WM_*.
  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
  void OnDestroy();
  void OnNcDestroy();
  void OnClose();
  void OnSize(UINT nType, int cx, int cy);
  void OnPaint();
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnTimer(UINT_PTR nIDEvent);
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonUp(UINT nFlags, CPoint point);
  void OnLButtonDblClk(UINT nFlags, CPoint point);
  void OnRButtonUp(UINT nFlags, CPoint point);
  void OnMouseMove(UINT nFlags, CPoint point);
  BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  void OnMouseLeave();
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnSetFocus(CWnd* pOldWnd);
  void OnKillFocus(CWnd* pNewWnd);
  void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  void OnShowWindow(BOOL bShow, UINT nStatus);
  void OnEnable(BOOL bEnable);
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
  void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  UINT OnGetDlgCode();
  void OnCaptureChanged(CWnd* pWnd);
  void OnSysColorChange();
  void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);

  DECLARE_MESSAGE_MAP()

 private:
  friend CWnd* AfxHookPendingWindow(HWND);
  friend LRESULT AfxCallWndProc(CWnd*, HWND, UINT, WPARAM, LPARAM);
  // Takes over a window that is being created for this object (its first message) or adopted.
  void HookWindow(HWND hWnd);
  // The route of a control's WM_CTLCOLORxxx, WM_DRAWITEM, scroll message, ...: the control first.
  BOOL ReflectToChild(HWND hWndChild, LRESULT* pResult);
};

// Runs a message through the object's WindowProc, keeping the current-message record for Default().
LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// Deletes the temporary wrappers (windows, device contexts, GDI objects) that FromHandle made.
// Called at idle time by the application's pump; pointers to temporaries are invalid afterwards.
void AfxUnlockTempMaps();
