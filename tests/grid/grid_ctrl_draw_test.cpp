// Painting the grid: the background, the cells, the grid lines, the partly hidden first column, the tree
// column's own pass, repainting one cell, the cell geometry, fonts and system colours.
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

class GridDrawTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    drawCalls.clear();
  }

  // A grid of rows x columns cells of the given size in the test colours.
  template <typename G = CGridCtrl>
  G* MakePaintedGrid(int rows, int columns, int width, int height, const RECT& rect = {10, 10, 410, 310}) {
    G* grid = MakeGrid<G>(rect);
    if (grid == nullptr) return nullptr;
    grid->SetGridBkColor(kGridColour);
    grid->SetGridLineColor(kLineColour);
    grid->GetDefaultCell(FALSE, FALSE)->SetBackClr(kCellColour);
    grid->GetDefaultCell(FALSE, FALSE)->SetTextClr(RGB(0, 0, 0));
    Fill(*grid, rows, columns);
    for (int col = 0; col < columns; ++col) grid->SetColumnWidth(col, width);
    for (int row = 0; row < rows; ++row) grid->SetRowHeight(row, height);
    return grid;
  }

  // The client area's pixels (the grid has a 2-pixel client edge).
  static winsim::Image ClientPicture(const CGridCtrl& grid) {
    CRect client;
    grid.GetClientRect(&client);
    grid.ClientToScreen(&client);
    return winsim::CaptureScreenRect(client);
  }
};

TEST_F(GridDrawTest, PaintsCellsLinesAndTheGridBackground) {
  CGridCtrl* grid = MakePaintedGrid(3, 3, 80, 24);
  ASSERT_NE(grid, nullptr);
  grid->SetItemText(0, 0, L"Vertex");
  grid->SetItemText(1, 1, L"Editable Poly");
  grid->SetItemBkColour(2, 2, RGB(120, 200, 120));
  const winsim::Image picture = ClientPicture(*grid);
  winsim::SaveWindowPng(grid->m_hWnd, TestOutputPath("grid_cells_and_lines.png"));

  EXPECT_EQ(picture.Pixel(70, 5), kCellColour);           // inside cell (0, 0), right of its text
  EXPECT_EQ(picture.Pixel(79, 5), kLineColour);           // its right edge: the vertical line
  EXPECT_EQ(picture.Pixel(40, 23), kLineColour);          // its bottom edge: the horizontal line
  EXPECT_EQ(picture.Pixel(200, 60), RGB(120, 200, 120));  // cell (2, 2) in its own colour
  EXPECT_EQ(picture.Pixel(300, 10), kGridColour);         // right of the cells
  EXPECT_EQ(picture.Pixel(10, 100), kGridColour);         // below them
  EXPECT_EQ(picture.Pixel(239, 71), kLineColour);         // the last cell's corner

  // Text is drawn: the first cell holds more than its background and the line.
  bool dark = false;
  for (int x = 0; x < 70 && !dark; ++x) {
    for (int y = 0; y < 23 && !dark; ++y) dark = picture.Pixel(x, y) != kCellColour;
  }
  EXPECT_TRUE(dark);
}

TEST_F(GridDrawTest, GridLinesFollowTheLinesMode) {
  CGridCtrl* grid = MakePaintedGrid(2, 2, 80, 24);
  ASSERT_NE(grid, nullptr);
  // The mode, then the colours at a cell's right edge and at its bottom edge.
  for (auto [mode, right, bottom] : {std::tuple{GVL_NONE, kCellColour, kCellColour},
                                     {GVL_HORZ, kCellColour, kLineColour}, {GVL_VERT, kLineColour, kCellColour}}) {
    SCOPED_TRACE(mode);
    grid->SetGridLines(mode);
    grid->Invalidate();
    const winsim::Image picture = ClientPicture(*grid);
    EXPECT_EQ(picture.Pixel(79, 5), right);
    EXPECT_EQ(picture.Pixel(40, 23), bottom);
  }
}

TEST_F(GridDrawTest, DoubleBufferedAndDirectPaintingLookTheSame) {
  CGridCtrl* grid = MakePaintedGrid(4, 3, 90, 22);
  ASSERT_NE(grid, nullptr);
  for (int row = 0; row < 4; ++row) grid->SetItemText(row, 1, L"Edit Poly");
  const winsim::Image buffered = ClientPicture(*grid);
  grid->SetDoubleBuffering(FALSE);
  grid->Invalidate();
  const winsim::Image direct = ClientPicture(*grid);
  EXPECT_EQ(buffered.rgba, direct.rgba);

  // A partial repaint through the buffer draws only its part, in the same place.
  grid->SetDoubleBuffering(TRUE);
  grid->SetItemBkColour(1, 1, RGB(0, 0, 255));
  ASSERT_TRUE(grid->InvalidateCellRect(1, 1));
  const winsim::Image partial = ClientPicture(*grid);
  EXPECT_EQ(partial.Pixel(170, 30), RGB(0, 0, 255));
  EXPECT_EQ(partial.Pixel(10, 30), buffered.Pixel(10, 30));
}

