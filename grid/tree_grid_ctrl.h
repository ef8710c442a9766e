// CTreeGridCtrl: the grid of every editor page, whose tree column (column 1) is a collapsible tree. Each
// row belongs to a node; collapsing a node gives its descendants' rows height 0 (remembering the heights),
// expanding gives them back. On a function-editor or wheel-events page a click on a row toggles its node,
// with notifications (TGVN_*) the page can veto.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "grid/grid_ctrl.h"
#include "grid/tree_grid_cell.h"
#include "grid/tree_node.h"

namespace Talvo {

class CTreeGridCtrl : public CGridCtrl {
  DECLARE_DYNCREATE(CTreeGridCtrl)
 public:
  // Every cell becomes a tree cell unless the page sets another type.
  CTreeGridCtrl();
  ~CTreeGridCtrl() override;

  // Inserts a node under the parent (null: the root) and sets its tree-column text; null when no row could
  // be made.
  CTreeNode* InsertItem(LPCWSTR text, CTreeNode* pParent = nullptr);
  // Inserts a node and its grid row below the parent's last descendant; *pRow gets the row (-1 on failure).
  CTreeNode* InsertNode(CTreeNode* pParent, int* pRow);
  // Shows or hides the node's descendants (rows below collapsed nodes stay hidden).
  BOOL Expand(CTreeNode* pNode);
  BOOL Collapse(CTreeNode* pNode);
  // Hides a row and its descendants' rows for good.
  BOOL HideRow(int nRow);
  // The node of a row (null when its tree cell is missing), the row of a node, the tree cell of a node.
  CTreeNode* GetRowNode(int nRow) const;
  int GetNodeRow(const CTreeNode* pNode) const;
  CGridCellBase* FindItem(const CTreeNode* pNode) const;
  CTreeNode* GetRootNode() { return &m_Root; }
  int GetTreeColumn() const { return m_nTreeColumn; }
  // The class of the tree column's cells (null: the default cell class).
  void SetTreeCellClass(CRuntimeClass* pClass) { m_pTreeCellClass = pClass; }

  // The deleted row's node leaves the tree: its children take its place under its parent, and nothing
  // keeps the row's cell array.
  void OnDeletingRow(int nRow) override;
  // Frees every node, then the grid's rows.
  BOOL DeleteAllItems(BOOL bDeleteEditors = FALSE) override;

  // Idle sorting slots (no page sorts).
  BOOL SortItems(PFNLVCOMPARE pfnCompare, int nCol, BOOL bAscending, LPARAM data = 0) override;
  BOOL SortItems(int nCol, BOOL bAscending, LPARAM data = 0) override;
  BOOL SortTextItems(int nCol, BOOL bAscending, LPARAM data = 0) override;
  // The grid's painting (the tree column is drawn in its own pass).
  void OnDraw(CDC* pDC) override;
  // Every visible row is drawn (tree lines need the rows above).
  BOOL CanClipRows() const override;
  // The tree column takes the tree-cell class when one is set.
  CGridCellBase* CreateCell(int nRow, int nCol) override;

  // Virtual operations added after the grid's, in slot order.
  virtual void SortNodes(CTreeNode* pNode);
  // A left press or double click on a row of a function-editor or wheel-events page: toggles the row's node;
  // TRUE when handled (the grid's own handler is then skipped).
  virtual BOOL ToggleNode(UINT nFlags, CPoint point);
  // Collapses every expanded node but this one (unless the options open all categories).
  virtual void CollapseOtherNodes(CTreeNode* pNode);

  // The tree-line pens of the paint in progress, null between paints.
  const TreeLinePens* GetPaintPens() const { return m_pPaintPens; }

  COLORREF m_crVertLine;        // the vertical tree lines (CLR_DEFAULT: the host's colour again)
  COLORREF m_crConnector;       // the horizontal connectors
  // Line colours still equal to the host's control-text colour follow it when the host changes its theme;
  // colours a page chose stay. Each paint looks.
  void FollowHostLineColour();
  BOOL m_bRowsFromCells = TRUE; // a node's row is read from its tree cell instead of searched

 protected:
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonUp(UINT nFlags, CPoint point);
  void OnLButtonDblClk(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()
  // After a toggling press: clears the grid's click state and passes the message and the next button-up on
  // to the default window procedure.
  void EndToggleClick();

  // Shows or hides the rows of the node's descendants.
  void ShowSubtreeRows(CTreeNode* pNode, BOOL bShow);
  // Shows or hides one node's row, remembering its height.
  void ShowNodeRow(CTreeNode* pNode, int nRow, BOOL bShow);
  // The end of an expand, collapse or emptying: drawing back to the caller's state; when that allows
  // drawing, the scroll bars reset and the window invalidated.
  void EndRowChanges(BOOL bCallerAllowsDraw);
  // The last row of the node's subtree.
  int LastSubtreeRow(CTreeNode* pNode) const;
  // Deletes a node and its subtree.
  void FreeNode(CTreeNode* pNode);
  // Whether a function-editor row may expand (rows of the case layout).
  BOOL IsExpandableCaseRow(int nRow) const;

  CTreeNode m_Root;                              // level -1, no row
  int m_nTreeColumn = 1;                         // the tree column
  CRuntimeClass* m_pTreeCellClass = nullptr;     // class of the tree column's cells, null: the default
  std::map<CTreeNode*, int> m_HiddenRowHeights;  // the heights of hidden rows by node
  std::vector<std::unique_ptr<CTreeNode>> m_Nodes;  // every node the tree made (owned)
  BOOL m_bSkipButtonUp = FALSE;                  // a toggling press passes the next button-up by
  const TreeLinePens* m_pPaintPens = nullptr;    // set while OnDraw runs
  COLORREF m_crHostLine;                         // the host's control-text colour the line colours last followed
};

}  // namespace Talvo
