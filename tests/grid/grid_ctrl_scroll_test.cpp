// Scrolling the grid: scroll bars and their ranges, the top-left cell with a partly hidden first column,
// line, page, thumb and end scrolling, the wheel, EnsureVisible and resizing.
#include <engine/redraw_thread.h>

#include "grid_fixture.h"

namespace Talvo::testing {
namespace {

class GridScrollTest : public GridTest {
 protected:
  static SCROLLINFO BarInfo(const CGridCtrl& grid, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof(SCROLLINFO);
    info.fMask = SIF_ALL;
    ::GetScrollInfo(grid.m_hWnd, bar, &info);
    return info;
  }

  static CRect Client(const CGridCtrl& grid) {
    CRect client;
    grid.GetClientRect(&client);
    return client;
  }

  // The WM_VSCROLL codes waiting in the queue for the grid, taken out.
  static std::vector<UINT> TakePostedScrolls(const CGridCtrl& grid) {
    std::vector<UINT> codes;
    MSG msg;
    while (::PeekMessageW(&msg, grid.m_hWnd, WM_VSCROLL, WM_VSCROLL, PM_REMOVE)) codes.push_back(LOWORD(msg.wParam));
    return codes;
  }
};

TEST_F(GridScrollTest, CellsThatFitShowNoBarsAndHaveNoLimits) {
  CGridCtrl* grid = MakeSizedGrid(3, 3, 50, 20);
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->m_nBarState & (kHorzScrollShown | kVertScrollShown), 0U);
  EXPECT_EQ(grid->GetVertScrollLimit(), 0);
  EXPECT_EQ(grid->GetHorzScrollLimit(), 0);
  EXPECT_EQ(grid->GetStyle() & (WS_HSCROLL | WS_VSCROLL), 0U);
  EXPECT_EQ(grid->GetTopleftNonFixedCell(), CCellID(0, 0));
  EXPECT_EQ(grid->GetVisibleNonFixedCellRange(), CCellRange(0, 0, 2, 2));
}

TEST_F(GridScrollTest, HorizontalRangeIsTheVirtualWidthAndThePageTheClientWidth) {
  CGridCtrl* grid = MakeSizedGrid(2, 5, 10, 20);
  ASSERT_NE(grid, nullptr);
  const int clientWidth = Client(*grid).Width();
  // Five columns 100 pixels wider than the window in all.
  for (int col = 0; col < 5; ++col) grid->SetColumnWidth(col, (clientWidth + 100) / 5);
  const int virtualWidth = grid->GetVirtualWidth();
  EXPECT_NE(grid->m_nBarState & kHorzScrollShown, 0U);
  EXPECT_EQ(grid->m_nBarState & kVertScrollShown, 0U);
  EXPECT_EQ(grid->GetHorzScrollLimit(), virtualWidth);  // not minus one
  const SCROLLINFO info = BarInfo(*grid, SB_HORZ);
  EXPECT_EQ(info.nMax, virtualWidth);
  EXPECT_EQ(info.nPage, static_cast<UINT>(clientWidth));
  EXPECT_NE(grid->GetStyle() & WS_HSCROLL, 0U);
}

TEST_F(GridScrollTest, VerticalRangeLeavesTheLastRowAtTheBottom) {
  CGridCtrl* grid = MakeSizedGrid(40, 2, 50, 20);
  ASSERT_NE(grid, nullptr);
  EXPECT_NE(grid->m_nBarState & kVertScrollShown, 0U);
  EXPECT_EQ(grid->GetVertScrollLimit(), 40 * 20 - 1);
  const SCROLLINFO info = BarInfo(*grid, SB_VERT);
  EXPECT_EQ(info.nPage, static_cast<UINT>(Client(*grid).Height()));

  grid->SendMessage(WM_VSCROLL, SB_BOTTOM);
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), 40 * 20 - Client(*grid).Height());
  grid->SendMessage(WM_VSCROLL, SB_TOP);
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), 0);

  // Fewer rows: the bar goes and the position with it.
  grid->SendMessage(WM_VSCROLL, SB_BOTTOM);
  grid->SetRowCount(3);
  EXPECT_EQ(grid->m_nBarState & kVertScrollShown, 0U);
  EXPECT_EQ(grid->GetVertScrollLimit(), 0);
  EXPECT_EQ(grid->GetTopleftNonFixedCell(), CCellID(0, 0));
}

