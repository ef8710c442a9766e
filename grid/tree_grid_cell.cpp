// The tree part of a tree grid's cells: the geometry of levels and expand boxes, the drawing of the
// indentation, the expand box and the dotted tree lines; and the two tree cells built on it.
#include "grid/tree_grid_cell.h"

#include <algorithm>
#include <optional>

#include "controls/visual_manager.h"
#include "grid/tree_grid_ctrl.h"

namespace Talvo {

IMPLEMENT_DYNCREATE(CTreeGridCell, CGridCell)
IMPLEMENT_DYNCREATE(CTreeGridCellCheck, CGridCellCheck)

// A tree grid makes every cell a tree cell, so refilling a page allocates and frees them by the hundred
// thousand. Within 120 bytes they fall in the C library allocator's fast bins (chunks of up to 128 bytes),
// whose free is a push on a list; a larger chunk is merged with its neighbours on every free, which made
// emptying a large tree grid cost more than twice as much per cell as a plain grid.
static_assert(sizeof(CTreeGridCell) <= 120, "a tree cell outgrew the allocator's fast size class");

namespace {

constexpr int kBoxSize = 9;            // the expand box is 9 x 9 pixels
constexpr int kConnectorOverhang = 3;  // the connector reaches this far right of the tree area
// A colour that switches a kind of tree line off.
constexpr COLORREF kNoLine = 0xFFFFFFFF;

// A one-pixel pen that sets every other pixel, in the host's control-text colour (the system's window text
// when the host has none).
HPEN MakeAlternatePen() {
  COLORREF colour = HostColor(kControlText);
  if (colour == CLR_DEFAULT) colour = ::GetSysColor(COLOR_WINDOWTEXT);
  const LOGBRUSH brush{BS_SOLID, colour, 0};
  return ::ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr);
}

// The connectors: a dotted pen in their colour, CLR_DEFAULT asking the host for its control-text colour.
HPEN MakeConnectorPen(COLORREF colour) {
  if (colour == CLR_DEFAULT) colour = HostColor(kControlText);
  return colour != CLR_DEFAULT ? ::CreatePen(PS_DOT, 1, colour) : MakeAlternatePen();
}

// The vertical lines: a dotted pen in their colour, the alternate pen for CLR_DEFAULT.
HPEN MakeVerticalPen(COLORREF colour) {
  return colour != CLR_DEFAULT ? ::CreatePen(PS_DOT, 1, colour) : MakeAlternatePen();
}

// A horizontal line from x1 to x2 (exclusive) at y.
void HorizontalLine(CDC* pDC, int x1, int x2, int y) {
  pDC->MoveTo(x1, y);
  pDC->LineTo(x2, y);
}

// The cell's colour, or its default cell's when the cell has none of its own.
COLORREF Resolved(COLORREF own, COLORREF fallback) { return own != CLR_DEFAULT ? own : fallback; }

}  // namespace

CTreeCell* AsTreeCell(CGridCellBase* pCell) { return dynamic_cast<CTreeCell*>(pCell); }

TreeLinePens::TreeLinePens(COLORREF connector, COLORREF vertical)
    : connector_(MakeConnectorPen(connector)), vertical_(MakeVerticalPen(vertical)) {}

TreeLinePens::~TreeLinePens() {
  if (connector_ != nullptr) ::DeleteObject(connector_);
  if (vertical_ != nullptr) ::DeleteObject(vertical_);
}

// ---- Geometry --------------------------------------------------------------------------------------------

BOOL CTreeCell::GetLevelRect(LPRECT pRect, int nLevel) {
  if (pRect == nullptr || nLevel < 0) return FALSE;
  pRect->right = pRect->left + (GetLevelIndent() + kBoxSize) * (nLevel + 1);
  return TRUE;
}

BOOL CTreeCell::GetTreeRect(LPRECT pRect) { return GetLevelRect(pRect, m_nLevel); }

BOOL CTreeCell::GetExpandBoxRect(LPRECT pRect) {
  if (pRect == nullptr || m_nLevel < 0) return FALSE;
  pRect->left = std::max<LONG>(pRect->right - kBoxSize, pRect->left);
  const LONG centre = (pRect->top + pRect->bottom - GetBoxLift()) / 2;
  pRect->top = std::max<LONG>(centre - 4, pRect->top);
  pRect->bottom = std::min<LONG>(pRect->bottom, centre + 5);
  return TRUE;
}

