// CWnd's message routing: the map lookup, commands and notifications with reflection to the
// control that sent them, activation of top-level windows, and the default handlers.
#include "handle_map.h"
#include "mfc/cmd_ui.h"
#include "mfc/dc.h"
#include "mfc/menu.h"
#include "mfc/wnd.h"

namespace {

// Records whether an update handler disabled a command before it runs.
class CTestCmdUI : public CCmdUI {
 public:
  void Enable(BOOL bOn) override {
    m_bEnabled = bOn;
    m_bEnableChanged = TRUE;
  }
  void SetCheck(int) override {}
  void SetRadio(BOOL) override {}
  void SetText(LPCWSTR) override {}
};

bool IsCtlColorMessage(UINT message) { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }

}  // namespace

// CWnd's own map: the messages whose default handling offers them to the control concerned first,
// and WM_NCDESTROY, which lets go of the window.
BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
  ON_WM_NCDESTROY()
  ON_WM_CTLCOLOR()
  ON_WM_DRAWITEM()
  ON_WM_MEASUREITEM()
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
END_MESSAGE_MAP()

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT result = 0;
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    if (pResult != nullptr) *pResult = 1;
    return TRUE;
  }
  if (message == WM_NOTIFY) {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr || header->hwndFrom == nullptr || !OnNotify(wParam, lParam, &result)) return FALSE;
    if (pResult != nullptr) *pResult = result;
    return TRUE;
  }
  if (message == WM_ACTIVATE && !(GetStyle() & WS_CHILD)) {
    // Tell the top-level window when activation moves to another top-level window.
    CWnd* topLevel = GetTopLevelParent();
    HWND other = reinterpret_cast<HWND>(lParam);
    CWnd* otherTop = ::IsWindow(other) ? CWnd::FromHandle(other)->GetTopLevelParent() : nullptr;
    if (topLevel != nullptr && (otherTop == nullptr || otherTop->m_hWnd != topLevel->m_hWnd)) {
      HWND pair[2] = {m_hWnd, other};
      topLevel->SendMessage(WM_ACTIVATETOPLEVEL, wParam, reinterpret_cast<LPARAM>(pair));
    }
  }

  // Every WM_CTLCOLORxxx is one WM_CTLCOLOR entry.
  const AFX_MSGMAP_ENTRY* entry =
      FindMessageEntry(GetMessageMap(), IsCtlColorMessage(message) ? WM_CTLCOLOR : message);
  if (entry == nullptr) return FALSE;

  AFX_MSGCALL call;
  call.message = message;
  call.wParam = wParam;
  call.lParam = lParam;
  if (!entry->pfn(this, call)) return FALSE;
  if (pResult != nullptr) *pResult = call.lResult;
  return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT nID = LOWORD(wParam);
  HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
  int nCode = HIWORD(wParam);
  if (hWndCtrl == nullptr) {
    // A menu command or accelerator: an update handler that disables it makes it do nothing.
    if (nID == 0) return FALSE;
    CTestCmdUI state;
    state.m_nID = nID;
    OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr);
    if (!state.m_bEnabled) return TRUE;
    nCode = CN_COMMAND;
  } else {
    // The control that sent it comes first (ON_CONTROL_REFLECT).
    CWnd* control = FromHandlePermanent(hWndCtrl);
    if (control != nullptr && control->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr)) return TRUE;
    if (nID == 0) return FALSE;
  }
  return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
  CWnd* control = FromHandlePermanent(header->hwndFrom);
  if (control != nullptr && control->OnChildNotify(WM_NOTIFY, wParam, lParam, pResult)) return TRUE;
  AFX_NOTIFY notify{pResult, header};
  return OnCmdMsg(static_cast<UINT>(header->idFrom), static_cast<int>(MAKELONG(header->code, WM_NOTIFY)), &notify,
                  nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT* pResult) {
  if (message == WM_COMMAND) {
    const int code = static_cast<int>(MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND));
    if (!OnCmdMsg(0, code, nullptr, nullptr)) return FALSE;
    if (pResult != nullptr) *pResult = 1;
    return TRUE;
  }
  if (IsCtlColorMessage(message)) {
    AFX_CTLCOLOR ctl{m_hWnd, reinterpret_cast<HDC>(wParam), message - WM_CTLCOLORMSGBOX};
    return OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, reinterpret_cast<LPARAM>(&ctl), pResult);
  }
  return FALSE;
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
  CWnd* child = FromHandlePermanent(hWndChild);
  return child != nullptr && child->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult) {
  const MSG msg = *GetCurrentMessage();
  return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::ReflectToChild(HWND hWndChild, LRESULT* pResult) {
  return hWndChild != nullptr && hWndChild != m_hWnd && ReflectLastMsg(hWndChild, pResult);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
  for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
    CWnd* wnd = FromHandlePermanent(hWnd);
    if (wnd != nullptr && wnd->PreTranslateMessage(pMsg)) return TRUE;
    if (hWnd == hWndStop) break;
  }
  return FALSE;
}

// ---- Default handlers ----

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
BOOL CWnd::OnNcCreate(LPCREATESTRUCT) { return static_cast<BOOL>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
void CWnd::OnMouseLeave() { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT) {
  LRESULT result = 0;
  if (pWnd != nullptr && ReflectToChild(pWnd->m_hWnd, &result)) return reinterpret_cast<HBRUSH>(result);
  return reinterpret_cast<HBRUSH>(Default());
}

// Owner-draw messages name their control by id (0 for menus).
// Owner-drawn menu items go to the attached CMenu that holds them.
void CWnd::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (lpDrawItemStruct != nullptr && lpDrawItemStruct->CtlType == ODT_MENU) {
    if (CMenu* menu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(lpDrawItemStruct->hwndItem))) {
      menu->DrawItem(lpDrawItemStruct);
      return;
    }
  } else if (nIDCtl != 0 && ReflectToChild(::GetDlgItem(m_hWnd, nIDCtl), nullptr)) {
    return;
  }
  Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  if (lpMeasureItemStruct != nullptr && lpMeasureItemStruct->CtlType == ODT_MENU) {
    if (CMenu* menu = CMenu::FindOwnerDrawMenu(lpMeasureItemStruct->itemID)) {
      menu->MeasureItem(lpMeasureItemStruct);
      return;
    }
  } else if (nIDCtl != 0 && ReflectToChild(::GetDlgItem(m_hWnd, nIDCtl), nullptr)) {
    return;
  }
  Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