TEST_F(GridDrawTest, APartlyHiddenFirstColumnIsDrawnShiftedLeft) {
  CGridCtrl* grid = MakePaintedGrid(3, 6, 100, 24);
  ASSERT_NE(grid, nullptr);
  grid->SetItemBkColour(0, 1, RGB(0, 128, 0));
  grid->SetScrollPos32(SB_HORZ, 150);
  grid->Invalidate();
  const winsim::Image picture = ClientPicture(*grid);
  winsim::SaveWindowPng(grid->m_hWnd, TestOutputPath("grid_scrolled_by_150.png"));
  EXPECT_EQ(picture.Pixel(10, 5), RGB(0, 128, 0));  // column 1 from -50 to 49
  EXPECT_EQ(picture.Pixel(49, 5), kLineColour);
  EXPECT_EQ(picture.Pixel(60, 5), kCellColour);     // column 2
}

TEST_F(GridDrawTest, PaintingSkipsRowsOutsideTheClipBoxButTheTreeGridDrawsEveryVisibleRow) {
  CGridCtrl* grid = MakePaintedGrid(6, 3, 80, 20);
  ASSERT_NE(grid, nullptr);
  for (int row = 0; row < 6; ++row) {
    for (int col = 0; col < 3; ++col) grid->SetCellType(row, col, RUNTIME_CLASS(DrawRecordingCell));
  }
  winsim::PumpMessages();
  drawCalls.clear();
  ASSERT_TRUE(grid->InvalidateCellRect(3, 1));
  winsim::PumpMessages();
  ASSERT_FALSE(drawCalls.empty());
  for (const DrawCall& call : drawCalls) {
    EXPECT_GE(call.row, 2);
    EXPECT_LE(call.row, 4);
  }
  // Inclusive rectangles: the cell's own pixels, its grid line on the last one.
  bool found = false;
  for (const DrawCall& call : drawCalls) {
    if (call.row == 3 && call.column == 1) {
      EXPECT_EQ(call.rect, CRect(80, 60, 159, 79));
      found = true;
    }
  }
  EXPECT_TRUE(found);
}

TEST_F(GridDrawTest, TreeColumnIsDrawnOnlyForVisibleRows) {
  auto* grid = MakePaintedGrid<CTreeGridCtrl>(0, 0, 80, 20);
  ASSERT_NE(grid, nullptr);
  Fill(*grid, 40, 3);
  for (int row = 0; row < 40; ++row) {
    grid->SetRowHeight(row, 20);
    for (int col = 0; col < 3; ++col) grid->SetCellType(row, col, RUNTIME_CLASS(DrawRecordingCell));
  }
  for (int col = 0; col < 3; ++col) grid->SetColumnWidth(col, 80);
  grid->SetRowHeight(5, 0);  // hidden: never drawn
  grid->SendMessage(WM_VSCROLL, SB_LINEDOWN);
  grid->SendMessage(WM_VSCROLL, SB_LINEDOWN);
  winsim::PumpMessages();
  drawCalls.clear();
  grid->Invalidate();
  winsim::PumpMessages();

  int treeCalls = 0;
  int firstColumnCalls = 0;
  for (const DrawCall& call : drawCalls) {
    EXPECT_NE(call.row, 5);
    EXPECT_GE(call.row, 2);  // rows scrolled away are not drawn, in the tree column neither
    if (call.column == 0) ++firstColumnCalls;
    if (call.column != 1) continue;
    ++treeCalls;
    if (call.row == 2) {
      EXPECT_EQ(call.rect, CRect(80, 0, 159, 19));
    }
  }
  EXPECT_GT(treeCalls, 0);
  EXPECT_EQ(treeCalls, firstColumnCalls);  // the visible rows, once each
}

