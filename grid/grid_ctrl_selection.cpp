// The focus cell and the selection: moving the focus, selecting and deselecting ranges (keeping the cells of
// a running Ctrl-click selection), and finding the cell under a client point.
#include <algorithm>
#include <utility>

#include "grid/grid_ctrl.h"

namespace Talvo {

namespace {

// Shows the wait cursor while a selection change walks the cells, then puts the previous cursor back.
class WaitCursor {
 public:
  WaitCursor() : previous_(::SetCursor(::LoadCursorW(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { ::SetCursor(previous_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};

}  // namespace

CCellID CGridCtrl::SetFocusCell(CCellID cell) {
  if (cell == m_idCurrentCell) return m_idCurrentCell;
  const CCellID previous = m_idCurrentCell;
  if (IsValid(previous)) {
    SetItemState(previous.row, previous.col, GetItemState(previous.row, previous.col) & ~GVIS_FOCUSED);
    RedrawCell(previous);
  }
  m_idCurrentCell = cell;
  if (IsValid(cell)) {
    SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GVIS_FOCUSED);
    RedrawCell(cell);
  }
  return previous;
}

void CGridCtrl::SetSelectedRange(const CCellRange& range, BOOL bForceRepaint, BOOL bSelectCells) {
  SetSelectedRange(range.GetMinRow(), range.GetMinCol(), range.GetMaxRow(), range.GetMaxCol(), bForceRepaint,
                   bSelectCells);
}

void CGridCtrl::SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol, BOOL bForceRepaint,
                                 BOOL bSelectCells) {
  if (!m_bEnableSelection) return;
  WaitCursor wait;
  const bool hasWindow = ::IsWindow(m_hWnd) != FALSE;
  CDC* dc = bForceRepaint && hasWindow ? GetDC() : nullptr;
  const CCellRange visible = hasWindow ? GetVisibleNonFixedCellRange() : CCellRange();
  const CCellRange range(nMinRow, nMinCol, nMaxRow, nMaxCol);
  const bool rangeValid = IsValid(range) != FALSE;

  auto repaint = [&](int row, int col) {
    if (!visible.InRange(row, col)) return;
    if (dc != nullptr) {
      RedrawCell(row, col, dc);
    } else {
      InvalidateCellRect(row, col);
    }
  };
  auto setSelected = [&](int row, int col, bool selected) {
    const UINT state = GetItemState(row, col);
    SetItemState(row, col, selected ? state | GVIS_SELECTED : state & ~GVIS_SELECTED);
  };

  if (bSelectCells) {
    // Every selected cell is deselected; those the new range leaves out are repainted. Entries of cells that
    // no longer exist simply drop out with the old map.
    const std::map<DWORD, CCellID> selected = std::exchange(m_SelectedCellMap, {});
    for (const auto& [key, cell] : selected) {
      if (GetCell(cell.row, cell.col) == nullptr) continue;
      setSelected(cell.row, cell.col, false);
      if (!range.InRange(cell)) repaint(cell.row, cell.col);
    }
    // The cells selected before a Ctrl-click stay selected while the new range is dragged out. (Only when
    // selecting: a deselection leaves the selection map as it is, so nothing needs restoring, and restoring
    // would bring back cells the user deselected earlier.)
    if (rangeValid) {
      for (const auto& [key, cell] : m_PrevSelectedCellMap) {
        if (GetCell(cell.row, cell.col) == nullptr) continue;
        setSelected(cell.row, cell.col, true);
        repaint(cell.row, cell.col);
      }
    }
  }

  if (rangeValid) {
    for (int row = nMinRow; row <= nMaxRow; ++row) {
      for (int col = nMinCol; col <= nMaxCol; ++col) {
        const CGridCellBase* cell = GetCell(row, col);
        if (cell == nullptr || (cell->IsSelected() != FALSE) == (bSelectCells != FALSE)) continue;
        setSelected(row, col, bSelectCells != FALSE);
        repaint(row, col);
      }
    }
  }
  if (dc != nullptr) ReleaseDC(dc);
}

void CGridCtrl::SelectAllCells() {
  if (!m_bEnableSelection) return;
  SetSelectedRange(m_nFixedRows, m_nFixedCols, m_nRows - 1, m_nCols - 1);
}

void CGridCtrl::SelectCells(CCellID currentCell, BOOL bForceRedraw, BOOL bSelectCells) {
  if (!m_bEnableSelection || !IsValid(currentCell) || IsCellFixed(currentCell.row, currentCell.col)) return;
  const CCellID start = m_SelectionStartCell;
  SetSelectedRange(std::min(start.row, currentCell.row), std::min(start.col, currentCell.col),
                   std::max(start.row, currentCell.row), std::max(start.col, currentCell.col), bForceRedraw,
                   bSelectCells);
}

void CGridCtrl::OnSelecting(const CCellID& currentCell) {
  if (!m_bEnableSelection) return;
  switch (m_MouseMode) {
    case MOUSE_SELECT_ALL:
      SelectAllCells();
      break;
    case MOUSE_SELECT_COL:
      if (IsValid(currentCell)) {
        SetSelectedRange(m_nFixedRows, std::min(m_SelectionStartCell.col, currentCell.col), m_nRows - 1,
                         std::max(m_SelectionStartCell.col, currentCell.col));
      }
      break;
    case MOUSE_SELECT_ROW:
      if (IsValid(currentCell)) {
        SetSelectedRange(std::min(m_SelectionStartCell.row, currentCell.row), m_nFixedCols,
                         std::max(m_SelectionStartCell.row, currentCell.row), m_nCols - 1);
      }
      break;
    case MOUSE_SELECT_CELLS:
      SelectCells(currentCell);
      break;
    default:
      break;
  }
}

void CGridCtrl::ResetSelectedRange() {
  m_PrevSelectedCellMap.clear();
  SetSelectedRange(-1, -1, -1, -1);
  SetFocusCell(-1, -1);
}

CCellRange CGridCtrl::GetSelectedCellRange() const {
  CCellRange bounds(m_nRows, m_nCols, -1, -1);
  for (const auto& [key, cell] : m_SelectedCellMap) {
    bounds.SetMinRow(std::min(bounds.GetMinRow(), cell.row));
    bounds.SetMinCol(std::min(bounds.GetMinCol(), cell.col));
    bounds.SetMaxRow(std::max(bounds.GetMaxRow(), cell.row));
    bounds.SetMaxCol(std::max(bounds.GetMaxCol(), cell.col));
  }
  return bounds;
}

CCellID CGridCtrl::GetCellFromPt(CPoint point, BOOL bAllowFixedCellCheck) const {
  const CCellID topLeft = GetTopleftNonFixedCell();
  if (!bAllowFixedCellCheck && !IsValid(topLeft)) return CCellID();

  // Walks sizes from a start edge until the running edge passes the coordinate; -1 when none contains it.
  auto find = [](const std::vector<UINT>& sizes, int first, int end, long long edge, int coordinate) {
    for (int index = first; index < end && static_cast<size_t>(index) < sizes.size(); ++index) {
      edge += sizes[static_cast<size_t>(index)];
      if (edge > coordinate) return index;
    }
    return -1;
  };

  const int fixedWidth = GetFixedColumnWidth();
  int col = -1;
  if (point.x >= 0 && point.x < fixedWidth) {
    if (bAllowFixedCellCheck) col = find(m_arColWidths, 0, m_nFixedCols, 0, point.x);
  } else if (point.x >= fixedWidth && topLeft.col >= 0) {
    // The first scrolled column starts the horizontal offset (<= 0) left of the scrollable area.
    col = find(m_arColWidths, topLeft.col, m_nCols, static_cast<long long>(fixedWidth) + m_nHorzOffset, point.x);
  }

  const int fixedHeight = GetFixedRowHeight();
  int row = -1;
  if (point.y >= 0 && point.y < fixedHeight) {
    if (bAllowFixedCellCheck) row = find(m_arRowHeights, 0, m_nFixedRows, 0, point.y);
  } else if (point.y >= fixedHeight && topLeft.row >= 0) {
    row = find(m_arRowHeights, topLeft.row, m_nRows, fixedHeight, point.y);
  }

  if (row < 0 || col < 0) return CCellID();
  return CCellID(row, col);
}

}  // namespace Talvo
