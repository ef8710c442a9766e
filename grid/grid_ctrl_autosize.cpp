// Sizing rows and columns to their cells' contents, and the program's rule for fitting columns to the window.
// Hidden rows and columns (size 0) stay hidden.
#include <algorithm>
#include <cstdlib>

#include "grid/grid_ctrl.h"

namespace Talvo {

namespace {

// The narrowest an odd column gets from FitColumnsToWindow.
constexpr int kMinFittedColumnWidth = 140;

// A cell's extent, measured while the cell knows it is being measured.
CSize MeasureCell(CGridCellBase& cell, CDC& dc) {
  const DWORD state = cell.GetState();
  cell.SetState(state | GVIS_MEASURING);
  const CSize extent = cell.GetCellExtent(&dc);
  cell.SetState(state & ~GVIS_MEASURING);
  return extent;
}

}  // namespace

void CGridCtrl::AutoSizeRowRange(int nAutoSizeStyle, int& nStartRow, int& nEndRow) const {
  nStartRow = (nAutoSizeStyle & GVS_HEADER) != 0 ? 0 : m_nFixedRows;
  nEndRow = (nAutoSizeStyle & GVS_DATA) != 0 ? m_nRows - 1 : m_nFixedRows - 1;
}

BOOL CGridCtrl::AutoSizeColumn(int nCol, int nAutoSizeStyle, BOOL bResetScroll) {
  if (GetColumnWidth(nCol) <= 0 || !::IsWindow(m_hWnd)) return FALSE;
  CClientDC dc(this);
  if (dc.GetSafeHdc() == nullptr) return FALSE;
  int startRow = 0;
  int endRow = -1;
  AutoSizeRowRange(nAutoSizeStyle != 0 ? nAutoSizeStyle : m_nAutoSizeColumnStyle, startRow, endRow);

  // Without a cell to measure the column keeps its width: width 0 would hide it for good.
  int width = -1;
  for (int row = startRow; row <= endRow; ++row) {
    if (CGridCellBase* cell = GetCell(row, nCol)) width = std::max<int>(width, MeasureCell(*cell, dc).cx);
  }
  if (width >= 0) m_arColWidths[static_cast<size_t>(nCol)] = static_cast<UINT>(width);
  if (bResetScroll) ResetScrollBars();
  return TRUE;
}

BOOL CGridCtrl::AutoSizeRow(int nRow, BOOL bResetScroll) {
  if (GetRowHeight(nRow) <= 0 || !::IsWindow(m_hWnd)) return FALSE;
  CClientDC dc(this);
  if (dc.GetSafeHdc() == nullptr) return FALSE;
  int height = -1;
  for (int col = 0; col < m_nCols; ++col) {
    if (CGridCellBase* cell = GetCell(nRow, col)) height = std::max<int>(height, MeasureCell(*cell, dc).cy);
  }
  if (height >= 0) m_arRowHeights[static_cast<size_t>(nRow)] = static_cast<UINT>(height);
  if (bResetScroll) ResetScrollBars();
  return TRUE;
}

void CGridCtrl::AutoSizeColumns(int nAutoSizeStyle) {
  for (int col = 0; col < m_nCols; ++col) {
    if (GetColumnWidth(col) > 0) AutoSizeColumn(col, nAutoSizeStyle, FALSE);
  }
  ResetScrollBars();
}

void CGridCtrl::AutoSizeRows() {
  for (int row = 0; row < m_nRows; ++row) {
    if (GetRowHeight(row) > 0) AutoSizeRow(row, FALSE);
  }
  ResetScrollBars();
}

void CGridCtrl::AutoSize(int nAutoSizeStyle) {
  if (!::IsWindow(m_hWnd)) return;
  CClientDC dc(this);
  if (dc.GetSafeHdc() == nullptr) return;
  int startRow = 0;
  int endRow = -1;
  AutoSizeRowRange(nAutoSizeStyle != 0 ? nAutoSizeStyle : m_nAutoSizeColumnStyle, startRow, endRow);

  // Rows start at 1 and grow to their tallest cell while the columns are measured.
  for (int row = startRow; row <= endRow; ++row) {
    if (GetRowHeight(row) > 0) m_arRowHeights[static_cast<size_t>(row)] = 1;
  }
  for (int col = 0; col < m_nCols; ++col) {
    if (GetColumnWidth(col) <= 0) continue;
    int width = -1;
    for (int row = startRow; row <= endRow; ++row) {
      if (GetRowHeight(row) <= 0) continue;
      CGridCellBase* cell = GetCell(row, col);
      if (cell == nullptr) continue;
      const CSize extent = MeasureCell(*cell, dc);
      width = std::max<int>(width, extent.cx);
      UINT& height = m_arRowHeights[static_cast<size_t>(row)];
      height = std::max<UINT>(height, static_cast<UINT>(std::max<int>(extent.cy, 0)));
    }
    if (width >= 0) m_arColWidths[static_cast<size_t>(col)] = static_cast<UINT>(width);
  }
  ResetScrollBars();
  if (m_bAllowDraw) Invalidate();
}

void CGridCtrl::FitColumnsToWindow() {
  int evenWidths = 0;
  for (int col = 0; col < m_nCols; col += 2) evenWidths += GetColumnWidth(col);
  CRect client(0, 0, 0, 0);
  if (::IsWindow(m_hWnd)) GetClientRect(&client);
  const int width = std::max((std::abs(client.Width()) + 1 - evenWidths) / 4, kMinFittedColumnWidth);
  for (int col = 1; col < m_nCols; col += 2) SetColumnWidth(col, width);
  if (m_bAllowDraw && ::IsWindow(m_hWnd)) Invalidate();
  ResetScrollBars();
}

}  // namespace Talvo
