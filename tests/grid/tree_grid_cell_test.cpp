// The tree cells: level and expand-box geometry, hit testing and measuring, the drawing of boxes and
// dotted tree lines in a painted grid, and the tree check cell's clicks.
#include "grid/tree_grid_cell.h"

#include <cstdlib>
#include <filesystem>

#include "grid/tree_grid_ctrl.h"
#include "tree_grid_fixture.h"

namespace Talvo::testing {
namespace {

constexpr COLORREF kConnector = RGB(255, 0, 0);
constexpr COLORREF kVertical = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A painted grid in client coordinates.
class ClientPicture {
 public:
  explicit ClientPicture(const CWnd& window) : image_(winsim::CaptureWindow(window.m_hWnd)) {
    CRect frame;
    window.GetWindowRect(&frame);
    POINT origin{0, 0};
    window.ClientToScreen(&origin);
    offset_ = CPoint(origin.x - frame.left, origin.y - frame.top);
  }
  COLORREF At(int x, int y) const { return image_.Pixel(x + offset_.x, y + offset_.y); }
  // How many pixels of the colour lie in the rectangle from (x1, y1) to (x2, y2), both included.
  int Count(COLORREF colour, int x1, int y1, int x2, int y2) const {
    int count = 0;
    for (int y = y1; y <= y2; ++y) {
      for (int x = x1; x <= x2; ++x) count += At(x, y) == colour ? 1 : 0;
    }
    return count;
  }

 private:
  winsim::Image image_;
  CPoint offset_;
};

using TreeGridCellTest = TreeGridTest;

TEST_F(TreeGridCellTest, LevelsTakeTwentyOnePixelsAndTheBoxSitsAtTheRightOfTheTreeArea) {
  CTreeGridCell cell;
  CRect rect(10, 0, 200, 20);
  EXPECT_FALSE(cell.GetTreeRect(&rect));  // not attached: no tree area
  EXPECT_EQ(rect, CRect(10, 0, 200, 20));
  EXPECT_FALSE(cell.GetExpandBoxRect(&rect));

  cell.SetLevel(2);
  ASSERT_TRUE(cell.GetTreeRect(&rect));
  EXPECT_EQ(rect, CRect(10, 0, 73, 20));
  cell.SetLevel(0);
  rect = CRect(10, 0, 31, 20);
  ASSERT_TRUE(cell.GetExpandBoxRect(&rect));
  EXPECT_EQ(rect, CRect(22, 5, 31, 14));  // 9 x 9, lifted by 2 from the middle

  // In a low or narrow rectangle the box is cut to it.
  rect = CRect(10, 0, 15, 6);
  ASSERT_TRUE(cell.GetExpandBoxRect(&rect));
  EXPECT_EQ(rect, CRect(10, 0, 15, 6));

  BOOL onBox = TRUE;
  EXPECT_TRUE(cell.HitTest(CPoint(26, 9), CRect(10, 0, 200, 20), &onBox));
  EXPECT_TRUE(onBox);
  EXPECT_TRUE(cell.HitTest(CPoint(12, 9), CRect(10, 0, 200, 20), &onBox));
  EXPECT_FALSE(onBox);
  EXPECT_FALSE(cell.HitTest(CPoint(40, 9), CRect(10, 0, 200, 20), &onBox));

  cell.SetLevel(1);
  rect = CRect(10, 0, 200, 20);
  EXPECT_TRUE(cell.AdjustTextRect(&rect));
  EXPECT_EQ(rect.left, 52);
  CSize size(30, 15);
  cell.AddTreeExtent(nullptr, size);
  EXPECT_EQ(size, CSize(30 + 42 + 6, 15));
}

TEST_F(TreeGridCellTest, TreeCellsMeasureTheirTreeAreaBesideTheirContent) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  grid->SetTreeCellClass(RUNTIME_CLASS(CTreeGridCellCheck));
  CTreeNode* top = grid->InsertItem(L"text");
  grid->InsertItem(L"text", top);

  CClientDC dc(grid);
  auto* plain = static_cast<CTreeGridCell*>(grid->GetCell(1, 2));
  auto* check = static_cast<CTreeGridCellCheck*>(grid->GetCell(1, 1));
  const CSize plainExtent = plain->CGridCell::GetCellExtent(&dc);
  const CSize checkExtent = check->CGridCellCheck::GetCellExtent(&dc);
  EXPECT_EQ(plain->GetCellExtent(&dc), CSize(plainExtent.cx + 6, plainExtent.cy));  // no level: the gap only
  EXPECT_EQ(check->GetCellExtent(&dc), CSize(checkExtent.cx + 42 + 6, checkExtent.cy));
}

TEST_F(TreeGridCellTest, PaintingDrawsBoxesConnectorsAndVerticalLinesToTheParents) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  grid->m_crConnector = kConnector;
  grid->m_crVertLine = kVertical;
  const SampleTree tree = MakeSampleTree(*grid);
  grid->Invalidate();
  winsim::PumpMessages();
  winsim::SaveWindowPng(grid->m_hWnd, TestOutputPath("tree_grid_expanded.png"));
  const ClientPicture expanded(*grid);

