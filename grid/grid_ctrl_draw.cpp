// Painting the grid and mapping between cells and client pixels.
#include "grid/grid_ctrl.h"

namespace Talvo {

void CGridCtrl::OnPaint() { CPaintDC dc(this); }  // pending

BOOL CGridCtrl::OnEraseBkgnd(CDC* /*pDC*/) { return TRUE; }  // pending

void CGridCtrl::OnDraw(CDC* /*pDC*/) {}  // pending

BOOL CGridCtrl::CanClipRows() const { return TRUE; }  // pending

LRESULT CGridCtrl::OnSetFont(WPARAM /*wParam*/, LPARAM /*lParam*/) { return Default(); }  // pending

LRESULT CGridCtrl::OnGetFont(WPARAM /*wParam*/, LPARAM /*lParam*/) { return 0; }  // pending

void CGridCtrl::OnSysColorChange() { CWnd::OnSysColorChange(); }  // pending

}  // namespace Talvo
