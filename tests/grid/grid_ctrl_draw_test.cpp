// Painting the grid: the background, the cells, the grid lines, the partly hidden first column, the tree
// column's own pass, repainting one cell and fonts.
#include <algorithm>
#include <functional>

#include "grid/tree_grid_ctrl.h"
#include "grid_fixture.h"

namespace Talvo::testing {
namespace {

constexpr COLORREF kCellColour = RGB(250, 240, 200);
constexpr COLORREF kGridColour = RGB(40, 60, 80);
constexpr COLORREF kLineColour = RGB(200, 30, 30);

// A cell that records where it was drawn.
struct DrawCall {
  int row;
  int column;
  CRect rect;
};
std::vector<DrawCall> drawCalls;

class DrawRecordingCell : public CGridCell {
  DECLARE_DYNCREATE(DrawRecordingCell)
 public:
  BOOL Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd) override {
    drawCalls.push_back({nRow, nCol, rect});
    return CGridCell::Draw(pDC, nRow, nCol, rect, bEraseBkgnd);
  }
};
IMPLEMENT_DYNCREATE(DrawRecordingCell, CGridCell)

// A tree column cell that records where it was drawn.
class DrawRecordingTreeCell : public CTreeGridCell {
  DECLARE_DYNCREATE(DrawRecordingTreeCell)
 public:
  BOOL Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd) override {
    drawCalls.push_back({nRow, nCol, rect});
    return CTreeGridCell::Draw(pDC, nRow, nCol, rect, bEraseBkgnd);
  }
};
IMPLEMENT_DYNCREATE(DrawRecordingTreeCell, CTreeGridCell)

class GridDrawTest : public GridTest {
 protected:
  // A grid of rows x columns cells of the given size in the test colours.
  template <typename G = CGridCtrl>
  G* MakePaintedGrid(int rows, int columns, int width, int height) {
    G* grid = MakeSizedGrid<G>(rows, columns, width, height);
    grid->SetGridBkColor(kGridColour);
    grid->SetGridLineColor(kLineColour);
    grid->GetDefaultCell(FALSE, FALSE)->SetBackClr(kCellColour);
    grid->GetDefaultCell(FALSE, FALSE)->SetTextClr(RGB(0, 0, 0));
    return grid;
  }

  // A tree grid of three 80-pixel columns with `parents` top-level rows of `children` rows each, 20 high,
  // whose tree column records its drawing.
  CTreeGridCtrl* MakePaintedTree(int parents, int children) {
    auto* grid = MakePaintedGrid<CTreeGridCtrl>(0, 0, 80, 20);
    grid->SetColumnCount(3);
    for (int top = 0; top < parents; ++top) {
      CTreeNode* parent = grid->InsertItem(L"Category");
      for (int child = 0; child < children; ++child) grid->InsertItem(L"Case", parent);
    }
    for (int col = 0; col < 3; ++col) grid->SetColumnWidth(col, 80);
    for (int row = 0; row < grid->GetRowCount(); ++row) {
      grid->SetRowHeight(row, 20);
      grid->SetCellType(row, 1, RUNTIME_CLASS(DrawRecordingTreeCell));
    }
    return grid;
  }
};

TEST_F(GridDrawTest, PaintsCellsLinesAndTheGridBackground) {
  CGridCtrl* grid = MakePaintedGrid(3, 3, 80, 24);
  grid->SetItemText(0, 0, L"Vertex");
  grid->SetItemBkColour(2, 2, RGB(120, 200, 120));
  const winsim::Image picture = ClientPicture(*grid);
  EXPECT_EQ(picture.Pixel(70, 5), kCellColour);           // inside cell (0, 0), right of its text
  EXPECT_EQ(picture.Pixel(79, 5), kLineColour);           // its right edge: the vertical line
  EXPECT_EQ(picture.Pixel(40, 23), kLineColour);          // its bottom edge: the horizontal line
  EXPECT_EQ(picture.Pixel(200, 60), RGB(120, 200, 120));  // cell (2, 2) in its own colour
  EXPECT_EQ(picture.Pixel(300, 10), kGridColour);         // right of the cells
  EXPECT_EQ(picture.Pixel(10, 100), kGridColour);         // below them
  int ink = 0;                                            // the text is drawn
  for (int x = 0; x < 70; ++x) ink += picture.Pixel(x, 12) != kCellColour ? 1 : 0;
  EXPECT_GT(ink, 0);
}

// A partial repaint through the off-screen buffer draws only its part, in the same place.
TEST_F(GridDrawTest, APartialRepaintDrawsOnlyItsPartInPlace) {
  CGridCtrl* grid = MakePaintedGrid(4, 3, 90, 22);
  for (int row = 0; row < 4; ++row) grid->SetItemText(row, 1, L"Edit Poly");
  const winsim::Image buffered = ClientPicture(*grid);
  grid->SetItemBkColour(1, 1, RGB(0, 0, 255));
  ASSERT_TRUE(grid->InvalidateCellRect(1, 1));
  const winsim::Image partial = ClientPicture(*grid);
  EXPECT_EQ(partial.Pixel(170, 30), RGB(0, 0, 255));
  EXPECT_EQ(partial.Pixel(10, 30), buffered.Pixel(10, 30));
}

TEST_F(GridDrawTest, APartlyHiddenFirstColumnIsDrawnShiftedLeft) {
  CGridCtrl* grid = MakePaintedGrid(3, 6, 100, 24);
  grid->SetItemBkColour(0, 1, RGB(0, 128, 0));
  grid->SetScrollPos32(SB_HORZ, 150);
  grid->Invalidate();
  const winsim::Image picture = ClientPicture(*grid);
  EXPECT_EQ(picture.Pixel(10, 5), RGB(0, 128, 0));  // column 1 from -50 to 49
  EXPECT_EQ(picture.Pixel(49, 5), kLineColour);
  EXPECT_EQ(picture.Pixel(60, 5), kCellColour);  // column 2
}

