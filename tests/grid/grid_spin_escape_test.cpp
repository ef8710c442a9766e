// Escape in a spin-edit cell's text puts back the value it had: nothing is reported, so nothing is stored,
// neither then nor when the text later commits on Enter or on losing the focus.
#include "controls/cell_spin_edit.h"
#include "grid/grid_cell_editors.h"
#include "grid_cell_editors_fixture.h"

namespace Talvo::testing {
namespace {

// A grid that stores what its spin editors report into their cells, as a page's grid does.
class StoringGrid : public CGridCtrl {
 public:
  int reports = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != NEN_CHANGED) return CGridCtrl::WindowProc(message, wParam, lParam);
    ++reports;
    auto* cell = dynamic_cast<GridCellSpinEdit*>(GetCell(LOWORD(wParam), HIWORD(wParam)));
    if (cell != nullptr && cell->GetSpinEdit() != nullptr) cell->value = cell->GetSpinEdit()->GetIntValue();
    return 0;
  }
};

using GridSpinEscapeTest = EditorGridTest;

TEST_F(GridSpinEscapeTest, EscapeShowsTheOldValueAndStoresNothing) {
  auto* grid = MakeGrid<StoringGrid>();
  Fill(*grid, 3, 3);
  auto* cell = MakeCell<GridCellSpinEdit>(*grid, 1, 1);
  cell->value = 300;
  ASSERT_NE(cell->CreateEditor(), nullptr);
  CellSpinEdit& editor = *cell->GetSpinEdit();
  CEdit& text = editor.GetTextPart();

  text.SetFocus();
  text.SetSel(0, -1);
  winsim::TypeText(L"512");
  ASSERT_EQ(text.GetWindowText(), L"512");
  winsim::KeyPress(VK_ESCAPE);
  EXPECT_EQ(text.GetWindowText(), L"300");
  winsim::KeyPress(VK_RETURN);
  grid->SetFocus();
  EXPECT_EQ(editor.GetIntValue(), 300);
  EXPECT_EQ(cell->value, 300);
  EXPECT_EQ(grid->reports, 0);

  // Without Escape the typed value is stored.
  text.SetFocus();
  text.SetSel(0, -1);
  winsim::TypeText(L"512");
  winsim::KeyPress(VK_RETURN);
  EXPECT_EQ(cell->value, 512);
  EXPECT_EQ(grid->reports, 1);
}

}  // namespace
}  // namespace Talvo::testing
