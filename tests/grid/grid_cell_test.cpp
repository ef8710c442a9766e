// The standard and default cells: what they take from the default cell, copying, measuring, drawing and
// the group shading of function-editor grids.
#include "grid/grid_cell.h"

#include "grid_fixture.h"

namespace Talvo::testing {
namespace {

// A paper colour no cell draws, to see where a cell leaves the canvas alone.
constexpr COLORREF kPaper = RGB(1, 2, 3);

// A cell that owns an editor window, as the editor cells do.
class EditorOwningCell : public CGridCell {
 public:
  void Give(CWnd* editor) { SetEditWnd(editor); }
};

using GridCellTest = GridTest;

TEST_F(GridCellTest, ACellTakesFormatMarginAndFontFromItsDefaultCellUntilCopied) {
  CGridCtrl grid;
  Fill(grid, 1, 1);
  auto* cell = static_cast<CGridCell*>(grid.GetCell(0, 0));
  const auto* normal = static_cast<CGridDefaultCell*>(grid.GetDefaultCell(FALSE, FALSE));
  EXPECT_EQ(cell->GetFormat(), static_cast<DWORD>(DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS));
  EXPECT_EQ(normal->GetFormat(), 0x8824U);
  EXPECT_EQ(cell->GetMargin(), normal->GetMargin());
  EXPECT_GT(cell->GetMargin(), 0U);
  EXPECT_TRUE(cell->IsDefaultFont());
  EXPECT_EQ(cell->GetFont(), normal->GetFont());
  EXPECT_EQ(cell->GetFontObject(), normal->GetFontObject());
  EXPECT_EQ(cell->GetTextClr(), CLR_DEFAULT);

  // A cell left at the defaults follows its default cell; after an assignment the copy holds the resolved
  // values as its own. (The grid gives the cells it makes the format of the time, so they keep it.)
  CGridCell loose;
  loose.SetGrid(&grid);
  CGridCell copy;
  copy = loose;
  EXPECT_EQ(copy.GetGrid(), &grid);
  grid.GetDefaultCell(FALSE, FALSE)->SetFormat(DT_RIGHT);
  grid.GetDefaultCell(FALSE, FALSE)->SetMargin(17);
  EXPECT_EQ(loose.GetFormat(), static_cast<DWORD>(DT_RIGHT));
  EXPECT_EQ(loose.GetMargin(), 17U);
  EXPECT_EQ(cell->GetFormat(), 0x8824U);
  EXPECT_EQ(cell->GetMargin(), 17U);
  EXPECT_EQ(copy.GetFormat(), 0x8824U);
  EXPECT_NE(copy.GetMargin(), 17U);

  // An own font gives the cell a font object of its own.
  LOGFONTW font = *normal->GetFont();
  font.lfHeight = -30;
  cell->SetFont(&font);
  EXPECT_FALSE(cell->IsDefaultFont());
  EXPECT_NE(cell->GetFontObject(), normal->GetFontObject());
  cell->SetFont(nullptr);
  EXPECT_TRUE(cell->IsDefaultFont());
}

TEST_F(GridCellTest, MeasuringNullTextGivesTheDefaultSizeAndWordBreakMeasuresTheWidestLine) {
  CGridCtrl* grid = MakeGrid();
  ASSERT_NE(grid, nullptr);
  Fill(*grid, 1, 1);
  CGridCellBase* cell = grid->GetCell(0, 0);
  const auto* normal = static_cast<CGridDefaultCell*>(grid->GetDefaultCell(FALSE, FALSE));
  CClientDC dc(grid);
  EXPECT_EQ(cell->GetTextExtent(nullptr, &dc), CSize(normal->GetWidth(), normal->GetHeight()));
  EXPECT_EQ(cell->GetTextExtent(nullptr), CSize(normal->GetWidth(), normal->GetHeight()));

  const int margin = static_cast<int>(cell->GetMargin());
  dc.SelectObject(normal->GetFontObject());
  const CSize longLine = dc.GetTextExtent(std::wstring(L"a much longer line"));
  const CSize oneLine = dc.GetTextExtent(std::wstring(L"short"));
  cell->SetFormat(DT_LEFT | DT_WORDBREAK);
  const CSize wrapped = cell->GetTextExtent(L"short\na much longer line", &dc);
  EXPECT_GE(wrapped.cx, longLine.cx + 2 * margin);
  EXPECT_LE(wrapped.cx, longLine.cx + 2 * margin + 1);
  EXPECT_GE(wrapped.cy, 2 * oneLine.cy + 2 * margin);  // two lines

  // Without an image the cell's extent is its text's.
  cell->SetText(L"short\na much longer line");
  EXPECT_EQ(cell->GetCellExtent(&dc), wrapped);
}

TEST_F(GridCellTest, DrawingFillsTheOwnBackgroundAlwaysAndTheDefaultOnlyWhenErasing) {
  CGridCtrl grid;
  Fill(grid, 1, 2);
  CGridCellBase* plain = grid.GetCell(0, 0);
  CGridCellBase* coloured = grid.GetCell(0, 1);
  coloured->SetBackClr(RGB(200, 10, 10));
  const COLORREF window = grid.GetDefaultCell(FALSE, FALSE)->GetBackClr();

  CellCanvas canvas(100, 40, kPaper);
  EXPECT_TRUE(plain->Draw(&canvas.dc, 0, 0, CRect(0, 0, 40, 20), FALSE));
  EXPECT_EQ(canvas.dc.GetPixel(5, 5), kPaper);
  EXPECT_TRUE(plain->Draw(&canvas.dc, 0, 0, CRect(0, 0, 40, 20), TRUE));
  EXPECT_EQ(canvas.dc.GetPixel(5, 5), window);
  EXPECT_EQ(canvas.dc.GetPixel(40, 20), window);  // one pixel right and below
  EXPECT_TRUE(coloured->Draw(&canvas.dc, 0, 1, CRect(50, 0, 90, 20), FALSE));
  EXPECT_EQ(canvas.dc.GetPixel(55, 5), RGB(200, 10, 10));

  // No drawing without a DC, for an empty rectangle or without a grid.
  EXPECT_FALSE(plain->Draw(nullptr, 0, 0, CRect(0, 0, 40, 20)));
  EXPECT_FALSE(plain->Draw(&canvas.dc, 0, 0, CRect(10, 0, 10, 20)));
  CGridCell loose;
  EXPECT_FALSE(loose.Draw(&canvas.dc, 0, 0, CRect(0, 0, 40, 20)));
}

TEST_F(GridCellTest, GroupShadingDarkensTheRowAboveAHiddenRowOnFunctionEditorPages) {
  auto page = std::make_unique<FunctionEditorTab>();
  ASSERT_TRUE(page->Make(500, 300));
  CGridCtrl grid;
  ASSERT_TRUE(grid.Create(CRect(0, 0, 400, 200), page.get(), 5));
  Fill(grid, 3, 3);
  grid.SetRowHeight(1, 0);
  for (int col = 0; col < 3; ++col) grid.SetItemBkColour(0, col, RGB(200, 100, 40));

  CellCanvas canvas(100, 40, kPaper);
  CRect rect(0, 0, 60, 20);
  // Columns 0 and 1 get no line and no band.
  EXPECT_FALSE(grid.GetCell(0, 1)->DrawGroupShading(&canvas.dc, 0, 1, &rect));
  EXPECT_EQ(canvas.dc.GetPixel(10, 0), kPaper);
  // Column 2 above the hidden row: a band over the top fifth, from 3/4 of the colour towards it.
  EXPECT_TRUE(grid.GetCell(0, 2)->DrawGroupShading(&canvas.dc, 0, 2, &rect));
  EXPECT_EQ(canvas.dc.GetPixel(10, 0), RGB(150, 75, 30));
  EXPECT_EQ(canvas.dc.GetPixel(10, 3), RGB(150 + 3 * 50 / 4, 75 + 3 * 25 / 4, 30 + 3 * 10 / 4));
  EXPECT_EQ(canvas.dc.GetPixel(10, 4), kPaper);
  EXPECT_EQ(canvas.dc.GetPixel(10, 20), ::GetSysColor(COLOR_3DDKSHADOW));  // the bottom line
  EXPECT_EQ(rect, CRect(1, 1, 59, 19));

  // A cell without a colour of its own shades from its default cell's colour, not from black.
  grid.SetItemBkColour(0, 1, CLR_DEFAULT);
  grid.GetDefaultCell(FALSE, FALSE)->SetBackClr(RGB(40, 80, 120));
  CellCanvas plainBand(100, 40, kPaper);
  CRect plainRect(0, 0, 60, 20);
  EXPECT_TRUE(grid.GetCell(0, 1)->DrawGroupShading(&plainBand.dc, 0, 2, &plainRect));
  EXPECT_EQ(plainBand.dc.GetPixel(10, 0), RGB(30, 60, 90));

  // A cell lower than 5 pixels gets no band, a row above a shown row neither.
  CellCanvas low(100, 40, kPaper);
  CRect lowRect(0, 0, 60, 4);
  EXPECT_TRUE(grid.GetCell(0, 2)->DrawGroupShading(&low.dc, 0, 2, &lowRect));
  EXPECT_EQ(low.dc.GetPixel(10, 0), kPaper);
  CRect lastRect(0, 0, 60, 20);
  EXPECT_TRUE(grid.GetCell(2, 2)->DrawGroupShading(&low.dc, 2, 2, &lastRect));
  EXPECT_EQ(low.dc.GetPixel(10, 0), kPaper);

  // On any other page nothing is drawn.
  CGridCtrl* plainGrid = MakeGrid();
  Fill(*plainGrid, 3, 3);
  plainGrid->SetRowHeight(1, 0);
  CRect otherRect(0, 0, 60, 20);
  EXPECT_FALSE(plainGrid->GetCell(0, 2)->DrawGroupShading(&low.dc, 0, 2, &otherRect));
  grid.DestroyWindow();
}

TEST_F(GridCellTest, ACellDeletesTheEditorWindowItOwns) {
  CGridCtrl* grid = MakeGrid();
  ASSERT_NE(grid, nullptr);
  auto* editor = new CWnd;
  ASSERT_TRUE(editor->Create(AfxRegisterWndClass(0), L"", WS_CHILD, CRect(0, 0, 10, 10), grid, 9));
  const HWND editorWindow = editor->m_hWnd;
  {
    EditorOwningCell cell;
    cell.Give(editor);
    EXPECT_EQ(cell.GetEditWnd(), editor);
  }
  EXPECT_FALSE(::IsWindow(editorWindow));

  // The grid's delete-all can delete the editors of its cells first.
  Fill(*grid, 1, 1);
  auto* owning = new EditorOwningCell;
  auto* second = new CWnd;
  ASSERT_TRUE(second->Create(AfxRegisterWndClass(0), L"", WS_CHILD, CRect(0, 0, 10, 10), grid, 9));
  const HWND secondWindow = second->m_hWnd;
  owning->Give(second);
  delete grid->GetCell(0, 0);
  grid->SetCell(0, 0, owning);
  grid->DeleteAllItems(TRUE);
  EXPECT_FALSE(::IsWindow(secondWindow));
}

}  // namespace
}  // namespace Talvo::testing
