// The cells of a tree grid's tree column. CTreeCell is the tree part (node, level, expand box) that draws the
// indentation, the expand box and the dotted tree lines; CTreeGridCell and CTreeGridCellCheck are a plain
// cell and a check cell with that part. Both start expanded.
#pragma once

#include "grid/grid_cell_check.h"
#include "grid/tree_node.h"

namespace Talvo {

class CTreeGridCtrl;

// The dotted pens of the tree lines (connectors and vertical lines), made once for a whole paint.
class TreeLinePens {
 public:
  TreeLinePens(COLORREF connector, COLORREF vertical);
  ~TreeLinePens();
  TreeLinePens(const TreeLinePens&) = delete;
  TreeLinePens& operator=(const TreeLinePens&) = delete;
  HPEN Connector() const { return connector_; }
  HPEN Vertical() const { return vertical_; }

 private:
  HPEN connector_;
  HPEN vertical_;
};

class CTreeCell {
 public:
  CTreeCell() = default;
  virtual ~CTreeCell() = default;
  CTreeCell(const CTreeCell&) = delete;
  CTreeCell& operator=(const CTreeCell&) = delete;

  // Whether the point lies in the tree area of the cell rectangle; *pOnBox tells whether on the expand box.
  virtual BOOL HitTest(CPoint point, const CRect& rectCell, BOOL* pOnBox);
  // Widens a cell extent by the tree area and the text gap.
  virtual void AddTreeExtent(CDC* pDC, CSize& size);
  // Draws the tree part at the left of the rectangle and leaves the rest for the cell; FALSE when the tree
  // area does not fit (then only the background is drawn).
  virtual BOOL DrawTree(CDC* pDC, int nRow, int nCol, CRect& rect);
  // Moves a text rectangle's left edge past the tree area.
  virtual BOOL AdjustTextRect(LPRECT pRect);
  // The tree area of a cell rectangle for the cell's level.
  virtual BOOL GetTreeRect(LPRECT pRect);
  virtual int GetLevelIndent() const { return 12; }
  virtual int GetBoxLift() const { return 2; }
  virtual int GetTextGap() const { return 6; }
  // Draws the 9 x 9 expand box (a plus when collapsed, a minus when expanded).
  virtual void DrawExpandBox(CDC* pDC, const CRect& rect);
  // The expand box at the right end of a tree area; FALSE for a level below 0.
  virtual BOOL GetExpandBoxRect(LPRECT pRect);
  // The tree area of a level: 21 pixels per level, the first included; FALSE for a level below 0.
  virtual BOOL GetLevelRect(LPRECT pRect, int nLevel);
  // Copies box point, node and level.
  virtual BOOL CopyTreeData(const CTreeCell& source);
  // Back to the state of a new cell: no box point, node, level or row.
  void ResetTreeData();

  CTreeNode* GetNode() const { return m_pNode; }
  void SetNode(CTreeNode* pNode) { m_pNode = pNode; }
  int GetLevel() const { return m_nLevel; }
  void SetLevel(int nLevel) { m_nLevel = nLevel; }
  int GetTreeRow() const { return m_nRow; }
  CPoint GetBoxPoint() const { return m_ptBox; }
  void SetBoxPoint(CPoint point) { m_ptBox = point; }
  // The grid cell that contains this part.
  virtual CGridCellBase* GetOwnerCell() const = 0;

 protected:
  // Where this row's vertical tree line ends above: the connector of the previous shown sibling, else the
  // bottom of the parent's expand box, both from the rows' geometry; the top of the scrolled cells when
  // that row is scrolled away.
  int LineTopY(const CTreeGridCtrl& grid, int nRow, const CRect& rect);

  CPoint m_ptBox{-1, -1};        // bottom centre of the expand box at the last drawing
  CTreeNode* m_pNode = nullptr;  // the node of the row
  int m_nLevel = -2;             // the node's level
  int m_nRow = -1;               // the row the grid last placed the cell in
};

// A cell class with the tree part: the cell keeps only its row, in the tree part; the tree is drawn before
// the cell, which draws in what the tree leaves of the rectangle; the tree widens the cell's extent; a cell
// assignment copies the tree data along. New and reset cells start expanded.
template <typename Cell>
class TreeCellOf : public Cell, public CTreeCell {
 public:
  TreeCellOf() { this->m_nState = GVIS_EXPANDED; }

  // The owner is the cell itself, so it is answered rather than stored (keeping the cell within the
  // allocator's fast size class: see the check in tree_grid_cell.cpp).
  CGridCellBase* GetOwnerCell() const override { return const_cast<TreeCellOf*>(this); }

  void SetCoords(int nRow, int /*nCol*/) override { CTreeCell::m_nRow = nRow; }
  BOOL Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd = TRUE) override {
    if (!DrawTree(pDC, nRow, nCol, rect)) return FALSE;
    return Cell::Draw(pDC, nRow, nCol, rect, bEraseBkgnd);
  }
  CSize GetCellExtent(CDC* pDC) override {
    CSize size = Cell::GetCellExtent(pDC);
    AddTreeExtent(pDC, size);
    return size;
  }
  void CopyExtra(const CGridCellBase& cell) override {
    Cell::CopyExtra(cell);
    if (const auto* source = dynamic_cast<const CTreeCell*>(&cell)) CopyTreeData(*source);
  }
  void Reset() override {
    Cell::Reset();
    this->m_nState = GVIS_EXPANDED;
    ResetTreeData();
  }
};

class CTreeGridCell : public TreeCellOf<CGridCell> {
  DECLARE_DYNCREATE(CTreeGridCell)
};

class CTreeGridCellCheck : public TreeCellOf<CGridCellCheck> {
  DECLARE_DYNCREATE(CTreeGridCellCheck)
 public:
  // Remembers where the cell is drawn (for clicks), then draws as every tree cell.
  BOOL Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd = TRUE) override;
  void Reset() override;
  // A click with the left button on the box of a selected cell flips the check.
  BOOL Edit(int nRow, int nCol, CRect rect, CPoint point, UINT nID, UINT nChar) override;
  // A click on the box of a selected cell flips the check.
  void OnClick(CPoint pointCellRelative) override;

 protected:
  CPoint m_ptCellOrigin{-1, -1};  // the top-left corner of the cell at its last drawing
};

// The tree part of a cell, null when the cell is no tree cell.
CTreeCell* AsTreeCell(CGridCellBase* pCell);

}  // namespace Talvo
