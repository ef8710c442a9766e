// The application object (CWinApp, on CWinThread): one instance per module, made as a global
// object; the module state that finds it; and the message pump that calls PreTranslateMessage and
// does the idle-time work (command-user-interface updates, freeing temporary wrappers).
#pragma once

#include "mfc/wnd.h"

class CWinApp;

// What the class library keeps per module. One module here; AFX_MANAGE_STATE switches nothing.
struct AFX_MODULE_STATE {
  CWinApp* m_pCurrentWinApp = nullptr;
  HINSTANCE m_hCurrentInstanceHandle = nullptr;
  HINSTANCE m_hCurrentResourceHandle = nullptr;
  LPCWSTR m_lpszCurrentAppName = nullptr;
};
AFX_MODULE_STATE* AfxGetStaticModuleState();
AFX_MODULE_STATE* AfxGetModuleState();
#define AFX_MANAGE_STATE(p) ((void)(p))

class CWinThread : public CCmdTarget {
  DECLARE_DYNAMIC(CWinThread)
 public:
  CWinThread();

  CWnd* m_pMainWnd = nullptr;  // cleared when that window is destroyed
  DWORD m_nThreadID = 0;
  MSG m_msgCur{};              // the message being pumped

  virtual BOOL InitInstance();
  virtual int ExitInstance();
  // Pumps until WM_QUIT (blocking in GetMessage when idle), then returns ExitInstance's result.
  virtual int Run();
  // Thread messages go to the map's ON_THREAD_MESSAGE entries; window messages to
  // PreTranslateMessage of the target and its parents up to the main window.
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // Gets, pre-translates and dispatches one message; FALSE on WM_QUIT.
  virtual BOOL PumpMessage();
  // Idle work in steps: lCount 0 updates the main window's command user interface
  // (WM_IDLEUPDATECMDUI to it and its descendants), later steps free temporary wrappers.
  // Returns whether more idle steps are wanted.
  virtual BOOL OnIdle(LONG lCount);
  // Whether the message ends an idle period (paints and unmoved mouse moves do not).
  virtual BOOL IsIdleMessage(MSG* pMsg);
  virtual CWnd* GetMainWnd() { return m_pMainWnd; }

  // Runs the ON_THREAD_MESSAGE handler of a thread message; FALSE when there is none.
  BOOL DispatchThreadMessageEx(MSG* pMsg);
  // Pre-translates and dispatches a message taken from the queue.
  void DispatchPumpedMessage(MSG* pMsg);

 private:
  POINT m_ptCursorLast{-1, -1};
  UINT m_nMsgLast = 0;
};

class CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)
 public:
  // Registers itself as the module's application object.
  explicit CWinApp(LPCWSTR lpszAppName = nullptr);
  ~CWinApp() override;

  LPCWSTR m_pszAppName = nullptr;
  HINSTANCE m_hInstance = nullptr;
  LPCWSTR m_lpCmdLine = L"";
  int m_nCmdShow = SW_SHOWNORMAL;

  BOOL InitInstance() override;
  int ExitInstance() override;
  BOOL OnIdle(LONG lCount) override;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
LPCWSTR AfxGetAppName();
