// The editor cells: a drop-down, a text field and a spin field that live on their cells, follow them as the
// grid re-places them, hide out of view and carry script buttons.
#include "grid/grid_cell_editors.h"

#include <cmath>

#include "grid_cell_editors_fixture.h"

namespace Talvo::testing {
namespace {

using GridCellEditorsTest = EditorGridTest;

TEST_F(GridCellEditorsTest, EditorsNeedAVisibleCellThatTheGridHolds) {
  CGridCtrl* grid = MakeSizedGrid(40, 3);
  auto* below = MakeCell<GridCellEdit>(*grid, 30, 1);  // far below the client area
  EXPECT_EQ(below->CreateEditor(), nullptr);
  GridCellDropDown stray;  // a cell the grid does not hold at its coordinates
  stray.SetGrid(grid);
  stray.SetCoords(50, 0);
  EXPECT_EQ(stray.CreateEditor(), nullptr);
}

TEST_F(GridCellEditorsTest, ADropDownListsItsOptionsOnTheCellAndFollowsIt) {
  CGridCtrl* grid = MakeSizedGrid(8, 3);
  auto* cell = MakeCell<GridCellDropDown>(*grid, 2, 1);
  cell->SetOptions({L"Alpha", L"Beta", L"Gamma"});
  cell->SetText(L"Beta");
  grid->PlaceCellEditors();  // the first placing creates the editor
  CellDropDown* editor = cell->GetDropDown();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->GetCount(), 3);
  EXPECT_EQ(editor->GetSelectedText(), L"Beta");
  const int top = RectInParent(*editor).top;

  // Taller rows above push the cell out of view: editor hidden, rectangles zeroed; back, it follows.
  grid->SetRowHeight(0, 1000);
  grid->PlaceCellEditors();
  EXPECT_FALSE(IsShown(*editor));
  EXPECT_TRUE(cell->GetVisibleRect().IsRectNull());
  grid->SetRowHeight(0, 60);
  grid->PlaceCellEditors();
  EXPECT_EQ(RectInParent(*editor).top, top + 30);

  cell->enabled = 0;  // disabled cells get disabled editors
  cell->CreateEditor();
  EXPECT_FALSE(cell->GetDropDown()->IsWindowEnabled());
}

TEST_F(GridCellEditorsTest, AScriptDropDownListsTheScriptsWithFiveButtonsBesideIt) {
  std::wstring greetId;
  GetTalvo().GetCustomScripts()->AddScript(L"Greet", L"print 1", greetId);
  RefreshScriptNames();
  CGridCtrl* grid = MakeSizedGrid(8, 3);
  grid->SetColumnWidth(1, 260);
  auto* cell = MakeCell<GridCellDropDown>(*grid, 1, 1);
  cell->listKind = kScriptListKind;
  cell->scriptId = greetId;
  grid->PlaceCellEditors();
  CellDropDown* editor = cell->GetDropDown();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->GetSelectedText(), L"Greet");

  const int modes[] = {kIconButtonScriptEdit, kIconButtonScriptOpen, kIconButtonScriptCopy, kIconButtonScriptPaste,
                       kIconButtonScriptDelete};
  ASSERT_EQ(cell->GetButtons().size(), 5U);
  for (int i = 0; i < 5; ++i) {
    const IconButton& button = *cell->GetButtons()[static_cast<size_t>(i)];
    EXPECT_EQ(button.mode, modes[i]);
    EXPECT_EQ(CCellID(button.row, button.column), CCellID(1, 1));
    EXPECT_EQ(button.value, editor);
    EXPECT_LT(RectInParent(button).right, RectInParent(*editor).left);
  }
  grid->SetRowHeight(0, 1000);  // out of view the buttons hide with the editor
  grid->PlaceCellEditors();
  for (const auto& button : cell->GetButtons()) EXPECT_FALSE(IsShown(*button));
}

