// Clicks that expand and collapse tree rows on the function-editor and wheel-events pages, with the
// notifications that let the page veto, and the collapsing of the other categories.
#include "controls/cell_editor_links.h"
#include "grid/case_row_layout.h"
#include "grid/tree_grid_ctrl.h"
#include "model/talvo.h"
#include "model/xml_options.h"

namespace Talvo {

BOOL CTreeGridCtrl::IsExpandableCaseRow(int nRow) const {
  if (nRow == 0) return TRUE;
  // A block's own row and a modifier group's own row expand; tap rows do not.
  const CaseRowPosition position = LocateCaseRow(nRow, GetRowCount());
  return position.blockRow == 0 || (position.blockRow > 0 && position.press == 0);
}

BOOL CTreeGridCtrl::ToggleNode(UINT nFlags, CPoint point) {
  const HWND page = ::GetParent(m_hWnd);
  const bool functionEditor = IsWindowOfRuntimeClass(page, "FunctionEditorTab");
  if (!functionEditor && !IsWindowOfRuntimeClass(page, "WheelEventsEditorTab")) return FALSE;

  if (::GetFocus() != m_hWnd) SetFocus();
  m_LeftClickDownPoint = point;
  m_LeftClickDownCell = GetCellFromPt(point);
  const int row = m_LeftClickDownCell.row;
  if (row < 0 || row >= GetRowCount() || GetColumnCount() < 2) return FALSE;
  CGridCellBase* cell = GetCell(row, m_nTreeColumn);
  const CTreeCell* treeCell = AsTreeCell(cell);
  if (treeCell == nullptr || treeCell->GetNode() == nullptr || (nFlags & (MK_SHIFT | MK_CONTROL)) != 0) return FALSE;

  // The page may refill the grid while it is asked: the row's node is looked up again after each question.
  if ((cell->GetState() & GVIS_EXPANDED) != 0) {
    if (SendMessageToParent(row, m_nTreeColumn, TGVN_COLLAPSING) >= 0 && Collapse(GetRowNode(row))) {
      SendMessageToParent(row, m_nTreeColumn, TGVN_COLLAPSED);
    }
  } else if (!functionEditor || IsExpandableCaseRow(row)) {
    if (functionEditor) CollapseOtherNodes(treeCell->GetNode()->m_pParent);
    if (SendMessageToParent(row, m_nTreeColumn, TGVN_EXPANDING) >= 0 && Expand(GetRowNode(row))) {
      SendMessageToParent(row, m_nTreeColumn, TGVN_EXPANDED);
    }
  }
  PlaceCellEditors();
  return TRUE;
}

void CTreeGridCtrl::CollapseOtherNodes(CTreeNode* pNode) {
  const XmlOptions* options = GetTalvo().GetOptions();
  if (options != nullptr && options->GetAllCategories()) return;
  for (int row = 1; row < GetRowCount(); ++row) {
    CGridCellBase* cell = GetCell(row, m_nTreeColumn);
    const CTreeCell* treeCell = AsTreeCell(cell);
    if (treeCell == nullptr || treeCell->GetNode() == pNode || (cell->GetState() & GVIS_EXPANDED) == 0) continue;
    // The page may refill the grid while it is asked: the row's node is looked up again.
    if (SendMessageToParent(row, m_nTreeColumn, TGVN_COLLAPSING) >= 0 && Collapse(GetRowNode(row))) {
      SendMessageToParent(row, m_nTreeColumn, TGVN_COLLAPSED);
    }
  }
}

// ---- Mouse buttons ---------------------------------------------------------------------------------------

void CTreeGridCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
  // A toggling press released outside the grid left the flag set: a new press ends that one.
  m_bSkipButtonUp = FALSE;
  if (!ToggleNode(nFlags, point)) {
    CGridCtrl::OnLButtonDown(nFlags, point);
    return;
  }
  EndToggleClick();
}

void CTreeGridCtrl::OnLButtonDblClk(UINT nFlags, CPoint point) {
  m_bSkipButtonUp = FALSE;
  if (!ToggleNode(nFlags, point)) {
    CGridCtrl::OnLButtonDblClk(nFlags, point);
    return;
  }
  EndToggleClick();
}

void CTreeGridCtrl::EndToggleClick() {
  // The toggle is the whole click: the grid neither selects nor sees the button go up.
  m_bLMouseButtonDown = FALSE;
  m_LeftClickDownCell = CCellID();
  m_LastMousePoint = CPoint(-1, -1);
  m_bSkipButtonUp = TRUE;
  Default();
}

void CTreeGridCtrl::OnLButtonUp(UINT nFlags, CPoint point) {
  if (!m_bSkipButtonUp) {
    CGridCtrl::OnLButtonUp(nFlags, point);
    return;
  }
  m_bSkipButtonUp = FALSE;
  Default();
}

}  // namespace Talvo
