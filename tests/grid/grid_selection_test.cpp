// The focus cell, selecting and deselecting ranges, the selection's bounds and the cell under a point.
#include "grid_input_fixture.h"

namespace Talvo::testing {
namespace {

using GridSelectionTest = GridInputTest;

TEST_F(GridSelectionTest, TheFocusBitMovesWithTheFocusCell) {
  RecordingGrid* grid = MakeInputGrid(4, 3);
  grid->SetFocusCell(1, 1);
  EXPECT_EQ(grid->SetFocusCell(2, 0), CCellID(1, 1));
  EXPECT_FALSE(grid->GetCell(1, 1)->IsFocused());
  EXPECT_TRUE(grid->GetCell(2, 0)->IsFocused());
}

TEST_F(GridSelectionTest, ARangeReplacesTheSelectionAndDeselectingKeepsTheRest) {
  RecordingGrid* grid = MakeInputGrid(5, 4);
  grid->SetSelectedRange(0, 0, 1, 1);
  grid->SetSelectedRange(2, 1, 3, 2);
  grid->SetSelectedRange(2, 1, 2, 2, FALSE, FALSE);
  EXPECT_EQ(Selected(*grid), (Cells{{3, 1}, {3, 2}}));
  grid->SetSelectedRange(3, 0, 9, 1);  // a range that leaves the grid selects nothing and clears the rest
  EXPECT_EQ(grid->GetSelectedCount(), 0);
  EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(5, 4, -1, -1));  // the bounds of nothing
}

TEST_F(GridSelectionTest, ResetClearsTheSelectionAndTheFocus) {
  RecordingGrid* grid = MakeInputGrid(3, 3);
  grid->SetSelectedRange(0, 0, 1, 1);
  grid->SetFocusCell(1, 1);
  grid->ResetSelectedRange();
  EXPECT_EQ(grid->GetSelectedCount(), 0);
  EXPECT_FALSE(grid->GetFocusCell().IsValid());
}

TEST_F(GridSelectionTest, TheCellUnderAPointFollowsSizesAndSkipsHiddenOnes) {
  RecordingGrid* grid = MakeInputGrid(4, 8);
  EXPECT_EQ(grid->GetCellFromPt(CPoint(80, 20)), CCellID(1, 1));
  EXPECT_EQ(grid->GetCellFromPt(CPoint(10, 80)), CCellID());  // below the last row
  grid->SetColumnWidth(1, 0);
  grid->SetRowHeight(0, 0);
  EXPECT_EQ(grid->GetCellFromPt(CPoint(85, 5)), CCellID(1, 2));
  grid->SetScrollPos32(SB_HORZ, 150);  // column 2 now ends 10 pixels into the client area
  EXPECT_EQ(grid->GetCellFromPt(CPoint(9, 5)), CCellID(1, 2));
  EXPECT_EQ(grid->GetCellFromPt(CPoint(10, 5)), CCellID(1, 3));
}

}  // namespace
}  // namespace Talvo::testing
