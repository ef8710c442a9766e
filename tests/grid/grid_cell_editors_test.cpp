// The editor cells: a drop-down, a text field and a spin field that live on their cells, follow them as the
// grid re-places them, hide out of view, carry script buttons and hand the page its tags.
#include "grid/grid_cell_editors.h"

#include <cmath>

#include "grid_cell_editors_fixture.h"

namespace Talvo::testing {
namespace {

using GridCellEditorsTest = EditorGridTest;

TEST_F(GridCellEditorsTest, ExtentsMakeRoomForAScrollBar) {
  const CSize extent = EditorCellExtent(CSize(40, 2));
  EXPECT_EQ(extent.cx, 40 + ::GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(extent.cy, ::GetSystemMetrics(SM_CYHSCROLL));
  EXPECT_EQ(EditorCellExtent(CSize(1, 90)).cy, 90);
}

TEST_F(GridCellEditorsTest, EditorsNeedAGridAVisibleCellAndAPlaceInsideTheGrid) {
  GridCellDropDown looseDropDown;
  GridCellEdit looseEdit;
  GridCellSpinEdit looseSpin;
  EXPECT_EQ(looseDropDown.CreateEditor(), nullptr);
  EXPECT_EQ(looseEdit.CreateEditor(), nullptr);
  EXPECT_EQ(looseSpin.CreateEditor(), nullptr);
  EXPECT_EQ(looseSpin.CreateFloatEditor(2), nullptr);
  looseDropDown.PlaceEditor();
  looseEdit.PlaceEditor();
  EXPECT_EQ(looseDropDown.GetEditWnd(), nullptr);
  EXPECT_EQ(looseDropDown.scriptId, L"Not Selected");

  CGridCtrl* grid = MakeSizedGrid(40, 3);
  ASSERT_NE(grid, nullptr);
  auto* below = MakeCell<GridCellEdit>(*grid, 30, 1);  // far below the client area
  ASSERT_NE(below, nullptr);
  EXPECT_EQ(below->CreateEditor(), nullptr);
  // A cell the grid no longer holds at its coordinates is refused.
  GridCellDropDown stray;
  stray.SetGrid(grid);
  stray.SetCoords(50, 0);
  EXPECT_EQ(stray.CreateEditor(), nullptr);
}

TEST_F(GridCellEditorsTest, ADropDownListsItsOptionsOnTheCellAndFollowsIt) {
  CGridCtrl* grid = MakeSizedGrid(8, 3);
  ASSERT_NE(grid, nullptr);
  auto* cell = MakeCell<GridCellDropDown>(*grid, 2, 1);
  ASSERT_NE(cell, nullptr);
  cell->SetOptions({L"Alpha", L"Beta", L"Gamma"});
  cell->SetText(L"Beta");
  grid->PlaceCellEditors();  // the first placing creates the editor

  CellDropDown* editor = cell->GetDropDown();
  ASSERT_NE(editor, nullptr);
  ASSERT_TRUE(::IsWindow(editor->m_hWnd));
  EXPECT_EQ(editor->GetParent(), grid);
  EXPECT_EQ(static_cast<UINT>(::GetWindowLongPtrW(editor->m_hWnd, GWLP_ID)), EditorControlId(2, 1));
  EXPECT_EQ(editor->GetCount(), 3);
  EXPECT_EQ(editor->GetSelectedText(), L"Beta");
  EXPECT_EQ(editor->GetCell(), cell);
  EXPECT_TRUE(cell->GetButtons().empty());
  EXPECT_FALSE(cell->scriptListMode);

  CRect cellRect;
  ASSERT_TRUE(grid->GetCellRect(2, 1, &cellRect));
  EXPECT_EQ(cell->GetCellRect(), cellRect);
  const CRect placed = RectInParent(*editor);
  EXPECT_EQ(placed.left, cellRect.left);
  EXPECT_EQ(placed.top, cellRect.top + 3);
  EXPECT_EQ(placed.Width(), cellRect.Width());

  // Taller rows above push the cell out of view: editor hidden, rectangles zeroed; back, it follows.
  grid->SetRowHeight(0, 1000);
  grid->PlaceCellEditors();
  EXPECT_FALSE(IsShown(*editor));
  EXPECT_TRUE(cell->GetCellRect().IsRectNull());
  EXPECT_TRUE(cell->GetVisibleRect().IsRectNull());
  grid->SetRowHeight(0, 60);
  grid->PlaceCellEditors();
  EXPECT_TRUE(IsShown(*editor));
  EXPECT_EQ(cell->GetDropDown(), editor);  // the same editor shows again
  EXPECT_EQ(RectInParent(*editor).top, 60 + 30 + 3);

  // Disabled cells get disabled editors.
  cell->enabled = 0;
  cell->CreateEditor();
  EXPECT_FALSE(cell->GetDropDown()->IsWindowEnabled());
}

TEST_F(GridCellEditorsTest, AScriptDropDownListsTheScriptsWithFiveButtonsBesideIt) {
  std::wstring greetId;
  GetTalvo().GetCustomScripts()->AddScript(L"Greet", L"print 1", greetId);
  RefreshScriptNames();
  CGridCtrl* grid = MakeSizedGrid(8, 3);
  ASSERT_NE(grid, nullptr);
  grid->SetColumnWidth(1, 260);
  auto* cell = MakeCell<GridCellDropDown>(*grid, 1, 1);
  ASSERT_NE(cell, nullptr);
  cell->listKind = kScriptListKind;
  cell->scriptId = greetId;
  grid->PlaceCellEditors();

  CellDropDown* editor = cell->GetDropDown();
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(cell->scriptListMode);
  EXPECT_TRUE(editor->IsScriptList());
  EXPECT_EQ(editor->GetCount(), static_cast<int>(ScriptNames().size()));
  EXPECT_EQ(editor->GetSelectedText(), L"Greet");

  CRect cellRect;
  ASSERT_TRUE(grid->GetCellRect(1, 1, &cellRect));
  const CRect placed = RectInParent(*editor);
  EXPECT_EQ(placed.left, cellRect.left + 100);
  EXPECT_EQ(placed.Width(), cellRect.Width() - 100);
  const wchar_t* images[] = {L"Talvo_ScriptSave_h16", L"Talvo_ScriptLoad_h16", L"Talvo_ScriptCopy_h16",
                             L"Talvo_ScriptPaste_h16", L"Talvo_ScriptDel_h16"};
  const int modes[] = {kIconButtonScriptEdit, kIconButtonScriptOpen, kIconButtonScriptCopy, kIconButtonScriptPaste,
                       kIconButtonScriptDelete};
  ASSERT_EQ(cell->GetButtons().size(), 5U);
  for (int i = 0; i < 5; ++i) {
    const IconButton& button = *cell->GetButtons()[static_cast<size_t>(i)];
    EXPECT_EQ(button.GetParent(), grid);
    EXPECT_EQ(button.mode, modes[i]);
    EXPECT_EQ(button.row, 1);
    EXPECT_EQ(button.column, 1);
    EXPECT_EQ(button.value, editor);
    EXPECT_EQ(static_cast<UINT>(::GetWindowLongPtrW(button.m_hWnd, GWLP_ID)), ScriptButtonControlId(1, 1, i));
    EXPECT_EQ(button.ImagePath(0), ProjectIconFolder() + L"IconsDark/" + images[i] + L"_n_i.bmp");
    EXPECT_TRUE(IsShown(button));
    EXPECT_EQ(RectInParent(button), CRect(cellRect.left + 2 + 19 * i, placed.top + 3, cellRect.left + 18 + 19 * i,
                                          placed.top + 19));
  }

  // Out of view the buttons hide with the editor.
  grid->SetRowHeight(0, 1000);
  grid->PlaceCellEditors();
  for (const auto& button : cell->GetButtons()) EXPECT_FALSE(IsShown(*button));
}

TEST_F(GridCellEditorsTest, AScriptMissingFromTheListShowsNotSelectedAndASyncFollowsTheList) {
  CGridCtrl* grid = MakeSizedGrid(8, 3);
  ASSERT_NE(grid, nullptr);
  auto* cell = MakeCell<GridCellDropDown>(*grid, 1, 2);
  auto* plain = MakeCell<GridCellDropDown>(*grid, 2, 2);
  ASSERT_NE(cell, nullptr);
  cell->listKind = kScriptListKind;
  cell->scriptId = L"0123456789abcdef0123456789abcdef";
  plain->SetOptions({L"One"});
  ASSERT_NE(cell->CreateEditor(), nullptr);
  ASSERT_NE(plain->CreateEditor(), nullptr);
  EXPECT_EQ(cell->GetDropDown()->GetCurSel(), 0);

  // A script added elsewhere reaches the list on the grid's re-synchronisation; the plain list stays.
  std::wstring id;
  GetTalvo().GetCustomScripts()->AddScript(L"Later", L"print 2", id);
  RefreshScriptNames();
  grid->SyncDropDownEditors();
  EXPECT_EQ(cell->GetDropDown()->GetCurSel(), 0);
  EXPECT_EQ(cell->GetDropDown()->GetCount(), static_cast<int>(ScriptNames().size()));
  EXPECT_EQ(plain->GetDropDown()->GetCount(), 1);

  // The editor's own message does the same through its cell.
  cell->scriptId = id;
  cell->GetDropDown()->SendMessage(WM_SYNC_DROPDOWN);
  EXPECT_EQ(cell->GetDropDown()->GetSelectedText(), L"Later");
}

TEST_F(GridCellEditorsTest, ATextCellHandsItsTagsToItsEditorAndKeepsItsButtonsInside) {
  auto* page = UsePage<FunctionEditorTab>();
  ASSERT_NE(page, nullptr);
  CGridCtrl* grid = MakeSizedGrid(8, 3);
  ASSERT_NE(grid, nullptr);
  grid->SetColumnWidth(2, 200);
  auto* withButtons = MakeCell<GridCellEdit>(*grid, 1, 2);
  auto* plain = MakeCell<GridCellEdit>(*grid, 2, 2);
  ASSERT_NE(withButtons, nullptr);
  withButtons->withButtons = 1;
  withButtons->SetText(L"print 1");
  withButtons->textTag1 = L"Editable Poly";
  withButtons->textTag2 = L"vertex";
  withButtons->numberTag1 = 2;
  withButtons->numberTag2 = 7;
  withButtons->flagTag = 1;

  grid->PlaceCellEditors();  // placing never creates a text editor
  EXPECT_EQ(withButtons->GetEditWnd(), nullptr);
  ASSERT_NE(withButtons->CreateEditor(), nullptr);
  ASSERT_NE(plain->CreateEditor(), nullptr);
  CellEdit* editor = withButtons->GetEditor();
  EXPECT_EQ(editor->GetWindowText(), L"print 1");
  EXPECT_EQ(editor->textTag1, L"Editable Poly");
  EXPECT_EQ(editor->textTag2, L"vertex");
  EXPECT_EQ(editor->numberTag1, 2);
  EXPECT_EQ(editor->numberTag2, 7);
  EXPECT_EQ(editor->flagTag, 1);
  EXPECT_TRUE(editor->GetStyle() & WS_CLIPCHILDREN);
  EXPECT_EQ(static_cast<UINT>(::GetWindowLongPtrW(editor->m_hWnd, GWLP_ID)), EditorControlId(1, 2));

  grid->PlaceCellEditors();
  CRect cellRect;
  ASSERT_TRUE(grid->GetCellRect(1, 2, &cellRect));
  EXPECT_EQ(RectInParent(*editor), CRect(cellRect.left, cellRect.top + 4, cellRect.right - 16, cellRect.bottom - 4));
  // Margins in a function editor: clear of the buttons, or a small gap.
  EXPECT_EQ(LOWORD(editor->SendMessage(EM_GETMARGINS)), 80);
  EXPECT_EQ(LOWORD(plain->GetEditor()->SendMessage(EM_GETMARGINS)), 4);
  ASSERT_EQ(withButtons->GetButtons().size(), 4U);
  for (int i = 0; i < 4; ++i) {
    const IconButton& button = *withButtons->GetButtons()[static_cast<size_t>(i)];
    EXPECT_EQ(button.GetParent(), editor);
    EXPECT_EQ(button.row, -1);
    EXPECT_EQ(button.value, nullptr);
    EXPECT_TRUE(IsShown(button));
    EXPECT_EQ(RectInParent(button), CRect(2 + 19 * i, 3, 18 + 19 * i, 19));
  }

  // A disabled cell hides its buttons; out of view the editor hides.
  withButtons->enabled = 0;
  withButtons->PlaceEditor();
  EXPECT_FALSE(IsShown(*withButtons->GetButtons()[0]));
  grid->SetRowHeight(0, 1000);
  grid->PlaceCellEditors();
  EXPECT_FALSE(IsShown(*editor));

  // Destroying removes the buttons and the editor; the cell still wants buttons, so a new editor has them.
  const HWND editorWindow = editor->m_hWnd;
  const HWND buttonWindow = withButtons->GetButtons()[0]->m_hWnd;
  withButtons->DestroyEditor();
  EXPECT_EQ(withButtons->GetEditWnd(), nullptr);
  EXPECT_TRUE(withButtons->GetButtons().empty());
  EXPECT_FALSE(::IsWindow(editorWindow));
  EXPECT_FALSE(::IsWindow(buttonWindow));
  withButtons->DestroyEditor();  // twice is harmless
  grid->SetRowHeight(0, 30);
  ASSERT_NE(withButtons->CreateEditor(), nullptr);
  EXPECT_FALSE(withButtons->GetButtons().empty());
}

TEST_F(GridCellEditorsTest, ATextCellWithAnInsetKeepsItsDistanceAndOtherPagesKeepTheirMargins) {
  CGridCtrl* grid = MakeSizedGrid(8, 3);
  ASSERT_NE(grid, nullptr);
  auto* cell = MakeCell<GridCellEdit>(*grid, 1, 1);
  ASSERT_NE(cell, nullptr);
  cell->inset = 5;
  ASSERT_NE(cell->CreateEditor(), nullptr);
  const LRESULT margins = cell->GetEditor()->SendMessage(EM_GETMARGINS);
  cell->PlaceEditor();
  CRect cellRect;
  ASSERT_TRUE(grid->GetCellRect(1, 1, &cellRect));
  EXPECT_EQ(RectInParent(*cell->GetEditor()),
            CRect(cellRect.left + 5, cellRect.top + 5, cellRect.right - 19, cellRect.bottom - 5));
  EXPECT_EQ(cell->GetEditor()->SendMessage(EM_GETMARGINS), margins);
}

TEST_F(GridCellEditorsTest, ASpinCellStartsInItsDefaultRangeAndPagesShapeIt) {
  // Under the options page a stored value outside 50..1000 becomes 300.
  UsePage<OptionsEditorTab>();
  CGridCtrl* options = MakeSizedGrid(4, 2);
  ASSERT_NE(options, nullptr);
  options->SetRowHeight(1, 60);
  auto* threshold = MakeCell<GridCellSpinEdit>(*options, 1, 1);
  ASSERT_NE(threshold, nullptr);
  threshold->value = 20;
  ASSERT_NE(threshold->CreateEditor(), nullptr);
  EXPECT_EQ(threshold->value, 300);
  EXPECT_EQ(threshold->minimum, 50);
  EXPECT_EQ(threshold->maximum, 1000);
  EXPECT_EQ(threshold->GetSpinEdit()->GetIntValue(), 300);
  EXPECT_EQ(threshold->GetSpinEdit()->GetCell(), threshold);
  options->PlaceCellEditors();
  CRect cellRect;
  ASSERT_TRUE(options->GetCellRect(1, 1, &cellRect));
  EXPECT_EQ(RectInParent(*threshold->GetSpinEdit()),
            CRect(cellRect.left + 7, cellRect.top + 6, cellRect.right - 15, cellRect.bottom - 6));
  EXPECT_EQ(threshold->GetSpinEdit()->GetRow(), 1);

  // Elsewhere the value is handed on as it is.
  UsePage<FunctionEditorTab>();
  CGridCtrl* other = MakeSizedGrid(4, 2);
  ASSERT_NE(other, nullptr);
  auto* plain = MakeCell<GridCellSpinEdit>(*other, 1, 1);
  plain->value = 20;
  ASSERT_NE(plain->CreateEditor(), nullptr);
  EXPECT_EQ(plain->value, 20);
  plain->DestroyEditor();
  EXPECT_EQ(plain->GetEditWnd(), nullptr);

  // Float editors show their value clamped into 50..1000 and leave the stored value alone; a wheel-events
  // page sets the position itself.
  UsePage<WheelEventsEditorTab>();
  CGridCtrl* wheel = MakeSizedGrid(4, 2);
  ASSERT_NE(wheel, nullptr);
  auto* factor = MakeCell<GridCellSpinEdit>(*wheel, 1, 1);
  factor->floatValue = 2000.0F;
  ASSERT_NE(factor->CreateFloatEditor(2), nullptr);
  EXPECT_FLOAT_EQ(factor->floatValue, 2000.0F);
  EXPECT_FLOAT_EQ(factor->GetSpinEdit()->GetFloatValue(), 1000.0F);
  EXPECT_TRUE(factor->GetSpinEdit()->IsFloatMode());
  EXPECT_EQ(factor->GetSpinEdit()->GetDecimals(), 2);
  auto* broken = MakeCell<GridCellSpinEdit>(*wheel, 2, 1);
  broken->floatValue = std::nanf("");
  ASSERT_NE(broken->CreateFloatEditor(1), nullptr);
  EXPECT_TRUE(std::isnan(broken->floatValue));
  EXPECT_FLOAT_EQ(broken->GetSpinEdit()->GetFloatValue(), 50.0F);
  wheel->PlaceCellEditors();
  ASSERT_TRUE(wheel->GetCellRect(1, 1, &cellRect));
  EXPECT_EQ(RectInParent(*factor->GetSpinEdit()),
            CRect(cellRect.left, cellRect.top + 4, cellRect.right, cellRect.bottom - 4));
  wheel->SetRowHeight(0, 1000);
  wheel->PlaceCellEditors();
  EXPECT_FALSE(IsShown(*factor->GetSpinEdit()));
}

TEST_F(GridCellEditorsTest, EditorCellsDrawNoTextButPlaceholdersAndBands) {
  CGridCtrl* grid = MakeSizedGrid(4, 3);
  ASSERT_NE(grid, nullptr);
  grid->SetGridBkColor(RGB(10, 200, 30));
  grid->GetDefaultCell(FALSE, FALSE)->SetBackClr(RGB(255, 255, 255));
  grid->GetDefaultCell(FALSE, FALSE)->SetTextClr(RGB(0, 0, 0));
  auto* edit = MakeCell<GridCellEdit>(*grid, 0, 0);
  auto* spin = MakeCell<GridCellSpinEdit>(*grid, 0, 1);
  auto* dropDown = MakeCell<GridCellDropDown>(*grid, 0, 2);
  ASSERT_NE(dropDown, nullptr);
  for (CGridCell* cell : {static_cast<CGridCell*>(edit), static_cast<CGridCell*>(spin), static_cast<CGridCell*>(dropDown)}) {
    cell->SetText(L"WWWWWWWW");
  }

  CellCanvas canvas(300, 40);
  const CRect rect(0, 0, 99, 29);
  ASSERT_TRUE(edit->Draw(&canvas.dc, 0, 0, rect));
  EXPECT_EQ(canvas.dc.GetPixel(50, 15), RGB(200, 200, 200));  // no editor yet: the grey placeholder
  EXPECT_EQ(canvas.dc.GetPixel(50, 2), RGB(255, 255, 255));
  ASSERT_TRUE(spin->Draw(&canvas.dc, 0, 1, CRect(100, 0, 199, 29)));
  EXPECT_EQ(canvas.dc.GetPixel(150, 15), RGB(10, 200, 30));  // the band under the spin editor
  EXPECT_EQ(canvas.dc.GetPixel(150, 2), RGB(255, 255, 255));
  ASSERT_TRUE(dropDown->Draw(&canvas.dc, 0, 2, CRect(200, 0, 299, 29)));
  for (int x = 200; x < 300; ++x) {
    for (int y = 0; y < 30; ++y) ASSERT_EQ(canvas.dc.GetPixel(x, y), RGB(255, 255, 255)) << x << "," << y;
  }
  ASSERT_NE(edit->CreateEditor(), nullptr);
  canvas.dc.FillSolidRect(0, 0, 100, 30, RGB(255, 255, 255));
  edit->Draw(&canvas.dc, 0, 0, rect);
  EXPECT_EQ(canvas.dc.GetPixel(50, 15), RGB(255, 255, 255));  // the editor shows instead
}

TEST_F(GridCellEditorsTest, DeletingEverythingWithEditorsRemovesTheirWindows) {
  CGridCtrl* grid = MakeSizedGrid(4, 3);
  ASSERT_NE(grid, nullptr);
  auto* dropDown = MakeCell<GridCellDropDown>(*grid, 1, 1);
  dropDown->listKind = kScriptListKind;
  auto* edit = MakeCell<GridCellEdit>(*grid, 2, 1);
  edit->withButtons = 1;
  auto* spin = MakeCell<GridCellSpinEdit>(*grid, 3, 1);
  ASSERT_NE(dropDown->CreateEditor(), nullptr);
  ASSERT_NE(edit->CreateEditor(), nullptr);
  ASSERT_NE(spin->CreateEditor(), nullptr);
  const HWND windows[] = {dropDown->GetEditWnd()->m_hWnd, dropDown->GetButtons()[4]->m_hWnd, edit->GetEditWnd()->m_hWnd,
                          edit->GetButtons()[3]->m_hWnd, spin->GetEditWnd()->m_hWnd};
  // Re-creating keeps one set of buttons, all serving the new editor.
  ASSERT_NE(dropDown->CreateEditor(), nullptr);
  EXPECT_EQ(dropDown->GetButtons().size(), 5U);
  EXPECT_EQ(dropDown->GetButtons()[0]->value, dropDown->GetEditWnd());
  ASSERT_NE(edit->CreateEditor(), nullptr);
  EXPECT_EQ(edit->GetButtons().size(), 4U);
  EXPECT_EQ(edit->GetButtons()[0]->GetParent(), edit->GetEditWnd());

  grid->DeleteAllItems(TRUE);
  for (HWND window : windows) EXPECT_FALSE(::IsWindow(window));
  EXPECT_EQ(grid->GetRowCount(), 0);
}

}  // namespace
}  // namespace Talvo::testing
