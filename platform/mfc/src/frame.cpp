#include "mfc/frame.h"

#include "mfc/app.h"
#include "mfc/menu.h"
#include "window_classes.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_SIZE()
  ON_WM_CLOSE()
  ON_WM_SETFOCUS()
  ON_WM_ACTIVATE()
  ON_MESSAGE(WM_ACTIVATETOPLEVEL, &CFrameWnd::OnActivateTopLevel)
  ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() = default;
CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCWSTR, DWORD dwExStyle, CCreateContext* pContext) {
  m_strTitle = lpszWindowName != nullptr ? lpszWindowName : L"";
  // rectDefault asks the system for everything (its width would overflow).
  const bool systemPlaced = rect.left == CW_USEDEFAULT;
  const int x = systemPlaced ? CW_USEDEFAULT : rect.left;
  const int y = systemPlaced ? CW_USEDEFAULT : rect.top;
  const int cx = systemPlaced ? CW_USEDEFAULT : rect.right - rect.left;
  const int cy = systemPlaced ? CW_USEDEFAULT : rect.bottom - rect.top;
  return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy,
                  pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, nullptr, pContext);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
  if (cs.lpszClass == nullptr) {
    const HBRUSH background = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    if (!mfc_internal::RegisterLibraryClass(mfc_internal::kFrameWndClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                            nullptr, background, nullptr)) {
      return FALSE;
    }
    cs.lpszClass = mfc_internal::kFrameWndClass;
  }
  cs.dwExStyle |= WS_EX_CLIENTEDGE;
  return TRUE;
}

void CFrameWnd::PostNcDestroy() { delete this; }

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (m_pViewActive != nullptr && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  CWinApp* app = AfxGetApp();
  return app != nullptr && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CFrameWnd::RecalcLayout(BOOL) {
  if (m_bInRecalcLayout || m_hWnd == nullptr) return;
  m_bInRecalcLayout = TRUE;
  AFX_SIZEPARENTPARAMS layout{};
  GetClientRect(&layout.rect);
  layout.bStretch = TRUE;
  const CRect client(layout.rect);
  HWND pane = nullptr;
  for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (::GetDlgCtrlID(child) == AFX_IDW_PANE_FIRST) {
      pane = child;
    } else {
      ::SendMessageW(child, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }
  }
  layout.sizeTotal = CSize(client.Width() - CRect(layout.rect).Width(), client.Height() - CRect(layout.rect).Height());
  if (pane != nullptr) AfxRepositionWindow(&layout, pane, &layout.rect);
  m_bInRecalcLayout = FALSE;
}

CFrameWnd* CFrameWnd::GetActiveFrame() { return this; }

void CFrameWnd::SetActiveView(CWnd* pViewNew, BOOL) {
  m_pViewActive = pViewNew;
  if (pViewNew != nullptr && ::GetActiveWindow() == m_hWnd) pViewNew->SetFocus();
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  RecalcLayout();
  return 0;
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  if (nType != SIZE_MINIMIZED) RecalcLayout();
}

void CFrameWnd::OnClose() { DestroyWindow(); }

void CFrameWnd::OnSetFocus(CWnd* pOldWnd) {
  if (m_pViewActive != nullptr && ::IsWindow(m_pViewActive->m_hWnd)) {
    m_pViewActive->SetFocus();
  } else {
    CWnd::OnSetFocus(pOldWnd);
  }
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
  CWnd::OnActivate(nState, pWndOther, bMinimized);
  if (nState != WA_INACTIVE && !bMinimized && m_pViewActive != nullptr && ::IsWindow(m_pViewActive->m_hWnd)) {
    m_pViewActive->SetFocus();
  }
}

LRESULT CFrameWnd::OnActivateTopLevel(WPARAM wParam, LPARAM) {
  m_bTopLevelActive = LOWORD(wParam) != WA_INACTIVE;
  return 0;
}
