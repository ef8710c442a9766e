// Starting, validating and ending edits of cell texts.
#include "grid/grid_ctrl.h"

namespace Talvo {

void CGridCtrl::OnEditCell(int /*nRow*/, int /*nCol*/, CPoint /*point*/, UINT /*nChar*/) {}  // pending

void CGridCtrl::OnEndEditCell(int /*nRow*/, int /*nCol*/, LPCWSTR /*str*/) {}  // pending

BOOL CGridCtrl::ValidateEdit(int /*nRow*/, int /*nCol*/, LPCWSTR /*str*/) { return TRUE; }  // pending

void CGridCtrl::EndEditing() {}  // pending

void CGridCtrl::OnEndInPlaceEdit(NMHDR* /*pNMHDR*/, LRESULT* /*pResult*/) {}  // pending

}  // namespace Talvo
