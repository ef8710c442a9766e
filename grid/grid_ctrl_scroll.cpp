// Scrolling, scroll bars, the visible range and sizing the window. Rows scroll by whole rows; columns scroll
// pixel by pixel (the first scrolled column may be partly hidden, recorded as a negative horizontal offset)
// unless whole-column scrolling is on.
#include <algorithm>
#include <climits>

#include "controls/cell_editor_links.h"
#include "engine/redraw_thread.h"
#include "grid/function_editor_page.h"
#include "grid/grid_ctrl.h"

namespace Talvo {

namespace {

// The wheel setting that makes one notch scroll a page instead of lines.
constexpr UINT kWheelPageScroll = UINT_MAX;
// The most scroll messages one wheel event posts.
constexpr long long kMaxWheelSteps = 1000;

// Showing or hiding a bar resizes the window, whose size handling recomputes the bars again; that inner
// pass would see a half-changed window, so it waits for the outer one. The size handler itself may run
// nested through a derived page's layout.
bool resettingScrollBars = false;
bool inOnSize = false;

}  // namespace

int CGridCtrl::GetScrollPos32(int nBar, BOOL bGetTrackPos) const {
  SCROLLINFO info{};
  info.cbSize = sizeof(SCROLLINFO);
  info.fMask = bGetTrackPos ? SIF_TRACKPOS : SIF_POS;
  if (m_hWnd == nullptr || !::GetScrollInfo(m_hWnd, nBar, &info)) return 0;
  return bGetTrackPos ? info.nTrackPos : info.nPos;
}

BOOL CGridCtrl::SetScrollPos32(int nBar, int nPos, BOOL bRedraw) {
  m_idTopLeftCell = CCellID();
  if (!::IsWindow(m_hWnd)) return FALSE;
  SCROLLINFO info{};
  info.cbSize = sizeof(SCROLLINFO);
  info.fMask = SIF_POS;
  info.nPos = nPos;
  ::SetScrollInfo(m_hWnd, nBar, &info, bRedraw);
  return TRUE;
}

CCellID CGridCtrl::GetTopleftNonFixedCell(BOOL bForceRecalculation) const {
  if (m_idTopLeftCell.IsValid() && !bForceRecalculation) return m_idTopLeftCell;

  const int vertPos = GetScrollPos32(SB_VERT);
  const int horzPos = GetScrollPos32(SB_HORZ);

  // The first row whose top is at or below the vertical position.
  int row = m_nFixedRows;
  long long top = 0;
  while (top < vertPos && row < m_nRows - 1) top += GetRowHeight(row++);

  // The column that contains the horizontal position, and how far it sticks out to the left.
  int col = m_nFixedCols;
  int offset = -horzPos;
  long long right = 0;
  while (right < horzPos && col < m_nCols - 1) {
    offset = static_cast<int>(right - horzPos);
    right += GetColumnWidth(col++);
  }
  if (right == horzPos || (m_nBarState & kWholeColumnScrolling) != 0) offset = 0;
  if (offset < 0 && col > m_nFixedCols) --col;

  m_idTopLeftCell = CCellID(row, col);
  // The offset belongs to the cached top-left cell and is recomputed with it.
  const_cast<CGridCtrl*>(this)->m_nHorzOffset = offset;
  return m_idTopLeftCell;
}

CCellRange CGridCtrl::GetVisibleNonFixedCellRange(LPRECT pRect) const {
  CRect client(0, 0, 0, 0);
  if (::IsWindow(m_hWnd)) GetClientRect(&client);
  const CCellID topLeft = GetTopleftNonFixedCell();

  int bottom = GetFixedRowHeight();
  int maxRow = topLeft.row;
  for (; maxRow < m_nRows; ++maxRow) {
    bottom += GetRowHeight(maxRow);
    if (bottom >= client.bottom) {
      bottom = client.bottom;
      break;
    }
  }
  maxRow = std::min(maxRow, m_nRows - 1);

  int right = GetFixedColumnWidth() + m_nHorzOffset;
  int maxCol = topLeft.col;
  for (; maxCol < m_nCols; ++maxCol) {
    right += GetColumnWidth(maxCol);
    if (right >= client.right) {
      right = client.right;
      break;
    }
  }
  maxCol = std::min(maxCol, m_nCols - 1);

  if (pRect != nullptr) *pRect = CRect(0, 0, std::max(right, 0), std::max(bottom, 0));
  return CCellRange(topLeft.row, topLeft.col, maxRow, maxCol);
}

void CGridCtrl::ResetScrollBars() {
  if (m_bUpdating || resettingScrollBars) return;
  m_idTopLeftCell = CCellID();
  m_nHorzOffset = 0;
  if (!m_bAllowDraw || !::IsWindow(m_hWnd)) return;
  CRect rect;
  GetClientRect(&rect);
  if (rect.IsRectEmpty()) return;

  // The client area as it would be without bars, less the fixed cells. A shown bar takes exactly its own
  // width or height from the client area, whatever the window's edge.
  const DWORD style = GetStyle();
  if ((style & WS_VSCROLL) != 0) rect.right += ::GetSystemMetrics(SM_CXVSCROLL);
  if ((style & WS_HSCROLL) != 0) rect.bottom += ::GetSystemMetrics(SM_CYHSCROLL);
  rect.left += GetFixedColumnWidth();
  rect.top += GetFixedRowHeight();

  resettingScrollBars = true;
  if (rect.left >= rect.right || rect.top >= rect.bottom) {
    ::ShowScrollBar(m_hWnd, SB_BOTH, FALSE);
    m_nBarState &= ~(kHorzScrollShown | kVertScrollShown);
    m_nVScrollMax = m_nHScrollMax = 0;
    resettingScrollBars = false;
    return;
  }

  const int vertRange = GetVirtualHeight() - GetFixedRowHeight();
  const int horzRange = GetVirtualWidth() - GetFixedColumnWidth();
  int availWidth = rect.Width();
  int availHeight = rect.Height();
  bool needVert = availHeight < vertRange;
  if (needVert) availWidth -= ::GetSystemMetrics(SM_CXVSCROLL);
  const bool needHorz = availWidth < horzRange;
  if (needHorz) availHeight -= ::GetSystemMetrics(SM_CYHSCROLL);
  // The horizontal bar takes height from the rows: when they no longer fit, the vertical bar is needed too,
  // or the last rows could not be reached.
  if (needHorz && !needVert && availHeight < vertRange) {
    needVert = true;
    availWidth -= ::GetSystemMetrics(SM_CXVSCROLL);
  }

  m_nBarState = (m_nBarState & ~(kHorzScrollShown | kVertScrollShown)) | (needHorz ? kHorzScrollShown : 0) |
                (needVert ? kVertScrollShown : 0);
  ::ShowScrollBar(m_hWnd, SB_HORZ, needHorz);
  ::ShowScrollBar(m_hWnd, SB_VERT, needVert);

  m_nVScrollMax = needVert ? vertRange - 1 : 0;
  m_nHScrollMax = needHorz ? horzRange : 0;

  SCROLLINFO info{};
  info.cbSize = sizeof(SCROLLINFO);
  info.fMask = SIF_RANGE | SIF_PAGE;
  info.nMin = 0;
  info.nMax = m_nHScrollMax;
  info.nPage = m_nHScrollMax > 0 ? static_cast<UINT>(std::max(availWidth, 0)) : 0;
  ::SetScrollInfo(m_hWnd, SB_HORZ, &info, TRUE);

  info.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
  info.nMax = m_nVScrollMax;
  info.nPage = m_nVScrollMax > 0 ? static_cast<UINT>(std::max(availHeight, 0)) : 0;
  ::SetScrollInfo(m_hWnd, SB_VERT, &info, TRUE);
  resettingScrollBars = false;
  // A shrunken range may have moved the positions.
  m_idTopLeftCell = CCellID();
}

void CGridCtrl::EnsureVisible(int nRow, int nCol) {
  if (!m_bAllowDraw || !IsValid(nRow, nCol) || !::IsWindow(m_hWnd)) return;

  // Whole steps first: one line per visible column or row between the visible range and the cell.
  const CCellRange visible = GetVisibleNonFixedCellRange();
  for (int col = visible.GetMaxCol() + 1; col <= nCol; ++col) {
    if (GetColumnWidth(col) > 0) SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
  }
  int stepsLeft = 0;
  for (int col = visible.GetMinCol() - 1; col >= nCol; --col) stepsLeft += GetColumnWidth(col) > 0 ? 1 : 0;
  if (nCol < visible.GetMinCol() && m_nHorzOffset < 0) ++stepsLeft;
  for (int i = 0; i < stepsLeft; ++i) SendMessage(WM_HSCROLL, SB_LINELEFT, 0);
  for (int row = visible.GetMaxRow() + 1; row <= nRow; ++row) {
    if (GetRowHeight(row) > 0) SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
  }
  for (int row = visible.GetMinRow() - 1; row >= nRow; --row) {
    if (GetRowHeight(row) > 0) SendMessage(WM_VSCROLL, SB_LINEUP, 0);
  }

  // Then line by line until the cell is inside; a step that moves nothing ends its loop (the bar is at its
  // end), so a cell larger than the window cannot keep it scrolling forever.
  CRect client;
  GetClientRect(&client);
  CRect cell;
  auto step = [&](UINT message, UINT code, int bar) {
    const int before = GetScrollPos32(bar);
    SendMessage(message, code, 0);
    return GetScrollPos32(bar) != before && GetCellRect(nRow, nCol, &cell);
  };
  if (!GetCellRect(nRow, nCol, &cell)) return;
  while (cell.right > client.right && cell.left > GetFixedColumnWidth() && (m_nBarState & kHorzScrollShown) != 0) {
    if (!step(WM_HSCROLL, SB_LINERIGHT, SB_HORZ)) break;
  }
  if (!GetCellRect(nRow, nCol, &cell)) return;
  GetTopleftNonFixedCell();
  while (m_nHorzOffset < 0 && cell.left < GetFixedColumnWidth()) {
    if (!step(WM_HSCROLL, SB_LINELEFT, SB_HORZ)) break;
    GetTopleftNonFixedCell();
  }
  if (!GetCellRect(nRow, nCol, &cell)) return;
  while (cell.bottom > client.bottom && cell.top > GetFixedRowHeight() && (m_nBarState & kVertScrollShown) != 0) {
    if (!step(WM_VSCROLL, SB_LINEDOWN, SB_VERT)) break;
  }
}

UINT CGridCtrl::ReadWheelScrollLines() {
  UINT lines = 0;
  if (::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) return lines;
  return 3;
}

void CGridCtrl::OnSize(UINT nType, int cx, int cy) {
  if (inOnSize || !::IsWindow(m_hWnd)) return;
  inOnSize = true;
  m_DropTarget.Register(this);  // registers with the first size only
  EndEditing();
  CWnd::OnSize(nType, cx, cy);
  ResetScrollBars();
  PlaceCellEditors();
  inOnSize = false;
}

void CGridCtrl::ScrollByPageOrToEnd(int nBar, UINT nSBCode, int nPage, int nLimit, const CRect& scrollable) {
  const int pos = GetScrollPos32(nBar);
  switch (nSBCode) {
    case SB_PAGEUP:  // and SB_PAGELEFT
      if (pos >= 1) SetScrollPos32(nBar, std::max(pos - nPage, 0));
      break;
    case SB_PAGEDOWN:  // and SB_PAGERIGHT
      if (pos < nLimit) SetScrollPos32(nBar, std::min(pos + nPage, nLimit));
      break;
    case SB_TOP:  // and SB_LEFT
      if (pos >= 1) {
        SetScrollPos32(nBar, 0);
        Invalidate();
      }
      return;
    case SB_BOTTOM:  // and SB_RIGHT
      if (pos < nLimit) {
        SetScrollPos32(nBar, nLimit);
        Invalidate();
      }
      return;
    default:
      return;
  }
  if (GetScrollPos32(nBar) != pos) InvalidateRect(&scrollable);
}

void CGridCtrl::OnHScroll(UINT nSBCode, UINT /*nPos*/, CScrollBar* /*pScrollBar*/) {
  EndEditing();
  const int pos = GetScrollPos32(SB_HORZ);
  const CCellID topLeft = GetTopleftNonFixedCell();
  const int offset = m_nHorzOffset;
  CRect client;
  GetClientRect(&client);
  const int fixedWidth = GetFixedColumnWidth();
  CRect scrollable(client);
  scrollable.left = fixedWidth;

  switch (nSBCode) {
    case SB_LINELEFT:
      if (offset < 0) {
        // The top-left column is partly hidden: scroll back to its left edge.
        SetScrollPos32(SB_HORZ, std::max(pos + offset, 0));
        m_nHorzOffset = 0;
        InvalidateRect(&scrollable);
      } else if (pos >= 1 && topLeft.col > m_nFixedCols) {
        int col = topLeft.col - 1;
        while (col > m_nFixedCols && GetColumnWidth(col) <= 0) --col;
        SetScrollPos32(SB_HORZ, std::max(pos - GetColumnWidth(col), 0));
        InvalidateRect(&scrollable);
      }
      break;
    case SB_LINERIGHT:
      if (pos < m_nHScrollMax) {
        int col = topLeft.col;
        while (col < m_nCols && GetColumnWidth(col) <= 0) ++col;
        if (col >= m_nCols) break;
        SetScrollPos32(SB_HORZ, offset + GetColumnWidth(col) + pos);
        m_nHorzOffset = 0;
        if (GetScrollPos32(SB_HORZ) != pos) InvalidateRect(&scrollable);
      }
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      SetScrollPos32(SB_HORZ, GetScrollPos32(SB_HORZ, TRUE));
      const CCellID newTopLeft = GetTopleftNonFixedCell();
      if ((m_nBarState & kWholeColumnScrolling) == 0 || newTopLeft != topLeft) InvalidateRect(&scrollable);
      break;
    }
    default:
      ScrollByPageOrToEnd(SB_HORZ, nSBCode, client.right - fixedWidth, m_nHScrollMax, scrollable);
      break;
  }
  PlaceCellEditors();
}