TEST_F(GridCellEditorsTest, AScriptMissingFromTheListShowsNotSelectedAndASyncFollowsTheList) {
  CGridCtrl* grid = MakeSizedGrid(8, 3);
  auto* cell = MakeCell<GridCellDropDown>(*grid, 1, 2);
  auto* plain = MakeCell<GridCellDropDown>(*grid, 2, 2);
  cell->listKind = kScriptListKind;
  cell->scriptId = L"0123456789abcdef0123456789abcdef";
  plain->SetOptions({L"One"});
  ASSERT_NE(cell->CreateEditor(), nullptr);
  ASSERT_NE(plain->CreateEditor(), nullptr);
  EXPECT_EQ(cell->GetDropDown()->GetSelectedText(), L"Not Selected");

  // A script added elsewhere reaches the list on its editor's re-synchronisation; the plain list stays.
  std::wstring id;
  GetTalvo().GetCustomScripts()->AddScript(L"Later", L"print 2", id);
  RefreshScriptNames();
  cell->scriptId = id;
  grid->SyncDropDownEditors();
  EXPECT_EQ(cell->GetDropDown()->GetSelectedText(), L"Later");
  EXPECT_EQ(plain->GetDropDown()->GetCount(), 1);
}

TEST_F(GridCellEditorsTest, ATextCellHandsItsTextToAnEditorThatPlacingNeverCreates) {
  UsePage<FunctionEditorTab>();
  CGridCtrl* grid = MakeSizedGrid(8, 3);
  auto* cell = MakeCell<GridCellEdit>(*grid, 2, 2);
  cell->SetText(L"print 1");
  grid->PlaceCellEditors();
  EXPECT_EQ(cell->GetEditWnd(), nullptr);
  ASSERT_NE(cell->CreateEditor(), nullptr);
  EXPECT_EQ(cell->GetEditor()->GetWindowText(), L"print 1");
  grid->PlaceCellEditors();
  EXPECT_EQ(LOWORD(cell->GetEditor()->SendMessage(EM_GETMARGINS)), 4);  // a small gap in a function editor
}

TEST_F(GridCellEditorsTest, ASpinCellTakesItsRangeFromThePage) {
  // Under the options page a stored value outside 50..1000 becomes 300.
  UsePage<OptionsEditorTab>();
  CGridCtrl* options = MakeSizedGrid(4, 2);
  auto* threshold = MakeCell<GridCellSpinEdit>(*options, 1, 1);
  threshold->value = 20;
  ASSERT_NE(threshold->CreateEditor(), nullptr);
  EXPECT_EQ(threshold->GetSpinEdit()->GetIntValue(), 300);

  // Elsewhere the value is handed on as it is.
  UsePage<FunctionEditorTab>();
  CGridCtrl* other = MakeSizedGrid(4, 2);
  auto* plain = MakeCell<GridCellSpinEdit>(*other, 1, 1);
  plain->value = 20;
  ASSERT_NE(plain->CreateEditor(), nullptr);
  EXPECT_EQ(plain->value, 20);

  // Float editors show their value clamped into 50..1000 and leave the stored value alone; a broken stored
  // value shows the minimum.
  auto* factor = MakeCell<GridCellSpinEdit>(*other, 2, 1);
  factor->floatValue = 2000.0F;
  ASSERT_NE(factor->CreateFloatEditor(2), nullptr);
  EXPECT_FLOAT_EQ(factor->floatValue, 2000.0F);
  EXPECT_FLOAT_EQ(factor->GetSpinEdit()->GetFloatValue(), 1000.0F);
  auto* broken = MakeCell<GridCellSpinEdit>(*other, 3, 1);
  broken->floatValue = std::nanf("");
  ASSERT_NE(broken->CreateFloatEditor(1), nullptr);
  EXPECT_TRUE(std::isnan(broken->floatValue));
  EXPECT_FLOAT_EQ(broken->GetSpinEdit()->GetFloatValue(), 50.0F);
}

