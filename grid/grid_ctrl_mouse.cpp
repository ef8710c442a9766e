// Mouse input: pressing, dragging out selections, releasing, double clicks, auto-scrolling and the cursor.
#include "grid/grid_ctrl.h"

namespace Talvo {

void CGridCtrl::OnLButtonDown(UINT nFlags, CPoint point) { CWnd::OnLButtonDown(nFlags, point); }  // pending

void CGridCtrl::OnMouseMove(UINT nFlags, CPoint point) { CWnd::OnMouseMove(nFlags, point); }  // pending

void CGridCtrl::OnLButtonUp(UINT nFlags, CPoint point) { CWnd::OnLButtonUp(nFlags, point); }  // pending

void CGridCtrl::OnLButtonDblClk(UINT nFlags, CPoint point) { CWnd::OnLButtonDblClk(nFlags, point); }  // pending

void CGridCtrl::OnTimer(UINT_PTR nIDEvent) { CWnd::OnTimer(nIDEvent); }  // pending

void CGridCtrl::OnCaptureChanged(CWnd* pWnd) { CWnd::OnCaptureChanged(pWnd); }  // pending

BOOL CGridCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {  // pending
  return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

}  // namespace Talvo
