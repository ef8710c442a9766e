// Keyboard input on the grid: the dialog code, moving the focus cell, extending the selection, wrapping with
// Tab, skipping hidden rows, paging, the edit shortcuts and typing into a cell.
#include "grid_input_fixture.h"

namespace Talvo::testing {
namespace {

using GridKeyboardTest = GridInputTest;

TEST_F(GridKeyboardTest, AsksForArrowsCharactersAndTabUnlessCtrlIsHeld) {
  RecordingGrid* grid = MakeInputGrid(2, 2);
  const auto code = [&] { return static_cast<UINT>(grid->SendMessage(WM_GETDLGCODE)); };
  EXPECT_EQ(code(), static_cast<UINT>(DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB));
  winsim::KeyDown(VK_CONTROL);
  EXPECT_EQ(code(), static_cast<UINT>(DLGC_WANTARROWS | DLGC_WANTCHARS));
  winsim::KeyUp(VK_CONTROL);
}

TEST_F(GridKeyboardTest, ArrowsMoveTheFocusAndShiftExtendsFromTheStart) {
  RecordingGrid* grid = MakeInputGrid(5, 4);
  winsim::KeyPress(VK_DOWN);  // without a focus cell keys do nothing
  EXPECT_FALSE(grid->GetFocusCell().IsValid());

  ClickCell(*grid, 1, 1);
  parent_->received.clear();
  winsim::KeyPress(VK_DOWN);
  EXPECT_EQ(Notifications(), (Notes{{GVN_SELCHANGING, 2, 1}, {GVN_SELCHANGED, 2, 1}}));

  PressWith(VK_SHIFT, VK_RIGHT);
  PressWith(VK_SHIFT, VK_DOWN);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(3, 2));
  EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(2, 1, 3, 2));
  winsim::KeyPress(VK_LEFT);  // a plain arrow selects only the new focus cell again
  EXPECT_EQ(Selected(*grid), (Cells{{3, 1}}));
}

TEST_F(GridKeyboardTest, ShiftArrowWithoutASelectionStartExtendsFromTheFocusCell) {
  RecordingGrid* grid = MakeInputGrid(4, 4);
  grid->SetFocusCell(1, 1);  // set by a page, not by a click: no selection start
  PressWith(VK_SHIFT, VK_DOWN);
  EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(1, 1, 2, 1));
}

// One key stroke: a virtual key, with a modifier held (0: none).
struct Stroke {
  int modifier;
  int key;
};

// Focus walks: from a clicked cell of a grid whose listed rows are hidden, keys lead to a focus cell.
struct FocusWalk {
  const char* name;
  int rows;
  int columns;
  std::vector<int> hiddenRows;
  CCellID start;
  std::vector<Stroke> keys;
  CCellID focus;
};

class GridFocusWalkTest : public GridInputTest, public ::testing::WithParamInterface<FocusWalk> {};

TEST_P(GridFocusWalkTest, KeysLeadToTheFocusCell) {
  const FocusWalk& walk = GetParam();
  RecordingGrid* grid = MakeInputGrid(walk.rows, walk.columns);
  for (int row : walk.hiddenRows) grid->SetRowHeight(row, 0);
  CRect start;
  ASSERT_TRUE(grid->GetCellRect(walk.start.row, walk.start.col, &start));
  grid->ClientToScreen(&start);
  winsim::Click(start.CenterPoint().x, start.CenterPoint().y);
  for (const Stroke& stroke : walk.keys) {
    if (stroke.modifier != 0) {
      PressWith(stroke.modifier, stroke.key);
    } else {
      winsim::KeyPress(stroke.key);
    }
  }
  EXPECT_EQ(grid->GetFocusCell(), walk.focus);
  EXPECT_EQ(Selected(*grid), (Cells{{walk.focus.row, walk.focus.col}}));
}

constexpr Stroke kDown{0, VK_DOWN};
constexpr Stroke kTab{0, VK_TAB};
constexpr Stroke kShiftTab{VK_SHIFT, VK_TAB};

