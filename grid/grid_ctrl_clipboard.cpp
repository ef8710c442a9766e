// Copy, cut, paste, delete and select-all through the clipboard, and the grid's side of drag and drop.
#include "grid/grid_ctrl.h"

namespace Talvo {

void CGridCtrl::CutSelectedText() {}  // pending

COleDataSource* CGridCtrl::CopyTextFromGrid() { return nullptr; }  // pending

BOOL CGridCtrl::PasteTextToGrid(CCellID /*cell*/, COleDataObject* /*pDataObject*/, BOOL /*bSelectPastedCells*/) {  // pending
  return FALSE;
}

void CGridCtrl::OnBeginDrag() {}  // pending

DROPEFFECT CGridCtrl::OnDragEnter(COleDataObject* /*pDataObject*/, DWORD /*dwKeyState*/, CPoint /*point*/) {  // pending
  return DROPEFFECT_NONE;
}

DROPEFFECT CGridCtrl::OnDragOver(COleDataObject* /*pDataObject*/, DWORD /*dwKeyState*/, CPoint /*point*/) {  // pending
  return DROPEFFECT_NONE;
}

void CGridCtrl::OnDragLeave() {}  // pending

BOOL CGridCtrl::OnDrop(COleDataObject* /*pDataObject*/, DROPEFFECT /*dropEffect*/, CPoint /*point*/) { return FALSE; }  // pending

void CGridCtrl::OnEditCut() {}  // pending

void CGridCtrl::OnEditCopy() {}  // pending

void CGridCtrl::OnEditPaste() {}  // pending

void CGridCtrl::OnEditSelectAll() {}  // pending

void CGridCtrl::OnUpdateEditCopy(CCmdUI* /*pCmdUI*/) {}  // pending

void CGridCtrl::OnUpdateEditCut(CCmdUI* /*pCmdUI*/) {}  // pending

void CGridCtrl::OnUpdateEditPaste(CCmdUI* /*pCmdUI*/) {}  // pending

void CGridCtrl::OnUpdateEditSelectAll(CCmdUI* /*pCmdUI*/) {}  // pending

}  // namespace Talvo
