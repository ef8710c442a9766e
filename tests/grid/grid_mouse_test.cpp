// Mouse input on the grid: clicks, drags, Shift and Ctrl clicks, clicks that edit, double clicks, the
// auto-scroll timer and the cursor.
#include "grid_input_fixture.h"

namespace Talvo::testing {
namespace {

using GridMouseTest = GridInputTest;
using Cells = std::vector<std::pair<int, int>>;
using Notes = std::vector<std::tuple<int, int, int>>;

TEST_F(GridMouseTest, AClickSelectsAndFocusesTheCellAndTellsThePageInOrder) {
  RecordingGrid* grid = MakeInputGrid(5, 4);
  ASSERT_NE(grid, nullptr);
  ClickCell(*grid, 2, 1);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 1));
  EXPECT_EQ(Selected(*grid), (Cells{{2, 1}}));
  EXPECT_EQ(grid->GetMouseMode(), MOUSE_NOTHING);
  EXPECT_EQ(CWnd::GetFocus(), grid);
  EXPECT_EQ(grid->Count("endEditing"), 1);
  EXPECT_EQ(Notifications(), (Notes{{GVN_SELCHANGING, 2, 1}, {GVN_SELCHANGED, 2, 1}, {GVN_CLICK, 2, 1}}));
  // The click is also posted as a button click of the grid's id, after the click notification.
  ASSERT_FALSE(parent_->received.empty());
  const ReceivedMessage& command = parent_->received.back();
  EXPECT_EQ(command.message, static_cast<UINT>(WM_COMMAND));
  EXPECT_EQ(command.wParam, MAKEWPARAM(kGridId, BN_CLICKED));
  EXPECT_EQ(command.lParam, reinterpret_cast<LPARAM>(grid->m_hWnd));
  EXPECT_EQ(parent_->Count(WM_COMMAND), 1);

  // A second click elsewhere moves both.
  ClickCell(*grid, 4, 3);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(4, 3));
  EXPECT_EQ(Selected(*grid), (Cells{{4, 3}}));
  EXPECT_EQ(grid->Count("edit"), 0);
}

TEST_F(GridMouseTest, AClickBelowTheCellsChangesNothingAndPostsNoCommand) {
  RecordingGrid* grid = MakeInputGrid(3, 3);
  ASSERT_NE(grid, nullptr);
  ClickCell(*grid, 1, 1);
  parent_->received.clear();
  ClickCell(*grid, 8, 1);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 1));
  EXPECT_EQ(Selected(*grid), (Cells{{1, 1}}));
  EXPECT_EQ(parent_->Count(WM_COMMAND), 0);
  EXPECT_EQ(grid->GetClickDownCell(), CCellID());
}

TEST_F(GridMouseTest, ClickingTheFocusCellsTextEditsOnReleaseUnlessReadOnly) {
  RecordingGrid* grid = MakeInputGrid(3, 3);
  ASSERT_NE(grid, nullptr);
  ClickCell(*grid, 1, 1);
  const POINT point = CellPoint(*grid, 1, 1, 30, 7);
  winsim::MouseMove(point.x, point.y);
  winsim::AdvanceClock(1000);  // not a double click
  winsim::MouseDown();
  EXPECT_EQ(grid->GetMouseMode(), MOUSE_PREPARE_EDIT);
  EXPECT_EQ(grid->Count("edit"), 0);
  winsim::MouseUp();
  ASSERT_EQ(grid->Count("edit"), 1);
  const EditCall& edit = grid->calls.back();
  EXPECT_EQ(edit.row, 1);
  EXPECT_EQ(edit.column, 1);
  EXPECT_EQ(edit.point, CPoint(30, 7));
  EXPECT_EQ(edit.character, static_cast<UINT>(VK_LBUTTON));
  EXPECT_EQ(grid->GetMouseMode(), MOUSE_NOTHING);

  // A read-only focus cell is clicked like any other.
  grid->SetItemState(1, 1, grid->GetItemState(1, 1) | GVIS_READONLY);
  winsim::AdvanceClock(1000);
  ClickCell(*grid, 1, 1);
  EXPECT_EQ(grid->Count("edit"), 1);
  EXPECT_EQ(Selected(*grid), (Cells{{1, 1}}));
}

