// Mouse input: pressing, dragging out selections, releasing, double clicks, auto-scrolling and the cursor.
#include <algorithm>

#include "grid/grid_ctrl.h"

namespace Talvo {

namespace {

// A client point relative to the cell's top-left corner (unchanged when the cell has no origin).
CPoint RelativeToCell(const CGridCtrl& grid, const CCellID& cell, CPoint point) {
  POINT origin{};
  if (!grid.GetCellOrigin(cell, &origin)) return point;
  return CPoint(point.x - origin.x, point.y - origin.y);
}

// Whether a client point lies in the part of the cell where its text goes (right of its image).
bool IsInTextRect(const CGridCtrl& grid, const CCellID& cell, CPoint point) {
  CGridCellBase* cellObject = grid.GetCell(cell.row, cell.col);
  CRect rect;
  if (cellObject == nullptr || !grid.GetCellRect(cell, &rect)) return false;
  cellObject->GetTextRect(&rect);
  // Cell rectangles include their right and bottom edges.
  return point.x >= rect.left && point.x <= rect.right && point.y >= rect.top && point.y <= rect.bottom;
}

void ShowArrowCursor() { ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW)); }

}  // namespace

void CGridCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
  SetFocus();
  m_bLMouseButtonDown = TRUE;
  m_LeftClickDownPoint = point;
  m_LeftClickDownCell = GetCellFromPt(point);
  if (!IsValid(m_LeftClickDownCell)) return;
  const CCellID clicked = m_LeftClickDownCell;
  const bool shift = (nFlags & MK_SHIFT) != 0;
  const bool ctrl = (nFlags & MK_CONTROL) != 0;

  // Shift extends from where the last selection started (or from the focus cell when none did).
  if (!shift) {
    m_SelectionStartCell = clicked;
  } else if (!IsValid(m_SelectionStartCell)) {
    m_SelectionStartCell = IsValid(m_idCurrentCell) ? m_idCurrentCell : clicked;
  }

  EndEditing();
  if (CGridCellBase* cell = GetCell(clicked.row, clicked.col)) cell->OnClickDown(RelativeToCell(*this, clicked, point));
  // Ending the edit may have made the page refill the grid.
  if (!IsValid(clicked)) return;

  // A click on the focus cell's text edits it when the button comes up (unless the mouse moves first).
  if (clicked == m_idCurrentCell && !ctrl && IsInTextRect(*this, clicked, point) && IsCellEditable(clicked)) {
    m_MouseMode = MOUSE_PREPARE_EDIT;
    return;
  }

  if (IsCellSelected(clicked)) {
    SetFocusCell(clicked);
    if (ctrl) {
      // Ctrl+click on a selected cell takes the range from the selection start to it out of the selection.
      SelectCells(clicked, TRUE, FALSE);
      return;
    }
  } else {
    SetFocusCell(IsCellFixed(clicked.row, clicked.col) ? CCellID() : clicked);
  }

  SetCapture();
  SendMessageToParent(clicked.row, clicked.col, GVN_SELCHANGING);
  // Ctrl keeps the current selection while the new range is dragged out.
  m_PrevSelectedCellMap.clear();
  if (ctrl) m_PrevSelectedCellMap = m_SelectedCellMap;
  m_MouseMode = MOUSE_SELECT_CELLS;
  OnSelecting(clicked);
  m_nTimerID = SetTimer(kAutoScrollTimerId, static_cast<UINT>(m_nTimerInterval));
  m_LastMousePoint = point;
}

void CGridCtrl::OnMouseMove(UINT nFlags, CPoint point) {
  CRect client;
  GetClientRect(&client);
  if (!client.PtInRect(point)) return;

  // The button flag alone would outlive a release the grid never saw (capture taken by another window).
  if (m_bLMouseButtonDown && (nFlags & MK_LBUTTON) != 0) {
    switch (m_MouseMode) {
      case MOUSE_SELECT_CELLS: {
        const CCellID cell = GetCellFromPt(point);
        if (!IsValid(cell) || cell == m_idCurrentCell) break;
        OnSelecting(cell);
        SetFocusCell(cell);
        break;
      }
      case MOUSE_PREPARE_EDIT:
        // With dragging off a press on the focus cell stays a click while the mouse stays on the cell (a
        // small move keeps the selection and the edit); moving off it ends the click without a drag.
        if (!m_bAllowDragAndDrop) {
          if (GetCellFromPt(point) != m_idCurrentCell) m_MouseMode = MOUSE_NOTHING;
          break;
        }
        [[fallthrough]];
      case MOUSE_PREPARE_DRAG:
        m_MouseMode = MOUSE_PREPARE_DRAG;
        OnBeginDrag();
        break;
      default:
        break;
    }
  } else {
    m_bLMouseButtonDown = FALSE;
    if (m_MouseMode != MOUSE_NOTHING) {
      ShowArrowCursor();
      m_MouseMode = MOUSE_NOTHING;
    }
    const CCellID cell = GetCellFromPt(point);
    if (CGridCellBase* cellObject = GetCell(cell.row, cell.col)) cellObject->OnMouseOver(RelativeToCell(*this, cell, point));
  }
  m_LastMousePoint = point;
}

