// The check cell: where its box goes, how it measures, and whom it tells when the check changes.
#include "grid/grid_cell_check.h"

#include "grid_fixture.h"

namespace Talvo::testing {
namespace {

class GridCellCheckTest : public GridTest {
 protected:
  CGridCellCheck* MakeCheckCell() {
    CGridCtrl* grid = MakeGrid();
    Fill(*grid, 1, 1);
    grid->SetCellType(0, 0, RUNTIME_CLASS(CGridCellCheck));
    auto* cell = dynamic_cast<CGridCellCheck*>(grid->GetCell(0, 0));
    if (cell == nullptr) throw std::runtime_error("no check cell");
    return cell;
  }
};

TEST_F(GridCellCheckTest, SetCheckTellsOnlyAnOptionsPageAndRepaintsOnlyOnceDrawn) {
  MakeCheckCell()->SetCheck(TRUE);  // other pages hear nothing
  EXPECT_EQ(parent_->Count(WM_GRID_CHECK_CHANGED), 0);
  GridParent* page = UsePage<OptionsEditorTab>();
  CGridCellCheck* cell = MakeCheckCell();
  CGridCtrl& grid = *cell->GetGrid();
  ::ValidateRect(grid.m_hWnd, nullptr);  // only the check could invalidate anything now
  EXPECT_FALSE(cell->SetCheck(TRUE));
  ASSERT_EQ(page->Count(WM_GRID_CHECK_CHANGED), 1);
  EXPECT_EQ(page->received.back().lParam, reinterpret_cast<LPARAM>(cell));
  RECT update{};
  EXPECT_FALSE(::GetUpdateRect(grid.m_hWnd, &update, FALSE));  // never drawn: nothing invalidated

  CClientDC dc(&grid);
  cell->Draw(&dc, 0, 0, CRect(0, 0, 120, 40));
  EXPECT_TRUE(cell->SetCheck(FALSE));
  EXPECT_TRUE(::GetUpdateRect(grid.m_hWnd, &update, FALSE));
  EXPECT_EQ(page->Count(WM_GRID_CHECK_CHANGED), 2);
}

TEST_F(GridCellCheckTest, TheBoxIsSeventyPercentInTallCellsAndFullSizeCentredInLowOnes) {
  CGridCellCheck* cell = MakeCheckCell();
  cell->SetMargin(2);
  const int width = ::GetSystemMetrics(SM_CXHSCROLL);
  const int side = static_cast<int>(0.7 * width);
  CClientDC dc(cell->GetGrid());
  cell->Draw(&dc, 0, 0, CRect(10, 20, 200, 20 + width + 10));
  EXPECT_EQ(cell->GetCheckPlacement(), CRect(12, 22, 12 + side, 22 + side));
  const int lowHeight = width + 3;  // below the box plus twice the margin
  cell->Draw(&dc, 0, 0, CRect(10, 20, 200, 20 + lowHeight));
  const int top = 20 + (lowHeight - width) / 2;
  EXPECT_EQ(cell->GetCheckPlacement(), CRect(12, top, 12 + width, top + width));
}

}  // namespace
}  // namespace Talvo::testing