INSTANTIATE_TEST_SUITE_P(
    Keys, GridFocusWalkTest,
    ::testing::Values(FocusWalk{"LeftStopsAtTheFirstColumn", 5, 4, {}, {3, 1}, {{0, VK_LEFT}, {0, VK_LEFT}}, {3, 0}},
                      FocusWalk{"DownSkipsHiddenRowsAndStops", 6, 2, {2, 3, 5}, {1, 0}, {kDown, kDown}, {4, 0}},
                      FocusWalk{"UpSkipsHiddenRows", 6, 2, {2, 3, 5}, {4, 0}, {{0, VK_UP}}, {1, 0}},
                      FocusWalk{"EndGoesToTheLastColumn", 6, 4, {5}, {2, 1}, {{0, VK_END}}, {2, 3}},
                      FocusWalk{"CtrlEndGoesToTheLastVisibleRow", 6, 4, {5}, {2, 1}, {{VK_CONTROL, VK_END}}, {4, 3}},
                      FocusWalk{"CtrlHomeGoesToTheFirstCell", 6, 4, {5}, {2, 1}, {{VK_CONTROL, VK_HOME}}, {0, 0}},
                      // Everything fits, so the view does not move and the page keys jump to the last and first rows.
                      FocusWalk{"PageDownInAViewThatFitsGoesToTheLastRow", 6, 4, {5}, {2, 0}, {{0, VK_NEXT}}, {4, 0}},
                      FocusWalk{"TabWrapsToTheNextVisibleRow", 3, 3, {1}, {0, 2}, {kTab}, {2, 0}},
                      FocusWalk{"ShiftTabWrapsToThePreviousVisibleRowsEnd", 3, 3, {1}, {2, 0}, {kShiftTab}, {0, 2}}),
    [](const ::testing::TestParamInfo<FocusWalk>& info) { return std::string(info.param.name); });

TEST_F(GridKeyboardTest, TabAtTheLastCellStaysTellsNothingAndTypesNothing) {
  RecordingGrid* grid = MakeInputGrid(3, 3);
  ClickCell(*grid, 2, 2);
  parent_->received.clear();
  winsim::KeyPress(VK_TAB);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 2));
  EXPECT_TRUE(Notifications().empty());
  EXPECT_EQ(grid->Count("edit"), 0);
}

TEST_F(GridKeyboardTest, PagingMovesTheFocusWithTheView) {
  RecordingGrid* grid = MakeInputGrid(60, 2);
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
  ClickCell(*grid, 13, 0);
  winsim::KeyPress(VK_DOWN);
  winsim::KeyPress(VK_DOWN);
  CRect cell;
  CRect client;
  ASSERT_TRUE(grid->GetCellRect(15, 0, &cell));
  grid->GetClientRect(&client);
  EXPECT_LE(cell.bottom, client.bottom);
}

TEST_F(GridKeyboardTest, TabWrappingScrollsBackToTheRowStartAndShiftTabToItsEnd) {
  RecordingGrid* grid = MakeInputGrid(40, 8);
  ClickCell(*grid, 5, 0);
  winsim::KeyPress(VK_END);
  const int rightEnd = grid->GetScrollPos32(SB_HORZ);
  ASSERT_GT(rightEnd, 0);
  winsim::KeyPress(VK_TAB);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(6, 0));
  EXPECT_EQ(grid->GetScrollPos32(SB_HORZ), 0);
  PressWith(VK_SHIFT, VK_TAB);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(5, 7));
  EXPECT_EQ(grid->GetScrollPos32(SB_HORZ), rightEnd);
}

TEST_F(GridKeyboardTest, ShortcutsReachTheEditOperations) {
  RecordingGrid* grid = MakeInputGrid(3, 3);
  ClickCell(*grid, 1, 1);
  grid->calls.clear();
  PressWith(VK_CONTROL, 'C');
  PressWith(VK_CONTROL, VK_INSERT);
  PressWith(VK_CONTROL, 'X');
  PressWith(VK_CONTROL, 'V');
  PressWith(VK_SHIFT, VK_INSERT);
  PressWith(VK_CONTROL, 'A');
  winsim::KeyPress(VK_DELETE);
  EXPECT_EQ(grid->Operations(),
            (std::vector<std::string>{"copy", "copy", "cut", "paste", "paste", "selectAll", "delete"}));
}

TEST_F(GridKeyboardTest, F2AndTypingEditTheFocusCellButEscapeAndCtrlDoNot) {
  RecordingGrid* grid = MakeInputGrid(3, 3);
  ClickCell(*grid, 2, 1);
  grid->calls.clear();
  winsim::KeyPress(VK_F2);
  winsim::TypeText(L"x");
  winsim::KeyPress(VK_ESCAPE);
  PressWith(VK_CONTROL, 'B');
  grid->SendMessage(WM_IME_CHAR, L'\u00e9', 0);  // an input method's character starts editing too
  ASSERT_EQ(grid->Count("edit"), 3);
  EXPECT_EQ(grid->calls[0].character, static_cast<UINT>(VK_LBUTTON));
  EXPECT_EQ(CCellID(grid->calls[1].row, grid->calls[1].column), CCellID(2, 1));
  EXPECT_EQ(grid->calls[1].character, static_cast<UINT>(L'x'));
  EXPECT_EQ(grid->calls[2].character, static_cast<UINT>(L'\u00e9'));
}

}  // namespace
}  // namespace Talvo::testing
