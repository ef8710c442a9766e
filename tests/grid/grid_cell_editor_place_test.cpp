// Spin editors on their cells: the row they report after rows above change, and prepared editors that are
// made only when their cells come into view.
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

// A change the user makes in a spin editor.
void ChangeByUser(CellSpinEdit& editor) {
  const double before = editor.Value();
  editor.SetUserValue(before + 1);
  editor.FinishUserEdit(before);
}

TEST_F(GridCellEditorPlaceTest, ASpinEditorReportsItsCellsRowAfterARowIsInsertedAbove) {
  auto* grid = MakeGrid<SpinReportingGrid>();
  Fill(*grid, 4, 4);
  auto* spin = MakeCell<GridCellSpinEdit>(*grid, 1, 1);
  ASSERT_NE(spin->CreateEditor(), nullptr);
  ASSERT_EQ(grid->InsertRow(0), 0);
  ChangeByUser(*spin->GetSpinEdit());
  EXPECT_EQ(grid->reports, (std::vector<WPARAM>{MAKEWPARAM(2, 1)}));
}

TEST_F(GridCellEditorPlaceTest, PreparedSpinCellsGetTheirEditorsWhenScrolledIntoView) {
  UsePage<WheelEventsEditorTab>();
  constexpr int kRows = 40;
  CGridCtrl* grid = MakeSizedGrid(kRows, 3);
  // Column 1: integer cells but a float cell on row 1; column 2 is never prepared.
  std::vector<GridCellSpinEdit*> spins;
  for (int row = 0; row < kRows; ++row) {
    spins.push_back(MakeCell<GridCellSpinEdit>(*grid, row, 1));
    spins.back()->PrepareIntegerEditor(-5000, 5000, row * 10 - 100);
  }
  spins[1]->PrepareFloatEditor(-5000.0F, 5000.0F, 1.25F, 3);
  auto* unprepared = MakeCell<GridCellSpinEdit>(*grid, 0, 2);
  grid->PlaceCellEditors();
  ASSERT_NE(spins[0]->GetSpinEdit(), nullptr);
  EXPECT_EQ(spins[0]->GetSpinEdit()->GetIntValue(), -100);
  ASSERT_NE(spins[1]->GetSpinEdit(), nullptr);
  EXPECT_EQ(spins[1]->GetSpinEdit()->GetDecimals(), 3);
  EXPECT_FLOAT_EQ(spins[1]->GetSpinEdit()->GetFloatValue(), 1.25F);
  EXPECT_EQ(spins[kRows - 1]->GetEditWnd(), nullptr);
  EXPECT_EQ(unprepared->GetEditWnd(), nullptr);

  grid->SendMessage(WM_VSCROLL, SB_BOTTOM);
  grid->PlaceCellEditors();
  ASSERT_NE(spins[kRows - 2]->GetSpinEdit(), nullptr);
  EXPECT_EQ(spins[kRows - 2]->GetSpinEdit()->GetIntValue(), (kRows - 2) * 10 - 100);
  EXPECT_EQ(spins[kRows - 2]->GetSpinEdit()->GetRow(), kRows - 2);
  EXPECT_FALSE(IsShown(*spins[0]->GetSpinEdit()));

  // Once made, an editor is kept: preparing again does not replace it.
  CWnd* bottomEditor = spins[kRows - 1]->GetEditWnd();
  spins[kRows - 1]->PrepareIntegerEditor(0, 10, 5);
  grid->SendMessage(WM_VSCROLL, SB_TOP);
  grid->PlaceCellEditors();
  EXPECT_TRUE(IsShown(*spins[0]->GetSpinEdit()));
  EXPECT_EQ(spins[kRows - 1]->GetEditWnd(), bottomEditor);
}

TEST_F(GridCellEditorPlaceTest, FittingTextsMakesPreparedSpinEditorsAsPrepared) {
  UsePage<WheelEventsEditorTab>();
  CGridCtrl* grid = MakeSizedGrid(20, 3);
  auto* prepared = MakeCell<GridCellSpinEdit>(*grid, 1, 1);
  auto* below = MakeCell<GridCellSpinEdit>(*grid, 19, 1);
  prepared->PrepareFloatEditor(-1.0F, 1.0F, 7.0F, 2);
  below->PrepareIntegerEditor(0, 10, 3);
  grid->FitEditCellTexts();
  ASSERT_NE(prepared->GetSpinEdit(), nullptr);
  EXPECT_FLOAT_EQ(prepared->GetSpinEdit()->GetFloatValue(), 1.0F);  // clamped into the page's range
  EXPECT_EQ(below->GetSpinEdit(), nullptr);                         // out of view: nothing yet
}

}  // namespace
}  // namespace Talvo::testing
