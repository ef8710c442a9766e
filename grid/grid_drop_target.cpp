// The grid's drop target: registered once for its grid, it hands drags over the grid to the grid.
#include "grid/grid_drop_target.h"

#include "grid/grid_ctrl.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(CGridDropTarget, COleDropTarget)

CGridDropTarget::~CGridDropTarget() = default;  // pending

BOOL CGridDropTarget::Register(CGridCtrl* /*pGridCtrl*/) { return FALSE; }  // pending

void CGridDropTarget::Revoke() { COleDropTarget::Revoke(); }  // pending

DROPEFFECT CGridDropTarget::OnDragEnter(CWnd* /*pWnd*/, COleDataObject* /*pDataObject*/, DWORD /*dwKeyState*/,  // pending
                                        CPoint /*point*/) {
  return DROPEFFECT_NONE;
}

DROPEFFECT CGridDropTarget::OnDragOver(CWnd* /*pWnd*/, COleDataObject* /*pDataObject*/, DWORD /*dwKeyState*/,  // pending
                                       CPoint /*point*/) {
  return DROPEFFECT_NONE;
}

void CGridDropTarget::OnDragLeave(CWnd* /*pWnd*/) {}  // pending

BOOL CGridDropTarget::OnDrop(CWnd* /*pWnd*/, COleDataObject* /*pDataObject*/, DROPEFFECT /*dropEffect*/,  // pending
                             CPoint /*point*/) {
  return FALSE;
}

DROPEFFECT CGridDropTarget::OnDragScroll(CWnd* /*pWnd*/, DWORD /*dwKeyState*/, CPoint /*point*/) {  // pending
  return DROPEFFECT_NONE;
}

}  // namespace Talvo
