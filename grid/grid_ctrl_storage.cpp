// The grid's structure and cell storage: row and column counts, inserting and deleting rows, cell objects
// and their classes, cell contents, row heights and column widths.
#include <algorithm>
#include <climits>
#include <new>
#include <utility>

#include "grid/grid_ctrl.h"

namespace Talvo {

namespace {

// Sums sizes without overflowing an int.
int SumSizes(const std::vector<UINT>& sizes, size_t count) {
  long long total = 0;
  for (size_t i = 0; i < count && i < sizes.size(); ++i) total += sizes[i];
  return static_cast<int>(std::min<long long>(total, INT_MAX));
}

}  // namespace

BOOL CGridCtrl::IsValid(int nRow, int nCol) const { return nRow >= 0 && nRow < m_nRows && nCol >= 0 && nCol < m_nCols; }

BOOL CGridCtrl::IsValid(const CCellRange& range) const {
  return range.IsValid() && range.GetMaxRow() < m_nRows && range.GetMaxCol() < m_nCols;
}

CGridCellBase* CGridCtrl::GetCell(int nRow, int nCol) const {
  if (!IsValid(nRow, nCol)) return nullptr;
  const GRID_ROW* row = GetRowArray(nRow);
  if (row == nullptr || static_cast<size_t>(nCol) >= row->size()) return nullptr;
  return (*row)[static_cast<size_t>(nCol)];
}

BOOL CGridCtrl::SetCell(int nRow, int nCol, CGridCellBase* pCell) {
  if (!IsValid(nRow, nCol)) return FALSE;
  GRID_ROW* row = GetRowArray(nRow);
  if (row == nullptr || static_cast<size_t>(nCol) >= row->size()) return FALSE;
  if (pCell != nullptr) pCell->SetCoords(nRow, nCol);
  (*row)[static_cast<size_t>(nCol)] = pCell;
  return TRUE;
}

GRID_ROW* CGridCtrl::GetRowArray(int nRow) const {
  if (nRow < 0 || static_cast<size_t>(nRow) >= m_RowData.size()) return nullptr;
  return m_RowData[static_cast<size_t>(nRow)].get();
}

int CGridCtrl::FindRowArray(const GRID_ROW* pRow) const {
  for (size_t i = 0; i < m_RowData.size(); ++i) {
    if (m_RowData[i].get() == pRow) return static_cast<int>(i);
  }
  return -1;
}

CGridCellBase* CGridCtrl::GetDefaultCell(BOOL bFixedRow, BOOL bFixedCol) const {
  const CGridDefaultCell* cell = &m_cellDefault;
  if (bFixedRow && bFixedCol) {
    cell = &m_cellFixedRowColDef;
  } else if (bFixedRow) {
    cell = &m_cellFixedRowDef;
  } else if (bFixedCol) {
    cell = &m_cellFixedColDef;
  }
  // The default cells are the grid's own; cells read and draw through them.
  return const_cast<CGridDefaultCell*>(cell);
}

BOOL CGridCtrl::SetDefaultCellType(CRuntimeClass* pRuntimeClass) {
  if (pRuntimeClass == nullptr || !pRuntimeClass->IsDerivedFrom(RUNTIME_CLASS(CGridCellBase))) return FALSE;
  m_pRtcDefault = pRuntimeClass;
  return TRUE;
}

CGridCellBase* CGridCtrl::CreateCell(int nRow, int nCol) {
  if (m_pRtcDefault == nullptr || !m_pRtcDefault->IsDerivedFrom(RUNTIME_CLASS(CGridCellBase))) return nullptr;
  auto* cell = static_cast<CGridCellBase*>(m_pRtcDefault->CreateObject());
  if (cell == nullptr) return nullptr;
  cell->SetGrid(this);
  cell->SetCoords(nRow, nCol);
  if (nCol < m_nFixedCols) cell->SetState(cell->GetState() | GVIS_FIXED | GVIS_FIXEDCOL);
  if (nRow < m_nFixedRows) cell->SetState(cell->GetState() | GVIS_FIXED | GVIS_FIXEDROW);
  if (CGridCellBase* defaultCell = cell->GetDefaultCell()) cell->SetFormat(defaultCell->GetFormat());
  return cell;
}

void CGridCtrl::DestroyCell(int nRow, int nCol) {
  CGridCellBase* cell = GetCell(nRow, nCol);
  if (cell == nullptr) return;
  SetItemState(nRow, nCol, 0);
  SetCell(nRow, nCol, nullptr);
  delete cell;
}

void CGridCtrl::FillRowWithNewCells(int nRow) {
  for (int col = 0; col < m_nCols; ++col) SetCell(nRow, col, CreateCell(nRow, col));
}

void CGridCtrl::DestroyRowCells(int nRow) {
  for (int col = 0; col < m_nCols; ++col) DestroyCell(nRow, col);
}

void CGridCtrl::RenumberRowsFrom(int nRow) {
  for (int row = std::max(nRow, 0); row < m_nRows; ++row) {
    for (int col = 0; col < m_nCols; ++col) {
      if (CGridCellBase* cell = GetCell(row, col)) cell->SetCoords(row, col);
    }
  }
}

BOOL CGridCtrl::SetRowCount(int nRows) {
  if (nRows == m_nRows) return TRUE;
  if (nRows < 0) return FALSE;
  if (m_nFixedRows > nRows) m_nFixedRows = nRows;
  if (m_idCurrentCell.row >= nRows) SetFocusCell(-1, -1);

  const int oldRows = m_nRows;
  if (nRows < oldRows) {
    // Bottom up, so that a tree grid lets go of children before their parents.
    for (int row = oldRows - 1; row >= nRows; --row) OnDeletingRow(row);
    for (int row = nRows; row < oldRows; ++row) DestroyRowCells(row);
    m_RowData.resize(static_cast<size_t>(nRows));
    m_arRowHeights.resize(static_cast<size_t>(nRows));
    m_nRows = nRows;
  } else {
    m_arRowHeights.resize(static_cast<size_t>(nRows), static_cast<UINT>(m_cellDefault.GetHeight()));
    m_RowData.reserve(static_cast<size_t>(nRows));
    while (m_RowData.size() < static_cast<size_t>(nRows)) {
      m_RowData.push_back(std::make_unique<GRID_ROW>(static_cast<size_t>(m_nCols), nullptr));
    }
    m_nRows = nRows;
    for (int row = oldRows; row < nRows; ++row) FillRowWithNewCells(row);
  }
  SetModified();
  ResetScrollBars();
  Refresh();
  return TRUE;
}

BOOL CGridCtrl::SetColumnCount(int nCols) {
  if (nCols == m_nCols) return TRUE;
  if (nCols < 0) return FALSE;
  if (m_nFixedCols > nCols) m_nFixedCols = nCols;
  if (m_idCurrentCell.col >= nCols) SetFocusCell(-1, -1);

  const int oldCols = m_nCols;
  if (nCols < oldCols) {
    for (int row = 0; row < m_nRows; ++row) {
      for (int col = nCols; col < oldCols; ++col) DestroyCell(row, col);
    }
    for (auto& row : m_RowData) row->resize(static_cast<size_t>(nCols));
    m_arColWidths.resize(static_cast<size_t>(nCols));
    m_nCols = nCols;
  } else {
    for (auto& row : m_RowData) row->resize(static_cast<size_t>(nCols), nullptr);
    m_arColWidths.resize(static_cast<size_t>(nCols), static_cast<UINT>(m_cellFixedColDef.GetWidth()));
    m_nCols = nCols;
    for (int row = 0; row < m_nRows; ++row) {
      for (int col = oldCols; col < nCols; ++col) SetCell(row, col, CreateCell(row, col));
    }
  }
  SetModified();
  ResetScrollBars();
  Refresh();
  return TRUE;
}

int CGridCtrl::InsertRow(int nRow) {
  if (nRow >= 0 && (nRow < m_nFixedRows || nRow > m_nRows)) return -1;
  ResetSelectedRange();
  if (m_nCols == 0) SetColumnCount(1);

  const size_t index = nRow < 0 ? static_cast<size_t>(m_nRows) : static_cast<size_t>(nRow);
  try {
    // Both arrays grow geometrically (a fill of n rows moves each element a constant number of times on
    // average); the heights are taken back when the row array cannot grow, so the two stay the same length.
    auto row = std::make_unique<GRID_ROW>(static_cast<size_t>(m_nCols), nullptr);
    m_arRowHeights.insert(m_arRowHeights.begin() + static_cast<std::ptrdiff_t>(index),
                          static_cast<UINT>(m_cellFixedRowDef.GetHeight()));
    try {
      m_RowData.insert(m_RowData.begin() + static_cast<std::ptrdiff_t>(index), std::move(row));
    } catch (const std::bad_alloc&) {
      m_arRowHeights.erase(m_arRowHeights.begin() + static_cast<std::ptrdiff_t>(index));
      throw;
    }
  } catch (const std::bad_alloc&) {
    return -1;
  }
  ++m_nRows;
  const int newRow = static_cast<int>(index);
  FillRowWithNewCells(newRow);
  // The rows below moved down by one: their cells (and the editor windows they keep) learn where they are.
  RenumberRowsFrom(newRow + 1);
  SetItemText(newRow, 0, L"");
  ResetScrollBars();
  SetModified();
  return newRow;
}

BOOL CGridCtrl::DeleteRow(int nRow) {
  if (nRow < 0 || nRow >= m_nRows) return FALSE;
  ResetSelectedRange();
  OnDeletingRow(nRow);
  DestroyRowCells(nRow);
  m_RowData.erase(m_RowData.begin() + nRow);
  m_arRowHeights.erase(m_arRowHeights.begin() + nRow);
  --m_nRows;
  if (nRow < m_nFixedRows) --m_nFixedRows;
  RenumberRowsFrom(nRow);
  ResetScrollBars();
  SetModified();
  return TRUE;
}

// A plain grid keeps nothing else per row.
void CGridCtrl::OnDeletingRow(int /*nRow*/) {}

void CGridCtrl::PrefetchTexts(size_t nRow) const {
  if (nRow >= m_RowData.size() || !m_RowData[nRow]) return;
  for (const CGridCellBase* cell : *m_RowData[nRow]) {
    if (cell != nullptr) __builtin_prefetch(cell->GetText());
  }
}

BOOL CGridCtrl::DeleteAllItems(BOOL bDeleteEditors) {
  ResetSelectedRange();
  // Row by row, straight through the row arrays: the selection maps are emptied as a whole below, so no cell
  // needs its selection state cleared one by one, and each row array goes while it is still in the cache.
  for (size_t index = 0; index < m_RowData.size(); ++index) {
    PrefetchTexts(index + kTextsAhead);
    for (CGridCellBase*& slot : *m_RowData[index]) {
      CGridCellBase* const cell = std::exchange(slot, nullptr);
      if (cell == nullptr) continue;
      if (bDeleteEditors && cell->GetEditWnd() != nullptr) {
        if (auto* gridCell = DYNAMIC_DOWNCAST(CGridCell, cell)) gridCell->DeleteEditWnd();
      }
      delete cell;
    }
    m_RowData[index].reset();
  }
  m_RowData.clear();
  m_arRowHeights.clear();
  m_arColWidths.clear();
  m_SelectedCellMap.clear();
  m_PrevSelectedCellMap.clear();
  m_nRows = m_nFixedRows = m_nCols = m_nFixedCols = 0;
  m_idCurrentCell = CCellID();
  m_SelectionStartCell = CCellID();
  m_LeftClickDownCell = CCellID();
  ResetScrollBars();
  SetModified();
  return TRUE;
}

BOOL CGridCtrl::SetCellType(int nRow, int nCol, CRuntimeClass* pRuntimeClass) {
  CGridCellBase* current = GetCell(nRow, nCol);
  if (!IsValid(nRow, nCol) || pRuntimeClass == nullptr ||
      !pRuntimeClass->IsDerivedFrom(RUNTIME_CLASS(CGridCellBase))) {
    return FALSE;
  }
  auto* replacement = static_cast<CGridCellBase*>(pRuntimeClass->CreateObject());
  if (replacement == nullptr) return FALSE;
  if (current != nullptr) {
    *replacement = *current;
  } else {
    replacement->SetGrid(this);
  }
  SetCell(nRow, nCol, replacement);
  delete current;
  return TRUE;
}

BOOL CGridCtrl::SetItemText(int nRow, int nCol, LPCWSTR str) {
  CGridCellBase* cell = GetCell(nRow, nCol);
  if (cell == nullptr) return FALSE;
  cell->SetText(str);
  SetModified(nRow, nCol);
  return TRUE;
}

BOOL CGridCtrl::SetLabelText(int nRow, int nCol, LPCWSTR str) {
  CGridCellBase* cell = GetCell(nRow, nCol);
  if (cell == nullptr) return FALSE;
  cell->SetState(cell->GetState() | GVIS_READONLY);
  return SetItemText(nRow, nCol, str);
}

std::wstring CGridCtrl::GetItemText(int nRow, int nCol) const {
  const CGridCellBase* cell = GetCell(nRow, nCol);
  return cell != nullptr ? std::wstring(cell->GetText()) : std::wstring();
}

DWORD CGridCtrl::SelectionKey(int nRow, int nCol) {
  return MAKELONG(static_cast<WORD>(nRow), static_cast<WORD>(nCol));
}

BOOL CGridCtrl::SetItemState(int nRow, int nCol, UINT state) {
  CGridCellBase* cell = GetCell(nRow, nCol);
  if (cell == nullptr) return FALSE;
  const bool wasSelected = (cell->GetState() & GVIS_SELECTED) != 0;
  const bool selected = (state & GVIS_SELECTED) != 0;
  if (wasSelected && !selected) m_SelectedCellMap.erase(SelectionKey(nRow, nCol));
  if (!wasSelected && selected) m_SelectedCellMap[SelectionKey(nRow, nCol)] = CCellID(nRow, nCol);
  cell->SetState(state);
  return TRUE;
}

UINT CGridCtrl::GetItemState(int nRow, int nCol) const {
  const CGridCellBase* cell = GetCell(nRow, nCol);
  return cell != nullptr ? cell->GetState() : 0;
}

BOOL CGridCtrl::SetItemData(int nRow, int nCol, LPARAM lParam) {
  CGridCellBase* cell = GetCell(nRow, nCol);
  if (cell == nullptr) return FALSE;
  cell->SetData(lParam);
  return TRUE;
}

LPARAM CGridCtrl::GetItemData(int nRow, int nCol) const {
  const CGridCellBase* cell = GetCell(nRow, nCol);
  return cell != nullptr ? cell->GetData() : 0;
}

BOOL CGridCtrl::SetItemImage(int nRow, int nCol, int iImage) {
  CGridCellBase* cell = GetCell(nRow, nCol);
  if (cell == nullptr) return FALSE;
  cell->SetImage(iImage);
  return TRUE;
}

int CGridCtrl::GetItemImage(int nRow, int nCol) const {
  const CGridCellBase* cell = GetCell(nRow, nCol);
  return cell != nullptr ? cell->GetImage() : -1;
}

BOOL CGridCtrl::SetItemFormat(int nRow, int nCol, UINT nFormat) {
  CGridCellBase* cell = GetCell(nRow, nCol);
  if (cell == nullptr) return FALSE;
  cell->SetFormat(nFormat);
  return TRUE;
}

UINT CGridCtrl::GetItemFormat(int nRow, int nCol) const {
  const CGridCellBase* cell = GetCell(nRow, nCol);
  return cell != nullptr ? cell->GetFormat() : 0;
}

BOOL CGridCtrl::SetItemBkColour(int nRow, int nCol, COLORREF cr) {
  CGridCellBase* cell = GetCell(nRow, nCol);
  if (cell == nullptr) return FALSE;
  cell->SetBackClr(cr);
  return TRUE;
}

COLORREF CGridCtrl::GetItemBkColour(int nRow, int nCol) const {
  const CGridCellBase* cell = GetCell(nRow, nCol);
  return cell != nullptr ? cell->GetBackClr() : CLR_DEFAULT;
}

BOOL CGridCtrl::SetItemFgColour(int nRow, int nCol, COLORREF cr) {
  CGridCellBase* cell = GetCell(nRow, nCol);
  if (cell == nullptr) return FALSE;
  cell->SetTextClr(cr);
  return TRUE;
}

COLORREF CGridCtrl::GetItemFgColour(int nRow, int nCol) const {
  const CGridCellBase* cell = GetCell(nRow, nCol);
  return cell != nullptr ? cell->GetTextClr() : CLR_DEFAULT;
}

BOOL CGridCtrl::SetItemFont(int nRow, int nCol, const LOGFONTW* plf) {
  CGridCellBase* cell = GetCell(nRow, nCol);
  if (cell == nullptr) return FALSE;
  cell->SetFont(plf);
  return TRUE;
}

const LOGFONTW* CGridCtrl::GetItemFont(int nRow, int nCol) const {
  const CGridCellBase* cell = GetCell(nRow, nCol);
  return cell != nullptr ? cell->GetFont() : m_cellDefault.GetFont();
}

void CGridCtrl::SetModified(int nRow, int nCol) {
  if (nRow >= 0 && nCol >= 0) {
    if (CGridCellBase* cell = GetCell(nRow, nCol)) cell->SetState(cell->GetState() | GVIS_MODIFIED);
  }
  m_bModified = TRUE;
}

BOOL CGridCtrl::IsCellEditable(int nRow, int nCol) const {
  const CGridCellBase* cell = GetCell(nRow, nCol);
  return m_bEditable && (cell == nullptr || !cell->IsReadOnly());
}

BOOL CGridCtrl::IsCellSelected(int nRow, int nCol) const {
  if (!m_bEnableSelection) return FALSE;
  const CGridCellBase* cell = GetCell(nRow, nCol);
  return cell != nullptr && cell->IsSelected();
}

BOOL CGridCtrl::IsCellFocusedInMerge(int nRow, int nCol) const {
  const CGridCellBase* cell = GetCell(nRow, nCol);
  return cell != nullptr && cell->IsFocused();
}

BOOL CGridCtrl::IsCellSelectedInMerge(int nRow, int nCol) const {
  const CGridCellBase* cell = GetCell(nRow, nCol);
  return cell != nullptr && cell->IsSelected();
}

int CGridCtrl::GetRowHeight(int nRow) const {
  if (nRow < 0 || nRow >= m_nRows) return -1;
  return static_cast<int>(m_arRowHeights[static_cast<size_t>(nRow)]);
}

int CGridCtrl::GetColumnWidth(int nCol) const {
  if (nCol < 0 || nCol >= m_nCols) return -1;
  return static_cast<int>(m_arColWidths[static_cast<size_t>(nCol)]);
}

BOOL CGridCtrl::SetRowHeight(int nRow, int height) {
  if (nRow < 0 || nRow >= m_nRows || height < 0) return FALSE;
  m_arRowHeights[static_cast<size_t>(nRow)] = static_cast<UINT>(height);
  ResetScrollBars();
  return TRUE;
}

BOOL CGridCtrl::SetColumnWidth(int nCol, int width) {
  if (nCol < 0 || nCol >= m_nCols || width < 0) return FALSE;
  m_arColWidths[static_cast<size_t>(nCol)] = static_cast<UINT>(width);
  ResetScrollBars();
  return TRUE;
}

int CGridCtrl::GetVirtualHeight() const { return SumSizes(m_arRowHeights, m_arRowHeights.size()); }
int CGridCtrl::GetVirtualWidth() const { return SumSizes(m_arColWidths, m_arColWidths.size()); }
int CGridCtrl::GetFixedRowHeight() const { return SumSizes(m_arRowHeights, static_cast<size_t>(m_nFixedRows)); }
int CGridCtrl::GetFixedColumnWidth() const { return SumSizes(m_arColWidths, static_cast<size_t>(m_nFixedCols)); }

void CGridCtrl::EnableSelection(BOOL bEnable) {
  ResetSelectedRange();
  m_bEnableSelection = bEnable;
  ResetSelectedRange();
}

void CGridCtrl::SetRedraw(BOOL bAllowDraw, BOOL bResetScrollBars) {
  // Row changes made while drawing was off left the scroll bars alone; they are reset once, here.
  const bool switchedOn = bAllowDraw && !m_bAllowDraw;
  m_bAllowDraw = bAllowDraw;
  if (bAllowDraw && (bResetScrollBars || switchedOn)) ResetScrollBars();
  Refresh();
}

void CGridCtrl::Refresh() {
  if (m_bAllowDraw && ::IsWindow(m_hWnd)) Invalidate();
}

}  // namespace Talvo