TEST_F(GridCellEditorsTest, ATextCellWithButtonsKeepsThemInsideAndGetsThemAgainAfterItsEditorIsDestroyed) {
  UsePage<FunctionEditorTab>();
  CGridCtrl* grid = MakeSizedGrid(8, 3);
  grid->SetColumnWidth(2, 200);
  auto* cell = MakeCell<GridCellEdit>(*grid, 1, 2);
  cell->withButtons = 1;
  ASSERT_NE(cell->CreateEditor(), nullptr);
  grid->PlaceCellEditors();
  EXPECT_EQ(LOWORD(cell->GetEditor()->SendMessage(EM_GETMARGINS)), 80);  // clear of the buttons
  ASSERT_EQ(cell->GetButtons().size(), 4U);
  EXPECT_EQ(cell->GetButtons()[0]->GetParent(), cell->GetEditor());
  const HWND buttonWindow = cell->GetButtons()[0]->m_hWnd;
  cell->DestroyEditor();
  EXPECT_FALSE(::IsWindow(buttonWindow));
  ASSERT_NE(cell->CreateEditor(), nullptr);
  EXPECT_EQ(cell->GetButtons().size(), 4U);
}

TEST_F(GridCellEditorsTest, EditorCellsDrawNoTextButPlaceholdersAndBands) {
  CGridCtrl* grid = MakeSizedGrid(4, 3);
  grid->SetGridBkColor(RGB(10, 200, 30));
  grid->GetDefaultCell(FALSE, FALSE)->SetBackClr(RGB(255, 255, 255));
  auto* edit = MakeCell<GridCellEdit>(*grid, 0, 0);
  auto* spin = MakeCell<GridCellSpinEdit>(*grid, 0, 1);
  auto* dropDown = MakeCell<GridCellDropDown>(*grid, 0, 2);
  dropDown->SetText(L"WWWWWWWW");
  CellCanvas canvas(300, 40);
  ASSERT_TRUE(edit->Draw(&canvas.dc, 0, 0, CRect(0, 0, 99, 29)));
  EXPECT_EQ(canvas.dc.GetPixel(50, 15), RGB(200, 200, 200));  // no editor yet: the grey placeholder
  ASSERT_TRUE(spin->Draw(&canvas.dc, 0, 1, CRect(100, 0, 199, 29)));
  EXPECT_EQ(canvas.dc.GetPixel(150, 15), RGB(10, 200, 30));  // the band under the spin editor
  EXPECT_EQ(canvas.dc.GetPixel(150, 2), RGB(255, 255, 255));
  ASSERT_TRUE(dropDown->Draw(&canvas.dc, 0, 2, CRect(200, 0, 299, 29)));
  int ink = 0;
  for (int x = 200; x < 300; ++x) ink += canvas.dc.GetPixel(x, 15) != RGB(255, 255, 255) ? 1 : 0;
  EXPECT_EQ(ink, 0);
}

TEST_F(GridCellEditorsTest, RecreatingKeepsOneSetOfButtonsAndDeletingEverythingRemovesTheWindows) {
  CGridCtrl* grid = MakeSizedGrid(4, 3);
  auto* dropDown = MakeCell<GridCellDropDown>(*grid, 1, 1);
  dropDown->listKind = kScriptListKind;
  auto* spin = MakeCell<GridCellSpinEdit>(*grid, 3, 1);
  ASSERT_NE(dropDown->CreateEditor(), nullptr);
  ASSERT_NE(spin->CreateEditor(), nullptr);
  const HWND windows[] = {dropDown->GetEditWnd()->m_hWnd, dropDown->GetButtons()[4]->m_hWnd,
                          spin->GetEditWnd()->m_hWnd};
  ASSERT_NE(dropDown->CreateEditor(), nullptr);
  EXPECT_EQ(dropDown->GetButtons().size(), 5U);
  EXPECT_EQ(dropDown->GetButtons()[0]->value, dropDown->GetEditWnd());

  grid->DeleteAllItems(TRUE);
  for (HWND window : windows) EXPECT_FALSE(::IsWindow(window));
}

}  // namespace
}  // namespace Talvo::testing