TEST_F(GridScrollTest, AHorizontalBarThatHidesRowsBringsTheVerticalBarToo) {
  CGridCtrl* grid = MakeSizedGrid(1, 2, 10, 10);
  ASSERT_NE(grid, nullptr);
  const CRect client = Client(*grid);
  // The rows fit exactly until the horizontal bar takes its height.
  grid->SetRowHeight(0, client.Height() - 2);
  grid->SetColumnWidth(0, client.Width());
  grid->SetColumnWidth(1, 50);
  EXPECT_NE(grid->m_nBarState & kHorzScrollShown, 0U);
  EXPECT_NE(grid->m_nBarState & kVertScrollShown, 0U);
  EXPECT_GT(grid->GetVertScrollLimit(), 0);
}

TEST_F(GridScrollTest, TopLeftCellRecordsThePartlyHiddenFirstColumn) {
  CGridCtrl* grid = MakeSizedGrid(2, 8, 100, 20);
  ASSERT_NE(grid, nullptr);
  grid->SetScrollPos32(SB_HORZ, 150);
  EXPECT_EQ(grid->GetTopleftNonFixedCell(), CCellID(0, 1));
  EXPECT_EQ(grid->GetHorzOffset(), -50);
  CRect rect;
  ASSERT_TRUE(grid->GetCellRect(0, 1, &rect));
  EXPECT_EQ(rect, CRect(-50, 0, 49, 19));
  EXPECT_FALSE(grid->GetCellRect(0, 0, &rect));  // scrolled away to the left

  // Whole-column scrolling starts the view at the next whole column.
  grid->m_nBarState |= kWholeColumnScrolling;
  EXPECT_EQ(grid->GetTopleftNonFixedCell(TRUE), CCellID(0, 2));
  EXPECT_EQ(grid->GetHorzOffset(), 0);

  // On a column boundary there is no offset either way.
  grid->m_nBarState &= ~kWholeColumnScrolling;
  grid->SetScrollPos32(SB_HORZ, 200);
  EXPECT_EQ(grid->GetTopleftNonFixedCell(), CCellID(0, 2));
  EXPECT_EQ(grid->GetHorzOffset(), 0);
}

TEST_F(GridScrollTest, LineScrollingMovesByWholeColumnsAndRowsSkippingHiddenOnes) {
  CGridCtrl* grid = MakeSizedGrid(40, 10, 100, 20);
  ASSERT_NE(grid, nullptr);
  grid->SetColumnWidth(1, 0);  // hidden
  grid->SetRowHeight(1, 0);
  CRect rect;

  grid->SendMessage(WM_HSCROLL, SB_LINERIGHT);
  EXPECT_EQ(grid->GetScrollPos32(SB_HORZ), 100);
  ASSERT_TRUE(grid->GetCellRect(0, 2, &rect));  // the hidden column takes no room
  EXPECT_EQ(rect.left, 0);
  grid->SendMessage(WM_HSCROLL, SB_LINELEFT);
  EXPECT_EQ(grid->GetScrollPos32(SB_HORZ), 0);

  // A partly hidden column: line right shows the next column whole, line left this one whole.
  grid->SetScrollPos32(SB_HORZ, 150);
  grid->SendMessage(WM_HSCROLL, SB_LINERIGHT);
  EXPECT_EQ(grid->GetScrollPos32(SB_HORZ), 200);
  grid->SetScrollPos32(SB_HORZ, 250);
  grid->SendMessage(WM_HSCROLL, SB_LINELEFT);
  EXPECT_EQ(grid->GetScrollPos32(SB_HORZ), 200);
  EXPECT_EQ(grid->GetHorzOffset(), 0);

  grid->SendMessage(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), 20);
  ASSERT_TRUE(grid->GetCellRect(2, 3, &rect));  // the hidden row takes no room
  EXPECT_EQ(rect.top, 0);
  grid->SendMessage(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), 40);
  grid->SendMessage(WM_VSCROLL, SB_LINEUP);
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), 20);
  grid->SendMessage(WM_VSCROLL, SB_LINEUP);
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), 0);
  grid->SendMessage(WM_VSCROLL, SB_LINEUP);  // already at the top
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), 0);
}

