// The focus cell, selecting and deselecting ranges, the selection's bounds and the cell under a point.
#include "grid_input_fixture.h"

namespace Talvo::testing {
namespace {

using GridSelectionTest = GridInputTest;
using Cells = std::vector<std::pair<int, int>>;

TEST_F(GridSelectionTest, TheFocusBitMovesWithTheFocusCell) {
  RecordingGrid* grid = MakeInputGrid(4, 3);
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->SetFocusCell(1, 1), CCellID());
  EXPECT_TRUE(grid->GetCell(1, 1)->IsFocused());
  EXPECT_EQ(grid->SetFocusCell(2, 0), CCellID(1, 1));
  EXPECT_FALSE(grid->GetCell(1, 1)->IsFocused());
  EXPECT_TRUE(grid->GetCell(2, 0)->IsFocused());
  // Setting the same cell again changes nothing; (-1, -1) removes the focus.
  EXPECT_EQ(grid->SetFocusCell(2, 0), CCellID(2, 0));
  EXPECT_EQ(grid->SetFocusCell(-1, -1), CCellID(2, 0));
  EXPECT_FALSE(grid->GetCell(2, 0)->IsFocused());
  EXPECT_FALSE(grid->GetFocusCell().IsValid());
}

TEST_F(GridSelectionTest, ARangeReplacesTheSelectionAndDeselectingKeepsTheRest) {
  RecordingGrid* grid = MakeInputGrid(5, 4);
  ASSERT_NE(grid, nullptr);
  grid->SetSelectedRange(0, 0, 1, 1);
  grid->SetSelectedRange(2, 1, 3, 2);
  EXPECT_EQ(Selected(*grid), (Cells{{2, 1}, {2, 2}, {3, 1}, {3, 2}}));
  EXPECT_EQ(grid->GetSelectedCount(), 4);
  EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(2, 1, 3, 2));

  // Deselecting part of the selection leaves the other cells selected.
  grid->SetSelectedRange(2, 1, 2, 2, FALSE, FALSE);
  EXPECT_EQ(Selected(*grid), (Cells{{3, 1}, {3, 2}}));

  // A range that leaves the grid selects nothing and clears the rest; so does an empty one.
  grid->SetSelectedRange(3, 0, 9, 1);
  EXPECT_EQ(grid->GetSelectedCount(), 0);
  grid->SetSelectedRange(1, 1, 1, 1);
  grid->SetSelectedRange(CCellRange());
  EXPECT_EQ(grid->GetSelectedCount(), 0);
  // The bounds of nothing start past the grid's end.
  EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(5, 4, -1, -1));
}

TEST_F(GridSelectionTest, SelectAllAndResetAndDisabledSelection) {
  RecordingGrid* grid = MakeInputGrid(3, 3);
  ASSERT_NE(grid, nullptr);
  grid->SelectAllCells();
  EXPECT_EQ(grid->GetSelectedCount(), 9);
  grid->SetFocusCell(1, 1);
  grid->ResetSelectedRange();
  EXPECT_EQ(grid->GetSelectedCount(), 0);
  EXPECT_FALSE(grid->GetFocusCell().IsValid());

  grid->EnableSelection(FALSE);
  grid->SelectAllCells();
  grid->SetSelectedRange(0, 0, 2, 2);
  EXPECT_EQ(grid->GetSelectedCount(), 0);
  EXPECT_EQ(grid->GetItemState(0, 0) & GVIS_SELECTED, 0U);
}

TEST_F(GridSelectionTest, SelectCellsSpansFromTheSelectionStart) {
  RecordingGrid* grid = MakeInputGrid(5, 4);
  ASSERT_NE(grid, nullptr);
  ClickCell(*grid, 3, 2);  // the selection starts at (3, 2)
  grid->SelectCells(CCellID(1, 0));
  EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(1, 0, 3, 2));
  EXPECT_EQ(grid->GetSelectedCount(), 9);
  // Cells outside the grid select nothing new.
  grid->SelectCells(CCellID(7, 0));
  EXPECT_EQ(grid->GetSelectedCount(), 9);
}

TEST_F(GridSelectionTest, TheCellUnderAPointFollowsSizesAndSkipsHiddenColumns) {
  RecordingGrid* grid = MakeInputGrid(4, 4);
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->GetCellFromPt(CPoint(0, 0)), CCellID(0, 0));
  EXPECT_EQ(grid->GetCellFromPt(CPoint(79, 19)), CCellID(0, 0));
  EXPECT_EQ(grid->GetCellFromPt(CPoint(80, 20)), CCellID(1, 1));
  EXPECT_EQ(grid->GetCellFromPt(CPoint(319, 79)), CCellID(3, 3));
  // Past the last row or column, and left of or above the client area, there is no cell.
  EXPECT_EQ(grid->GetCellFromPt(CPoint(320, 10)), CCellID());
  EXPECT_EQ(grid->GetCellFromPt(CPoint(10, 80)), CCellID());
  EXPECT_EQ(grid->GetCellFromPt(CPoint(-1, 10)), CCellID());
  EXPECT_EQ(grid->GetCellFromPt(CPoint(10, -1)), CCellID());

  grid->SetColumnWidth(1, 0);
  grid->SetRowHeight(0, 0);
  EXPECT_EQ(grid->GetCellFromPt(CPoint(85, 5)), CCellID(1, 2));
}

TEST_F(GridSelectionTest, TheCellUnderAPointFollowsAPartlyScrolledColumn) {
  RecordingGrid* grid = MakeInputGrid(3, 8);
  ASSERT_NE(grid, nullptr);
  for (int col = 0; col < 8; ++col) grid->SetColumnWidth(col, 100);
  grid->ResetScrollBars();
  // Scrolled by 150 pixels, column 1 starts 50 pixels left of the client area.
  grid->SetScrollPos32(SB_HORZ, 150);
  ASSERT_EQ(grid->GetTopleftNonFixedCell(), CCellID(0, 1));
  ASSERT_EQ(grid->GetHorzOffset(), -50);
  EXPECT_EQ(grid->GetCellFromPt(CPoint(10, 5)), CCellID(0, 1));
  EXPECT_EQ(grid->GetCellFromPt(CPoint(49, 5)), CCellID(0, 1));
  EXPECT_EQ(grid->GetCellFromPt(CPoint(50, 5)), CCellID(0, 2));
}

}  // namespace
}  // namespace Talvo::testing
