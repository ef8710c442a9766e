#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/cell_spin_edit.h"
#include "grid/grid_cell_editors.h"
#include "grid_cell_editors_fixture.h"

namespace Talvo::testing {
namespace {

// A grid that keeps the wParam of every NEN_CHANGED its spin editors send.
class SpinReportingGrid : public CGridCtrl {
 public:
  std::vector<WPARAM> reports;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == NEN_CHANGED) {
      reports.push_back(wParam);
      return 0;
    }
    return CGridCtrl::WindowProc(message, wParam, lParam);
  }
};

using GridCellEditorPlaceTest = EditorGridTest;

TEST_F(GridCellEditorPlaceTest, EditorsFollowTheirCellsWhenRowsAreInsertedOrDeletedAbove) {
  auto* grid = MakeGrid<SpinReportingGrid>();
  ASSERT_NE(grid, nullptr);
  Fill(*grid, 4, 4);
  auto* spin = MakeCell<GridCellSpinEdit>(*grid, 1, 1);
  auto* dropDown = MakeCell<GridCellDropDown>(*grid, 1, 2);
  auto* edit = MakeCell<GridCellEdit>(*grid, 1, 3);
  ASSERT_TRUE(spin != nullptr && dropDown != nullptr && edit != nullptr);
  ASSERT_NE(spin->CreateEditor(), nullptr);
  ASSERT_NE(dropDown->CreateEditor(), nullptr);
  ASSERT_NE(edit->CreateEditor(), nullptr);

  ASSERT_EQ(grid->InsertRow(0), 0);
  CellSpinEdit& spinEditor = *spin->GetSpinEdit();
  EXPECT_EQ(spinEditor.GetRow(), 2);
  EXPECT_EQ(spinEditor.GetColumn(), 1);
  EXPECT_EQ(dropDown->GetDropDown()->GetRow(), 2);
  EXPECT_EQ(edit->GetEditor()->GetRow(), 2);

  // A change the user makes now names the cell's new row.
  double before = spinEditor.Value();
  spinEditor.SetUserValue(before + 1);
  spinEditor.FinishUserEdit(before);
  ASSERT_EQ(grid->reports.size(), 1U);
  EXPECT_EQ(grid->reports.back(), static_cast<WPARAM>(MAKEWPARAM(2, 1)));

  ASSERT_TRUE(grid->DeleteRow(0));
  ASSERT_TRUE(grid->DeleteRow(0));
  EXPECT_EQ(dropDown->GetDropDown()->GetRow(), 0);
  EXPECT_EQ(edit->GetEditor()->GetRow(), 0);
  before = spinEditor.Value();
  spinEditor.SetUserValue(before + 1);
  spinEditor.FinishUserEdit(before);
  ASSERT_EQ(grid->reports.size(), 2U);
  EXPECT_EQ(grid->reports.back(), static_cast<WPARAM>(MAKEWPARAM(0, 1)));
}


// Whether any part of the cell lies inside the grid's client area.
bool CellInView(const CGridCtrl& grid, int row, int column) {
  CRect cell;
  CRect client;
  grid.GetClientRect(&client);
  CRect inside;
  return grid.GetCellRect(row, column, &cell) && !cell.IsRectEmpty() && inside.IntersectRect(&cell, &client);
}

