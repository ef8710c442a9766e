// The function editor page's header and grid marks: the level picture follows the current level from the
// first fill on, the add-case button at row 0 keeps the state the frame gives it, and the classic grid marks
// every cell it writes.
#include "function_editor_fixture.h"
#include "grid/grid_cell_icon_button.h"

namespace Talvo::testing {
namespace {

constexpr LPARAM kPolygonLevelText = 148;  // the string id a level command of the editor window carries

// A function of a kind whose "Editable Poly" input has only the edge and polygon levels.
class LevelPictureTest : public FunctionEditorTest, public ::testing::WithParamInterface<int> {};

TEST_P(LevelPictureTest, ShowsTheCurrentLevelFromTheFirstFillOn) {
  XmlFunction& function = NewFunction(GetParam());
  function.AddAction({L"Editable Poly", L"edge", 0, 1, 3});
  function.AddAction({L"Editable Poly", L"polygon", 0, 1, 3});
  FunctionEditorTab& page = MakePage(L"Editable Poly");
  ASSERT_EQ(page.GetCurrentLevel(), kEditorEdge);
  EXPECT_EQ(page.GetPicture().GetImage(), kEditorEdge);  // beside "Edge Mode", never the vertex icon
  EXPECT_TRUE(page.GetPicture().IsWindowVisible());
  page.NextLevel();
  EXPECT_EQ(page.GetPicture().GetImage(), kEditorPolygon);
  page.PreviousLevel();
  EXPECT_EQ(page.GetPicture().GetImage(), kEditorEdge);
  page.SendMessage(WM_SELECT_LEVEL, 0, kPolygonLevelText);
  EXPECT_EQ(page.GetPicture().GetImage(), kEditorPolygon);
}

INSTANTIATE_TEST_SUITE_P(Kinds, LevelPictureTest, ::testing::Values(kKindContextElements, kKindContextSensitive));

TEST_F(FunctionEditorTest, TheRefreshedCornerButtonStaysEnabledThroughTheNextLayout) {
  // Kind 1107 on a modifier page: row 0's add button starts disabled.
  XmlFunction& function = NewFunction(kKindModifierCases);
  function.AddAction({L"Editable Poly", L"global", 0, 1, 3});
  FunctionEditorTab& page = MakePage(L"Editable Poly");
  auto* cell = dynamic_cast<GridCellIconButton*>(page.GetGrid().GetCell(0, 2));
  ASSERT_NE(cell, nullptr);
  ASSERT_NE(cell->GetButton(), nullptr);
  ASSERT_FALSE(cell->GetButton()->IsWindowEnabled());

  page.RefreshCornerButton();
  EXPECT_EQ(cell->flag, 1);
  page.SendMessage(WM_SIZE, SIZE_RESTORED, 0);
  winsim::PumpMessages();
  EXPECT_TRUE(cell->GetButton()->IsWindowEnabled());
}

TEST_F(FunctionEditorTest, TheClassicGridMarksEveryCellItWrites) {
  NewFunction(kKindClassic);
  FunctionEditorTab& page = MakePage(L"3DSMax Classic");
  CTreeGridCtrl& grid = page.GetGrid();
  ASSERT_EQ(grid.GetRowCount(), 18);
  const auto modified = [&](int row, int column) { return (grid.GetItemState(row, column) & GVIS_MODIFIED) != 0; };
  for (int row = 0; row < grid.GetRowCount(); ++row) {
    EXPECT_TRUE(modified(row, grid.GetTreeColumn())) << "row " << row;
    EXPECT_TRUE(modified(row, 2)) << "row " << row;
    // The "Single Tap" rows (3, 5, ..., 17) carry the labels and the four drop-downs.
    const bool pressRow = row >= 3 && row % 2 == 1;
    for (int column = 3; column <= 10; ++column) EXPECT_EQ(modified(row, column), pressRow) << row << ", " << column;
  }
}

}  // namespace
}  // namespace Talvo::testing
