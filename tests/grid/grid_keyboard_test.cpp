// Keyboard input on the grid: the dialog code, moving the focus cell, extending the selection, wrapping with
// Tab, skipping hidden rows, paging, the edit shortcuts and typing into a cell.
#include "grid_input_fixture.h"

namespace Talvo::testing {
namespace {

using GridKeyboardTest = GridInputTest;
using Cells = std::vector<std::pair<int, int>>;
using Notes = std::vector<std::tuple<int, int, int>>;

TEST_F(GridKeyboardTest, AsksForArrowsCharactersAndTabUnlessCtrlIsHeld) {
  RecordingGrid* grid = MakeInputGrid(2, 2);
  ASSERT_NE(grid, nullptr);
  const auto code = [&] { return static_cast<UINT>(grid->SendMessage(WM_GETDLGCODE)); };
  EXPECT_EQ(code(), static_cast<UINT>(DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB));
  winsim::KeyDown(VK_CONTROL);
  EXPECT_EQ(code(), static_cast<UINT>(DLGC_WANTARROWS | DLGC_WANTCHARS));
  winsim::KeyUp(VK_CONTROL);
  grid->SetHandleTabKey(FALSE);
  EXPECT_EQ(code(), static_cast<UINT>(DLGC_WANTARROWS | DLGC_WANTCHARS));
}

TEST_F(GridKeyboardTest, ArrowsMoveTheFocusAndShiftExtendsFromTheStart) {
  RecordingGrid* grid = MakeInputGrid(5, 4);
  ASSERT_NE(grid, nullptr);
  // Without a focus cell keys do nothing.
  winsim::KeyPress(VK_DOWN);
  EXPECT_FALSE(grid->GetFocusCell().IsValid());

  ClickCell(*grid, 1, 1);
  parent_->received.clear();
  winsim::KeyPress(VK_DOWN);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 1));
  EXPECT_EQ(Selected(*grid), (Cells{{2, 1}}));
  EXPECT_EQ(Notifications(), (Notes{{GVN_SELCHANGING, 2, 1}, {GVN_SELCHANGED, 2, 1}}));

  PressWith(VK_SHIFT, VK_RIGHT);
  PressWith(VK_SHIFT, VK_DOWN);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(3, 2));
  EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(2, 1, 3, 2));
  EXPECT_EQ(grid->GetSelectedCount(), 4);

  // A plain arrow selects only the new focus cell again.
  winsim::KeyPress(VK_LEFT);
  EXPECT_EQ(Selected(*grid), (Cells{{3, 1}}));
  // The edges stop the focus.
  winsim::KeyPress(VK_LEFT);
  winsim::KeyPress(VK_LEFT);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(3, 0));
  for (int i = 0; i < 5; ++i) winsim::KeyPress(VK_UP);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(0, 0));
  EXPECT_EQ(grid->GetMouseMode(), MOUSE_NOTHING);
}

TEST_F(GridKeyboardTest, ShiftArrowWithoutASelectionStartExtendsFromTheFocusCell) {
  RecordingGrid* grid = MakeInputGrid(4, 4);
  ASSERT_NE(grid, nullptr);
  grid->SetFocusCell(1, 1);  // set by a page, not by a click: no selection start
  PressWith(VK_SHIFT, VK_DOWN);
  EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(1, 1, 2, 1));
}

TEST_F(GridKeyboardTest, UpAndDownSkipHiddenRows) {
  RecordingGrid* grid = MakeInputGrid(6, 2);
  ASSERT_NE(grid, nullptr);
  grid->SetRowHeight(2, 0);
  grid->SetRowHeight(3, 0);
  grid->SetRowHeight(5, 0);
  ClickCell(*grid, 1, 0);
  winsim::KeyPress(VK_DOWN);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(4, 0));
  // No visible row below: the focus stays.
  winsim::KeyPress(VK_DOWN);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(4, 0));
  winsim::KeyPress(VK_UP);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 0));
}

TEST_F(GridKeyboardTest, TabWrapsBetweenRowsAndStopsAtTheLastCell) {
  RecordingGrid* grid = MakeInputGrid(3, 3);
  ASSERT_NE(grid, nullptr);
  grid->SetRowHeight(1, 0);
  ClickCell(*grid, 0, 1);
  winsim::KeyPress(VK_TAB);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(0, 2));
  winsim::KeyPress(VK_TAB);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 0));  // the hidden row is skipped
  EXPECT_EQ(grid->GetSelectionStartCell(), CCellID(2, 0));
  winsim::KeyPress(VK_TAB);
  winsim::KeyPress(VK_TAB);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 2));
  parent_->received.clear();
  winsim::KeyPress(VK_TAB);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 2));
  EXPECT_TRUE(Notifications().empty());
  // Tab types no character into the cell.
  EXPECT_EQ(grid->Count("edit"), 0);

  // Shift+Tab walks back and wraps to the last column of the previous visible row; Tab restarts the selection.
  PressWith(VK_SHIFT, VK_TAB);
  PressWith(VK_SHIFT, VK_TAB);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 0));
  PressWith(VK_SHIFT, VK_TAB);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(0, 2));
  EXPECT_EQ(Selected(*grid), (Cells{{0, 2}}));
}