TEST_F(GridScrollTest, PageAndEndScrollingStayInsideTheRange) {
  CGridCtrl* grid = MakeSizedGrid(40, 8, 100, 20);
  ASSERT_NE(grid, nullptr);
  const CRect client = Client(*grid);
  grid->SendMessage(WM_VSCROLL, SB_PAGEDOWN);
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), client.bottom);
  grid->SendMessage(WM_VSCROLL, SB_PAGEUP);
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), 0);
  for (int i = 0; i < 10; ++i) grid->SendMessage(WM_VSCROLL, SB_PAGEDOWN);
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), 40 * 20 - client.Height());

  grid->SendMessage(WM_HSCROLL, SB_PAGERIGHT);
  EXPECT_EQ(grid->GetScrollPos32(SB_HORZ), client.right);
  grid->SendMessage(WM_HSCROLL, SB_RIGHT);
  const int rightEnd = grid->GetScrollPos32(SB_HORZ);
  EXPECT_EQ(rightEnd, 800 - client.Width() + 1);  // the horizontal limit is the whole width
  grid->SendMessage(WM_HSCROLL, SB_PAGERIGHT);
  EXPECT_EQ(grid->GetScrollPos32(SB_HORZ), rightEnd);
  grid->SendMessage(WM_HSCROLL, SB_LEFT);
  EXPECT_EQ(grid->GetScrollPos32(SB_HORZ), 0);
}

TEST_F(GridScrollTest, ScrollingRepaintsOnlyWhenTheViewMoves) {
  CGridCtrl* grid = MakeSizedGrid(40, 2, 100, 20);
  ASSERT_NE(grid, nullptr);
  winsim::PumpMessages();
  CRect update;
  grid->SendMessage(WM_VSCROLL, SB_LINEUP);  // nothing to scroll
  EXPECT_FALSE(::GetUpdateRect(grid->m_hWnd, &update, FALSE));
  grid->SendMessage(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_TRUE(::GetUpdateRect(grid->m_hWnd, &update, FALSE));
  winsim::PumpMessages();

  // A thumb position inside the top row changes no row at the top: nothing to repaint.
  grid->SetScrollPos32(SB_VERT, 21);
  winsim::PumpMessages();
  grid->SendMessage(WM_VSCROLL, SB_THUMBPOSITION);
  EXPECT_FALSE(::GetUpdateRect(grid->m_hWnd, &update, FALSE));
}

TEST_F(GridScrollTest, WheelPostsThreeLinesPerNotch) {
  CGridCtrl* grid = MakeSizedGrid(40, 2, 100, 20);
  ASSERT_NE(grid, nullptr);
  ASSERT_EQ(grid->GetWheelScrollLines(), 3U);
  winsim::PumpMessages();
  grid->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 240), 0);
  EXPECT_EQ(TakePostedScrolls(*grid), std::vector<UINT>(6, SB_LINEUP));
  grid->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
  EXPECT_EQ(TakePostedScrolls(*grid), std::vector<UINT>(3, SB_LINEDOWN));
  grid->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 60), 0);  // less than a notch's worth of lines
  EXPECT_EQ(TakePostedScrolls(*grid), std::vector<UINT>(1, SB_LINEUP));

  // The posted lines scroll once pumped.
  grid->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
  winsim::PumpMessages();
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), 60);
}

TEST_F(GridScrollTest, EnsureVisibleBringsACellIntoTheWindow) {
  CGridCtrl* grid = MakeSizedGrid(60, 12, 90, 20);
  ASSERT_NE(grid, nullptr);
  const CRect client = Client(*grid);
  CRect rect;

  grid->EnsureVisible(45, 9);
  ASSERT_TRUE(grid->GetCellRect(45, 9, &rect));
  EXPECT_TRUE(grid->IsCellVisible(45, 9));
  EXPECT_LE(rect.right, client.right);
  EXPECT_LE(rect.bottom, client.bottom);
  EXPECT_GE(rect.left, 0);

  grid->EnsureVisible(2, 1);
  ASSERT_TRUE(grid->GetCellRect(2, 1, &rect));
  EXPECT_GE(rect.left, 0);
  EXPECT_GE(rect.top, 0);

  // From a partly hidden column back to it.
  grid->SetScrollPos32(SB_HORZ, 135);
  grid->EnsureVisible(0, 1);
  ASSERT_TRUE(grid->GetCellRect(0, 1, &rect));
  EXPECT_EQ(rect.left, 0);

  // A cell wider than the window ends the scrolling instead of looping.
  grid->SetColumnWidth(11, client.Width() * 2);
  grid->EnsureVisible(59, 11);
  ASSERT_TRUE(grid->GetCellRect(59, 11, &rect));
  EXPECT_LT(rect.left, client.right);

  // Nothing happens for a cell outside the grid or while drawing is off.
  const int before = grid->GetScrollPos32(SB_VERT);
  grid->EnsureVisible(99, 0);
  grid->SetRedraw(FALSE);
  grid->EnsureVisible(0, 0);
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), before);
}

