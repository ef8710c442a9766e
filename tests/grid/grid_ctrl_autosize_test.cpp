// Sizing rows and columns to their contents, and fitting the odd columns to the window.
#include "grid_fixture.h"

namespace Talvo::testing {
namespace {

// A cell that reports a fixed extent and whether it was being measured when asked.
class SizedCell : public CGridCell {
  DECLARE_DYNCREATE(SizedCell)
 public:
  CSize extent{0, 0};
  bool measuredFlagSeen = false;
  CSize GetCellExtent(CDC* /*pDC*/) override {
    measuredFlagSeen = (GetState() & GVIS_MEASURING) != 0;
    return extent;
  }
};
IMPLEMENT_DYNCREATE(SizedCell, CGridCell)

class GridAutoSizeTest : public GridTest {
 protected:
  // A grid whose cells are SizedCells of the given extents (rows x columns, row by row).
  CGridCtrl* MakeSizedCellGrid(int rows, int columns, const std::vector<CSize>& extents) {
    CGridCtrl* grid = MakeGrid();
    if (grid == nullptr) return nullptr;
    grid->SetDefaultCellType(RUNTIME_CLASS(SizedCell));
    Fill(*grid, rows, columns);
    for (int row = 0; row < rows; ++row) {
      for (int col = 0; col < columns; ++col) Cell(*grid, row, col)->extent = extents[static_cast<size_t>(row * columns + col)];
    }
    return grid;
  }
  static SizedCell* Cell(CGridCtrl& grid, int row, int col) { return dynamic_cast<SizedCell*>(grid.GetCell(row, col)); }
};

TEST_F(GridAutoSizeTest, ColumnsAndRowsTakeTheirLargestCell) {
  CGridCtrl* grid = MakeSizedCellGrid(2, 2, {{40, 10}, {70, 30}, {90, 15}, {20, 12}});
  ASSERT_NE(grid, nullptr);
  EXPECT_TRUE(grid->AutoSizeColumn(0));
  EXPECT_EQ(grid->GetColumnWidth(0), 90);
  EXPECT_TRUE(Cell(*grid, 1, 0)->measuredFlagSeen);
  EXPECT_EQ(grid->GetItemState(1, 0) & GVIS_MEASURING, 0U);  // the flag is gone again
  grid->SetRowHeight(0, 200);  // sizing shrinks as well as grows
  EXPECT_TRUE(grid->AutoSizeRow(0));
  EXPECT_EQ(grid->GetRowHeight(0), 30);

  grid->AutoSizeColumns();
  grid->AutoSizeRows();
  EXPECT_EQ(grid->GetColumnWidth(1), 70);
  EXPECT_EQ(grid->GetRowHeight(1), 15);
  EXPECT_EQ(grid->GetVirtualHeight(), 45);

  // Out of range: refused.
  EXPECT_FALSE(grid->AutoSizeColumn(2));
  EXPECT_FALSE(grid->AutoSizeColumn(-1));
  EXPECT_FALSE(grid->AutoSizeRow(5));
}

TEST_F(GridAutoSizeTest, HiddenColumnsAndRowsStayHidden) {
  CGridCtrl* grid = MakeSizedCellGrid(3, 3, std::vector<CSize>(9, CSize(50, 25)));
  ASSERT_NE(grid, nullptr);
  Cell(*grid, 2, 2)->extent = CSize(120, 40);  // in a hidden row: does not count
  grid->SetColumnWidth(1, 0);
  grid->SetRowHeight(2, 0);
  EXPECT_FALSE(grid->AutoSizeColumn(1));
  EXPECT_FALSE(grid->AutoSizeRow(2));

  grid->AutoSize();
  EXPECT_EQ(grid->GetColumnWidth(0), 50);
  EXPECT_EQ(grid->GetColumnWidth(1), 0);
  EXPECT_EQ(grid->GetColumnWidth(2), 50);
  EXPECT_EQ(grid->GetRowHeight(0), 25);
  EXPECT_EQ(grid->GetRowHeight(2), 0);

  grid->AutoSizeColumns();
  grid->AutoSizeRows();
  EXPECT_EQ(grid->GetColumnWidth(1), 0);
  EXPECT_EQ(grid->GetRowHeight(2), 0);
}

TEST_F(GridAutoSizeTest, AnEmptyColumnKeepsItsWidth) {
  CGridCtrl* grid = MakeGrid();
  ASSERT_NE(grid, nullptr);
  grid->SetColumnCount(2);
  grid->SetColumnWidth(0, 60);
  EXPECT_TRUE(grid->AutoSizeColumn(0));
  grid->AutoSize();
  EXPECT_EQ(grid->GetColumnWidth(0), 60);

  // Without a window there is nothing to measure on.
  CGridCtrl loose;
  Fill(loose, 2, 2);
  EXPECT_FALSE(loose.AutoSizeColumn(0));
  EXPECT_FALSE(loose.AutoSizeRow(0));
  loose.AutoSize();
}

TEST_F(GridAutoSizeTest, TextCellsMeasureTheirText) {
  CGridCtrl* grid = MakeGrid();
  ASSERT_NE(grid, nullptr);
  Fill(*grid, 2, 1);
  grid->SetItemText(0, 0, L"Editable Poly");
  grid->SetItemText(1, 0, L"Editable Poly Editable Poly");
  grid->AutoSizeColumn(0);
  const int wide = grid->GetColumnWidth(0);
  grid->SetItemText(1, 0, L"Poly");
  grid->AutoSizeColumn(0);
  EXPECT_LT(grid->GetColumnWidth(0), wide);
  EXPECT_GT(grid->GetColumnWidth(0), 0);
}

TEST_F(GridAutoSizeTest, FitColumnsGivesEveryOddColumnAQuarterOfWhatTheEvenOnesLeave) {
  // A client area 500 pixels wide (the client edge takes 2 pixels on each side).
  CGridCtrl* grid = MakeGrid(CRect(0, 0, 504, 304));
  ASSERT_NE(grid, nullptr);
  CRect client;
  grid->GetClientRect(&client);
  ASSERT_EQ(client.Width(), 500);
  Fill(*grid, 2, 5);
  grid->SetColumnWidth(0, 100);
  grid->SetColumnWidth(2, 50);
  grid->SetColumnWidth(4, 50);
  grid->FitColumnsToWindow();
  EXPECT_EQ(grid->GetColumnWidth(1), 140);  // max(301 / 4, 140)
  EXPECT_EQ(grid->GetColumnWidth(3), 140);
  EXPECT_EQ(grid->GetColumnWidth(0), 100);

  grid->MoveWindow(0, 0, 1004, 304);
  grid->FitColumnsToWindow();
  EXPECT_EQ(grid->GetColumnWidth(1), (1000 + 1 - 200) / 4);
  EXPECT_EQ(grid->GetColumnWidth(3), (1000 + 1 - 200) / 4);
}

}  // namespace
}  // namespace Talvo::testing
