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

TEST_F(GridCellTest, ACellFollowsItsDefaultCellUntilCopiedAndAnOwnFontIsItsOwn) {
  CGridCtrl grid;
  CGridCell loose;
  loose.SetGrid(&grid);
  CGridCell copy;
  copy = loose;  // the copy holds the resolved values as its own
  grid.GetDefaultCell(FALSE, FALSE)->SetMargin(17);
  EXPECT_EQ(loose.GetMargin(), 17U);
  EXPECT_NE(copy.GetMargin(), 17U);

  LOGFONTW font = *loose.GetFont();
  font.lfHeight = -30;
  loose.SetFont(&font);
  EXPECT_FALSE(loose.IsDefaultFont());
  EXPECT_NE(loose.GetFontObject(), grid.GetDefaultCell(FALSE, FALSE)->GetFontObject());
  loose.SetFont(nullptr);
  EXPECT_TRUE(loose.IsDefaultFont());
}

TEST_F(GridCellTest, MeasuringNullTextGivesTheDefaultSize) {
  CGridCtrl* grid = MakeGrid();
  Fill(*grid, 1, 1);
  const auto* normal = static_cast<CGridDefaultCell*>(grid->GetDefaultCell(FALSE, FALSE));
  CClientDC dc(grid);
  EXPECT_EQ(grid->GetCell(0, 0)->GetTextExtent(nullptr, &dc), CSize(normal->GetWidth(), normal->GetHeight()));
}

TEST_F(GridCellTest, DrawingFillsTheOwnBackgroundAlwaysAndTheDefaultOnlyWhenErasing) {
  CGridCtrl grid;
  Fill(grid, 1, 2);
  CGridCellBase* plain = grid.GetCell(0, 0);
  CGridCellBase* coloured = grid.GetCell(0, 1);
  coloured->SetBackClr(RGB(200, 10, 10));
  CellCanvas canvas(100, 40, kPaper);
  EXPECT_TRUE(plain->Draw(&canvas.dc, 0, 0, CRect(0, 0, 40, 20), FALSE));
  EXPECT_EQ(canvas.dc.GetPixel(5, 5), kPaper);
  EXPECT_TRUE(plain->Draw(&canvas.dc, 0, 0, CRect(0, 0, 40, 20), TRUE));
  EXPECT_EQ(canvas.dc.GetPixel(40, 20),
            grid.GetDefaultCell(FALSE, FALSE)->GetBackClr());  // rectangles include their ends
  EXPECT_TRUE(coloured->Draw(&canvas.dc, 0, 1, CRect(50, 0, 90, 20), FALSE));
  EXPECT_EQ(canvas.dc.GetPixel(55, 5), RGB(200, 10, 10));
  EXPECT_FALSE(plain->Draw(&canvas.dc, 0, 0, CRect(10, 0, 10, 20)));  // an empty rectangle draws nothing
}

TEST_F(GridCellTest, GroupShadingDarkensTheRowAboveAHiddenRowOnFunctionEditorPages) {
  UsePage<FunctionEditorTab>();
  CGridCtrl* grid = MakeGrid();
  Fill(*grid, 3, 3);
  grid->SetRowHeight(1, 0);
  grid->SetItemBkColour(0, 2, RGB(200, 100, 40));
  CellCanvas canvas(100, 40, kPaper);
  CRect rect(0, 0, 60, 20);
  EXPECT_FALSE(grid->GetCell(0, 1)->DrawGroupShading(&canvas.dc, 0, 1, &rect));  // columns 0 and 1: nothing
  // Column 2 above the hidden row: a band over the top fifth, from 3/4 of the colour towards it.
  EXPECT_TRUE(grid->GetCell(0, 2)->DrawGroupShading(&canvas.dc, 0, 2, &rect));
  EXPECT_EQ(canvas.dc.GetPixel(10, 0), RGB(150, 75, 30));
  EXPECT_EQ(canvas.dc.GetPixel(10, 4), kPaper);
  EXPECT_EQ(canvas.dc.GetPixel(10, 20), ::GetSysColor(COLOR_3DDKSHADOW));  // the bottom line

  // A cell without a colour of its own shades from its default cell's colour, not from black.
  grid->GetDefaultCell(FALSE, FALSE)->SetBackClr(RGB(40, 80, 120));
  CRect plainRect(0, 0, 60, 20);
  EXPECT_TRUE(grid->GetCell(0, 1)->DrawGroupShading(&canvas.dc, 0, 2, &plainRect));
  EXPECT_EQ(canvas.dc.GetPixel(10, 0), RGB(30, 60, 90));

  UsePage<OptionsEditorTab>();  // on any other page nothing is drawn
  CGridCtrl* other = MakeGrid();
  Fill(*other, 3, 3);
  other->SetRowHeight(1, 0);
  EXPECT_FALSE(other->GetCell(0, 2)->DrawGroupShading(&canvas.dc, 0, 2, &plainRect));
}

TEST_F(GridCellTest, ACellDeletesTheEditorWindowItOwns) {
  CGridCtrl* grid = MakeGrid();
  auto* editor = new CWnd;
  ASSERT_TRUE(editor->Create(AfxRegisterWndClass(0), L"", WS_CHILD, CRect(0, 0, 10, 10), grid, 9));
  const HWND editorWindow = editor->m_hWnd;
  {
    EditorOwningCell cell;
    cell.Give(editor);
  }
  EXPECT_FALSE(::IsWindow(editorWindow));
}

}  // namespace
}  // namespace Talvo::testing
