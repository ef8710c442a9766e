// Mouse input on the grid: clicks, drags, Shift and Ctrl clicks, clicks that edit, double clicks and the
// auto-scroll timer.
#include "grid_input_fixture.h"

namespace Talvo::testing {
namespace {

using GridMouseTest = GridInputTest;

TEST_F(GridMouseTest, AClickSelectsAndFocusesTheCellAndTellsThePageInOrder) {
  RecordingGrid* grid = MakeInputGrid(5, 4);
  ClickCell(*grid, 2, 1);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 1));
  EXPECT_EQ(Selected(*grid), (Cells{{2, 1}}));
  EXPECT_EQ(grid->Operations(), (std::vector<std::string>{"endEditing"}));
  EXPECT_EQ(Notifications(), (Notes{{GVN_SELCHANGING, 2, 1}, {GVN_SELCHANGED, 2, 1}, {GVN_CLICK, 2, 1}}));
  // The click is also posted as a button click of the grid's id, after the click notification.
  ASSERT_EQ(parent_->Count(WM_COMMAND), 1);
  const ReceivedMessage& command = parent_->received.back();
  EXPECT_EQ(command.wParam, MAKEWPARAM(kGridId, BN_CLICKED));
  EXPECT_EQ(command.lParam, reinterpret_cast<LPARAM>(grid->m_hWnd));
}

TEST_F(GridMouseTest, AClickBelowTheCellsChangesNothingAndPostsNoCommand) {
  RecordingGrid* grid = MakeInputGrid(3, 3);
  ClickCell(*grid, 1, 1);
  ClickCell(*grid, 8, 1);
  EXPECT_EQ(Selected(*grid), (Cells{{1, 1}}));
  EXPECT_EQ(parent_->Count(WM_COMMAND), 1);
}

TEST_F(GridMouseTest, ClickingTheFocusCellsTextEditsOnReleaseEvenWhenReadOnly) {
  RecordingGrid* grid = MakeInputGrid(3, 3);
  ClickCell(*grid, 1, 1);
  const POINT point = CellPoint(*grid, 1, 1, 30, 7);
  winsim::MouseMove(point.x, point.y);
  winsim::AdvanceClock(1000);  // not a double click
  winsim::MouseDown();
  EXPECT_EQ(grid->Count("edit"), 0);
  winsim::MouseUp();
  ASSERT_EQ(grid->Count("edit"), 1);
  EXPECT_EQ(grid->calls.back().point, CPoint(30, 7));

  // The grid leaves read-only cells to the cell's own edit.
  grid->SetItemState(1, 1, grid->GetItemState(1, 1) | GVIS_READONLY);
  winsim::AdvanceClock(1000);
  ClickCell(*grid, 1, 1);
  EXPECT_EQ(grid->Count("edit"), 1);
}

// With dragging off, a press on the focus cell's text stays a click: a small move on the cell still edits on
// release; moving off the cell ends the click. The selection stays either way.
TEST_F(GridMouseTest, MovingAfterPressingTheFocusCellsTextKeepsTheSelection) {
  const struct {
    int dx;
    int edits;  // after the release
  } cases[] = {{2, 1}, {200, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dx);
    RecordingGrid* grid = MakeInputGrid(3, 3);
    ClickCell(*grid, 1, 1);
    winsim::AdvanceClock(1000);
    const POINT point = CellPoint(*grid, 1, 1);
    winsim::MouseMove(point.x, point.y);
    winsim::MouseDown();
    winsim::MouseMove(point.x + c.dx, point.y);
    winsim::MouseUp();
    EXPECT_EQ(grid->Count("edit"), c.edits);
    EXPECT_EQ(Selected(*grid), (Cells{{1, 1}}));
    grid->DestroyWindow();
  }
}

TEST_F(GridMouseTest, DraggingSelectsTheSpannedRangeUntilRelease) {
  RecordingGrid* grid = MakeInputGrid(6, 4);
  const POINT from = CellPoint(*grid, 1, 1);
  const POINT to = CellPoint(*grid, 3, 2);
  winsim::MouseMove(from.x, from.y);
  winsim::MouseDown();
  winsim::MouseMove(to.x, to.y);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(3, 2));
  winsim::MouseUp();
  EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(1, 1, 3, 2));
  const POINT elsewhere = CellPoint(*grid, 5, 3);  // moving without the button changes nothing more
  winsim::MouseMove(elsewhere.x, elsewhere.y);
  EXPECT_EQ(grid->GetSelectedCount(), 6);
}

// Losing the capture ends whatever the press was doing: later moves select nothing.
TEST_F(GridMouseTest, LosingTheCaptureEndsTheSelectionDrag) {
  RecordingGrid* grid = MakeInputGrid(6, 4);
  const POINT from = CellPoint(*grid, 1, 1);
  winsim::MouseMove(from.x, from.y);
  winsim::MouseDown();
  ::ReleaseCapture();
  const POINT to = CellPoint(*grid, 3, 2);
  winsim::MouseMove(to.x, to.y);
  EXPECT_EQ(grid->GetSelectedCount(), 1);
  winsim::MouseUp();
}

