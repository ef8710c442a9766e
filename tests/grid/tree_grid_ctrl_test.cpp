// The tree grid's nodes and rows: where inserted rows go, expanding and collapsing by row heights, rows
// hidden for good, the lookups, the tree column's cell class and emptying the tree.
#include "grid/tree_grid_ctrl.h"

#include "tree_grid_fixture.h"

namespace Talvo::testing {
namespace {

using TreeGridCtrlTest = TreeGridTest;
using Heights = std::vector<int>;

TEST_F(TreeGridCtrlTest, ChildrenGoBelowTheirParentsSubtreeAndPushLaterRowsDown) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  const SampleTree tree = MakeSampleTree(*grid);

  ASSERT_EQ(grid->GetRowCount(), 5);
  const CTreeNode* expected[] = {tree.a, tree.a1, tree.a1x, tree.a2, tree.b};
  const wchar_t* texts[] = {L"a", L"a1", L"a1x", L"a2", L"b"};
  for (int row = 0; row < 5; ++row) {
    EXPECT_EQ(grid->GetRowNode(row), expected[row]) << row;
    EXPECT_EQ(grid->GetNodeRow(expected[row]), row) << row;
    EXPECT_EQ(grid->GetItemText(row, 1), texts[row]) << row;
  }
  // Levels, parents and siblings.
  EXPECT_EQ(tree.a->m_nLevel, 0);
  EXPECT_EQ(tree.a1->m_nLevel, 1);
  EXPECT_EQ(tree.a1x->m_nLevel, 2);
  EXPECT_EQ(tree.a->m_pParent, grid->GetRootNode());
  EXPECT_EQ(tree.a1->m_pNext, tree.a2);
  EXPECT_EQ(tree.a2->m_pPrev, tree.a1);
  EXPECT_EQ(tree.a->m_pNext, tree.b);
  EXPECT_EQ(grid->GetRootNode()->m_Children, (std::vector<CTreeNode*>{tree.a, tree.b}));
  EXPECT_EQ(grid->GetNodeRow(grid->GetRootNode()), -1);

  // Every cell of a row knows the row's node; only the tree column's cell carries the level.
  const CTreeCell* treeCell = AsTreeCell(grid->FindItem(tree.a1x));
  ASSERT_NE(treeCell, nullptr);
  EXPECT_EQ(treeCell->GetLevel(), 2);
  EXPECT_EQ(treeCell->GetTreeRow(), 2);
  EXPECT_EQ(AsTreeCell(grid->GetCell(2, 0))->GetNode(), tree.a1x);
  EXPECT_EQ(AsTreeCell(grid->GetCell(2, 2))->GetNode(), tree.a1x);
  EXPECT_EQ(AsTreeCell(grid->GetCell(2, 0))->GetLevel(), -2);
  EXPECT_EQ(grid->GetCell(2, 1)->GetState() & GVIS_EXPANDED, GVIS_EXPANDED);  // new nodes start expanded
}

TEST_F(TreeGridCtrlTest, RowsAreFoundByTheirCellArraysWhenNotReadFromCells) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  grid->m_bRowsFromCells = FALSE;
  const SampleTree tree = MakeSampleTree(*grid);
  EXPECT_EQ(grid->GetNodeRow(tree.a2), 3);
  EXPECT_EQ(grid->GetNodeRow(tree.b), 4);
  EXPECT_EQ(grid->GetRowNode(4), tree.b);
}

TEST_F(TreeGridCtrlTest, LookupsOfMissingThingsAnswerNothing) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->GetRowNode(-1), nullptr);
  EXPECT_EQ(grid->GetRowNode(7), nullptr);
  EXPECT_EQ(grid->FindItem(nullptr), nullptr);
  EXPECT_FALSE(grid->Expand(nullptr));
  EXPECT_FALSE(grid->Collapse(grid->GetRootNode()));
  EXPECT_FALSE(grid->HideRow(0));
  EXPECT_FALSE(grid->HideRow(-1));

  // A tree column cell of another class makes its row a row without a tree cell.
  const SampleTree tree = MakeSampleTree(*grid);
  ASSERT_TRUE(grid->SetCellType(4, 1, RUNTIME_CLASS(CGridCell)));
  EXPECT_EQ(grid->GetRowNode(4), nullptr);
  EXPECT_EQ(grid->FindItem(tree.b), nullptr);
  EXPECT_FALSE(grid->HideRow(4));
  EXPECT_EQ(grid->GetNodeRow(tree.b), 4);  // found by its cell array instead
}

