// Scrolling the grid: scroll bars and their ranges, line, page and end scrolling, the wheel, EnsureVisible,
// resizing, and grids too small or without a window.
#include <engine/redraw_thread.h>

#include "grid_fixture.h"

namespace Talvo::testing {
namespace {

class GridScrollTest : public GridTest {
 protected:
  static bool Shows(const CGridCtrl& grid, UINT bar) { return (grid.m_nBarState & bar) != 0; }
  static CRect Client(const CGridCtrl& grid) {
    CRect client;
    grid.GetClientRect(&client);
    return client;
  }
};

TEST_F(GridScrollTest, TheHorizontalRangeIsTheWholeWidthAndTheVerticalOneEndsOnTheLastRow) {
  CGridCtrl* grid = MakeSizedGrid(40, 5, 10, 20);
  for (int col = 0; col < 5; ++col) grid->SetColumnWidth(col, (Client(*grid).Width() + 100) / 5);
  const CRect client = Client(*grid);
  EXPECT_EQ(grid->GetHorzScrollLimit(), grid->GetVirtualWidth());  // not minus one
  EXPECT_EQ(grid->GetVertScrollLimit(), 40 * 20 - 1);
  grid->SendMessage(WM_VSCROLL, SB_BOTTOM);
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), 40 * 20 - client.Height());
  grid->SendMessage(WM_HSCROLL, SB_RIGHT);
  grid->SendMessage(WM_HSCROLL, SB_PAGERIGHT);
  EXPECT_EQ(grid->GetScrollPos32(SB_HORZ), grid->GetVirtualWidth() - client.Width() + 1);

  // Fewer rows: the bar goes and the position with it.
  grid->SetRowCount(3);
  EXPECT_FALSE(Shows(*grid, kVertScrollShown));
  EXPECT_EQ(grid->GetTopleftNonFixedCell(), CCellID(0, 0));
}

TEST_F(GridScrollTest, AHorizontalBarThatHidesRowsBringsTheVerticalBarToo) {
  CGridCtrl* grid = MakeSizedGrid(1, 2, 10, 10);
  const CRect client = Client(*grid);
  grid->SetRowHeight(0, client.Height() - 2);  // the row fits until the horizontal bar takes its height
  grid->SetColumnWidth(0, client.Width());
  grid->SetColumnWidth(1, 50);
  EXPECT_TRUE(Shows(*grid, kHorzScrollShown));
  EXPECT_TRUE(Shows(*grid, kVertScrollShown));
}

TEST_F(GridScrollTest, LineScrollingMovesByWholeColumnsAndRowsSkippingHiddenOnes) {
  CGridCtrl* grid = MakeSizedGrid(40, 10, 100, 20);
  grid->SetColumnWidth(1, 0);
  grid->SetRowHeight(1, 0);
  grid->SendMessage(WM_HSCROLL, SB_LINERIGHT);
  EXPECT_EQ(grid->GetScrollPos32(SB_HORZ), 100);
  grid->SendMessage(WM_VSCROLL, SB_LINEDOWN);
  grid->SendMessage(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), 40);
  // A partly hidden column: line right shows the next column whole, line left this one whole.
  grid->SetScrollPos32(SB_HORZ, 150);
  grid->SendMessage(WM_HSCROLL, SB_LINERIGHT);
  EXPECT_EQ(grid->GetScrollPos32(SB_HORZ), 200);
  grid->SetScrollPos32(SB_HORZ, 250);
  grid->SendMessage(WM_HSCROLL, SB_LINELEFT);
  EXPECT_EQ(grid->GetScrollPos32(SB_HORZ), 200);
}

TEST_F(GridScrollTest, WholeColumnScrollingStartsTheViewAtTheNextWholeColumn) {
  CGridCtrl* grid = MakeSizedGrid(2, 8, 100, 20);
  grid->m_nBarState |= kWholeColumnScrolling;
  grid->SetScrollPos32(SB_HORZ, 150);
  EXPECT_EQ(grid->GetTopleftNonFixedCell(TRUE), CCellID(0, 2));
  EXPECT_EQ(grid->GetHorzOffset(), 0);
}

