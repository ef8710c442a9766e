// Shared set-up of the tree grid tests: a tree grid of three columns under a page of a chosen run-time
// class, and a small tree whose rows come out of order of insertion.
#pragma once

#include <memory>

#include "grid/tree_grid_ctrl.h"
#include "grid_fixture.h"

namespace Talvo::testing {

// The nodes of the sample tree, by the row each ends up in.
struct SampleTree {
  CTreeNode* a = nullptr;    // row 0, top level
  CTreeNode* a1 = nullptr;   // row 1, under a
  CTreeNode* a1x = nullptr;  // row 2, under a1
  CTreeNode* a2 = nullptr;   // row 3, under a
  CTreeNode* b = nullptr;    // row 4, top level
};

class TreeGridTest : public GridTest {
 protected:
  static constexpr int kRowHeight = 20;

  // A tree grid of three columns (0, the tree column 1, and 2) with 20-pixel rows as rows come.
  template <typename G = CTreeGridCtrl>
  G* MakeTreeGrid() {
    G* grid = MakeGrid<G>();
    grid->SetColumnCount(3);
    grid->SetColumnWidth(0, 40);
    grid->SetColumnWidth(1, 120);
    grid->SetColumnWidth(2, 80);
    return grid;
  }

  // Inserts in the order a, b, a1, a2, a1x, so that later rows push earlier ones down; every row 20 pixels
  // high and tagged with its row.
  static SampleTree MakeSampleTree(CTreeGridCtrl& grid) {
    SampleTree tree;
    tree.a = grid.InsertItem(L"a");
    tree.b = grid.InsertItem(L"b");
    tree.a1 = grid.InsertItem(L"a1", tree.a);
    tree.a2 = grid.InsertItem(L"a2", tree.a);
    tree.a1x = grid.InsertItem(L"a1x", tree.a1);
    for (int row = 0; row < grid.GetRowCount(); ++row) {
      grid.SetRowHeight(row, kRowHeight);
      grid.GetRowNode(row)->m_nRowTag = row;
    }
    return tree;
  }

  // The rows' heights, top to bottom.
  static std::vector<int> RowHeights(const CTreeGridCtrl& grid) {
    std::vector<int> heights;
    for (int row = 0; row < grid.GetRowCount(); ++row) heights.push_back(grid.GetRowHeight(row));
    return heights;
  }
};

}  // namespace Talvo::testing