TEST_F(GridDrawTest, TheTreeColumnIsDrawnOnceForEachShownRowInPlace) {
  CTreeGridCtrl* grid = MakePaintedTree(10, 3);
  grid->SetRowHeight(5, 0);  // hidden: never drawn
  grid->SendMessage(WM_VSCROLL, SB_LINEDOWN);
  grid->SendMessage(WM_VSCROLL, SB_LINEDOWN);
  winsim::PumpMessages();
  drawCalls.clear();
  grid->Invalidate();
  winsim::PumpMessages();
  std::vector<int> rows;
  for (const DrawCall& call : drawCalls) rows.push_back(call.row);
  ASSERT_GE(rows.size(), 5U);
  EXPECT_EQ(std::vector<int>(rows.begin(), rows.begin() + 5), (std::vector<int>{2, 3, 4, 6, 7}));
  EXPECT_EQ(std::adjacent_find(rows.begin(), rows.end(), std::greater_equal<int>()), rows.end());  // once each
  EXPECT_EQ(drawCalls[0].rect, CRect(80, 0, 159, 19));

  // Row 4 (a category with children) is the third row on screen: its tree cell shows its box.
  const winsim::Image picture = ClientPicture(*grid);
  int marks = 0;
  for (int x = 81; x < 159; ++x) marks += picture.Pixel(x, 2 * 20 + 10) != kCellColour ? 1 : 0;
  EXPECT_GT(marks, 0);
  EXPECT_EQ(picture.Pixel(159, 2 * 20 + 5), kLineColour);  // the tree column's right edge
}

// A page's refill: drawing off, the tree emptied, refilled, expanded and collapsed; nothing reaches the
// screen until the page switches drawing on again.
TEST_F(GridDrawTest, RefillWithDrawingOffPaintsNothingUntilDrawingIsOn) {
  auto* grid = MakePaintedGrid<CTreeGridCtrl>(0, 0, 80, 20);
  ASSERT_EQ(ClientPicture(*grid).Pixel(100, 10), kGridColour);
  grid->SetRedraw(FALSE);
  grid->DeleteAllItems(TRUE);
  grid->SetColumnCount(3);
  CTreeNode* category = grid->InsertItem(L"Category");
  ASSERT_NE(grid->InsertItem(L"Case", category), nullptr);
  ASSERT_TRUE(grid->Collapse(category));
  ASSERT_TRUE(grid->Expand(category));
  grid->Invalidate();
  EXPECT_EQ(ClientPicture(*grid).Pixel(100, 10), kGridColour);
  grid->SetRedraw(TRUE);
  EXPECT_EQ(ClientPicture(*grid).Pixel(100, 10), kCellColour);
}

TEST_F(GridDrawTest, OnlyVisibleCellsHaveAPlaceAndRedrawWhileDrawingIsOn) {
  CGridCtrl* grid = MakePaintedGrid(40, 3, 80, 20);
  CRect rect;
  EXPECT_FALSE(grid->GetCellRect(40, 0, &rect));
  EXPECT_FALSE(grid->GetCellRect(1, 0, nullptr));
  EXPECT_FALSE(grid->IsCellVisible(39, 1));  // below the window
  EXPECT_FALSE(grid->RedrawCell(39, 1));
  grid->SetRowHeight(3, 0);
  EXPECT_FALSE(grid->InvalidateCellRect(3, 0));

  // Whole-column scrolling draws on the window at once, leaving nothing to paint.
  winsim::PumpMessages();
  grid->m_nBarState |= kWholeColumnScrolling;
  grid->SetItemBkColour(1, 1, RGB(0, 0, 200));
  ASSERT_TRUE(grid->RedrawCell(1, 1));
  EXPECT_FALSE(::GetUpdateRect(grid->m_hWnd, &rect, FALSE));
  EXPECT_EQ(ClientPicture(*grid).Pixel(100, 30), RGB(0, 0, 200));

  drawCalls.clear();
  grid->SetCellType(0, 0, RUNTIME_CLASS(DrawRecordingCell));
  grid->SetRedraw(FALSE);
  EXPECT_FALSE(grid->RedrawCell(1, 1));
  EXPECT_FALSE(grid->InvalidateCellRect(1, 1));
  grid->RedrawWindow();
  EXPECT_TRUE(drawCalls.empty());
}

TEST_F(GridDrawTest, AFontGoesToTheDefaultCellsAndAMissingOneChangesNothing) {
  CGridCtrl* grid = MakePaintedGrid(2, 2, 80, 20);
  CFont font;
  LOGFONTW logFont{};
  logFont.lfHeight = -20;
  ASSERT_TRUE(font.CreateFontIndirect(&logFont));
  grid->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
  grid->SendMessage(WM_SETFONT, 0, TRUE);
  for (auto [fixedRow, fixedCol] : {std::pair{FALSE, FALSE}, {TRUE, FALSE}, {FALSE, TRUE}, {TRUE, TRUE}}) {
    EXPECT_EQ(grid->GetDefaultCell(fixedRow, fixedCol)->GetFont()->lfHeight, -20);
  }
  LOGFONTW back{};
  ASSERT_NE(::GetObjectW(reinterpret_cast<HGDIOBJ>(grid->SendMessage(WM_GETFONT)), sizeof(back), &back), 0);
  EXPECT_EQ(back.lfHeight, -20);
}

}  // namespace
}  // namespace Talvo::testing