  // Row 0 (level 0 with children): box x 52..60, y 4..12 with a minus; the connector runs on to the text.
  EXPECT_EQ(expanded.At(52, 8), kBlack);
  EXPECT_EQ(expanded.At(60, 4), kBlack);
  EXPECT_EQ(expanded.At(53, 5), kWhite);
  EXPECT_EQ(expanded.Count(kBlack, 54, 8, 58, 8), 5);
  EXPECT_EQ(expanded.At(56, 6), kWhite);  // no vertical bar: expanded
  EXPECT_GT(expanded.Count(kConnector, 61, 8, 63, 8), 0);
  EXPECT_EQ(expanded.Count(kConnector, 40, 0, 51, 19), 0);  // nothing to the left of a top-level box

  // Row 1 (level 1 with a child): box at x 73, a connector back to x 56 and a vertical line up to row 0's box.
  EXPECT_EQ(expanded.At(73, 25), kBlack);
  EXPECT_GT(expanded.Count(kConnector, 57, 28, 72, 28), 3);
  EXPECT_GT(expanded.Count(kVertical, 56, 14, 56, 27), 3);
  // Row 2 (level 2, a leaf): a connector from x 77 over the empty box place, and a line up to row 1's box.
  EXPECT_GT(expanded.Count(kConnector, 78, 48, 105, 48), 5);
  EXPECT_GT(expanded.Count(kVertical, 77, 34, 77, 47), 3);
  EXPECT_EQ(expanded.Count(kBlack, 94, 44, 102, 52), 0);  // leaves have no box
  // Row 3 (a2, level 1 leaf): the vertical line continues from row 1's connector, past row 2.
  EXPECT_GT(expanded.Count(kVertical, 56, 50, 56, 67), 3);
  EXPECT_GT(expanded.Count(kConnector, 57, 68, 84, 68), 5);
  // Row 4 (b, a top-level leaf): no lines at all.
  EXPECT_EQ(expanded.Count(kConnector, 40, 80, 159, 99) + expanded.Count(kVertical, 40, 80, 159, 99), 0);

  ASSERT_TRUE(grid->Collapse(tree.a1));
  winsim::PumpMessages();
  winsim::SaveWindowPng(grid->m_hWnd, TestOutputPath("tree_grid_collapsed.png"));
  const ClientPicture collapsed(*grid);
  EXPECT_EQ(collapsed.Count(kBlack, 77, 26, 77, 30), 5);  // a plus on row 1
  EXPECT_EQ(collapsed.Count(kBlack, 94, 44, 102, 52), 0);  // row 2 is gone; row 3 (a leaf) took its place
}

TEST_F(TreeGridCellTest, ACellTooNarrowForItsTreeDrawsOnlyItsBackground) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  grid->m_crConnector = 0xFFFFFFFF;  // no lines: only the cells themselves
  grid->m_crVertLine = 0xFFFFFFFF;
  MakeSampleTree(*grid);
  grid->SetColumnWidth(1, 30);  // level 1 needs 42 pixels
  grid->SetItemText(1, 1, L"WWWWWWWW");
  grid->SetItemBkColour(1, 1, RGB(0, 160, 0));
  grid->SetItemBkColour(0, 1, RGB(0, 160, 0));
  grid->Invalidate();
  winsim::PumpMessages();
  const ClientPicture picture(*grid);

  EXPECT_EQ(picture.Count(RGB(0, 160, 0), 40, 20, 68, 38), 29 * 19);  // row 1: background only
  EXPECT_LT(picture.Count(RGB(0, 160, 0), 40, 0, 68, 18), 29 * 19);  // row 0 fits: box and text
}

TEST_F(TreeGridCellTest, TheTreeCheckCellFlipsOnlyForClicksOnTheBoxOfASelectedCell) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  grid->SetTreeCellClass(RUNTIME_CLASS(CTreeGridCellCheck));
  grid->InsertItem(L"option");
  grid->SetRowHeight(0, 30);
  grid->Invalidate();
  winsim::PumpMessages();  // the cell learns where it is drawn
  auto* cell = static_cast<CTreeGridCellCheck*>(grid->GetCell(0, 1));
  CRect cellRect;
  ASSERT_TRUE(grid->GetCellRect(0, 1, &cellRect));
  const CRect box = cell->GetCheckPlacement();
  EXPECT_GE(box.left, cellRect.left + 21 + 6);  // past the tree area and its gap
  const CPoint onBox = box.CenterPoint() - cellRect.TopLeft();
  const CPoint offBox(box.right + 20 - cellRect.left, 5);

  EXPECT_FALSE(cell->Edit(0, 1, cellRect, onBox, IDC_INPLACE_CONTROL, VK_LBUTTON));  // not selected
  cell->OnClick(onBox);
  EXPECT_FALSE(cell->GetCheck());

  ASSERT_TRUE(grid->SetItemState(0, 1, GVIS_SELECTED));
  EXPECT_TRUE(cell->Edit(0, 1, cellRect, onBox, IDC_INPLACE_CONTROL, VK_LBUTTON));
  EXPECT_TRUE(cell->GetCheck());
  EXPECT_FALSE(cell->Edit(0, 1, cellRect, offBox, IDC_INPLACE_CONTROL, VK_LBUTTON));
  EXPECT_FALSE(cell->Edit(0, 1, cellRect, CPoint(-1, -1), IDC_INPLACE_CONTROL, VK_LBUTTON));  // F2
  EXPECT_FALSE(cell->Edit(0, 1, cellRect, onBox, IDC_INPLACE_CONTROL, L'x'));
  EXPECT_TRUE(cell->GetCheck());

  cell->OnClick(onBox);
  EXPECT_FALSE(cell->GetCheck());
  cell->OnClick(offBox);
  EXPECT_FALSE(cell->GetCheck());
}

}  // namespace
}  // namespace Talvo::testing
