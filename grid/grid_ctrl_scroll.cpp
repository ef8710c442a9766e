// Scrolling, scroll bars, the visible range and sizing the window.
#include "grid/grid_ctrl.h"

namespace Talvo {

void CGridCtrl::ResetScrollBars() { m_idTopLeftCell = CCellID(); }  // pending

UINT CGridCtrl::ReadWheelScrollLines() { return 3; }  // pending

void CGridCtrl::OnSize(UINT nType, int cx, int cy) { CWnd::OnSize(nType, cx, cy); }  // pending

void CGridCtrl::OnHScroll(UINT /*nSBCode*/, UINT /*nPos*/, CScrollBar* /*pScrollBar*/) {}  // pending

void CGridCtrl::OnVScroll(UINT /*nSBCode*/, UINT /*nPos*/, CScrollBar* /*pScrollBar*/) {}  // pending

BOOL CGridCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) { return CWnd::OnMouseWheel(nFlags, zDelta, pt); }  // pending

}  // namespace Talvo
