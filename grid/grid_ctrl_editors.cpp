// The program's additions to the grid: keeping the persistent cell editors on their cells, fitting texts
// into the text editors, re-synchronising script lists, the corner widgets and the case-row menu.
#include "grid/grid_ctrl.h"

namespace Talvo {

void CGridCtrl::ShowContextMenu(UINT /*nFlags*/, CPoint /*point*/) {}  // pending

void CGridCtrl::OnRButtonUp(UINT nFlags, CPoint point) { CWnd::OnRButtonUp(nFlags, point); }  // pending

}  // namespace Talvo
