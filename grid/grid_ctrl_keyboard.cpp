// Keyboard input: moving the focus cell, extending the selection, the edit shortcuts and typed characters.
#include <algorithm>

#include "grid/grid_ctrl.h"

namespace Talvo {

namespace {

bool IsKeyHeld(int virtualKey) { return ::GetKeyState(virtualKey) < 0; }

}  // namespace

// Rows and columns of height or width 0 are hidden (collapsed tree rows); moves skip them. Both helpers
// look from the index after nRow (nCol) in the direction of nStep (+1 or -1) and answer -1 when none is left.
int CGridCtrl::NextVisibleRow(int nRow, int nStep) const {
  for (int row = nRow + nStep; row >= 0 && row < m_nRows; row += nStep) {
    if (GetRowHeight(row) > 0) return row;
  }
  return -1;
}

int CGridCtrl::NextVisibleColumn(int nCol, int nStep) const {
  for (int col = nCol + nStep; col >= 0 && col < m_nCols; col += nStep) {
    if (GetColumnWidth(col) > 0) return col;
  }
  return -1;
}

UINT CGridCtrl::OnGetDlgCode() {
  UINT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
  // Ctrl+Tab stays with the dialog (it switches pages).
  if (m_bHandleTabKey && !IsKeyHeld(VK_CONTROL)) code |= DLGC_WANTTAB;
  return code;
}

void CGridCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (!IsValid(m_idCurrentCell)) {
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    return;
  }
  const bool ctrl = IsKeyHeld(VK_CONTROL);
  const bool shift = IsKeyHeld(VK_SHIFT);
  if (RunEditShortcut(nChar, ctrl, shift)) return;
  // A shortcut may have emptied or refilled the grid.
  if (!IsValid(m_idCurrentCell)) {
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    return;
  }
  KeyTarget target;
  if (!FindKeyTarget(nChar, ctrl, shift, target)) {
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    return;
  }
  MoveFocusToKeyTarget(nChar, shift, target);
  if (target.scrolledHorizontally) SendMessage(WM_HSCROLL, SB_ENDSCROLL, 0);
  if (target.scrolledVertically) SendMessage(WM_VSCROLL, SB_ENDSCROLL, 0);
}

bool CGridCtrl::RunEditShortcut(UINT nChar, bool ctrl, bool shift) {
  if (ctrl) {
    switch (nChar) {
      case VK_INSERT:
      case 'C':
        OnEditCopy();
        break;
      case 'A':
        OnEditSelectAll();
        break;
      case 'V':
        OnEditPaste();
        break;
      case 'X':
        OnEditCut();
        break;
      case VK_ADD:
        AutoSizeColumns();
        Invalidate();
        break;
      default:
        break;
    }
  }
  if (!shift || nChar != VK_INSERT) return false;
  OnEditPaste();
  return true;
}

bool CGridCtrl::FindKeyTarget(UINT nChar, bool ctrl, bool shift, KeyTarget& target) {
  // The first and last visible row and column (the first non-fixed or last index when all are hidden).
  const int firstRow = std::max(NextVisibleRow(m_nFixedRows - 1, 1), m_nFixedRows);
  const int firstCol = std::max(NextVisibleColumn(m_nFixedCols - 1, 1), m_nFixedCols);
  const int lastVisibleRow = NextVisibleRow(m_nRows, -1);
  const int lastVisibleCol = NextVisibleColumn(m_nCols, -1);
  const int lastRow = lastVisibleRow >= 0 ? lastVisibleRow : m_nRows - 1;
  const int lastCol = lastVisibleCol >= 0 ? lastVisibleCol : m_nCols - 1;

  CCellID& next = target.cell;
  next = m_idCurrentCell;
  switch (nChar) {
    case VK_DELETE:
      CutSelectedText();
      break;
    case VK_DOWN:
      if (const int row = NextVisibleRow(next.row, 1); row >= 0) next.row = row;
      break;
    case VK_UP:
      if (const int row = NextVisibleRow(next.row, -1); row >= m_nFixedRows) next.row = row;
      break;
    case VK_RIGHT:
      if (const int col = NextVisibleColumn(next.col, 1); col >= 0) next.col = col;
      break;
    case VK_LEFT:
      if (const int col = NextVisibleColumn(next.col, -1); col >= m_nFixedCols) next.col = col;
      break;
    case VK_TAB:
      if (shift) {
        if (const int col = NextVisibleColumn(next.col, -1); col >= m_nFixedCols) {
          next.col = col;
        } else if (next.row > m_nFixedRows) {
          const int row = NextVisibleRow(next.row, -1);
          next = CCellID(row >= m_nFixedRows ? row : m_nFixedRows, lastCol);
          target.wrapped = true;
        }
      } else {
        if (const int col = NextVisibleColumn(next.col, 1); col >= 0) {
          next.col = col;
        } else if (const int row = NextVisibleRow(next.row, 1); row >= 0) {
          next = CCellID(row, firstCol);
          target.wrapped = true;
        }
      }
      break;
    case VK_NEXT: {
      const CCellID topBefore = GetTopleftNonFixedCell();
      SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
      target.scrolledVertically = true;
      const int moved = GetTopleftNonFixedCell().row - topBefore.row;
      next.row = moved != 0 ? std::min(next.row + moved, lastRow) : lastRow;
      break;
    }
    case VK_PRIOR: {
      const CCellID topBefore = GetTopleftNonFixedCell();
      SendMessage(WM_VSCROLL, SB_PAGEUP, 0);
      target.scrolledVertically = true;
      const int moved = topBefore.row - GetTopleftNonFixedCell().row;
      next.row = moved != 0 ? std::max(next.row - moved, firstRow) : firstRow;
      break;
    }
    case VK_HOME:
      SendMessage(WM_HSCROLL, SB_LEFT, 0);
      target.scrolledHorizontally = true;
      if (ctrl) {
        SendMessage(WM_VSCROLL, SB_TOP, 0);
        target.scrolledVertically = true;
        next.row = firstRow;
      }
      next.col = firstCol;
      break;
    case VK_END:
      SendMessage(WM_HSCROLL, SB_RIGHT, 0);
      target.scrolledHorizontally = true;
      if (ctrl) {
        SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
        target.scrolledVertically = true;
        next.row = lastRow;
      }
      next.col = lastCol;
      break;
    case VK_F2:
      OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), VK_LBUTTON);
      break;
    default:
      return false;
  }
  // A page move may land on a hidden row: the nearest visible one below or above takes its place.
  if ((nChar == VK_NEXT || nChar == VK_PRIOR) && IsValid(next) && GetRowHeight(next.row) == 0) {
    const int below = NextVisibleRow(next.row, 1);
    const int above = NextVisibleRow(next.row, -1);
    next.row = nChar == VK_NEXT ? (above >= m_nFixedRows ? above : below) : (below >= 0 ? below : above);
  }
  return true;
}