// A page's refill: drawing off, the tree emptied, refilled, expanded and collapsed; nothing reaches the
// screen until the page switches drawing on again.
TEST_F(GridDrawTest, RefillWithDrawingOffPaintsNothingUntilDrawingIsOn) {
  auto* grid = MakePaintedGrid<CTreeGridCtrl>(0, 0, 80, 20);
  ASSERT_NE(grid, nullptr);
  const COLORREF before = ClientPicture(*grid).Pixel(100, 10);
  ASSERT_EQ(before, kGridColour);

  grid->SetRedraw(FALSE);
  grid->DeleteAllItems(TRUE);
  grid->SetColumnCount(3);
  CTreeNode* category = grid->InsertItem(L"Category");
  ASSERT_NE(grid->InsertItem(L"Case", category), nullptr);
  ASSERT_TRUE(grid->Collapse(category));
  ASSERT_TRUE(grid->Expand(category));
  grid->Invalidate();
  EXPECT_FALSE(grid->IsDrawingAllowed());
  EXPECT_EQ(ClientPicture(*grid).Pixel(100, 10), before);

  grid->SetRedraw(TRUE);
  EXPECT_EQ(ClientPicture(*grid).Pixel(100, 10), kCellColour);
}

TEST_F(GridDrawTest, ScrolledTreeGridDrawsItsTreeColumnInPlace) {
  auto* grid = MakePaintedGrid<CTreeGridCtrl>(0, 0, 80, 20);
  ASSERT_NE(grid, nullptr);
  grid->SetColumnCount(3);
  for (int top = 0; top < 6; ++top) {
    CTreeNode* parent = grid->InsertItem(L"Category");
    for (int child = 0; child < 3; ++child) grid->InsertItem(L"Case", parent);
  }
  grid->SetColumnWidth(0, 30);
  grid->SetColumnWidth(1, 160);
  grid->SetColumnWidth(2, 120);
  for (int row = 0; row < grid->GetRowCount(); ++row) grid->SetRowHeight(row, 22);
  grid->SendMessage(WM_VSCROLL, SB_LINEDOWN);
  grid->SendMessage(WM_VSCROLL, SB_LINEDOWN);
  const winsim::Image picture = ClientPicture(*grid);
  winsim::SaveWindowPng(grid->m_hWnd, TestOutputPath("tree_grid_scrolled_two_rows.png"));

  // Row 4 (a category with children) is the third row on screen: its tree cell shows more than background.
  int marks = 0;
  for (int x = 31; x < 189; ++x) marks += picture.Pixel(x, 2 * 22 + 11) != kCellColour ? 1 : 0;
  EXPECT_GT(marks, 0);
  EXPECT_EQ(picture.Pixel(29, 2 * 22 + 5), kLineColour);  // column 0's right edge
  EXPECT_EQ(picture.Pixel(189, 2 * 22 + 5), kLineColour);  // the tree column's right edge
}

TEST_F(GridDrawTest, CellGeometryAndVisibility) {
  CGridCtrl* grid = MakePaintedGrid(40, 3, 80, 20);
  ASSERT_NE(grid, nullptr);
  CPoint origin;
  ASSERT_TRUE(grid->GetCellOrigin(2, 1, &origin));
  EXPECT_EQ(origin, CPoint(80, 40));
  CRect rect;
  ASSERT_TRUE(grid->GetCellRect(2, 1, &rect));
  EXPECT_EQ(rect, CRect(80, 40, 159, 59));
  EXPECT_TRUE(grid->IsCellVisible(2, 1));
  EXPECT_FALSE(grid->IsCellVisible(39, 1));  // below the window

  grid->SendMessage(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_FALSE(grid->GetCellOrigin(0, 0, &origin));  // scrolled away
  EXPECT_FALSE(grid->IsCellVisible(0, 0));
  ASSERT_TRUE(grid->GetCellRect(1, 0, &rect));
  EXPECT_EQ(rect.top, 0);

  // Out of range and hidden cells have no place to show.
  EXPECT_FALSE(grid->GetCellOrigin(-1, 0, &origin));
  EXPECT_FALSE(grid->GetCellRect(40, 0, &rect));
  EXPECT_FALSE(grid->GetCellRect(1, 0, nullptr));
  grid->SetRowHeight(3, 0);
  EXPECT_FALSE(grid->IsCellVisible(3, 0));
  EXPECT_FALSE(grid->InvalidateCellRect(3, 0));
}

TEST_F(GridDrawTest, RedrawCellInvalidatesOrWithWholeColumnScrollingDrawsAtOnce) {
  CGridCtrl* grid = MakePaintedGrid(40, 3, 80, 20);
  ASSERT_NE(grid, nullptr);
  winsim::PumpMessages();
  CRect update;
  ASSERT_TRUE(grid->RedrawCell(1, 1));
  ASSERT_TRUE(::GetUpdateRect(grid->m_hWnd, &update, FALSE));
  EXPECT_EQ(update, CRect(79, 19, 160, 40));  // the cell's inclusive rectangle grown by a pixel
  winsim::PumpMessages();
  EXPECT_FALSE(grid->RedrawCell(39, 1));  // not visible
  EXPECT_FALSE(::GetUpdateRect(grid->m_hWnd, &update, FALSE));

  ASSERT_TRUE(grid->InvalidateCellRect(1, 1));
  ASSERT_TRUE(::GetUpdateRect(grid->m_hWnd, &update, FALSE));
  EXPECT_EQ(update, CRect(80, 20, 160, 40));
  winsim::PumpMessages();

  // Whole-column scrolling: drawn on the window at once, nothing left to paint.
  grid->m_nBarState |= kWholeColumnScrolling;
  grid->SetItemBkColour(1, 1, RGB(0, 0, 200));
  ASSERT_TRUE(grid->RedrawCell(1, 1));
  EXPECT_FALSE(::GetUpdateRect(grid->m_hWnd, &update, FALSE));
  const winsim::Image picture = ClientPicture(*grid);
  EXPECT_EQ(picture.Pixel(100, 30), RGB(0, 0, 200));
  EXPECT_EQ(picture.Pixel(159, 30), kLineColour);
  EXPECT_EQ(picture.Pixel(100, 39), kLineColour);

  grid->SetRedraw(FALSE);
  EXPECT_FALSE(grid->RedrawCell(1, 1));
  EXPECT_FALSE(grid->InvalidateCellRect(1, 1));
}

TEST_F(GridDrawTest, NothingIsPaintedWhileDrawingIsOff) {
  CGridCtrl* grid = MakePaintedGrid(3, 3, 80, 20);
  ASSERT_NE(grid, nullptr);
  for (int col = 0; col < 3; ++col) grid->SetCellType(0, col, RUNTIME_CLASS(DrawRecordingCell));
  winsim::PumpMessages();
  drawCalls.clear();
  grid->SetRedraw(FALSE);
  grid->RedrawWindow();
  EXPECT_TRUE(drawCalls.empty());
  // Erasing is left to the paint.
  CClientDC dc(grid);
  EXPECT_TRUE(grid->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc())));
}

