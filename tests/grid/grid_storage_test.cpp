// The grid's structure and cell storage: counts, inserting and deleting rows, cell classes, contents,
// sizes and the selection map kept by the state setter.
#include "grid_fixture.h"

namespace Talvo::testing {
namespace {

// A cell that counts how many of its kind are alive, to see which cells the grid frees.
class CountedCell : public CGridCell {
  DECLARE_DYNCREATE(CountedCell)
 public:
  CountedCell() { ++alive; }
  ~CountedCell() override { --alive; }
  static inline int alive = 0;
};
IMPLEMENT_DYNCREATE(CountedCell, CGridCell)

// A cell class with extra data that it copies in CopyExtra.
class TaggedCell : public CGridCell {
  DECLARE_DYNCREATE(TaggedCell)
 public:
  int tag = 0;
  void CopyExtra(const CGridCellBase& cell) override {
    if (const auto* tagged = dynamic_cast<const TaggedCell*>(&cell)) tag = tagged->tag + 1;
  }
};
IMPLEMENT_DYNCREATE(TaggedCell, CGridCell)

using GridStorageTest = GridTest;

TEST_F(GridStorageTest, CountsGrowWithDefaultSizesAndShrinkByFreeingCells) {
  CGridCtrl* grid = MakeGrid();
  ASSERT_NE(grid, nullptr);
  CountedCell::alive = 0;
  ASSERT_TRUE(grid->SetDefaultCellType(RUNTIME_CLASS(CountedCell)));
  Fill(*grid, 4, 3);
  EXPECT_EQ(CountedCell::alive, 12);
  const auto* normal = static_cast<CGridDefaultCell*>(grid->GetDefaultCell(FALSE, FALSE));
  const auto* fixedColumn = static_cast<CGridDefaultCell*>(grid->GetDefaultCell(FALSE, TRUE));
  EXPECT_EQ(grid->GetRowHeight(3), normal->GetHeight());
  EXPECT_EQ(grid->GetColumnWidth(2), fixedColumn->GetWidth());
  EXPECT_EQ(grid->GetVirtualHeight(), 4 * normal->GetHeight());
  EXPECT_EQ(grid->GetVirtualWidth(), 3 * fixedColumn->GetWidth());
  EXPECT_TRUE(grid->GetModified());

  // Every new cell knows its grid and place and draws with the default format.
  CGridCellBase* cell = grid->GetCell(3, 2);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->GetGrid(), grid);
  EXPECT_EQ(static_cast<CGridCell*>(cell)->GetRow(), 3);
  EXPECT_EQ(static_cast<CGridCell*>(cell)->GetColumn(), 2);
  EXPECT_EQ(cell->GetState(), 0U);