void CGridCtrl::MoveFocusToKeyTarget(UINT nChar, bool shift, KeyTarget& target) {
  const CCellID next = target.cell;
  if (!IsValid(next) || next == m_idCurrentCell) return;
  if (m_MouseMode == MOUSE_NOTHING) {
    m_PrevSelectedCellMap.clear();
    m_MouseMode = MOUSE_SELECT_CELLS;
    // Shift extends from the selection start (the cell the keys leave when there is none); Tab restarts it.
    if (!shift || nChar == VK_TAB) {
      m_SelectionStartCell = next;
    } else if (!IsValid(m_SelectionStartCell)) {
      m_SelectionStartCell = m_idCurrentCell;
    }
    SendMessageToParent(next.row, next.col, GVN_SELCHANGING);
    SelectCells(next);
    SendMessageToParent(next.row, next.col, GVN_SELCHANGED);
    m_MouseMode = MOUSE_NOTHING;
  }
  // The page may have refilled the grid while it was told of the change.
  if (!IsValid(next)) return;
  SetFocusCell(next);
  const bool wasHidden = !IsCellVisible(next);
  if (wasHidden) {
    // One step in the key's direction first, so that the view moves the way the focus did.
    switch (nChar) {
      case VK_LEFT:
        SendMessage(WM_HSCROLL, SB_LINELEFT, 0);
        target.scrolledHorizontally = true;
        break;
      case VK_RIGHT:
        SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
        target.scrolledHorizontally = true;
        break;
      case VK_UP:
        SendMessage(WM_VSCROLL, SB_LINEUP, 0);
        target.scrolledVertically = true;
        break;
      case VK_DOWN:
        SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
        target.scrolledVertically = true;
        break;
      case VK_TAB:
        if (target.wrapped) {
          SendMessage(WM_VSCROLL, shift ? SB_LINEUP : SB_LINEDOWN, 0);
          target.scrolledVertically = true;
          SetScrollPos32(SB_HORZ, shift ? m_nHScrollMax : 0);
        } else {
          SendMessage(WM_HSCROLL, shift ? SB_LINELEFT : SB_LINERIGHT, 0);
        }
        target.scrolledHorizontally = true;
        break;
      default:
        break;
    }
  }
  EnsureVisible(next);
  if (wasHidden) Invalidate();
}

void CGridCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (!IsKeyHeld(VK_CONTROL) && m_MouseMode == MOUSE_NOTHING && nChar != VK_ESCAPE &&
      !(nChar == VK_TAB && m_bHandleTabKey) && IsValid(m_idCurrentCell)) {
    // Typing into the grid starts editing the focus cell with the typed character.
    OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), nChar);
  }
  CWnd::OnChar(nChar, nRepCnt, nFlags);
}

LRESULT CGridCtrl::OnImeChar(WPARAM wParam, LPARAM /*lParam*/) {
  if (!IsKeyHeld(VK_CONTROL) && m_MouseMode == MOUSE_NOTHING && wParam != VK_ESCAPE && IsValid(m_idCurrentCell)) {
    OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), static_cast<UINT>(wParam));
  }
  return 0;
}

// Alt-key combinations are the menu's and the dialog's; the grid has nothing of its own to do with them.
void CGridCtrl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { CWnd::OnSysKeyDown(nChar, nRepCnt, nFlags); }

}  // namespace Talvo