void CGridCtrl::OnLButtonUp(UINT nFlags, CPoint point) {
  CWnd::OnLButtonUp(nFlags, point);
  m_bLMouseButtonDown = FALSE;
  if (GetCapture() == this) {
    ReleaseCapture();
    if (m_nTimerID != 0) KillTimer(m_nTimerID);
    m_nTimerID = 0;
  }

  const CCellID clicked = m_LeftClickDownCell;
  switch (m_MouseMode) {
    case MOUSE_PREPARE_EDIT:
      OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, RelativeToCell(*this, m_idCurrentCell, point), VK_LBUTTON);
      break;
    case MOUSE_PREPARE_DRAG: {
      // The press on the focus cell turned into a (refused) drag: a click, then nothing stays selected.
      if (CGridCellBase* cell = GetCell(m_idCurrentCell.row, m_idCurrentCell.col)) {
        cell->OnClick(RelativeToCell(*this, m_idCurrentCell, point));
      }
      SendMessageToParent(clicked.row, clicked.col, GVN_CLICK);
      SendMessageToParent(clicked.row, clicked.col, GVN_SELCHANGING);
      ResetSelectedRange();
      SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
      break;
    }
    default: {
      SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
      if (CGridCellBase* cell = GetCell(m_idCurrentCell.row, m_idCurrentCell.col)) {
        cell->OnClick(RelativeToCell(*this, m_idCurrentCell, point));
      }
      SendMessageToParent(clicked.row, clicked.col, GVN_CLICK);
      break;
    }
  }
  m_MouseMode = MOUSE_NOTHING;
  ShowArrowCursor();

  // Pages also learn of every completed click as a button click of the grid's control id.
  if (IsValid(clicked) && ::IsWindow(m_hWnd)) {
    CWnd* receiver = GetOwner();
    if (receiver != nullptr) {
      receiver->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
    }
  }
}

void CGridCtrl::OnLButtonDblClk(UINT nFlags, CPoint point) {
  const CCellID cell = GetCellFromPt(point);
  if (IsValid(cell) && m_MouseMode == MOUSE_NOTHING) {
    if (!IsCellFixed(cell.row, cell.col) && IsValid(m_LeftClickDownCell) && IsInTextRect(*this, cell, point)) {
      OnEditCell(cell.row, cell.col, RelativeToCell(*this, cell, point), VK_LBUTTON);
    }
    // Starting the edit may have changed the grid: the cell is looked up again.
    if (CGridCellBase* cellObject = GetCell(cell.row, cell.col)) {
      cellObject->OnDblClick(RelativeToCell(*this, cell, point));
    }
    SendMessageToParent(cell.row, cell.col, GVN_DBLCLK);
  }
  CWnd::OnLButtonDblClk(nFlags, point);
}

void CGridCtrl::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kAutoScrollTimerId || nIDEvent != m_nTimerID) {
    CWnd::OnTimer(nIDEvent);
    return;
  }
  // A selection dragged past an edge scrolls one step that way and extends to the cell at the edge.
  CPoint point;
  if (!::GetCursorPos(&point)) return;
  ScreenToClient(&point);
  CRect client;
  GetClientRect(&client);
  const int fixedHeight = GetFixedRowHeight();
  const int fixedWidth = GetFixedColumnWidth();

  if (point.y > client.bottom || point.y < fixedHeight) {
    const bool below = point.y > client.bottom;
    SendMessage(WM_KEYDOWN, below ? VK_DOWN : VK_UP, 0);
    point.y = below ? client.bottom : fixedHeight + 1;
    point.x = std::clamp<int>(point.x, client.left, std::max(client.left, client.right - 1));
    OnSelecting(GetCellFromPt(point));
  }
  if (point.x > client.right || point.x < fixedWidth) {
    const bool right = point.x > client.right;
    SendMessage(WM_KEYDOWN, right ? VK_RIGHT : VK_LEFT, 0);
    point.x = right ? client.right : fixedWidth + 1;
    point.y = std::clamp<int>(point.y, client.top, std::max(client.top, client.bottom - 1));
    OnSelecting(GetCellFromPt(point));
  }
}

void CGridCtrl::OnCaptureChanged(CWnd* pWnd) {
  if (pWnd != nullptr && pWnd->m_hWnd == m_hWnd) return;
  if (m_nTimerID != 0) KillTimer(m_nTimerID);
  m_nTimerID = 0;
  // Whatever the press was doing (selecting, preparing an edit or a drag, dragging) ends with the capture:
  // the release will go to another window.
  m_bLMouseButtonDown = FALSE;
  m_MouseMode = MOUSE_NOTHING;
}

BOOL CGridCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  if (nHitTest != HTCLIENT) return CWnd::OnSetCursor(pWnd, nHitTest, message);
  // No grid here has fixed cells or drags, so the cell under the cursor always decides.
  CPoint point;
  ::GetCursorPos(&point);
  ScreenToClient(&point);
  const CCellID cell = GetCellFromPt(point);
  CGridCellBase* cellObject = GetCell(cell.row, cell.col);
  if (cellObject == nullptr || !cellObject->OnSetCursor()) ShowArrowCursor();
  return TRUE;
}

}  // namespace Talvo