TEST_F(GridScrollTest, TheWheelPostsThreeLinesPerNotch) {
  CGridCtrl* grid = MakeSizedGrid(40, 2, 100, 20);
  winsim::PumpMessages();
  grid->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), 0);
  winsim::PumpMessages();
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), 6 * 20);
  grid->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 60), 0);  // less than a notch: still a line
  winsim::PumpMessages();
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), 5 * 20);
}

TEST_F(GridScrollTest, EnsureVisibleBringsACellIntoTheWindow) {
  CGridCtrl* grid = MakeSizedGrid(60, 12, 90, 20);
  const CRect client = Client(*grid);
  CRect rect;
  grid->EnsureVisible(45, 9);
  ASSERT_TRUE(grid->GetCellRect(45, 9, &rect));
  EXPECT_LE(rect.right, client.right);
  EXPECT_LE(rect.bottom, client.bottom);
  grid->SetScrollPos32(SB_HORZ, 135);  // from a partly hidden column back to it
  grid->EnsureVisible(0, 1);
  ASSERT_TRUE(grid->GetCellRect(0, 1, &rect));
  EXPECT_EQ(rect.left, 0);

  // A cell wider than the window ends the scrolling instead of looping.
  grid->SetColumnWidth(11, client.Width() * 2);
  grid->EnsureVisible(59, 11);
  ASSERT_TRUE(grid->GetCellRect(59, 11, &rect));
  EXPECT_LT(rect.left, client.right);
  // Nothing happens while drawing is off.
  const int before = grid->GetScrollPos32(SB_VERT);
  grid->SetRedraw(FALSE);
  grid->EnsureVisible(0, 0);
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), before);
}

TEST_F(GridScrollTest, ResizingTheWindowOrEndingAnUpdateRecomputesTheBars) {
  CGridCtrl* grid = MakeSizedGrid(10, 3, 100, 20, CRect(10, 10, 210, 110));
  EXPECT_TRUE(Shows(*grid, kHorzScrollShown) && Shows(*grid, kVertScrollShown));
  grid->MoveWindow(10, 10, 500, 350);
  EXPECT_FALSE(Shows(*grid, kHorzScrollShown) || Shows(*grid, kVertScrollShown));
  EXPECT_EQ(grid->GetStyle() & (WS_HSCROLL | WS_VSCROLL), 0U);
  grid->m_bUpdating = 1;
  grid->SetRowCount(60);
  EXPECT_FALSE(Shows(*grid, kVertScrollShown));
  grid->m_bUpdating = 0;
  grid->ResetScrollBars();
  EXPECT_TRUE(Shows(*grid, kVertScrollShown));
}

TEST_F(GridScrollTest, GridsTooSmallForTheirBarsOrWithoutAWindowScrollSafely) {
  CGridCtrl* grid = MakeSizedGrid(30, 30, 50, 20, CRect(0, 0, 24, 24));
  grid->SendMessage(WM_VSCROLL, SB_PAGEDOWN);
  grid->SendMessage(WM_HSCROLL, SB_PAGERIGHT);
  grid->EnsureVisible(29, 29);
  grid->UpdateWindow();
  EXPECT_GE(grid->GetScrollPos32(SB_VERT), 0);
  CGridCtrl loose;
  Fill(loose, 50, 50);
  loose.ResetScrollBars();
  loose.EnsureVisible(40, 40);
  loose.SendMessage(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(loose.GetScrollPos32(SB_VERT), 0);
}

TEST_F(GridScrollTest, VerticalScrollOnAnEditorPageAsksTheRedrawThread) {
  UsePage<FunctionEditorTab>();
  CGridCtrl* grid = MakeSizedGrid(40, 2, 50, 20);
  EnableRedrawThread();
  grid->SendMessage(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_NE(DrawTh(), nullptr);  // created by the first request
  StopRedrawThread();
  // Another page re-places the editors at once and leaves the thread alone.
  UsePage<OptionsEditorTab>();
  CGridCtrl* plain = MakeSizedGrid(40, 2, 50, 20);
  EnableRedrawThread();
  plain->SendMessage(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(DrawTh(), nullptr);
  StopRedrawThread();
}

}  // namespace
}  // namespace Talvo::testing