TEST_F(GridDrawTest, FontGoesToTheDefaultCellsAndComesBack) {
  CGridCtrl* grid = MakePaintedGrid(2, 2, 80, 20);
  ASSERT_NE(grid, nullptr);
  CFont font;
  LOGFONTW logFont{};
  logFont.lfHeight = -20;
  wcscpy(logFont.lfFaceName, L"DejaVu Sans");
  ASSERT_TRUE(font.CreateFontIndirect(&logFont));
  grid->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
  for (auto [fixedRow, fixedCol] : {std::pair{FALSE, FALSE}, {TRUE, FALSE}, {FALSE, TRUE}, {TRUE, TRUE}}) {
    const LOGFONTW* cellFont = grid->GetDefaultCell(fixedRow, fixedCol)->GetFont();
    ASSERT_NE(cellFont, nullptr);
    EXPECT_EQ(cellFont->lfHeight, -20);
  }
  const auto answered = reinterpret_cast<HGDIOBJ>(grid->SendMessage(WM_GETFONT));
  ASSERT_NE(answered, nullptr);
  LOGFONTW back{};
  ASSERT_EQ(::GetObjectW(answered, sizeof(back), &back), static_cast<int>(sizeof(back)));
  EXPECT_EQ(back.lfHeight, -20);

  // A missing font changes nothing.
  grid->SendMessage(WM_SETFONT, 0, TRUE);
  EXPECT_EQ(grid->GetDefaultCell(FALSE, FALSE)->GetFont()->lfHeight, -20);
}

TEST_F(GridDrawTest, SystemColourChangeKeepsThePagesOwnColours) {
  CGridCtrl* grid = MakeGrid();
  ASSERT_NE(grid, nullptr);
  grid->GetDefaultCell(TRUE, FALSE)->SetBackClr(RGB(1, 2, 3));
  grid->SendMessage(WM_SYSCOLORCHANGE);
  EXPECT_EQ(grid->GetDefaultCell(FALSE, FALSE)->GetBackClr(), ::GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(grid->GetDefaultCell(FALSE, FALSE)->GetTextClr(), ::GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(grid->GetDefaultCell(TRUE, FALSE)->GetBackClr(), RGB(1, 2, 3));
  EXPECT_EQ(grid->GetGridBkColor(), ::GetSysColor(COLOR_3DSHADOW));
  grid->SetGridBkColor(RGB(9, 9, 9));
  grid->SendMessage(WM_SYSCOLORCHANGE);
  EXPECT_EQ(grid->GetGridBkColor(), RGB(9, 9, 9));
}

}  // namespace
}  // namespace Talvo::testing
