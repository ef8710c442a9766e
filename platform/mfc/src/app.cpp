#include "mfc/app.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

AFX_MODULE_STATE* AfxGetStaticModuleState() {
  static AFX_MODULE_STATE state;
  return &state;
}

AFX_MODULE_STATE* AfxGetModuleState() { return AfxGetStaticModuleState(); }

CWinApp* AfxGetApp() { return AfxGetModuleState()->m_pCurrentWinApp; }

CWnd* AfxGetMainWnd() {
  CWinApp* app = AfxGetApp();
  return app != nullptr ? app->GetMainWnd() : nullptr;
}

HINSTANCE AfxGetInstanceHandle() {
  HINSTANCE instance = AfxGetModuleState()->m_hCurrentInstanceHandle;
  return instance != nullptr ? instance : ::GetModuleHandleW(nullptr);
}

LPCWSTR AfxGetAppName() {
  LPCWSTR name = AfxGetModuleState()->m_lpszCurrentAppName;
  return name != nullptr ? name : L"";
}

// ---- CWinThread ----

CWinThread::CWinThread() : m_nThreadID(::GetCurrentThreadId()) {}

BOOL CWinThread::InitInstance() { return FALSE; }
int CWinThread::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

BOOL CWinThread::DispatchThreadMessageEx(MSG* pMsg) {
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(GetMessageMap(), pMsg->message);
  if (entry == nullptr) return FALSE;
  AFX_MSGCALL call;
  call.message = pMsg->message;
  call.wParam = pMsg->wParam;
  call.lParam = pMsg->lParam;
  entry->pfn(this, call);
  return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->hwnd == nullptr) return DispatchThreadMessageEx(pMsg);
  CWnd* mainWnd = GetMainWnd();
  HWND hWndMain = mainWnd != nullptr ? mainWnd->m_hWnd : nullptr;
  if (CWnd::WalkPreTranslateTree(hWndMain, pMsg)) return TRUE;
  // Messages of other top-level windows (modeless dialogs) get a last chance at the main window.
  if (mainWnd != nullptr && ::IsWindow(hWndMain)) {
    CWnd* top = CWnd::FromHandle(pMsg->hwnd)->GetTopLevelParent();
    if (top != nullptr && top->m_hWnd != hWndMain) return mainWnd->PreTranslateMessage(pMsg);
  }
  return FALSE;
}

void CWinThread::DispatchPumpedMessage(MSG* pMsg) {
  m_msgCur = *pMsg;
  if (pMsg->message != WM_KICKIDLE && PreTranslateMessage(pMsg)) return;
  ::TranslateMessage(pMsg);
  ::DispatchMessageW(pMsg);
}

BOOL CWinThread::PumpMessage() {
  MSG msg{};
  if (!::GetMessageW(&msg, nullptr, 0, 0)) {
    m_msgCur = msg;
    return FALSE;
  }
  DispatchPumpedMessage(&msg);
  return TRUE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg) {
  if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
    const bool same = pMsg->pt.x == m_ptCursorLast.x && pMsg->pt.y == m_ptCursorLast.y &&
                      pMsg->message == m_nMsgLast;
    m_ptCursorLast = pMsg->pt;
    m_nMsgLast = pMsg->message;
    return !same;
  }
  return pMsg->message != WM_PAINT;
}

BOOL CWinThread::OnIdle(LONG lCount) {
  if (lCount <= 0) {
    CWnd* mainWnd = m_pMainWnd;
    if (mainWnd != nullptr && ::IsWindow(mainWnd->m_hWnd) && mainWnd->IsWindowVisible()) {
      AfxCallWndProc(mainWnd, mainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
      mainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    }
  } else {
    AfxUnlockTempMaps();
  }
  return lCount < 0;
}

int CWinThread::Run() {
  bool idle = true;
  LONG idleCount = 0;
  MSG msg{};
  for (;;) {
    while (idle && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!OnIdle(idleCount++)) idle = false;
    }
    do {
      if (!PumpMessage()) return ExitInstance();
      if (IsIdleMessage(&m_msgCur)) {
        idle = true;
        idleCount = 0;
      }
    } while (::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
  }
}

// ---- CWinApp ----

CWinApp::CWinApp(LPCWSTR lpszAppName) : m_pszAppName(lpszAppName), m_hInstance(::GetModuleHandleW(nullptr)) {
  AFX_MODULE_STATE* state = AfxGetModuleState();
  state->m_pCurrentWinApp = this;
  state->m_hCurrentInstanceHandle = m_hInstance;
  state->m_lpszCurrentAppName = m_pszAppName;
}

CWinApp::~CWinApp() {
  AFX_MODULE_STATE* state = AfxGetModuleState();
  if (state->m_pCurrentWinApp == this) *state = AFX_MODULE_STATE{};
}

BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return CWinThread::ExitInstance(); }

BOOL CWinApp::OnIdle(LONG lCount) {
  // Step 0 updates the user interface, step 1 frees temporaries; then the app is idle.
  if (lCount <= 0) {
    CWinThread::OnIdle(lCount);
    return TRUE;
  }
  CWinThread::OnIdle(lCount);
  return FALSE;
}
