// The check cell: where its box goes, how it measures, and whom it tells when the check changes.
#include "grid/grid_cell_check.h"

#include "grid_fixture.h"

namespace Talvo::testing {
namespace {

class GridCellCheckTest : public GridTest {
 protected:
  CGridCellCheck* MakeCheckCell(CGridCtrl& grid) {
    Fill(grid, 1, 1);
    EXPECT_TRUE(grid.SetCellType(0, 0, RUNTIME_CLASS(CGridCellCheck)));
    return dynamic_cast<CGridCellCheck*>(grid.GetCell(0, 0));
  }
};

TEST_F(GridCellCheckTest, SetCheckTellsAnOptionsPageEvenBeforeTheFirstDrawing) {
  auto page = std::make_unique<OptionsEditorTab>();
  ASSERT_TRUE(page->Make(500, 300));
  CGridCtrl grid;
  ASSERT_TRUE(grid.Create(CRect(0, 0, 400, 200), page.get(), 5));
  CGridCellCheck* cell = MakeCheckCell(grid);
  ASSERT_NE(cell, nullptr);
  EXPECT_TRUE(cell->GetCheckPlacement().IsRectEmpty() || cell->GetCheckPlacement().left >= 0);

  // The grid has not painted yet: drop its pending first paint without drawing, so that only the check
  // could invalidate anything.
  ::ValidateRect(grid.m_hWnd, nullptr);
  EXPECT_FALSE(cell->SetCheck(TRUE));
  EXPECT_TRUE(cell->GetCheck());
  ASSERT_EQ(page->Count(WM_GRID_CHECK_CHANGED), 1);
  EXPECT_EQ(page->received.back().wParam, 0U);
  EXPECT_EQ(page->received.back().lParam, reinterpret_cast<LPARAM>(cell));
  RECT update{};
  EXPECT_FALSE(::GetUpdateRect(grid.m_hWnd, &update, FALSE));  // never drawn: nothing invalidated

  // Drawn once, the cell repaints its rectangle on the next change.
  CClientDC dc(&grid);
  cell->Draw(&dc, 0, 0, CRect(0, 0, 120, 40));
  EXPECT_TRUE(cell->SetCheck(FALSE));
  EXPECT_TRUE(::GetUpdateRect(grid.m_hWnd, &update, FALSE));
  EXPECT_EQ(page->Count(WM_GRID_CHECK_CHANGED), 2);
  grid.DestroyWindow();
}

TEST_F(GridCellCheckTest, OtherPagesHearNothing) {
  CGridCtrl* grid = MakeGrid();
  ASSERT_NE(grid, nullptr);
  CGridCellCheck* cell = MakeCheckCell(*grid);
  ASSERT_NE(cell, nullptr);
  cell->SetCheck(TRUE);
  EXPECT_EQ(parent_->Count(WM_GRID_CHECK_CHANGED), 0);
}

TEST_F(GridCellCheckTest, TheBoxIsSeventyPercentInTallCellsAndFullSizeCentredInLowOnes) {
  CGridCtrl* grid = MakeGrid();
  ASSERT_NE(grid, nullptr);
  CGridCellCheck* cell = MakeCheckCell(*grid);
  ASSERT_NE(cell, nullptr);
  cell->SetMargin(2);
  const int width = ::GetSystemMetrics(SM_CXHSCROLL);
  const int side = static_cast<int>(0.7 * width);
  CClientDC dc(grid);

  cell->Draw(&dc, 0, 0, CRect(10, 20, 200, 20 + width + 10));
  EXPECT_EQ(cell->GetCheckPlacement(), CRect(12, 22, 12 + side, 22 + side));

  const int lowHeight = width + 3;  // below the box plus twice the margin
  cell->Draw(&dc, 0, 0, CRect(10, 20, 200, 20 + lowHeight));
  const int top = 20 + (lowHeight - width) / 2;
  EXPECT_EQ(cell->GetCheckPlacement(), CRect(12, top, 12 + width, top + width));

  // The extent makes room for the box and its margins.
  CGridCell plain;
  plain.SetGrid(grid);
  plain.SetMargin(2);
  const CSize base = plain.GetCellExtent(&dc);
  const CSize extent = cell->GetCellExtent(&dc);
  EXPECT_EQ(extent.cx, base.cx + 4 + width);
  EXPECT_EQ(extent.cy, std::max<int>(base.cy, 4 + width));
}

}  // namespace
}  // namespace Talvo::testing
