// Emptying grids whole (DeleteAllItems): every cell, text and editor goes, gaps left by a page included, and
// the emptied grid fills again as a new one.
#include "tree_grid_fixture.h"

namespace Talvo::testing {
namespace {

// A cell that owns an editor window, as the editor cells do.
class EditorOwningCell : public CGridCell {
 public:
  void Give(CWnd* editor) { SetEditWnd(editor); }
};

CWnd* MakeEditorWindow(CWnd& parent) {
  auto* editor = new CWnd;
  editor->CreateEx(0, AfxRegisterWndClass(0), L"", WS_CHILD, 0, 0, 10, 10, parent.m_hWnd, nullptr);
  return editor;
}

using GridClearTest = TreeGridTest;

TEST_F(GridClearTest, EmptyingAGridWithGapsAndEditorsLeavesNothingAndItFillsAgain) {
  CGridCtrl* grid = MakeGrid<CGridCtrl>();
  grid->SetColumnCount(3);
  grid->SetRowCount(6);
  for (int row = 0; row < 6; ++row) grid->SetItemText(row, 1, L"Editable Poly");
  // Gaps: a page took cells out of rows 1 and 2 (the next rows ahead of the first ones the grid deletes).
  for (const int row : {1, 2}) {
    CGridCellBase* taken = grid->GetCell(row, 1);
    grid->SetCell(row, 1, nullptr);
    delete taken;
  }
  auto* owner = new EditorOwningCell;
  delete grid->GetCell(4, 2);
  grid->SetCell(4, 2, owner);
  owner->Give(MakeEditorWindow(*grid));
  const HWND editor = owner->GetEditWnd()->m_hWnd;

  EXPECT_TRUE(grid->DeleteAllItems(TRUE));
  EXPECT_FALSE(::IsWindow(editor));
  EXPECT_EQ(grid->GetRowCount(), 0);
  EXPECT_EQ(grid->GetColumnCount(), 0);
  EXPECT_EQ(grid->GetCell(0, 0), nullptr);

  grid->SetColumnCount(2);
  grid->SetRowCount(3);
  EXPECT_TRUE(grid->SetItemText(2, 1, L"Edit Poly"));
  EXPECT_EQ(grid->GetItemText(2, 1), L"Edit Poly");
}

TEST_F(GridClearTest, EmptyingATreeReleasesItsNodesAndANewTreeStartsAtTheTop) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  CTreeNode* category = nullptr;
  for (int row = 0; row < 40; ++row) {
    CTreeNode* node = row % 10 == 0 ? grid->InsertItem(L"Category") : grid->InsertItem(L"Case", category);
    if (row % 10 == 0) category = node;
    grid->SetItemText(grid->GetNodeRow(node), 2, L"Editable Poly");
  }
  ASSERT_EQ(grid->GetRowCount(), 40);

  EXPECT_TRUE(grid->DeleteAllItems());
  EXPECT_EQ(grid->GetRowCount(), 0);
  EXPECT_FALSE(grid->GetRootNode()->HasChildren());
  EXPECT_EQ(grid->GetRowNode(0), nullptr);

  grid->SetColumnCount(3);
  CTreeNode* first = grid->InsertItem(L"Again");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(grid->GetNodeRow(first), 0);
  EXPECT_EQ(grid->GetRowNode(0), first);
  EXPECT_EQ(grid->GetItemText(0, grid->GetTreeColumn()), L"Again");
}

}  // namespace
}  // namespace Talvo::testing
