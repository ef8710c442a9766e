// Sizing rows and columns to their contents, and fitting the odd columns to the window.
#include "grid_fixture.h"

namespace Talvo::testing {
namespace {

// A cell that reports a fixed extent.
class SizedCell : public CGridCell {
  DECLARE_DYNCREATE(SizedCell)
 public:
  CSize extent{0, 0};
  CSize GetCellExtent(CDC* /*pDC*/) override { return extent; }
};
IMPLEMENT_DYNCREATE(SizedCell, CGridCell)

using GridAutoSizeTest = GridTest;

TEST_F(GridAutoSizeTest, ColumnsAndRowsTakeTheirLargestShownCellAndHiddenOnesStayHidden) {
  CGridCtrl* grid = MakeGrid();
  grid->SetDefaultCellType(RUNTIME_CLASS(SizedCell));
  Fill(*grid, 3, 3);
  const CSize extents[3][3] = {
      {{40, 10}, {20, 5}, {20, 5}}, {{90, 15}, {20, 12}, {20, 5}}, {{20, 5}, {20, 5}, {300, 300}}};
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) static_cast<SizedCell*>(grid->GetCell(row, col))->extent = extents[row][col];
  }
  grid->SetRowHeight(0, 200);  // sizing shrinks as well as grows
  grid->SetColumnWidth(1, 0);
  grid->SetRowHeight(2, 0);  // its large cell does not count
  grid->AutoSize();
  EXPECT_EQ(grid->GetColumnWidth(0), 90);
  EXPECT_EQ(grid->GetColumnWidth(1), 0);
  EXPECT_EQ(grid->GetColumnWidth(2), 20);
  EXPECT_EQ(grid->GetRowHeight(0), 10);
  EXPECT_EQ(grid->GetRowHeight(1), 15);
  EXPECT_EQ(grid->GetRowHeight(2), 0);
  EXPECT_FALSE(grid->AutoSizeColumn(3));
}

TEST_F(GridAutoSizeTest, FitColumnsGivesEveryOddColumnAQuarterOfWhatTheEvenOnesLeave) {
  CGridCtrl* grid = MakeGrid(CRect(0, 0, 504, 304));  // a client area 500 pixels wide
  Fill(*grid, 2, 5);
  grid->SetColumnWidth(0, 100);
  grid->SetColumnWidth(2, 50);
  grid->SetColumnWidth(4, 50);
  grid->FitColumnsToWindow();
  EXPECT_EQ(grid->GetColumnWidth(1), 140);  // max(301 / 4, 140)
  EXPECT_EQ(grid->GetColumnWidth(0), 100);
  grid->MoveWindow(0, 0, 1004, 304);
  grid->FitColumnsToWindow();
  EXPECT_EQ(grid->GetColumnWidth(3), (1000 + 1 - 200) / 4);
}

}  // namespace
}  // namespace Talvo::testing
