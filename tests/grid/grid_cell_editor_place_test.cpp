#include <gtest/gtest.h>

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

}  // namespace
}  // namespace Talvo::testing
