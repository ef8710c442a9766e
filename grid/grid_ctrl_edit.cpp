// Starting, validating and ending edits of cell texts. The parent hears of each edit first and may veto
// it (GVN_BEGINLABELEDIT), and may undo a text change afterwards (GVN_ENDLABELEDIT).
#include <string>

#include "grid/grid_ctrl.h"

namespace Talvo {

namespace {

// Keys that end an in-place edit and move on to edit the next cell: Tab and Page Up to Down Arrow.
bool MovesToNextCell(UINT key) { return key == VK_TAB || (key >= VK_PRIOR && key <= VK_DOWN); }

}  // namespace

void CGridCtrl::OnEditCell(int nRow, int nCol, CPoint point, UINT nChar) {
  if (!IsValid(nRow, nCol) || !m_bEditable) return;
  const CGridCellBase* cell = GetCell(nRow, nCol);
  if (cell == nullptr || cell->IsReadOnly()) return;
  EnsureVisible(nRow, nCol);
  CRect rect;
  if (!IsCellVisible(nRow, nCol) || !GetCellRect(nRow, nCol, &rect)) return;
  if (SendMessageToParent(nRow, nCol, GVN_BEGINLABELEDIT) < 0) return;
  // The parent's handler may have rebuilt the grid: look the cell up again.
  if (CGridCellBase* current = GetCell(nRow, nCol)) current->Edit(nRow, nCol, rect, point, IDC_INPLACE_CONTROL, nChar);
}

void CGridCtrl::OnEndEditCell(int nRow, int nCol, LPCWSTR str) {
  SetItemTextValidated(nRow, nCol, str);
  if (CGridCellBase* cell = GetCell(nRow, nCol)) cell->OnEndEdit();
}

BOOL CGridCtrl::ValidateEdit(int nRow, int nCol, LPCWSTR str) {
  CGridCellBase* cell = GetCell(nRow, nCol);
  return cell == nullptr || cell->ValidateEdit(str);
}

void CGridCtrl::EndEditing() {
  if (CGridCellBase* cell = GetCell(m_idCurrentCell.row, m_idCurrentCell.col)) cell->EndEdit();
}

void CGridCtrl::OnEndInPlaceEdit(NMHDR* pNMHDR, LRESULT* pResult) {
  if (pResult != nullptr) *pResult = 0;
  if (pNMHDR == nullptr || !::IsWindow(m_hWnd)) return;
  const auto* record = reinterpret_cast<const NM_GRIDENDEDIT*>(pNMHDR);
  OnEndEditCell(record->iRow, record->iColumn, record->pszText);
  if (!MovesToNextCell(record->nEndKey)) return;
  OnKeyDown(record->nEndKey, 0, 0);
  OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), record->nEndKey);
}

void CGridCtrl::SetItemTextValidated(int nRow, int nCol, LPCWSTR str) {
  if (GetCell(nRow, nCol) == nullptr || !IsCellEditable(nRow, nCol)) return;
  // A copy: the text may belong to the cell that is about to change.
  const std::wstring newText = str != nullptr ? str : L"";
  if (SendMessageToParent(nRow, nCol, GVN_BEGINLABELEDIT) < 0) return;
  const std::wstring oldText = GetItemText(nRow, nCol);
  if (newText == oldText || !SetItemText(nRow, nCol, newText.c_str())) return;
  if (ValidateEdit(nRow, nCol, newText.c_str()) && SendMessageToParent(nRow, nCol, GVN_ENDLABELEDIT) >= 0) {
    SetModified(nRow, nCol);
    RedrawCell(nRow, nCol);
    return;
  }
  SetItemText(nRow, nCol, oldText.c_str());
}

}  // namespace Talvo