TEST_F(GridCellEditorPlaceTest, PreparedSpinCellsGetTheirEditorsWhenScrolledIntoView) {
  UsePage<WheelEventsEditorTab>();
  constexpr int kRows = 40;
  CGridCtrl* grid = MakeSizedGrid(kRows, 3);
  ASSERT_NE(grid, nullptr);
  // Column 1: integer cells on even rows, float cells on odd rows; column 2 is left to a page that never
  // creates its editors.
  for (int row = 0; row < kRows; ++row) {
    auto* spin = MakeCell<GridCellSpinEdit>(*grid, row, 1);
    ASSERT_NE(spin, nullptr);
    if (row % 2 == 0) {
      spin->PrepareIntegerEditor(-5000, 5000, row * 10 - 100);
    } else {
      spin->PrepareFloatEditor(-5000.0F, 5000.0F, static_cast<float>(row) + 0.25F, 3);
    }
    ASSERT_NE(MakeCell<GridCellSpinEdit>(*grid, row, 2), nullptr);
  }
  auto spinAt = [&](int row, int column) { return dynamic_cast<GridCellSpinEdit*>(grid->GetCell(row, column)); };

  // Each pass: every prepared cell in view has its editor on the cell, in its mode, with the page's range and
  // value; cells never seen have none; cells scrolled away hide theirs.
  std::vector<bool> seen(kRows, false);
  auto checkView = [&](const char* when) {
    int inView = 0;
    for (int row = 0; row < kRows; ++row) {
      SCOPED_TRACE(std::string(when) + ", row " + std::to_string(row));
      GridCellSpinEdit* spin = spinAt(row, 1);
      EXPECT_EQ(spinAt(row, 2)->GetEditWnd(), nullptr);
      if (!CellInView(*grid, row, 1)) {
        if (seen[row]) {
          ASSERT_NE(spin->GetSpinEdit(), nullptr);
          EXPECT_FALSE(IsShown(*spin->GetSpinEdit()));
        } else {
          EXPECT_EQ(spin->GetSpinEdit(), nullptr);
        }
        continue;
      }
      ++inView;
      seen[row] = true;
      CellSpinEdit* editor = spin->GetSpinEdit();
      ASSERT_NE(editor, nullptr);
      EXPECT_TRUE(IsShown(*editor));
      CRect cell;
      ASSERT_TRUE(grid->GetCellRect(row, 1, &cell));
      EXPECT_EQ(RectInParent(*editor), CRect(cell.left, cell.top + 4, cell.right, cell.bottom - 4));
      EXPECT_EQ(editor->GetRow(), row);
      EXPECT_EQ(editor->GetCell(), spin);
      EXPECT_EQ(editor->Minimum(), -5000.0);
      EXPECT_EQ(editor->Maximum(), 5000.0);
      if (row % 2 == 0) {
        EXPECT_FALSE(editor->IsFloatMode());
        EXPECT_EQ(editor->GetIntValue(), row * 10 - 100);
      } else {
        EXPECT_TRUE(editor->IsFloatMode());
        EXPECT_EQ(editor->GetDecimals(), 3);
        EXPECT_FLOAT_EQ(editor->GetFloatValue(), static_cast<float>(row) + 0.25F);
      }
    }
    EXPECT_GT(inView, 5) << when;
  };

  grid->PlaceCellEditors();
  checkView("after the fill");
  EXPECT_EQ(spinAt(kRows - 1, 1)->GetEditWnd(), nullptr);

  // A page down and a drag of the thumb, each followed by the re-placing that the redraw message brings.
  grid->SendMessage(WM_VSCROLL, SB_PAGEDOWN);
  grid->PlaceCellEditors();
  checkView("after a page down");
  grid->SendMessage(WM_VSCROLL, SB_BOTTOM);
  grid->PlaceCellEditors();
  checkView("at the bottom");
  EXPECT_NE(spinAt(kRows - 1, 1)->GetEditWnd(), nullptr);

  // Once made, an editor is kept: preparing again does not replace it, and scrolling back shows it again.
  CWnd* bottomEditor = spinAt(kRows - 1, 1)->GetEditWnd();
  spinAt(kRows - 1, 1)->PrepareIntegerEditor(0, 10, 5);
  grid->SendMessage(WM_VSCROLL, SB_TOP);
  grid->PlaceCellEditors();
  checkView("back at the top");
  EXPECT_EQ(spinAt(kRows - 1, 1)->GetEditWnd(), bottomEditor);
}

TEST_F(GridCellEditorPlaceTest, FittingTextsMakesPreparedSpinEditorsAsPrepared) {
  UsePage<WheelEventsEditorTab>();
  CGridCtrl* grid = MakeSizedGrid(20, 3);
  ASSERT_NE(grid, nullptr);
  auto* prepared = MakeCell<GridCellSpinEdit>(*grid, 1, 1);
  auto* plain = MakeCell<GridCellSpinEdit>(*grid, 2, 1);
  auto* below = MakeCell<GridCellSpinEdit>(*grid, 19, 1);
  ASSERT_TRUE(prepared != nullptr && plain != nullptr && below != nullptr);
  prepared->PrepareFloatEditor(-1.0F, 1.0F, 7.0F, 2);
  below->PrepareIntegerEditor(0, 10, 3);
  grid->FitEditCellTexts();
  ASSERT_NE(prepared->GetSpinEdit(), nullptr);
  EXPECT_TRUE(prepared->GetSpinEdit()->IsFloatMode());
  EXPECT_FLOAT_EQ(prepared->GetSpinEdit()->GetFloatValue(), 1.0F);  // clamped into the page's range
  ASSERT_NE(plain->GetSpinEdit(), nullptr);                           // the default integer editor
  EXPECT_FALSE(plain->GetSpinEdit()->IsFloatMode());
  EXPECT_EQ(plain->GetSpinEdit()->Minimum(), 50.0);
  EXPECT_EQ(below->GetSpinEdit(), nullptr);                           // out of view: nothing yet
}

}  // namespace
}  // namespace Talvo::testing