TEST_F(TreeGridCtrlTest, CollapsingHidesDescendantsAndExpandingShowsOnlyRowsBelowExpandedNodes) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  const SampleTree tree = MakeSampleTree(*grid);
  grid->SetRowHeight(2, 33);  // heights come back as they were

  ASSERT_TRUE(grid->Collapse(tree.a1));
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 0, 20, 20}));
  EXPECT_EQ(grid->GetCell(1, 1)->GetState() & (GVIS_EXPANDED | GVIS_COLLAPSED), GVIS_COLLAPSED);
  EXPECT_NE(tree.a1->m_nFlags & CTreeNode::kCollapsed, 0);
  EXPECT_NE(tree.a1x->m_nFlags & CTreeNode::kRowHidden, 0);

  // The grandchild stays hidden through the parent's collapse and expansion.
  ASSERT_TRUE(grid->Collapse(tree.a));
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 0, 0, 0, 20}));
  ASSERT_TRUE(grid->Expand(tree.a));
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 0, 20, 20}));
  EXPECT_EQ(grid->GetCell(0, 1)->GetState() & (GVIS_EXPANDED | GVIS_COLLAPSED), GVIS_EXPANDED);
  EXPECT_EQ(tree.a->m_nFlags & CTreeNode::kCollapsed, 0);

  ASSERT_TRUE(grid->Expand(tree.a1));
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 33, 20, 20}));
  EXPECT_EQ(tree.a1x->m_nFlags & CTreeNode::kRowHidden, 0);
  EXPECT_TRUE(grid->IsDrawingAllowed());
}

// Deleting a node's row takes the node out of the tree (its children take its place), so later expanding,
// collapsing and inserting never reach the deleted row's cells.
TEST_F(TreeGridCtrlTest, DeletingARowDetachesItsNode) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  const SampleTree tree = MakeSampleTree(*grid);
  ASSERT_TRUE(grid->DeleteRow(1));  // a1, parent of a1x
  ASSERT_EQ(tree.a->m_Children.size(), 2U);
  EXPECT_EQ(tree.a->m_Children[0], tree.a1x);
  EXPECT_EQ(tree.a1x->m_pParent, tree.a);
  EXPECT_EQ(tree.a1x->m_pNext, tree.a2);
  EXPECT_EQ(tree.a2->m_pPrev, tree.a1x);
  ASSERT_TRUE(grid->Collapse(tree.a));
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 0, 0, 20}));
  ASSERT_TRUE(grid->Expand(tree.a));
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 20, 20}));
  ASSERT_NE(grid->InsertItem(L"a3", tree.a), nullptr);
  EXPECT_EQ(grid->GetNodeRow(tree.b), 4);
}

TEST_F(TreeGridCtrlTest, ANodeInsertedUnderACollapsedParentStartsHiddenAndShowsOnExpanding) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  const SampleTree tree = MakeSampleTree(*grid);
  ASSERT_TRUE(grid->Collapse(tree.a));

  int row = -1;
  CTreeNode* a3 = grid->InsertNode(tree.a, &row);
  ASSERT_NE(a3, nullptr);
  EXPECT_EQ(row, 4);  // below a2's row, above b
  EXPECT_EQ(grid->GetRowHeight(4), 0);
  EXPECT_EQ(grid->GetNodeRow(tree.b), 5);
  const int fullHeight = static_cast<CGridDefaultCell*>(grid->GetDefaultCell(TRUE, FALSE))->GetHeight();
  ASSERT_TRUE(grid->Expand(tree.a));
  EXPECT_EQ(grid->GetRowHeight(4), fullHeight);
  EXPECT_GT(fullHeight, 0);
}

TEST_F(TreeGridCtrlTest, HiddenRowsStayHiddenWithTheirDescendants) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  const SampleTree tree = MakeSampleTree(*grid);

  ASSERT_TRUE(grid->HideRow(1));
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 0, 0, 20, 20}));
  EXPECT_NE(grid->GetCell(1, 1)->GetState() & GVIS_ROWHIDDEN, 0);
  EXPECT_EQ(grid->GetCell(2, 1)->GetState() & GVIS_ROWHIDDEN, 0);  // the descendant is only hidden

  ASSERT_TRUE(grid->Collapse(tree.a));
  ASSERT_TRUE(grid->Expand(tree.a));
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 0, 0, 20, 20}));

  // A row hidden while its parent is collapsed does not come back with the parent.
  ASSERT_TRUE(grid->Collapse(tree.a));
  ASSERT_TRUE(grid->HideRow(3));
  ASSERT_TRUE(grid->Expand(tree.a));
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 0, 0, 0, 20}));
}