BOOL CTreeCell::AdjustTextRect(LPRECT pRect) {
  CRect tree = *pRect;
  if (GetTreeRect(&tree)) pRect->left += tree.Width();
  return TRUE;
}

BOOL CTreeCell::HitTest(CPoint point, const CRect& rectCell, BOOL* pOnBox) {
  if (pOnBox != nullptr) *pOnBox = FALSE;
  CRect tree = rectCell;
  if (!GetTreeRect(&tree) || !tree.PtInRect(point)) return FALSE;
  CRect box = tree;
  if (pOnBox != nullptr && GetExpandBoxRect(&box)) *pOnBox = box.PtInRect(point);
  return TRUE;
}

void CTreeCell::AddTreeExtent(CDC* /*pDC*/, CSize& size) {
  CRect tree(0, 0, 0, 0);
  GetTreeRect(&tree);
  size.cx += tree.Width() + GetTextGap();
  size.cy = std::max<LONG>(size.cy, tree.Height());
}

BOOL CTreeCell::CopyTreeData(const CTreeCell& source) {
  m_ptBox = source.m_ptBox;
  m_pNode = source.m_pNode;
  m_nLevel = source.m_nLevel;
  return TRUE;
}

void CTreeCell::ResetTreeData() {
  m_ptBox = CPoint(-1, -1);
  m_pNode = nullptr;
  m_nLevel = -2;
  m_nRow = -1;
}

// ---- Drawing ---------------------------------------------------------------------------------------------

void CTreeCell::DrawExpandBox(CDC* pDC, const CRect& rect) {
  CRect box = rect;
  if (pDC == nullptr || !GetExpandBoxRect(&box)) return;
  pDC->FillRect(&box, CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH))));
  pDC->FrameRect(&box, CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH))));
  const int centreX = box.left + box.Width() / 2;
  const int middleY = (box.top + box.bottom) / 2;
  m_ptBox = CPoint(centreX, box.bottom);

  const HGDIOBJ oldPen = pDC->SelectObject(::GetStockObject(BLACK_PEN));
  HorizontalLine(pDC, centreX - 2, centreX + 3, middleY);
  const bool expanded = (GetOwnerCell()->GetState() & GVIS_EXPANDED) != 0;
  if (!expanded) {  // a plus: the children are hidden
    pDC->MoveTo(centreX, middleY - 2);
    pDC->LineTo(centreX, middleY + 3);
  }
  pDC->SelectObject(oldPen);
}

BOOL CTreeCell::DrawTree(CDC* pDC, int nRow, int nCol, CRect& rect) {
  const CGridCellBase* const owner = GetOwnerCell();
  auto* grid = dynamic_cast<CTreeGridCtrl*>(owner->GetGrid());
  if (grid == nullptr || pDC == nullptr || nCol != grid->GetTreeColumn() || m_nLevel < 0) return TRUE;

  CRect tree = rect;
  GetTreeRect(&tree);
  const bool fits = tree.Width() <= rect.Width() && tree.Height() <= rect.Height();
  const CGridCellBase* defaultCell = owner->GetDefaultCell();
  const COLORREF textColour =
      Resolved(owner->GetTextClr(), defaultCell != nullptr ? defaultCell->GetTextClr() : CLR_DEFAULT);
  const COLORREF background =
      Resolved(owner->GetBackClr(), defaultCell != nullptr ? defaultCell->GetBackClr() : CLR_DEFAULT);
  const bool hasChildren = m_pNode != nullptr && m_pNode->HasChildren();

  CRect box = tree;
  GetExpandBoxRect(&box);
  if (fits) {
    if (background != CLR_DEFAULT) {
      pDC->FillSolidRect(CRect(tree.left, tree.top, tree.right + GetTextGap(), tree.bottom + 1), background);
    }
    if (hasChildren) DrawExpandBox(pDC, tree);
    rect.left += tree.Width() + GetTextGap();
  } else {
    // Too narrow for the tree: only the background shows.
    if (textColour != CLR_DEFAULT) pDC->SetTextColor(textColour);
    if (background != CLR_DEFAULT) {
      pDC->FillSolidRect(CRect(rect.left, rect.top, rect.right + 1, rect.bottom + 1), background);
    }
    m_ptBox = CPoint(box.left + box.Width() / 2, box.bottom);
  }

  const int lineY = (box.top + box.bottom) / 2;
  const int parentColumnX = box.left + box.Width() / 2 - (GetLevelIndent() + kBoxSize);
  // The pens of the grid's paint; a cell drawn on its own makes them for itself.
  std::optional<TreeLinePens> ownPens;
  const TreeLinePens* pens = grid->GetPaintPens();
  if (pens == nullptr) pens = &ownPens.emplace(grid->m_crConnector, grid->m_crVertLine);
  const HGDIOBJ oldPen = pDC->SelectObject(pens->Connector());

  // The connector: from the parent's line of boxes to this row's box or text.
  if (grid->m_crConnector != kNoLine && (m_nLevel > 0 || hasChildren)) {
    const int beyondTree = tree.right + kConnectorOverhang;
    if (m_nLevel > 0 && !hasChildren) {
      if (parentColumnX < rect.right) {
        HorizontalLine(pDC, parentColumnX, std::min<int>(beyondTree, rect.right - 1), lineY);
      }
    } else {
      if (m_nLevel > 0 && box.left < rect.right && parentColumnX < rect.right) {
        HorizontalLine(pDC, box.left, parentColumnX, lineY);
      }
      if (beyondTree < rect.right) HorizontalLine(pDC, tree.right, beyondTree, lineY);
    }
  }

  // The vertical line up to the previous shown sibling's connector, or to the parent's box.
  if (m_nLevel > 0 && grid->m_crVertLine != kNoLine && m_pNode != nullptr && parentColumnX < rect.right) {
    pDC->SelectObject(pens->Vertical());
    pDC->MoveTo(parentColumnX, lineY);
    pDC->LineTo(parentColumnX, LineTopY(*grid, nRow >= 0 ? nRow : m_nRow, rect));
  }
  pDC->SelectObject(oldPen);
  return fits ? TRUE : FALSE;
}