// With dragging off, a press on the focus cell's text stays a click: a small move on the cell still edits on
// release; moving off the cell ends the click. The selection stays either way.
TEST_F(GridMouseTest, MovingAfterPressingTheFocusCellsTextKeepsTheSelection) {
  const struct {
    int dx;
    int mode;   // after the move
    int edits;  // after the release
  } cases[] = {{2, MOUSE_PREPARE_EDIT, 1}, {200, MOUSE_NOTHING, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dx);
    RecordingGrid* grid = MakeInputGrid(3, 3);
    ASSERT_NE(grid, nullptr);
    ClickCell(*grid, 1, 1);
    winsim::AdvanceClock(1000);
    const POINT point = CellPoint(*grid, 1, 1);
    winsim::MouseMove(point.x, point.y);
    winsim::MouseDown();
    winsim::MouseMove(point.x + c.dx, point.y);
    EXPECT_EQ(grid->GetMouseMode(), c.mode);
    winsim::MouseUp();
    EXPECT_EQ(grid->Count("edit"), c.edits);
    EXPECT_EQ(grid->GetSelectedCount(), 1);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 1));
    grid->DestroyWindow();
  }
}

// Losing the capture ends whatever the press was doing: later moves select nothing.
TEST_F(GridMouseTest, LosingTheCaptureEndsTheSelectionDrag) {
  RecordingGrid* grid = MakeInputGrid(6, 4);
  ASSERT_NE(grid, nullptr);
  const POINT from = CellPoint(*grid, 1, 1);
  winsim::MouseMove(from.x, from.y);
  winsim::MouseDown();
  ASSERT_EQ(grid->GetMouseMode(), MOUSE_SELECT_CELLS);
  ::ReleaseCapture();
  EXPECT_EQ(grid->GetMouseMode(), MOUSE_NOTHING);
  const POINT to = CellPoint(*grid, 3, 2);
  winsim::MouseMove(to.x, to.y);
  EXPECT_EQ(grid->GetSelectedCount(), 1);
  winsim::MouseUp();
}

TEST_F(GridMouseTest, DraggingSelectsTheSpannedRangeAndMovesTheFocus) {
  RecordingGrid* grid = MakeInputGrid(6, 4);
  ASSERT_NE(grid, nullptr);
  const POINT from = CellPoint(*grid, 1, 1);
  const POINT to = CellPoint(*grid, 3, 2);
  winsim::MouseMove(from.x, from.y);
  winsim::MouseDown();
  EXPECT_EQ(grid->GetMouseMode(), MOUSE_SELECT_CELLS);
  EXPECT_EQ(CWnd::GetCapture(), grid);
  winsim::MouseMove(to.x, to.y);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(3, 2));
  winsim::MouseUp();
  EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(1, 1, 3, 2));
  EXPECT_EQ(grid->GetSelectedCount(), 6);
  EXPECT_EQ(CWnd::GetCapture(), nullptr);
  EXPECT_EQ(grid->GetSelectionStartCell(), CCellID(1, 1));

  // Moving without the button changes nothing more.
  const POINT elsewhere = CellPoint(*grid, 5, 3);
  winsim::MouseMove(elsewhere.x, elsewhere.y);
  EXPECT_EQ(grid->GetSelectedCount(), 6);
}

TEST_F(GridMouseTest, ShiftClickExtendsAndCtrlClickAddsOrRemoves) {
  RecordingGrid* grid = MakeInputGrid(6, 4);
  ASSERT_NE(grid, nullptr);
  ClickCell(*grid, 1, 0);
  ClickCellWith(VK_SHIFT, *grid, 2, 2);
  EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(1, 0, 2, 2));
  EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 2));

  // Ctrl keeps what was selected and adds the clicked cell.
  ClickCellWith(VK_CONTROL, *grid, 4, 3);
  EXPECT_EQ(Selected(*grid), (Cells{{1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 2}, {4, 3}}));

  // Ctrl+click on a selected cell removes the range from the selection start to it and keeps the rest.
  ClickCell(*grid, 0, 0);
  ClickCellWith(VK_SHIFT, *grid, 1, 2);
  ClickCellWith(VK_CONTROL, *grid, 3, 1);  // the selection now starts at (3, 1)
  ASSERT_EQ(grid->GetSelectedCount(), 7);
  winsim::KeyDown(VK_CONTROL);
  ClickCellWith(VK_SHIFT, *grid, 1, 2);
  winsim::KeyUp(VK_CONTROL);
  EXPECT_EQ(Selected(*grid), (Cells{{0, 0}, {0, 1}, {0, 2}, {1, 0}}));
  EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 2));
}

