// CWnd's life: the handle map, creation with the object hooked before WM_NCCREATE, subclassing,
// destruction and self-deleting objects, and the window procedure that leads into message maps.
#include "handle_map.h"
#include "mfc/app.h"
#include "mfc/wnd.h"
#include "window_classes.h"

using mfc_internal::GetThreadState;

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

// ---- The handle map ----

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd() = default;
CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd) {}

CWnd::~CWnd() {
  if (m_hWnd == nullptr) return;
  if (FromHandlePermanent(m_hWnd) == this) {
    // The window outlives its object otherwise; destroying it sends the last messages to this
    // object's CWnd part and detaches it.
    ::DestroyWindow(m_hWnd);
    if (m_hWnd != nullptr) Detach();
  }
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  return GetThreadState().windows.FromHandle(hWnd, [hWnd] { return new CWnd(hWnd); });
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  if (hWnd == nullptr) return nullptr;
  return GetThreadState().windows.LookupPermanent(hWnd);
}

BOOL CWnd::Attach(HWND hWndNew) { return GetThreadState().windows.Attach(this, m_hWnd, hWndNew); }

HWND CWnd::Detach() { return GetThreadState().windows.Detach(this, m_hWnd); }

// ---- Subclassing ----

void CWnd::HookWindow(HWND hWnd) {
  Attach(hWnd);
  PreSubclassWindow();
  const WNDPROC previous =
      reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
  // A window of one of our own classes had AfxWndProc already; its original behaviour is the default one.
  m_pfnSuper = previous != AfxWndProc ? previous : ::DefWindowProcW;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!::IsWindow(hWnd) || m_hWnd != nullptr || FromHandlePermanent(hWnd) != nullptr) return FALSE;
  HookWindow(hWnd);
  return TRUE;
}

void CWnd::PreSubclassWindow() {}

// ---- Creation and destruction ----

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
  if (cs.lpszClass == nullptr) {
    if (!mfc_internal::RegisterLibraryClass(mfc_internal::kDefaultWndClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                            nullptr, nullptr, nullptr)) {
      return FALSE;
    }
    cs.lpszClass = mfc_internal::kDefaultWndClass;
  }
  return TRUE;
}

BOOL CWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
  // Children only, as in the class library; top-level windows use CreateEx.
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
  return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
  if (m_hWnd != nullptr) return FALSE;
  CREATESTRUCT cs{};
  cs.dwExStyle = dwExStyle;
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.style = static_cast<LONG>(dwStyle);
  cs.x = x;
  cs.y = y;
  cs.cx = nWidth;
  cs.cy = nHeight;
  cs.hwndParent = hWndParent;
  cs.hMenu = nIDorHMenu;
  cs.hInstance = AfxGetInstanceHandle();
  cs.lpCreateParams = lpParam;
  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }

  // Windows of our classes reach AfxWndProc with their first message, which hooks this object
  // (before WM_NCCREATE). Windows of other classes are subclassed as soon as they exist.
  mfc_internal::ThreadState& state = GetThreadState();
  CWnd* const outerInit = state.pWndInit;
  AfxHookWindowCreate(this);
  HWND hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                                cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
  const bool hooked = AfxUnhookWindowCreate() != FALSE;
  state.pWndInit = outerInit;
  if (hWnd == nullptr) {
    // A hooked window that refused creation has been through WM_NCDESTROY (and PostNcDestroy).
    if (!hooked) PostNcDestroy();
    return FALSE;
  }
  if (!hooked) HookWindow(hWnd);
  return TRUE;
}

BOOL CWnd::DestroyWindow() {
  HWND hWnd = m_hWnd;
  if (hWnd == nullptr) return FALSE;
  const bool permanent = FromHandlePermanent(hWnd) == this;
  const BOOL result = ::DestroyWindow(hWnd);
  // A hooked object has been detached by WM_NCDESTROY and may have deleted itself: touch nothing.
  // A temporary wrapper, or an object attached without subclassing, lets go of the handle here.
  if (!permanent) {
    m_hWnd = nullptr;
  } else if (FromHandlePermanent(hWnd) == this) {
    Detach();
  }
  return result;
}

void CWnd::PostNcDestroy() {}

void CWnd::OnNcDestroy() {
  Default();
  // Give the window back its own procedure and let go of it; it is gone after this message.
  if (m_pfnSuper != nullptr) {
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
  }
  // The application forgets a main window that is gone.
  CWinApp* app = AfxGetApp();
  if (app != nullptr && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
  Detach();
  PostNcDestroy();
}

// ---- The window procedure ----

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  mfc_internal::ThreadState& state = GetThreadState();
  const MSG previous = state.lastSentMsg;
  state.lastSentMsg = MSG{hWnd, nMsg, wParam, lParam, 0, {}};
  const LRESULT result = pWnd->WindowProc(nMsg, wParam, lParam);
  // An object whose handler skipped CWnd::OnNcDestroy still lets go of the dead window.
  if (nMsg == WM_NCDESTROY) {
    if (CWnd* stale = CWnd::FromHandlePermanent(hWnd)) {
      stale->m_pfnSuper = nullptr;
      stale->Detach();
      stale->PostNcDestroy();
    }
  }
  state.lastSentMsg = previous;
  return result;
}

void AfxHookWindowCreate(CWnd* pWnd) { GetThreadState().pWndInit = pWnd; }

BOOL AfxUnhookWindowCreate() {
  mfc_internal::ThreadState& state = GetThreadState();
  const BOOL hooked = state.pWndInit == nullptr;
  state.pWndInit = nullptr;
  return hooked;
}

CWnd* AfxHookPendingWindow(HWND hWnd) {
  mfc_internal::ThreadState& state = GetThreadState();
  CWnd* pWnd = state.pWndInit;
  if (pWnd == nullptr || CWnd::FromHandlePermanent(hWnd) != nullptr) return nullptr;
  state.pWndInit = nullptr;
  pWnd->HookWindow(hWnd);
  return pWnd;
}

LRESULT AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  // The first message of a window being created for an object hooks it.
  if (pWnd == nullptr) pWnd = AfxHookPendingWindow(hWnd);
  if (pWnd == nullptr) return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
  return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

const MSG* CWnd::GetCurrentMessage() { return &GetThreadState().lastSentMsg; }

LRESULT CWnd::Default() {
  const MSG& msg = GetThreadState().lastSentMsg;
  return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != nullptr) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}