void CGridCtrl::OnVScroll(UINT nSBCode, UINT /*nPos*/, CScrollBar* /*pScrollBar*/) {
  EndEditing();
  const int pos = GetScrollPos32(SB_VERT);
  const CCellID topLeft = GetTopleftNonFixedCell();
  CRect client;
  GetClientRect(&client);
  const int fixedHeight = GetFixedRowHeight();
  CRect scrollable(client);
  scrollable.top = fixedHeight;

  switch (nSBCode) {
    case SB_LINEUP:
      if (pos >= 1 && topLeft.row > m_nFixedRows) {
        int row = topLeft.row - 1;
        while (row > m_nFixedRows && GetRowHeight(row) < 1) --row;
        SetScrollPos32(SB_VERT, std::max(pos - GetRowHeight(row), 0));
        InvalidateRect(&scrollable);
      }
      break;
    case SB_LINEDOWN:
      if (pos < m_nVScrollMax) {
        int row = topLeft.row;
        while (row < m_nRows && GetRowHeight(row) < 1) ++row;
        if (row >= m_nRows) break;
        SetScrollPos32(SB_VERT, pos + GetRowHeight(row));
        if (GetScrollPos32(SB_VERT) != pos) InvalidateRect(&scrollable);
      }
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      SetScrollPos32(SB_VERT, GetScrollPos32(SB_VERT, TRUE));
      if (GetTopleftNonFixedCell() != topLeft) InvalidateRect(&scrollable);
      break;
    default:
      ScrollByPageOrToEnd(SB_VERT, nSBCode, client.bottom - fixedHeight, m_nVScrollMax, scrollable);
      break;
  }

  // The editors follow every scroll at once: the redraw thread's message is taken only by the get-message
  // hook, which is missing while the program is switched off. Editor pages still ask the thread, whose
  // message re-places the editors of the editor window's active page.
  PlaceCellEditors();
  const HWND parent = ::GetParent(m_hWnd);
  if (IsWindowOfRuntimeClass(parent, "FunctionEditorTab") || IsWindowOfRuntimeClass(parent, "WheelEventsEditorTab")) {
    RequestGridRedraw();
  }
  if (iFunctionEditorPage* page = FunctionEditorPageOf(m_hWnd)) page->OnRowsScrolled();
}

BOOL CGridCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) {
  long long steps = 0;
  UINT code = 0;
  if (m_nRowsPerWheelNotch == kWheelPageScroll) {
    steps = zDelta / WHEEL_DELTA;
    code = steps >= 1 ? SB_PAGEUP : SB_PAGEDOWN;
  } else {
    steps = static_cast<long long>(zDelta) * m_nRowsPerWheelNotch / WHEEL_DELTA;
    code = steps >= 1 ? SB_LINEUP : SB_LINEDOWN;
  }
  // An absurd wheel setting must not flood the queue; no grid has this many rows on screen.
  const long long count = std::min(steps < 0 ? -steps : steps, kMaxWheelSteps);
  for (long long i = 0; i < count; ++i) PostMessage(WM_VSCROLL, code, 0);
  return CWnd::OnMouseWheel(nFlags, zDelta, pt);
}

}  // namespace Talvo
