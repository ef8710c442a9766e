// Virtual operations of settings the program never uses (title tips, sorting, printing, drag images and
// fixed-cell clicks). Their slots stay so that derived grids keep the same layout; they do nothing.
#include "grid/grid_ctrl.h"

namespace Talvo {

void CGridCtrl::ShowTitleTip(CGridCellBase* /*pCell*/, int /*nRow*/, int /*nColumn*/, CRect /*rectCell*/,
                             CRect /*rectTitle*/, int /*xoffset*/, int /*yoffset*/) {}

BOOL CGridCtrl::SortItems(PFNLVCOMPARE /*pfnCompare*/, int /*nCol*/, BOOL /*bAscending*/, LPARAM /*data*/) {
  return FALSE;
}

BOOL CGridCtrl::SortItems(int /*nCol*/, BOOL /*bAscending*/, LPARAM /*data*/) { return FALSE; }

BOOL CGridCtrl::SortTextItems(int /*nCol*/, BOOL /*bAscending*/, LPARAM /*data*/) { return FALSE; }

void CGridCtrl::OnBeginPrinting(CDC* /*pDC*/, void* /*pInfo*/) {}
void CGridCtrl::OnPrint(CDC* /*pDC*/, void* /*pInfo*/) {}
void CGridCtrl::OnEndPrinting(CDC* /*pDC*/, void* /*pInfo*/) {}
void CGridCtrl::PrintColumnHeadings(CDC* /*pDC*/, void* /*pInfo*/) {}
void CGridCtrl::PrintRowCells(CDC* /*pDC*/, void* /*pInfo*/) {}
void CGridCtrl::PrintHeader(CDC* /*pDC*/, void* /*pInfo*/) {}
void CGridCtrl::PrintFooter(CDC* /*pDC*/, void* /*pInfo*/) {}
void CGridCtrl::PrintRowButtons(CDC* /*pDC*/, void* /*pInfo*/) {}

CImageList* CGridCtrl::CreateDragImage(CPoint* /*pHotSpot*/) { return nullptr; }

void CGridCtrl::OnFixedColumnClick(CCellID& /*cell*/) {}
void CGridCtrl::OnFixedRowClick(CCellID& /*cell*/) {}

void CGridCtrl::ShiftRowOrder(int /*nRow*/, int /*nNewPos*/) {}

}  // namespace Talvo