int CTreeCell::LineTopY(const CTreeGridCtrl& grid, int nRow, const CRect& rect) {
  const CTreeNode* anchor = m_pNode->m_pPrev;
  while (anchor != nullptr && grid.GetRowHeight(grid.GetNodeRow(anchor)) <= 0) anchor = anchor->m_pPrev;
  const bool fromSibling = anchor != nullptr;
  if (!fromSibling) anchor = m_pNode->m_pParent;
  const int anchorRow = anchor != nullptr ? grid.GetNodeRow(anchor) : -1;
  // Scrolled away above (or gone): the line runs to the top of the scrolled cells.
  const int cellsTop = grid.GetFixedRowHeight();
  if (anchorRow < grid.GetTopleftNonFixedCell().row || anchorRow >= nRow) return cellsTop;
  int anchorTop = rect.top;
  for (int row = anchorRow; row < nRow; ++row) anchorTop -= std::max(grid.GetRowHeight(row), 0);
  CRect anchorBox(rect.left, anchorTop, rect.right, anchorTop + std::max(grid.GetRowHeight(anchorRow), 1) - 1);
  GetExpandBoxRect(&anchorBox);
  return std::max(fromSibling ? (anchorBox.top + anchorBox.bottom) / 2 : static_cast<int>(anchorBox.bottom), cellsTop);
}

// ---- CTreeGridCellCheck ----------------------------------------------------------------------------------

BOOL CTreeGridCellCheck::Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd) {
  m_ptCellOrigin = rect.TopLeft();
  return TreeCellOf<CGridCellCheck>::Draw(pDC, nRow, nCol, rect, bEraseBkgnd);
}

void CTreeGridCellCheck::Reset() {
  TreeCellOf<CGridCellCheck>::Reset();
  m_ptCellOrigin = CPoint(-1, -1);
}

BOOL CTreeGridCellCheck::Edit(int /*nRow*/, int /*nCol*/, CRect rect, CPoint point, UINT /*nID*/, UINT nChar) {
  // Only a left click at a point of a selected cell flips the check; keys and F2 never do.
  const bool mouseClick = nChar == VK_LBUTTON && point.x >= 0 && point.y >= 0;
  if (!mouseClick || !IsSelected()) return FALSE;
  if (!GetCheckPlacement().PtInRect(rect.TopLeft() + point)) return FALSE;
  SetCheck(!GetCheck());
  return TRUE;
}

void CTreeGridCellCheck::OnClick(CPoint pointCellRelative) {
  if (!IsSelected() || m_ptCellOrigin.x < 0) return;
  if (GetCheckPlacement().PtInRect(m_ptCellOrigin + pointCellRelative)) SetCheck(!GetCheck());
}

}  // namespace Talvo