TEST_F(GridKeyboardTest, HomeEndAndPagesReachTheEdges) {
  RecordingGrid* grid = MakeInputGrid(6, 4);
  ASSERT_NE(grid, nullptr);
  grid->SetRowHeight(5, 0);
  ClickCell(*grid, 2, 1);
  winsim::KeyPress(VK_END);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 3));
  winsim::KeyPress(VK_HOME);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 0));
  PressWith(VK_CONTROL, VK_END);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(4, 3));  // the last visible row
  PressWith(VK_CONTROL, VK_HOME);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(0, 0));
  // Everything fits, so the view does not move and the page keys jump to the last and first rows.
  winsim::KeyPress(VK_NEXT);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(4, 0));
  winsim::KeyPress(VK_PRIOR);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(0, 0));
}

TEST_F(GridKeyboardTest, PageDownMovesTheFocusWithTheView) {
  RecordingGrid* grid = MakeInputGrid(60, 2);
  ASSERT_NE(grid, nullptr);
  ClickCell(*grid, 1, 0);
  winsim::KeyPress(VK_NEXT);
  const int top = grid->GetTopleftNonFixedCell().row;
  ASSERT_GT(top, 0);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(1 + top, 0));
  winsim::KeyPress(VK_PRIOR);
  EXPECT_EQ(grid->GetTopleftNonFixedCell().row, 0);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 0));
}

TEST_F(GridKeyboardTest, MovingOutOfViewScrollsTheFocusCellIn) {
  RecordingGrid* grid = MakeInputGrid(40, 2);
  ASSERT_NE(grid, nullptr);
  ClickCell(*grid, 13, 0);
  winsim::KeyPress(VK_DOWN);
  winsim::KeyPress(VK_DOWN);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(15, 0));
  EXPECT_GT(grid->GetScrollPos32(SB_VERT), 0);
  CRect cell;
  CRect client;
  ASSERT_TRUE(grid->GetCellRect(15, 0, &cell));
  grid->GetClientRect(&client);
  EXPECT_LE(cell.bottom, client.bottom);
}

TEST_F(GridKeyboardTest, TabWrappingScrollsBackToTheRowStartAndShiftTabToItsEnd) {
  RecordingGrid* grid = MakeInputGrid(40, 8);
  ASSERT_NE(grid, nullptr);
  ClickCell(*grid, 5, 0);
  winsim::KeyPress(VK_END);
  ASSERT_EQ(grid->GetFocusCell(), CCellID(5, 7));
  const int rightEnd = grid->GetScrollPos32(SB_HORZ);
  ASSERT_GT(rightEnd, 0);
  winsim::KeyPress(VK_TAB);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(6, 0));
  EXPECT_EQ(grid->GetScrollPos32(SB_HORZ), 0);
  EXPECT_TRUE(grid->IsCellVisible(6, 0));
  PressWith(VK_SHIFT, VK_TAB);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(5, 7));
  EXPECT_EQ(grid->GetScrollPos32(SB_HORZ), rightEnd);
  EXPECT_TRUE(grid->IsCellVisible(5, 7));
}

TEST_F(GridKeyboardTest, ShortcutsReachTheEditOperations) {
  RecordingGrid* grid = MakeInputGrid(3, 3);
  ASSERT_NE(grid, nullptr);
  ClickCell(*grid, 1, 1);
  grid->calls.clear();
  PressWith(VK_CONTROL, 'C');
  PressWith(VK_CONTROL, VK_INSERT);
  PressWith(VK_CONTROL, 'X');
  PressWith(VK_CONTROL, 'V');
  PressWith(VK_SHIFT, VK_INSERT);
  PressWith(VK_CONTROL, 'A');
  winsim::KeyPress(VK_DELETE);
  std::vector<std::string> operations;
  for (const EditCall& call : grid->calls) operations.push_back(call.operation);
  EXPECT_EQ(operations, (std::vector<std::string>{"copy", "copy", "cut", "paste", "paste", "selectAll", "delete"}));
  EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 1));
}

TEST_F(GridKeyboardTest, F2AndTypingEditTheFocusCellButEscapeAndCtrlDoNot) {
  RecordingGrid* grid = MakeInputGrid(3, 3);
  ASSERT_NE(grid, nullptr);
  ClickCell(*grid, 2, 1);
  grid->calls.clear();
  winsim::KeyPress(VK_F2);
  winsim::TypeText(L"x");
  winsim::KeyPress(VK_ESCAPE);
  PressWith(VK_CONTROL, 'B');
  ASSERT_EQ(grid->Count("edit"), 2);
  EXPECT_EQ(grid->calls[0].character, static_cast<UINT>(VK_LBUTTON));
  EXPECT_EQ(grid->calls[0].point, CPoint(-1, -1));
  EXPECT_EQ(grid->calls[1].character, static_cast<UINT>(L'x'));
  EXPECT_EQ(grid->calls[1].row, 2);
  EXPECT_EQ(grid->calls[1].column, 1);

  // Characters from an input method start editing the same way.
  grid->SendMessage(WM_IME_CHAR, L'\u00e9', 0);
  ASSERT_EQ(grid->Count("edit"), 3);
  EXPECT_EQ(grid->calls.back().character, static_cast<UINT>(L'\u00e9'));
}

}  // namespace
}  // namespace Talvo::testing