TEST_F(GridMouseTest, CtrlClickDeselectionsNeverBringBackEarlierCells) {
  RecordingGrid* grid = MakeInputGrid(3, 3);
  ASSERT_NE(grid, nullptr);
  ClickCell(*grid, 0, 0);
  ClickCellWith(VK_CONTROL, *grid, 2, 2);
  EXPECT_EQ(Selected(*grid), (Cells{{0, 0}, {2, 2}}));
  ClickCellWith(VK_CONTROL, *grid, 0, 0);
  EXPECT_EQ(Selected(*grid), (Cells{{2, 2}}));
  ClickCellWith(VK_CONTROL, *grid, 2, 2);
  EXPECT_EQ(grid->GetSelectedCount(), 0);
}

TEST_F(GridMouseTest, DoubleClickingACellsTextEditsItAndTellsThePage) {
  RecordingGrid* grid = MakeInputGrid(3, 3);
  ASSERT_NE(grid, nullptr);
  const POINT point = CellPoint(*grid, 2, 1, 12, 4);
  winsim::DoubleClick(point.x, point.y);
  ASSERT_EQ(grid->Count("edit"), 1);
  const EditCall& edit = grid->calls.back();
  ASSERT_EQ(edit.operation, "edit");
  EXPECT_EQ(edit.row, 2);
  EXPECT_EQ(edit.column, 1);
  EXPECT_EQ(edit.point, CPoint(12, 4));
  EXPECT_EQ(edit.character, static_cast<UINT>(VK_LBUTTON));
  const Notes notes = Notifications();
  EXPECT_NE(std::find(notes.begin(), notes.end(), std::tuple{GVN_DBLCLK, 2, 1}), notes.end());
}

TEST_F(GridMouseTest, DraggingPastTheBottomScrollsAndExtendsUntilRelease) {
  RecordingGrid* grid = MakeInputGrid(40, 3);
  ASSERT_NE(grid, nullptr);
  const POINT from = CellPoint(*grid, 1, 0);
  const POINT lastShown = CellPoint(*grid, 14, 0);  // the partly shown bottom row
  winsim::MouseMove(from.x, from.y);
  winsim::MouseDown();
  winsim::MouseMove(lastShown.x, lastShown.y);
  CRect window;
  grid->GetWindowRect(&window);
  winsim::MouseMove(from.x, window.bottom + 30);
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), 0);
  winsim::AdvanceClock(kAutoScrollInterval);
  winsim::AdvanceClock(kAutoScrollInterval);
  EXPECT_GT(grid->GetScrollPos32(SB_VERT), 0);
  const CCellRange grown = grid->GetSelectedCellRange();
  EXPECT_EQ(grown.GetMinRow(), 1);
  EXPECT_GT(grown.GetMaxRow(), 14);  // beyond the rows the client area shows
  EXPECT_EQ(grown.GetMaxCol(), 0);

  winsim::MouseUp();
  const CCellRange released = grid->GetSelectedCellRange();
  winsim::AdvanceClock(10 * kAutoScrollInterval);
  EXPECT_EQ(grid->GetSelectedCellRange(), released);
}

TEST_F(GridMouseTest, LosingTheCaptureStopsAutoScrolling) {
  RecordingGrid* grid = MakeInputGrid(40, 3);
  ASSERT_NE(grid, nullptr);
  const POINT from = CellPoint(*grid, 1, 0);
  winsim::MouseMove(from.x, from.y);
  winsim::MouseDown();
  CRect window;
  grid->GetWindowRect(&window);
  winsim::MouseMove(from.x, window.bottom + 30);
  parent_->SetCapture();
  winsim::AdvanceClock(10 * kAutoScrollInterval);
  EXPECT_EQ(grid->GetScrollPos32(SB_VERT), 0);
  EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(1, 0, 1, 0));
  ::ReleaseCapture();
  winsim::MouseUp();

  // Back over the grid without the button, the mouse no longer drags out a selection.
  const POINT over = CellPoint(*grid, 4, 2);
  winsim::MouseMove(over.x, over.y);
  EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(1, 0, 1, 0));
  EXPECT_EQ(grid->GetMouseMode(), MOUSE_NOTHING);
}

}  // namespace
}  // namespace Talvo::testing
