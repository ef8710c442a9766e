// What follows a vertical scroll or a press whatever else runs: cell editors on the editor pages (with or
// without the redraw thread) and a tree press released outside the grid. Also the cut of texts too long for
// the fitting.
#include <engine/redraw_thread.h>

#include "grid/grid_cell_editors.h"
#include "grid_cell_editors_fixture.h"
#include "tree_grid_fixture.h"

namespace Talvo::testing {
namespace {

using GridFollowersTest = EditorGridTest;

// The top of an edit cell's editor and of its cell, in the grid's client coordinates.
struct Tops {
  int editor = 0;
  int cell = 0;
  bool cellShown = false;  // the cell is in view
};

class EditorPageScrollTest : public GridFollowersTest {
 protected:
  static Tops TopsOf(const CGridCtrl& grid, GridCellEdit& cell, int row) {
    CRect rect;
    const bool shown = grid.GetCellRect(row, 1, &rect) != FALSE;
    return {RectInParent(*cell.GetEditWnd()).top, rect.top, shown};
  }

  // An edit cell with its editor on row 6 of a 30-row grid on a page of class Page; the redraw thread is
  // not running (as when the get-message hook is switched off).
  template <typename Page>
  GridCellEdit* MakeEditorRow(CGridCtrl*& grid) {
    UsePage<Page>();
    grid = MakeSizedGrid(30, 3);
    auto* cell = MakeCell<GridCellEdit>(*grid, 6, 1);
    if (cell->CreateEditor() == nullptr) throw std::runtime_error("no editor");
    cell->PlaceEditor();
    return cell;
  }

  template <typename Page>
  void ExpectTheEditorFollows() {
    CGridCtrl* grid = nullptr;
    GridCellEdit* cell = MakeEditorRow<Page>(grid);
    const Tops before = TopsOf(*grid, *cell, 6);
    for (const UINT code : {SB_LINEDOWN, SB_LINEDOWN, SB_PAGEDOWN, SB_TOP}) {
      grid->SendMessage(WM_VSCROLL, code);
      const Tops after = TopsOf(*grid, *cell, 6);
      if (after.cellShown) {
        EXPECT_TRUE(IsShown(*cell->GetEditWnd())) << "scroll code " << code;
        EXPECT_EQ(after.editor - after.cell, before.editor - before.cell) << "scroll code " << code;
      } else {
        EXPECT_FALSE(IsShown(*cell->GetEditWnd())) << "scroll code " << code;
      }
    }
    EXPECT_EQ(grid->GetScrollPos32(SB_VERT), 0);
  }
};

TEST_F(EditorPageScrollTest, EditorsOfFunctionEditorPagesFollowEveryScrollWithoutTheRedrawThread) {
  ExpectTheEditorFollows<FunctionEditorTab>();
  EXPECT_EQ(DrawTh(), nullptr);
}

TEST_F(EditorPageScrollTest, EditorsOfWheelEventsEditorPagesFollowEveryScrollWithoutTheRedrawThread) {
  ExpectTheEditorFollows<WheelEventsEditorTab>();
}

TEST_F(GridFollowersTest, ATextCutAtTheLengthLimitEndsInTheEllipsisEvenWhenItsKeptPartFits) {
  CGridCtrl* grid = MakeSizedGrid(3, 2);
  grid->SetColumnWidth(1, 2000);  // room for far more than the kept characters
  auto* cell = MakeCell<GridCellEdit>(*grid, 0, 1);
  for (const size_t length : {199U, 200U, 201U, 450U}) {
    cell->fullText = std::wstring(length, L'i');
    grid->FitEditCellTexts();
    const std::wstring shown = cell->GetEditor()->GetWindowText();
    if (length <= 200) {
      EXPECT_EQ(shown, cell->fullText) << length;
    } else {
      EXPECT_EQ(shown, std::wstring(200, L'i') + L"...") << length;
    }
  }
}

class TreeReleaseTest : public TreeGridTest {};

TEST_F(TreeReleaseTest, ATogglingPressReleasedOutsideTheGridLeavesTheNextShiftClickWhole) {
  UsePage<WheelEventsEditorTab>();
  CTreeGridCtrl* grid = MakeTreeGrid();
  MakeSampleTree(*grid);
  winsim::PumpMessages();
  const auto centre = [&](int row) {
    CRect rect;
    grid->GetCellRect(row, 2, &rect);
    POINT point = rect.CenterPoint();
    grid->ClientToScreen(&point);
    return point;
  };
  // The press toggles row 1; the button comes up over the page, outside the grid.
  const POINT press = centre(1);
  winsim::MouseMove(press.x, press.y);
  winsim::MouseDown();
  CRect outside;
  parent_->GetWindowRect(&outside);
  winsim::MouseMove(outside.right - 5, outside.bottom - 5);
  winsim::MouseUp();
  ASSERT_EQ(grid->GetRowHeight(2), 0);  // toggled

  // A Shift-click selects and ends as a click: the grid lets the mouse go and follows it no more.
  const POINT shiftClick = centre(3);
  winsim::KeyDown(VK_SHIFT);
  winsim::Click(shiftClick.x, shiftClick.y);
  winsim::KeyUp(VK_SHIFT);
  EXPECT_NE(::GetCapture(), grid->m_hWnd);
  EXPECT_EQ(parent_->Count(WM_COMMAND), 1);
  EXPECT_EQ(grid->GetMouseMode(), MOUSE_NOTHING);
}

}  // namespace
}  // namespace Talvo::testing