TEST_F(GridMouseTest, ShiftClickExtendsAndCtrlClickAddsOrRemoves) {
  RecordingGrid* grid = MakeInputGrid(6, 4);
  ClickCell(*grid, 1, 0);
  ClickCellWith(VK_SHIFT, *grid, 2, 2);
  EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(1, 0, 2, 2));
  ClickCellWith(VK_CONTROL, *grid, 4, 3);  // Ctrl keeps what was selected and adds the clicked cell
  EXPECT_EQ(Selected(*grid), (Cells{{1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 2}, {4, 3}}));

  // Ctrl+Shift+click on a selected cell removes the range from the selection start to it and keeps the rest.
  ClickCell(*grid, 0, 0);
  ClickCellWith(VK_SHIFT, *grid, 1, 2);
  ClickCellWith(VK_CONTROL, *grid, 3, 1);  // the selection now starts at (3, 1)
  winsim::KeyDown(VK_CONTROL);
  ClickCellWith(VK_SHIFT, *grid, 1, 2);
  winsim::KeyUp(VK_CONTROL);
  EXPECT_EQ(Selected(*grid), (Cells{{0, 0}, {0, 1}, {0, 2}, {1, 0}}));
}

TEST_F(GridMouseTest, CtrlClickDeselectionsNeverBringBackEarlierCells) {
  RecordingGrid* grid = MakeInputGrid(3, 3);
  ClickCell(*grid, 0, 0);
  ClickCellWith(VK_CONTROL, *grid, 2, 2);
  ClickCellWith(VK_CONTROL, *grid, 0, 0);
  EXPECT_EQ(Selected(*grid), (Cells{{2, 2}}));
  ClickCellWith(VK_CONTROL, *grid, 2, 2);
  EXPECT_EQ(grid->GetSelectedCount(), 0);
}

TEST_F(GridMouseTest, DoubleClickingACellsTextEditsItAndTellsThePage) {
  RecordingGrid* grid = MakeInputGrid(3, 3);
  const POINT point = CellPoint(*grid, 2, 1, 12, 4);
  winsim::DoubleClick(point.x, point.y);
  ASSERT_EQ(grid->Count("edit"), 1);
  EXPECT_EQ(CCellID(grid->calls.back().row, grid->calls.back().column), CCellID(2, 1));
  const Notes notes = Notifications();
  EXPECT_NE(std::find(notes.begin(), notes.end(), std::tuple{GVN_DBLCLK, 2, 1}), notes.end());
}

class GridAutoScrollTest : public GridInputTest {
 protected:
  // Presses on (1, 0) of a 40-row grid and drags over the partly shown bottom row to below the window.
  RecordingGrid* DragBelow() {
    RecordingGrid* grid = MakeInputGrid(40, 3);
    const POINT from = CellPoint(*grid, 1, 0);
    const POINT lastShown = CellPoint(*grid, 14, 0);
    winsim::MouseMove(from.x, from.y);
    winsim::MouseDown();
    winsim::MouseMove(lastShown.x, lastShown.y);
    CRect window;
    grid->GetWindowRect(&window);
    winsim::MouseMove(from.x, window.bottom + 30);
    return grid;
  }
};

TEST_F(GridAutoScrollTest, DraggingPastTheBottomScrollsAndExtendsUntilRelease) {
  RecordingGrid* grid = DragBelow();
  winsim::AdvanceClock(kAutoScrollInterval);
  winsim::AdvanceClock(kAutoScrollInterval);
  EXPECT_GT(grid->GetScrollPos32(SB_VERT), 0);
  EXPECT_GT(grid->GetSelectedCellRange().GetMaxRow(), 14);  // beyond the rows the client area shows

  winsim::MouseUp();
  const CCellRange released = grid->GetSelectedCellRange();
  winsim::AdvanceClock(10 * kAutoScrollInterval);
  EXPECT_EQ(grid->GetSelectedCellRange(), released);
}

TEST_F(GridAutoScrollTest, LosingTheCaptureStopsAutoScrolling) {
  RecordingGrid* grid = DragBelow();
  const CCellRange dragged = grid->GetSelectedCellRange();
  parent_->SetCapture();
  winsim::AdvanceClock(10 * kAutoScrollInterval);
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), 0);
  ::ReleaseCapture();
  winsim::MouseUp();
  const POINT over = CellPoint(*grid, 4, 2);  // back over the grid, the mouse no longer drags a selection
  winsim::MouseMove(over.x, over.y);
  EXPECT_EQ(grid->GetSelectedCellRange(), dragged);
}

}  // namespace
}  // namespace Talvo::testing