TEST_F(GridScrollTest, ResizingTheWindowRecomputesTheBars) {
  CGridCtrl* grid = MakeSizedGrid(10, 3, 100, 20, CRect(10, 10, 210, 110));
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->m_nBarState & (kHorzScrollShown | kVertScrollShown), kHorzScrollShown | kVertScrollShown);
  grid->MoveWindow(10, 10, 500, 350);
  EXPECT_EQ(grid->m_nBarState & (kHorzScrollShown | kVertScrollShown), 0U);
  EXPECT_EQ(grid->GetStyle() & (WS_HSCROLL | WS_VSCROLL), 0U);
  EXPECT_EQ(grid->GetHorzScrollLimit(), 0);
}

TEST_F(GridScrollTest, UpdatingOrHiddenDrawingLeavesTheBarsAlone) {
  CGridCtrl* grid = MakeSizedGrid(3, 3, 50, 20);
  ASSERT_NE(grid, nullptr);
  grid->m_bUpdating = 1;
  grid->SetRowCount(60);
  EXPECT_EQ(grid->m_nBarState & kVertScrollShown, 0U);
  grid->m_bUpdating = 0;
  grid->ResetScrollBars();
  EXPECT_NE(grid->m_nBarState & kVertScrollShown, 0U);

  // A grid without a window has nothing to recompute and never faults.
  CGridCtrl loose;
  Fill(loose, 50, 50);
  loose.ResetScrollBars();
  loose.EnsureVisible(40, 40);
  loose.SendMessage(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(loose.GetScrollPos32(SB_VERT), 0);
  EXPECT_FALSE(loose.IsCellVisible(0, 0));
}

TEST_F(GridScrollTest, AWindowSmallerThanItsBarsStillScrollsSafely) {
  CGridCtrl* grid = MakeSizedGrid(30, 30, 50, 20, CRect(0, 0, 24, 24));
  ASSERT_NE(grid, nullptr);
  EXPECT_LE(BarInfo(*grid, SB_VERT).nPage, 24U);
  EXPECT_LE(BarInfo(*grid, SB_HORZ).nPage, 24U);
  grid->SendMessage(WM_VSCROLL, SB_PAGEDOWN);
  grid->SendMessage(WM_HSCROLL, SB_PAGERIGHT);
  grid->EnsureVisible(29, 29);
  grid->UpdateWindow();
  EXPECT_GE(grid->GetScrollPos32(SB_VERT), 0);
}

TEST_F(GridScrollTest, VerticalScrollOnAnEditorPageAsksTheRedrawThread) {
  auto page = std::make_unique<FunctionEditorTab>();
  ASSERT_TRUE(page->Make(500, 300));
  CGridCtrl grid;
  ASSERT_TRUE(grid.Create(CRect(0, 0, 400, 200), page.get(), 5));
  Fill(grid, 40, 2);
  EnableRedrawThread();
  ASSERT_EQ(DrawTh(), nullptr);
  grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_NE(DrawTh(), nullptr);  // created by the first request
  StopRedrawThread();

  // Another page re-places the editors at once and leaves the thread alone.
  EnableRedrawThread();
  CGridCtrl* plain = MakeSizedGrid(40, 2, 50, 20);
  ASSERT_NE(plain, nullptr);
  plain->SendMessage(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(DrawTh(), nullptr);
  StopRedrawThread();
}

}  // namespace
}  // namespace Talvo::testing
