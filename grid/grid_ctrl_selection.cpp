// The focus cell and the selection.
#include <utility>

#include "grid/grid_ctrl.h"

namespace Talvo {

CCellID CGridCtrl::SetFocusCell(CCellID cell) { return std::exchange(m_idCurrentCell, cell); }  // pending

void CGridCtrl::ResetSelectedRange() {}  // pending

}  // namespace Talvo
