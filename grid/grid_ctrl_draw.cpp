// Painting the grid and mapping between cells and client pixels.
#include <algorithm>
#include <memory>

#include "grid/grid_ctrl.h"
#include "grid/mem_dc.h"
#include "grid/tree_grid_cell.h"
#include "grid/tree_grid_ctrl.h"

namespace Talvo {

namespace {

// The tree column of a tree grid, -1 for a plain grid.
int TreeColumnOf(const CGridCtrl& grid) {
  const auto* tree = dynamic_cast<const CTreeGridCtrl*>(&grid);
  return tree != nullptr ? tree->GetTreeColumn() : -1;
}

// The background a cell shows: its own colour, or its default cell's.
COLORREF ShownBackground(CGridCellBase* cell) {
  const CGridCellBase* defaultCell = cell->GetDefaultCell();
  return cell->GetBackClr() != CLR_DEFAULT || defaultCell == nullptr ? cell->GetBackClr() : defaultCell->GetBackClr();
}

// A plain cell with nothing to show: no text, no image, no editor window. Its place may carry the text of
// the cell on its left.
bool IsBlankCell(CGridCellBase* cell) {
  if (cell == nullptr) return false;
  const CRuntimeClass* type = cell->GetRuntimeClass();
  if (type != RUNTIME_CLASS(CGridCell) && type != RUNTIME_CLASS(CTreeGridCell)) return false;
  return cell->GetText()[0] == L'\0' && cell->GetImage() < 0 && cell->GetEditWnd() == nullptr;
}

// Whether a cell's text may run on to the right: it has text, on one left-aligned line.
bool MaySpanRight(CGridCellBase* cell) {
  const DWORD format = cell->GetFormat();
  const bool wraps = (format & DT_WORDBREAK) != 0 && (format & DT_SINGLELINE) == 0;
  return cell->GetText()[0] != L'\0' && !wraps && (format & (DT_CENTER | DT_RIGHT)) == 0;
}

}  // namespace

int CGridCtrl::TextSpanEnd(int nRow, int nCol, int treeColumn) const {
  CGridCellBase* cell = GetCell(nRow, nCol);
  if (cell == nullptr || !MaySpanRight(cell)) return nCol;
  const COLORREF background = ShownBackground(cell);
  int last = nCol;
  for (int col = nCol + 1; col < m_nCols && col != treeColumn; ++col) {
    CGridCellBase* next = GetCell(nRow, col);
    if (!IsBlankCell(next) || ShownBackground(next) != background) break;
    last = col;
  }
  return last;
}

void CGridCtrl::OnPaint() {
  CPaintDC dc(this);
  // While drawing is off the window keeps what it shows (an empty buffer copied out would blank it).
  if (!m_bAllowDraw) return;
  if (m_bDoubleBuffer) {
    CMemDC memDC(&dc);
    OnDraw(&memDC);
  } else {
    OnDraw(&dc);
  }
}

// The paint covers every pixel, so there is nothing to erase.
BOOL CGridCtrl::OnEraseBkgnd(CDC* /*pDC*/) { return TRUE; }

void CGridCtrl::OnDraw(CDC* pDC) {
  if (!m_bAllowDraw || pDC == nullptr) return;
  CRect clip;
  if (pDC->GetClipBox(&clip) == ERROR || clip.IsRectEmpty()) return;

  const int fixedWidth = GetFixedColumnWidth();
  const int fixedHeight = GetFixedRowHeight();
  CRect visibleRect;
  const CCellRange visible = GetVisibleNonFixedCellRange(&visibleRect);
  const int offset = m_nHorzOffset;

  // Background: the cells' part in the normal cells' colour, the rest in the grid's. Together they cover the
  // whole clip box, which the off-screen buffer relies on (it starts unpainted).
  CRect cellsPart;
  if (cellsPart.IntersectRect(&clip, &visibleRect)) pDC->FillSolidRect(&cellsPart, m_cellDefault.GetBackClr());
  if (clip.right > visibleRect.right) {
    pDC->FillSolidRect(CRect(std::max(visibleRect.right, clip.left), clip.top, clip.right, clip.bottom), m_crGridBkColour);
  }
  if (clip.bottom > visibleRect.bottom) {
    pDC->FillSolidRect(CRect(clip.left, std::max(visibleRect.bottom, clip.top), std::min(visibleRect.right, clip.right),
                             clip.bottom),
                       m_crGridBkColour);
  }
  if (!visible.IsValid()) return;

  // The tree column of the visible rows inside the clip box; tree cells work out their lines from the rows'
  // geometry, so rows scrolled away or outside the clip are not drawn.
  const int treeColumn = TreeColumnOf(*this);
  const int treeWidth = GetColumnWidth(treeColumn);
  if (treeColumn >= m_nFixedCols && treeColumn < m_nCols && treeWidth > 0) {
    int left = fixedWidth + offset;
    for (int col = visible.GetMinCol(); col < treeColumn; ++col) left += GetColumnWidth(col);
    for (int col = treeColumn; col < visible.GetMinCol(); ++col) left -= GetColumnWidth(col);
    const bool columnInClip = left <= clip.right && left + treeWidth - 1 >= clip.left;
    int top = fixedHeight;
    for (int row = visible.GetMinRow(); columnInClip && row <= visible.GetMaxRow() && top <= clip.bottom; ++row) {
      const int height = GetRowHeight(row);
      if (height > 0 && top + height - 1 >= clip.top) {
        if (CGridCellBase* cell = GetCell(row, treeColumn)) {
          cell->SetCoords(row, treeColumn);
          cell->Draw(pDC, row, treeColumn, CRect(left, top, left + treeWidth - 1, top + height - 1), FALSE);
        }
      }
      top += std::max(height, 0);
    }
  }

  // The other visible cells, each with its group shading (right and bottom edges are inclusive). A text that
  // has blank cells of its background on its right runs over them (a heading takes its whole row); those
  // cells draw only their shading.
  const BOOL clipRows = CanClipRows();
  CRect rect;
  rect.bottom = fixedHeight - 1;
  for (int row = visible.GetMinRow(); row <= visible.GetMaxRow(); ++row) {
    const int height = GetRowHeight(row);
    if (height <= 0) continue;
    rect.top = rect.bottom + 1;
    rect.bottom = rect.top + height - 1;
    if (clipRows && rect.top > clip.bottom) break;
    if (clipRows && rect.bottom < clip.top) continue;
    rect.right = fixedWidth - 1 + offset;
    int spanEnd = -1;
    for (int col = visible.GetMinCol(); col <= visible.GetMaxCol(); ++col) {
      const int width = GetColumnWidth(col);
      if (width <= 0) continue;
      rect.left = rect.right + 1;
      rect.right = rect.left + width - 1;
      if (clipRows && rect.left > clip.right) break;
      if (col == treeColumn) continue;
      CGridCellBase* cell = GetCell(row, col);
      if (cell == nullptr) continue;
      CRect drawn = rect;
      const bool spanned = col <= spanEnd;
      if (!spanned) {
        spanEnd = TextSpanEnd(row, col, treeColumn);
        for (int next = col + 1; next <= spanEnd; ++next) drawn.right += std::max(GetColumnWidth(next), 0);
      }
      if (clipRows && drawn.right < clip.left) continue;
      cell->SetCoords(row, col);
      if (!spanned) cell->Draw(pDC, row, col, drawn, FALSE);
      CRect shaded = rect;
      cell->DrawGroupShading(pDC, row, col, &shaded);
    }
  }

  // Grid lines over the cells, on their last pixel.
  pDC->SelectClipRgn(nullptr);
  CPen pen(PS_SOLID, 1, m_crGridLineColour);
  CPen* oldPen = pDC->SelectObject(&pen);
  if (m_nGridLines == GVL_VERT || m_nGridLines == GVL_BOTH) {
    int x = fixedWidth + offset;
    for (int col = visible.GetMinCol(); col <= visible.GetMaxCol(); ++col) {
      const int width = GetColumnWidth(col);
      if (width <= 0) continue;
      x += width;
      pDC->MoveTo(x - 1, fixedHeight);
      pDC->LineTo(x - 1, visibleRect.bottom);
    }
  }
  if (m_nGridLines == GVL_HORZ || m_nGridLines == GVL_BOTH) {
    int y = fixedHeight;
    for (int row = visible.GetMinRow(); row <= visible.GetMaxRow(); ++row) {
      const int height = GetRowHeight(row);
      if (height <= 0) continue;
      y += height;
      pDC->MoveTo(fixedWidth, y - 1);
      pDC->LineTo(visibleRect.right, y - 1);
    }
  }
  pDC->SelectObject(oldPen);
}

BOOL CGridCtrl::CanClipRows() const { return TRUE; }

BOOL CGridCtrl::RedrawCell(int nRow, int nCol, CDC* pDC) {
  CRect rect;
  if (!m_bAllowDraw || !IsCellVisible(nRow, nCol) || !GetCellRect(nRow, nCol, &rect)) return FALSE;
  if ((m_nBarState & kWholeColumnScrolling) == 0) {
    CRect grown = rect;
    grown.InflateRect(1, 1);
    InvalidateRect(&grown, TRUE);
    return TRUE;
  }

  // Whole-column scrolling repaints the cell at once, with its grid lines.
  CGridCellBase* cell = GetCell(nRow, nCol);
  if (cell == nullptr) return FALSE;
  std::unique_ptr<CClientDC> windowDC;
  if (pDC == nullptr) {
    windowDC = std::make_unique<CClientDC>(this);
    if (windowDC->GetSafeHdc() == nullptr) {
      CRect grown = rect;
      grown.InflateRect(1, 1);
      InvalidateRect(&grown, TRUE);
      return TRUE;
    }
    pDC = windowDC.get();
  }
  cell->SetCoords(nRow, nCol);
  const BOOL drawn = cell->Draw(pDC, nRow, nCol, rect, TRUE);
  CPen pen(PS_SOLID, 1, m_crGridLineColour);
  CPen* oldPen = pDC->SelectObject(&pen);
  if (m_nGridLines == GVL_HORZ || m_nGridLines == GVL_BOTH) {
    pDC->MoveTo(rect.left, rect.bottom);
    pDC->LineTo(rect.right + 1, rect.bottom);
  }
  if (m_nGridLines == GVL_VERT || m_nGridLines == GVL_BOTH) {
    pDC->MoveTo(rect.right, rect.top);
    pDC->LineTo(rect.right, rect.bottom + 1);
  }
  pDC->SelectObject(oldPen);
  return drawn;
}

BOOL CGridCtrl::InvalidateCellRect(int nRow, int nCol) {
  CRect rect;
  if (!::IsWindow(m_hWnd) || !m_bAllowDraw || !IsValid(nRow, nCol) || !IsCellVisible(nRow, nCol) ||
      !GetCellRect(nRow, nCol, &rect)) {
    return FALSE;
  }
  rect.InflateRect(0, 0, 1, 1);
  InvalidateRect(&rect, TRUE);
  return TRUE;
}

BOOL CGridCtrl::GetCellOrigin(int nRow, int nCol, LPPOINT p) const {
  if (p == nullptr || !IsValid(nRow, nCol)) return FALSE;
  CCellID topLeft;
  if (nRow >= m_nFixedRows || nCol >= m_nFixedCols) topLeft = GetTopleftNonFixedCell();
  if (nCol >= m_nFixedCols && nCol < topLeft.col) return FALSE;
  if (nRow >= m_nFixedRows && nRow < topLeft.row) return FALSE;

  int x = 0;
  if (nCol < m_nFixedCols) {
    for (int col = 0; col < nCol; ++col) x += GetColumnWidth(col);
  } else {
    x = GetFixedColumnWidth() + m_nHorzOffset;
    for (int col = topLeft.col; col < nCol; ++col) x += GetColumnWidth(col);
  }
  int y = 0;
  if (nRow < m_nFixedRows) {
    for (int row = 0; row < nRow; ++row) y += GetRowHeight(row);
  } else {
    y = GetFixedRowHeight();
    for (int row = topLeft.row; row < nRow; ++row) y += GetRowHeight(row);
  }
  p->x = x;
  p->y = y;
  return TRUE;
}

BOOL CGridCtrl::GetCellRect(int nRow, int nCol, LPRECT pRect) const {
  CPoint origin;
  if (pRect == nullptr || !GetCellOrigin(nRow, nCol, &origin)) return FALSE;
  pRect->left = origin.x;
  pRect->top = origin.y;
  pRect->right = origin.x + GetColumnWidth(nCol) - 1;
  pRect->bottom = origin.y + GetRowHeight(nRow) - 1;
  return TRUE;
}

BOOL CGridCtrl::IsCellVisible(int nRow, int nCol) const {
  if (!::IsWindow(m_hWnd)) return FALSE;
  CRect cell;
  if (!GetCellRect(nRow, nCol, &cell)) return FALSE;
  CRect client;
  GetClientRect(&client);
  // Inclusive right and bottom: a hidden (size 0) row or column has no pixel to show.
  return cell.right >= cell.left && cell.bottom >= cell.top && cell.left < client.right && cell.top < client.bottom &&
         cell.right >= 0 && cell.bottom >= 0;
}

LRESULT CGridCtrl::OnSetFont(WPARAM wParam, LPARAM /*lParam*/) {
  const LRESULT result = Default();
  LOGFONTW font{};
  const auto handle = reinterpret_cast<HGDIOBJ>(wParam);
  if (handle == nullptr || ::GetObjectW(handle, sizeof(font), &font) != static_cast<int>(sizeof(font))) return result;
  for (CGridDefaultCell* cell : {&m_cellDefault, &m_cellFixedColDef, &m_cellFixedRowDef, &m_cellFixedRowColDef}) {
    cell->SetFont(&font);
  }
  if (m_bAllowDraw && ::IsWindow(m_hWnd)) Invalidate();
  return result;
}

LRESULT CGridCtrl::OnGetFont(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  CFont* font = m_cellDefault.GetFontObject();
  return font != nullptr ? reinterpret_cast<LRESULT>(font->GetSafeHandle()) : 0;
}

void CGridCtrl::OnSysColorChange() {
  CWnd::OnSysColorChange();
  // Colours that followed the system keep following it; colours a page chose stay.
  for (CGridDefaultCell* cell : {&m_cellDefault, &m_cellFixedRowDef, &m_cellFixedColDef, &m_cellFixedRowColDef}) {
    if (cell->GetTextClr() == m_crWindowText) cell->SetTextClr(::GetSysColor(COLOR_WINDOWTEXT));
    if (cell->GetBackClr() == m_crWindowColour) cell->SetBackClr(::GetSysColor(COLOR_WINDOW));
  }
  if (m_crGridBkColour == m_crShadow) m_crGridBkColour = ::GetSysColor(COLOR_3DSHADOW);
  ReadSystemColours();
}

}  // namespace Talvo
