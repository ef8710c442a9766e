// Keyboard input: moving the focus cell, extending the selection, the edit shortcuts and typed characters.
#include "grid/grid_ctrl.h"

namespace Talvo {

UINT CGridCtrl::OnGetDlgCode() { return CWnd::OnGetDlgCode(); }  // pending

void CGridCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { CWnd::OnKeyDown(nChar, nRepCnt, nFlags); }  // pending

void CGridCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) { CWnd::OnChar(nChar, nRepCnt, nFlags); }  // pending

LRESULT CGridCtrl::OnImeChar(WPARAM /*wParam*/, LPARAM /*lParam*/) { return 0; }  // pending

void CGridCtrl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { CWnd::OnSysKeyDown(nChar, nRepCnt, nFlags); }  // pending

}  // namespace Talvo
