// CTreeNode: one node of a tree grid. A node's children follow it as the rows below it; the node keeps the
// grid's cell array of its row so that it finds its row again after rows above it come and go.
#pragma once

#include <vector>

#include "grid/grid_ctrl.h"

namespace Talvo {

class CTreeNode {
 public:
  // Node flags.
  static constexpr WORD kCollapsed = 2;  // the children are hidden
  static constexpr WORD kRowHidden = 4;  // the node's own row is hidden

  CTreeNode() = default;
  CTreeNode(const CTreeNode&) = delete;
  CTreeNode& operator=(const CTreeNode&) = delete;

  int m_nRowTag = -1;                      // the filling page's row number of the node (tree lines read it)
  CTreeNode* m_pParent = nullptr;          // null for the root
  CTreeNode* m_pNext = nullptr;            // next sibling
  CTreeNode* m_pPrev = nullptr;            // previous sibling
  std::vector<CTreeNode*> m_Children;      // in row order (owned by the tree grid)
  GRID_ROW* m_pRowCells = nullptr;         // the grid's cells of the node's row; null for the root
  short m_nLevel = -2;                     // -1 root, 0 top level, parent + 1 below; -2 not attached
  WORD m_nFlags = 0;                       // kCollapsed, kRowHidden

  bool HasChildren() const { return !m_Children.empty(); }
};

}  // namespace Talvo
