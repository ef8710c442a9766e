// The check cell: a check box at the cell's left edge, the text after it.
#include "grid/grid_cell_check.h"

#include <algorithm>

#include "controls/cell_editor_links.h"
#include "grid/grid_ctrl.h"

namespace Talvo {

IMPLEMENT_DYNCREATE(CGridCellCheck, CGridCell)

BOOL CGridCellCheck::Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd) {
  m_Rect = rect;
  CRect box = GetCheckPlacement();
  CRect textRect = rect;
  textRect.left = box.right;
  const BOOL drawn = CGridCell::Draw(pDC, nRow, nCol, textRect, bEraseBkgnd);
  if (pDC != nullptr && box.right < rect.right && box.bottom < rect.bottom) {
    pDC->DrawFrameControl(&box, DFC_BUTTON, DFCS_BUTTONCHECK | (m_bChecked ? DFCS_CHECKED : 0));
  }
  return drawn;
}

BOOL CGridCellCheck::GetTextRect(LPRECT pRect) { return CGridCell::GetTextRect(pRect); }

CSize CGridCellCheck::GetCellExtent(CDC* pDC) {
  CSize size = CGridCell::GetCellExtent(pDC);
  const int box = 2 * static_cast<int>(GetMargin()) + ::GetSystemMetrics(SM_CXHSCROLL);
  size.cx += box;
  size.cy = std::max<int>(size.cy, box);
  return size;
}

BOOL CGridCellCheck::SetCheck(BOOL bChecked) {
  const BOOL previous = m_bChecked;
  m_bChecked = bChecked;
  CGridCtrl* grid = GetGrid();
  const HWND gridWindow = grid != nullptr ? grid->GetSafeHwnd() : nullptr;
  if (!::IsWindow(gridWindow)) return previous;
  // Cell rectangles include their right and bottom edges.
  if (!m_Rect.IsRectEmpty()) {
    const RECT drawn{m_Rect.left, m_Rect.top, m_Rect.right + 1, m_Rect.bottom + 1};
    ::InvalidateRect(gridWindow, &drawn, TRUE);
  }
  const HWND page = ::GetParent(gridWindow);
  if (IsWindowOfRuntimeClass(page, "OptionsEditorTab")) {
    ::SendMessageW(page, WM_GRID_CHECK_CHANGED, 0, reinterpret_cast<LPARAM>(this));
  }
  return previous;
}

CRect CGridCellCheck::GetCheckPlacement() const {
  const int width = ::GetSystemMetrics(SM_CXHSCROLL);
  const int margin = static_cast<int>(GetMargin());
  CRect box(m_Rect.left + margin, m_Rect.top + margin, 0, 0);
  const int side = static_cast<int>(0.7 * width);
  box.right = box.left + side;
  box.bottom = box.top + side;
  // A cell too low for the box and its margins gets a full-size box centred vertically.
  if (m_Rect.Height() < width + 2 * margin) {
    box.right = box.left + width;
    box.top = m_Rect.top + (m_Rect.Height() - width) / 2;
    box.bottom = box.top + width;
  }
  return box;
}

}  // namespace Talvo
