// The tree grid's nodes and rows: where inserted rows go, expanding and collapsing by row heights, rows
// hidden for good, the lookups, replacing the tree cell and emptying the tree.
#include "grid/tree_grid_ctrl.h"

#include "tree_grid_fixture.h"

namespace Talvo::testing {
namespace {

using TreeGridCtrlTest = TreeGridTest;
using Heights = std::vector<int>;

TEST_F(TreeGridCtrlTest, ChildrenGoBelowTheirParentsSubtreeAndPushLaterRowsDown) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  const SampleTree tree = MakeSampleTree(*grid);
  const CTreeNode* expected[] = {tree.a, tree.a1, tree.a1x, tree.a2, tree.b};
  ASSERT_EQ(grid->GetRowCount(), 5);
  for (int row = 0; row < 5; ++row) {
    EXPECT_EQ(grid->GetRowNode(row), expected[row]) << row;
    EXPECT_EQ(grid->GetNodeRow(expected[row]), row) << row;
  }
  EXPECT_EQ(AsTreeCell(grid->FindItem(tree.a1x))->GetLevel(), 2);
  EXPECT_EQ(AsTreeCell(grid->GetCell(2, 2))->GetNode(), tree.a1x);  // every cell of a row knows its node
  EXPECT_NE(grid->GetCell(2, 1)->GetState() & GVIS_EXPANDED, 0U);   // new nodes start expanded
}

TEST_F(TreeGridCtrlTest, LookupsOfMissingThingsAnswerNothing) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  EXPECT_EQ(grid->GetRowNode(7), nullptr);
  EXPECT_EQ(grid->FindItem(nullptr), nullptr);
  EXPECT_FALSE(grid->Expand(nullptr));
  EXPECT_FALSE(grid->Collapse(grid->GetRootNode()));
  EXPECT_FALSE(grid->HideRow(0));
  // A tree column cell of another class makes its row a row without a tree cell.
  const SampleTree tree = MakeSampleTree(*grid);
  ASSERT_TRUE(grid->SetCellType(4, 1, RUNTIME_CLASS(CGridCell)));
  EXPECT_EQ(grid->GetRowNode(4), nullptr);
  EXPECT_FALSE(grid->HideRow(4));
  EXPECT_EQ(grid->GetNodeRow(tree.b), 4);  // found by its cell array instead
}

TEST_F(TreeGridCtrlTest, CollapsingHidesDescendantsAndExpandingShowsOnlyRowsBelowExpandedNodes) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  const SampleTree tree = MakeSampleTree(*grid);
  grid->SetRowHeight(2, 33);  // heights come back as they were
  ASSERT_TRUE(grid->Collapse(tree.a1));
  EXPECT_EQ(grid->GetCell(1, 1)->GetState() & (GVIS_EXPANDED | GVIS_COLLAPSED), GVIS_COLLAPSED);
  ASSERT_TRUE(grid->Collapse(tree.a));
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 0, 0, 0, 20}));
  ASSERT_TRUE(grid->Expand(tree.a));  // the grandchild stays hidden under its collapsed parent
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 0, 20, 20}));
  ASSERT_TRUE(grid->Expand(tree.a1));
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 33, 20, 20}));
}

// A deleted row's node leaves the tree; its children take its place under its parent.
TEST_F(TreeGridCtrlTest, DeletingARowDetachesItsNode) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  const SampleTree tree = MakeSampleTree(*grid);
  ASSERT_TRUE(grid->DeleteRow(1));  // a1, parent of a1x
  EXPECT_EQ(tree.a->m_Children, (std::vector<CTreeNode*>{tree.a1x, tree.a2}));
  EXPECT_EQ(tree.a1x->m_pParent, tree.a);
  ASSERT_TRUE(grid->Collapse(tree.a));
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 0, 0, 20}));
  ASSERT_TRUE(grid->Expand(tree.a));
  ASSERT_NE(grid->InsertItem(L"a3", tree.a), nullptr);
  EXPECT_EQ(grid->GetNodeRow(tree.b), 4);
}

TEST_F(TreeGridCtrlTest, FewerRowsDetachTheNodesOfTheRowsThatGo) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  const SampleTree tree = MakeSampleTree(*grid);
  ASSERT_TRUE(grid->SetRowCount(2));  // a1x, a2 and b go
  EXPECT_EQ(tree.a->m_Children, (std::vector<CTreeNode*>{tree.a1}));
  EXPECT_FALSE(tree.a1->HasChildren());
  EXPECT_EQ(tree.a->m_pNext, nullptr);
  EXPECT_EQ(tree.a1->m_pNext, nullptr);
  CTreeNode* a3 = grid->InsertItem(L"a3", tree.a);
  ASSERT_NE(a3, nullptr);
  EXPECT_EQ(grid->GetNodeRow(a3), 2);
  ASSERT_TRUE(grid->Collapse(tree.a));
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 0, 0}));
}

TEST_F(TreeGridCtrlTest, ANodeInsertedUnderACollapsedParentStartsHiddenAndShowsOnExpanding) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  const SampleTree tree = MakeSampleTree(*grid);
  ASSERT_TRUE(grid->Collapse(tree.a));
  int row = -1;
  ASSERT_NE(grid->InsertNode(tree.a, &row), nullptr);
  EXPECT_EQ(row, 4);  // below a2's row, above b
  EXPECT_EQ(grid->GetRowHeight(4), 0);
  ASSERT_TRUE(grid->Expand(tree.a));
  EXPECT_GT(grid->GetRowHeight(4), 0);
}

TEST_F(TreeGridCtrlTest, HiddenRowsStayHiddenWithTheirDescendants) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  const SampleTree tree = MakeSampleTree(*grid);
  ASSERT_TRUE(grid->HideRow(1));
  ASSERT_TRUE(grid->Collapse(tree.a));
  ASSERT_TRUE(grid->Expand(tree.a));
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 0, 0, 20, 20}));
  // A row hidden while its parent is collapsed does not come back with the parent.
  ASSERT_TRUE(grid->Collapse(tree.a));
  ASSERT_TRUE(grid->HideRow(3));
  ASSERT_TRUE(grid->Expand(tree.a));
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 0, 0, 0, 20}));
}

TEST_F(TreeGridCtrlTest, DeleteAllItemsEmptiesTheTreeForARefill) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  SampleTree tree = MakeSampleTree(*grid);
  ASSERT_TRUE(grid->Collapse(tree.a));
  ASSERT_TRUE(grid->DeleteAllItems());
  EXPECT_TRUE(grid->GetRootNode()->m_Children.empty());
  grid->SetColumnCount(3);
  tree = MakeSampleTree(*grid);
  EXPECT_EQ(grid->GetNodeRow(tree.b), 4);
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 20, 20, 20}));
}

// Replacing the tree cell by another tree cell class keeps node and level.
TEST_F(TreeGridCtrlTest, ReplacingTheTreeCellKeepsTheTreeData) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  CTreeNode* node = grid->InsertItem(L"option");
  ASSERT_NE(node, nullptr);
  ASSERT_TRUE(grid->SetCellType(0, 1, RUNTIME_CLASS(CTreeGridCellCheck)));
  const CTreeCell* replaced = AsTreeCell(grid->GetCell(0, 1));
  ASSERT_NE(replaced, nullptr);
  EXPECT_EQ(replaced->GetNode(), node);
  EXPECT_EQ(replaced->GetLevel(), 0);
  EXPECT_EQ(grid->GetNodeRow(node), 0);
}

}  // namespace
}  // namespace Talvo::testing
