// The tree cells: level and expand-box geometry, the drawing of boxes and dotted tree lines in
// a painted grid, and the tree check cell's clicks.
#include "grid/tree_grid_cell.h"

#include "grid/tree_grid_ctrl.h"
#include "tree_grid_fixture.h"

namespace Talvo::testing {
namespace {

constexpr COLORREF kConnector = RGB(255, 0, 0);
constexpr COLORREF kVertical = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// How many pixels of the colour lie in the rectangle from (x1, y1) to (x2, y2), both included.
int CountPixels(const winsim::Image& image, COLORREF colour, int x1, int y1, int x2, int y2) {
  int count = 0;
  for (int y = y1; y <= y2; ++y) {
    for (int x = x1; x <= x2; ++x) count += image.Pixel(x, y) == colour ? 1 : 0;
  }
  return count;
}

using TreeGridCellTest = TreeGridTest;

TEST_F(TreeGridCellTest, LevelsTakeTwentyOnePixelsAndTheBoxSitsAtTheRightOfTheTreeArea) {
  CTreeGridCell cell;
  CRect rect(10, 0, 200, 20);
  EXPECT_FALSE(cell.GetTreeRect(&rect));  // not attached: no tree area
  EXPECT_EQ(rect, CRect(10, 0, 200, 20));
  cell.SetLevel(2);
  ASSERT_TRUE(cell.GetTreeRect(&rect));
  EXPECT_EQ(rect, CRect(10, 0, 73, 20));
  cell.SetLevel(0);
  rect = CRect(10, 0, 15, 6);  // in a low or narrow rectangle the box is cut to it
  ASSERT_TRUE(cell.GetExpandBoxRect(&rect));
  EXPECT_EQ(rect, CRect(10, 0, 15, 6));
  cell.SetLevel(1);  // measuring adds the tree area and the gap before the text
  CSize size(30, 15);
  cell.AddTreeExtent(nullptr, size);
  EXPECT_EQ(size, CSize(30 + 42 + 6, 15));
}

TEST_F(TreeGridCellTest, PaintingDrawsBoxesConnectorsAndVerticalLinesToTheParents) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  grid->m_crConnector = kConnector;
  grid->m_crVertLine = kVertical;
  const SampleTree tree = MakeSampleTree(*grid);
  winsim::PumpMessages();
  const winsim::Image expanded = ClientPicture(*grid);
  // Row 0 (level 0 with children): box x 52..60, y 4..12 with a minus; the connector runs on to the text.
  EXPECT_EQ(CountPixels(expanded, kBlack, 52, 4, 52, 12), 9);
  EXPECT_EQ(CountPixels(expanded, kBlack, 54, 8, 58, 8), 5);
  EXPECT_EQ(CountPixels(expanded, kBlack, 56, 6, 56, 6), 0);  // no vertical bar: expanded
  EXPECT_GT(CountPixels(expanded, kConnector, 61, 8, 63, 8), 0);
  // Row 1 (level 1 with a child): a connector back to x 56 and a vertical line up to row 0's box.
  EXPECT_GT(CountPixels(expanded, kConnector, 57, 28, 72, 28), 3);
  EXPECT_GT(CountPixels(expanded, kVertical, 56, 14, 56, 27), 3);
  // Row 2 (level 2, a leaf): no box; row 3 (a2): the vertical line continues past row 2.
  EXPECT_EQ(CountPixels(expanded, kBlack, 94, 44, 102, 52), 0);
  EXPECT_GT(CountPixels(expanded, kVertical, 56, 50, 56, 67), 3);
  // Row 4 (b, a top-level leaf): no lines at all.
  EXPECT_EQ(CountPixels(expanded, kConnector, 40, 80, 159, 99) + CountPixels(expanded, kVertical, 40, 80, 159, 99), 0);

  ASSERT_TRUE(grid->Collapse(tree.a1));
  winsim::PumpMessages();
  EXPECT_EQ(CountPixels(ClientPicture(*grid), kBlack, 77, 26, 77, 30), 5);  // a plus on row 1
}

TEST_F(TreeGridCellTest, ACellTooNarrowForItsTreeDrawsOnlyItsBackground) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  grid->m_crConnector = 0xFFFFFFFF;  // no lines: only the cells themselves
  grid->m_crVertLine = 0xFFFFFFFF;
  MakeSampleTree(*grid);
  grid->SetColumnWidth(1, 30);  // level 1 needs 42 pixels
  for (int row : {0, 1}) {
    grid->SetItemText(row, 1, L"WWWWWWWW");
    grid->SetItemBkColour(row, 1, RGB(0, 160, 0));
  }
  winsim::PumpMessages();
  const winsim::Image picture = ClientPicture(*grid);
  EXPECT_EQ(CountPixels(picture, RGB(0, 160, 0), 40, 20, 68, 38), 29 * 19);  // row 1: background only
  EXPECT_LT(CountPixels(picture, RGB(0, 160, 0), 40, 0, 68, 18), 29 * 19);   // row 0 fits: box and text
}

TEST_F(TreeGridCellTest, TheTreeCheckCellFlipsOnlyForClicksOnTheBoxOfASelectedCell) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  grid->InsertItem(L"option");
  ASSERT_TRUE(grid->SetCellType(0, 1, RUNTIME_CLASS(CTreeGridCellCheck)));
  grid->SetRowHeight(0, 30);
  winsim::PumpMessages();  // the cell learns where it is drawn
  auto* cell = static_cast<CTreeGridCellCheck*>(grid->GetCell(0, 1));
  CRect cellRect;
  ASSERT_TRUE(grid->GetCellRect(0, 1, &cellRect));
  const CRect box = cell->GetCheckPlacement();
  EXPECT_GE(box.left, cellRect.left + 21 + 6);  // past the tree area and its gap
  const CPoint onBox = box.CenterPoint() - cellRect.TopLeft();
  const CPoint offBox(box.right + 20 - cellRect.left, 5);

  EXPECT_FALSE(cell->Edit(0, 1, cellRect, onBox, IDC_INPLACE_CONTROL, VK_LBUTTON));  // not selected
  ASSERT_TRUE(grid->SetItemState(0, 1, GVIS_SELECTED));
  EXPECT_TRUE(cell->Edit(0, 1, cellRect, onBox, IDC_INPLACE_CONTROL, VK_LBUTTON));
  EXPECT_TRUE(cell->GetCheck());
  EXPECT_FALSE(cell->Edit(0, 1, cellRect, offBox, IDC_INPLACE_CONTROL, VK_LBUTTON));
  EXPECT_FALSE(cell->Edit(0, 1, cellRect, onBox, IDC_INPLACE_CONTROL, L'x'));
  EXPECT_TRUE(cell->GetCheck());
  cell->OnClick(offBox);
  EXPECT_TRUE(cell->GetCheck());
}

}  // namespace
}  // namespace Talvo::testing