  ASSERT_TRUE(grid->SetColumnCount(1));
  EXPECT_EQ(CountedCell::alive, 4);
  ASSERT_TRUE(grid->SetRowCount(2));
  EXPECT_EQ(CountedCell::alive, 2);
  EXPECT_EQ(grid->GetCell(2, 0), nullptr);
  EXPECT_FALSE(grid->SetRowCount(-1));
  EXPECT_EQ(grid->GetRowCount(), 2);
  grid->DeleteAllItems();
  EXPECT_EQ(CountedCell::alive, 0);
}

TEST_F(GridStorageTest, SameCountChangesNothing) {
  CGridCtrl grid;
  Fill(grid, 2, 2);
  grid.SetItemText(1, 1, L"kept");
  CGridCellBase* cell = grid.GetCell(1, 1);
  EXPECT_TRUE(grid.SetColumnCount(2));
  EXPECT_TRUE(grid.SetRowCount(2));
  EXPECT_EQ(grid.GetCell(1, 1), cell);
  EXPECT_EQ(grid.GetItemText(1, 1), L"kept");
}

TEST_F(GridStorageTest, InsertRowMakesAColumnFirstAndPlacesTheRow) {
  CGridCtrl grid;
  EXPECT_EQ(grid.InsertRow(), 0);
  EXPECT_EQ(grid.GetColumnCount(), 1);
  EXPECT_EQ(grid.GetRowCount(), 1);
  // The new row's first cell is marked modified; its height is the fixed-row default cell's.
  EXPECT_NE(grid.GetItemState(0, 0) & GVIS_MODIFIED, 0U);
  EXPECT_EQ(grid.GetRowHeight(0), static_cast<CGridDefaultCell*>(grid.GetDefaultCell(TRUE, FALSE))->GetHeight());

  grid.SetItemText(0, 0, L"first");
  EXPECT_EQ(grid.InsertRow(-1), 1);
  grid.SetItemText(1, 0, L"last");
  EXPECT_EQ(grid.InsertRow(1), 1);  // in the middle
  grid.SetItemText(1, 0, L"middle");
  EXPECT_EQ(grid.InsertRow(3), 3);  // at the end
  EXPECT_EQ(grid.InsertRow(5), -1); // beyond the end
  EXPECT_EQ(grid.GetRowCount(), 4);
  EXPECT_EQ(grid.GetItemText(0, 0), L"first");
  EXPECT_EQ(grid.GetItemText(1, 0), L"middle");
  EXPECT_EQ(grid.GetItemText(2, 0), L"last");
  // Every cell got its new place.
  EXPECT_EQ(static_cast<CGridCell*>(grid.GetCell(1, 0))->GetRow(), 1);

  ASSERT_TRUE(grid.DeleteRow(1));
  EXPECT_EQ(grid.GetItemText(1, 0), L"last");
  EXPECT_FALSE(grid.DeleteRow(3));
  EXPECT_FALSE(grid.DeleteRow(-1));
  EXPECT_EQ(grid.GetRowCount(), 3);
}

TEST_F(GridStorageTest, OutOfRangeAccessorsAnswerNothing) {
  CGridCtrl grid;
  Fill(grid, 2, 2);
  EXPECT_EQ(grid.GetCell(-1, 0), nullptr);
  EXPECT_EQ(grid.GetCell(0, -1), nullptr);
  EXPECT_EQ(grid.GetCell(2, 0), nullptr);
  EXPECT_EQ(grid.GetRowHeight(-1), -1);
  EXPECT_EQ(grid.GetColumnWidth(2), -1);
  EXPECT_EQ(grid.GetItemText(-1, -1), L"");
  EXPECT_FALSE(grid.SetItemText(5, 0, L"x"));
  EXPECT_FALSE(grid.SetItemState(0, 7, GVIS_SELECTED));
  EXPECT_FALSE(grid.SetItemBkColour(-1, 0, RGB(1, 2, 3)));
  EXPECT_FALSE(grid.SetItemFgColour(0, -1, RGB(1, 2, 3)));
  EXPECT_FALSE(grid.SetCell(2, 2, nullptr));
  EXPECT_FALSE(grid.SetRowHeight(2, 10));
  EXPECT_FALSE(grid.SetRowHeight(0, -1));
  EXPECT_FALSE(grid.SetColumnWidth(-1, 10));
  EXPECT_FALSE(grid.SetCellType(-1, 0, RUNTIME_CLASS(CGridCell)));
  EXPECT_FALSE(grid.IsCellSelected(-1, -1));
  EXPECT_TRUE(grid.IsCellEditable(-1, -1));  // a missing cell counts as editable
  EXPECT_EQ(grid.GetRowArray(-1), nullptr);
}

TEST_F(GridStorageTest, SetCellTypeKeepsWhatAssignmentCopiesAndFreesTheOldCell) {
  CGridCtrl grid;
  CountedCell::alive = 0;
  grid.SetDefaultCellType(RUNTIME_CLASS(CountedCell));
  Fill(grid, 2, 2);
  grid.SetItemText(1, 0, L"text");
  grid.SetItemBkColour(1, 0, RGB(10, 20, 30));
  grid.SetItemFgColour(1, 0, RGB(40, 50, 60));
  grid.SetItemData(1, 0, 77);
  grid.SetItemImage(1, 0, 2);
  grid.SetItemState(1, 0, GVIS_READONLY);
  LOGFONTW font{};
  font.lfHeight = -20;
  grid.SetItemFont(1, 0, &font);

  ASSERT_TRUE(grid.SetCellType(1, 0, RUNTIME_CLASS(TaggedCell)));
  EXPECT_EQ(CountedCell::alive, 3);
  auto* cell = dynamic_cast<TaggedCell*>(grid.GetCell(1, 0));
  ASSERT_NE(cell, nullptr);
  EXPECT_STREQ(cell->GetText(), L"text");
  EXPECT_EQ(cell->GetBackClr(), RGB(10, 20, 30));
  EXPECT_EQ(cell->GetTextClr(), RGB(40, 50, 60));
  EXPECT_EQ(cell->GetData(), 77);
  EXPECT_EQ(cell->GetImage(), 2);
  EXPECT_TRUE(cell->IsReadOnly());
  EXPECT_FALSE(cell->IsDefaultFont());
  EXPECT_EQ(cell->GetFont()->lfHeight, -20);
  EXPECT_EQ(cell->GetGrid(), &grid);
  EXPECT_EQ(cell->GetRow(), 1);
  EXPECT_EQ(cell->GetColumn(), 0);
  EXPECT_EQ(cell->tag, 0);  // CopyExtra ran, with a source of another class

  // A copy between two cells of the class carries the extra data; a class that is no cell is refused.
  cell->tag = 5;
  ASSERT_TRUE(grid.SetCellType(1, 0, RUNTIME_CLASS(TaggedCell)));
  EXPECT_EQ(static_cast<TaggedCell*>(grid.GetCell(1, 0))->tag, 6);
  EXPECT_FALSE(grid.SetCellType(0, 0, RUNTIME_CLASS(CWnd)));
  EXPECT_FALSE(grid.SetDefaultCellType(RUNTIME_CLASS(CWnd)));
  EXPECT_STREQ(grid.GetCell(0, 0)->GetRuntimeClass()->m_lpszClassName, "CountedCell");
}

TEST_F(GridStorageTest, TheSelectionMapFollowsTheSelectedBit) {
  CGridCtrl grid;
  Fill(grid, 5, 4);
  EXPECT_EQ(CGridCtrl::SelectionKey(3, 2), 0x20003U);
  ASSERT_TRUE(grid.SetItemState(3, 2, GVIS_SELECTED | GVIS_FOCUSED));
  EXPECT_EQ(grid.GetSelectedCount(), 1);
  EXPECT_TRUE(grid.IsCellSelected(3, 2));
  grid.SetItemState(3, 2, GVIS_SELECTED);  // keeping the bit adds nothing
  EXPECT_EQ(grid.GetSelectedCount(), 1);
  grid.SetItemState(1, 1, GVIS_SELECTED);
  EXPECT_EQ(grid.GetSelectedCount(), 2);
  grid.SetItemState(3, 2, GVIS_FOCUSED);
  EXPECT_EQ(grid.GetSelectedCount(), 1);
  EXPECT_EQ(grid.GetItemState(3, 2), GVIS_FOCUSED);

  // Destroying a selected cell drops it from the map.
  grid.SetRowCount(1);
  EXPECT_EQ(grid.GetSelectedCount(), 0);

  // With selection disabled no cell counts as selected.
  grid.SetItemState(0, 0, GVIS_SELECTED);
  grid.EnableSelection(FALSE);
  EXPECT_FALSE(grid.IsCellSelected(0, 0));
}

TEST_F(GridStorageTest, TextsMarkCellsAndGridModifiedAndReadOnlyCellsAreNotEditable) {
  CGridCtrl grid;
  Fill(grid, 2, 2);
  EXPECT_TRUE(grid.SetItemText(0, 1, L"abc"));
  EXPECT_EQ(grid.GetItemText(0, 1), L"abc");
  EXPECT_NE(grid.GetItemState(0, 1) & GVIS_MODIFIED, 0U);
  EXPECT_EQ(grid.GetItemState(1, 1) & GVIS_MODIFIED, 0U);
  EXPECT_TRUE(grid.SetItemText(0, 1, nullptr));
  EXPECT_EQ(grid.GetItemText(0, 1), L"");

  EXPECT_TRUE(grid.IsCellEditable(1, 1));
  grid.SetItemState(1, 1, GVIS_READONLY);
  EXPECT_FALSE(grid.IsCellEditable(1, 1));
  grid.SetEditable(FALSE);
  EXPECT_FALSE(grid.IsCellEditable(0, 0));
}

TEST_F(GridStorageTest, SizesAndHiddenRows) {
  CGridCtrl grid;
  Fill(grid, 3, 3);
  ASSERT_TRUE(grid.SetRowHeight(1, 0));  // a hidden row
  ASSERT_TRUE(grid.SetRowHeight(0, 40));
  ASSERT_TRUE(grid.SetRowHeight(2, 25));
  EXPECT_EQ(grid.GetVirtualHeight(), 65);
  ASSERT_TRUE(grid.SetColumnWidth(0, 100));
  ASSERT_TRUE(grid.SetColumnWidth(1, 0));
  ASSERT_TRUE(grid.SetColumnWidth(2, 50));
  EXPECT_EQ(grid.GetVirtualWidth(), 150);
  EXPECT_EQ(grid.GetFixedRowHeight(), 0);
  EXPECT_EQ(grid.GetFixedColumnWidth(), 0);
  // Rows and columns added later take the default sizes; the ones there keep theirs.
  grid.SetColumnCount(4);
  EXPECT_EQ(grid.GetColumnWidth(0), 100);
  EXPECT_EQ(grid.GetColumnWidth(1), 0);
}

TEST_F(GridStorageTest, DeleteAllItemsCanDeleteEditorsFirst) {
  CGridCtrl* grid = MakeGrid();
  ASSERT_NE(grid, nullptr);
  Fill(*grid, 2, 2);
  grid->SetItemState(0, 0, GVIS_SELECTED);
  ASSERT_TRUE(grid->DeleteAllItems(TRUE));
  EXPECT_EQ(grid->GetRowCount(), 0);
  EXPECT_EQ(grid->GetColumnCount(), 0);
  EXPECT_EQ(grid->GetSelectedCount(), 0);
  EXPECT_FALSE(grid->GetFocusCell().IsValid());
  EXPECT_EQ(grid->GetVirtualWidth(), 0);
  // The grid is usable again.
  Fill(*grid, 1, 1);
  EXPECT_NE(grid->GetCell(0, 0), nullptr);
}

}  // namespace
}  // namespace Talvo::testing