TEST_F(TreeGridCtrlTest, AHiddenRowsRememberedHeightSurvivesHidingAgain) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  const SampleTree tree = MakeSampleTree(*grid);
  grid->SetRowHeight(2, 33);
  ASSERT_TRUE(grid->Collapse(tree.a));  // a1x's row goes to 0 with 33 remembered
  ASSERT_TRUE(grid->Collapse(tree.a1));  // a1x's row is already 0: 33 stays remembered
  ASSERT_TRUE(grid->Expand(tree.a));
  ASSERT_TRUE(grid->Expand(tree.a1));
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 33, 20, 20}));
}

TEST_F(TreeGridCtrlTest, DeleteAllItemsEmptiesTheTreeForARefill) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  SampleTree tree = MakeSampleTree(*grid);
  ASSERT_TRUE(grid->Collapse(tree.a));

  ASSERT_TRUE(grid->DeleteAllItems());
  EXPECT_EQ(grid->GetRowCount(), 0);
  EXPECT_EQ(grid->GetColumnCount(), 0);
  EXPECT_TRUE(grid->GetRootNode()->m_Children.empty());
  EXPECT_TRUE(grid->IsDrawingAllowed());

  grid->SetColumnCount(3);
  tree = MakeSampleTree(*grid);
  EXPECT_EQ(grid->GetRowCount(), 5);
  EXPECT_EQ(grid->GetNodeRow(tree.b), 4);
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 20, 20, 20}));
}

TEST_F(TreeGridCtrlTest, TheTreeColumnTakesTheTreeCellClassAndCopiesKeepTheTreeData) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->GetDefaultCellType(), RUNTIME_CLASS(CTreeGridCell));
  EXPECT_FALSE(grid->CanClipRows());

  grid->SetTreeCellClass(RUNTIME_CLASS(CTreeGridCellCheck));
  CTreeNode* node = grid->InsertItem(L"option");
  ASSERT_NE(node, nullptr);
  EXPECT_TRUE(grid->GetCell(0, 1)->IsKindOf(RUNTIME_CLASS(CTreeGridCellCheck)));
  EXPECT_FALSE(grid->GetCell(0, 0)->IsKindOf(RUNTIME_CLASS(CTreeGridCellCheck)));
  EXPECT_TRUE(grid->GetCell(0, 0)->IsKindOf(RUNTIME_CLASS(CTreeGridCell)));
  EXPECT_EQ(grid->GetRowNode(0), node);

  // Replacing the tree cell keeps node and level (and the row from the grid's placing).
  grid->SetTreeCellClass(nullptr);
  ASSERT_TRUE(grid->SetCellType(0, 1, RUNTIME_CLASS(CTreeGridCell)));
  const CTreeCell* replaced = AsTreeCell(grid->GetCell(0, 1));
  ASSERT_NE(replaced, nullptr);
  EXPECT_EQ(replaced->GetNode(), node);
  EXPECT_EQ(replaced->GetLevel(), 0);
  EXPECT_EQ(replaced->GetTreeRow(), 0);
  EXPECT_EQ(grid->GetItemText(0, 1), L"option");
  EXPECT_EQ(grid->GetNodeRow(node), 0);
}

TEST_F(TreeGridCtrlTest, TreeCellsKeepOnlyTheRowAndResetToANewCell) {
  CTreeGridCell cell;
  EXPECT_EQ(cell.GetState(), GVIS_EXPANDED);
  cell.SetCoords(4, 2);
  EXPECT_EQ(cell.GetTreeRow(), 4);
  EXPECT_EQ(cell.GetRow(), -1);
  EXPECT_EQ(cell.GetColumn(), -1);

  CTreeNode node;
  cell.SetNode(&node);
  cell.SetLevel(3);
  cell.SetState(GVIS_COLLAPSED | GVIS_SELECTED);
  cell.Reset();
  EXPECT_EQ(cell.GetState(), GVIS_EXPANDED);
  EXPECT_EQ(cell.GetNode(), nullptr);
  EXPECT_EQ(cell.GetLevel(), -2);
  EXPECT_EQ(cell.GetTreeRow(), -1);
}

}  // namespace
}  // namespace Talvo::testing
