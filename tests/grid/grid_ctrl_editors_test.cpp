// The grid's additions: placing every persistent editor, fitting script texts into text editors, the corner
// widgets of an empty function-editor grid, and the right click that records a case and opens the case menu.
#include <win32/modal_responder.h>

#include "controls/label.h"
#include "grid/grid_cell_editors.h"
#include "grid/grid_cell_icon_button.h"
#include "grid/tree_grid_ctrl.h"
#include "grid_cell_editors_fixture.h"
#include "grid_menu_ids.h"
#include "model/vocabulary.h"

namespace Talvo::testing {
namespace {

using GridEditorsTest = EditorGridTest;

// The width of a text as the fitting measures it: on the editor's own device context.
int EditorTextWidth(const CWnd& editor, const std::wstring& text) {
  HDC dc = ::GetDC(editor.m_hWnd);
  const auto font = reinterpret_cast<HGDIOBJ>(::SendMessageW(editor.m_hWnd, WM_GETFONT, 0, 0));
  const HGDIOBJ oldFont = font != nullptr ? ::SelectObject(dc, font) : nullptr;
  SIZE size{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  if (oldFont != nullptr) ::SelectObject(dc, oldFont);
  ::ReleaseDC(editor.m_hWnd, dc);
  return size.cx;
}

TEST_F(GridEditorsTest, TheCornerWidgetsAreMadeOnceAndKeepTheirPlaces) {
  CGridCtrl* grid = MakeGrid();
  ASSERT_NE(grid, nullptr);
  grid->CreateCornerButton(FALSE);  // nothing to hide yet
  EXPECT_EQ(grid->GetCornerButton(), nullptr);

  grid->CreateCornerButton(TRUE);
  CellIconButton* button = grid->GetCornerButton();
  Label* label = grid->GetCornerLabel();
  ASSERT_NE(button, nullptr);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(button->row, -1);
  EXPECT_EQ(button->column, -1);
  EXPECT_EQ(button->GetParent(), grid);
  EXPECT_EQ(button->ImagePath(0), ProjectIconFolder() + L"Icons/TalvoPls-20x20_n_i.bmp");
  EXPECT_EQ(label->GetWindowText(), L"Add Element Count Case");
  EXPECT_EQ(RectInParent(*button), CRect(17, 8, 37, 28));
  EXPECT_EQ(RectInParent(*label), CRect(52, 8, 285, 38));
  EXPECT_FALSE(button->GetStyle() & (WS_VSCROLL | WS_HSCROLL));

  grid->CreateCornerButton(TRUE);
  EXPECT_EQ(grid->GetCornerButton(), button);
  EXPECT_EQ(grid->GetCornerLabel(), label);
  grid->CreateCornerButton(FALSE);
  EXPECT_FALSE(IsShown(*button));
  EXPECT_FALSE(IsShown(*label));
  grid->CreateCornerButton(TRUE);
  EXPECT_EQ(grid->GetCornerButton(), button);
  EXPECT_TRUE(IsShown(*button));
  EXPECT_TRUE(IsShown(*label));

  // Re-placing leaves both where they were, however often it runs.
  button->MoveWindow(0, 0, 5, 5);
  for (int i = 0; i < 3; ++i) grid->PlaceCellEditors();
  EXPECT_EQ(RectInParent(*button), CRect(17, 8, 37, 28));
  EXPECT_EQ(RectInParent(*label), CRect(52, 8, 285, 38));
}

// The control id a window carries.
UINT ControlId(const CWnd& window) { return static_cast<UINT>(::GetWindowLongPtrW(window.m_hWnd, GWLP_ID)); }

// Checks that the cells with windows of a row know the row and that their windows carry its ids: the
// icon-button cell in column 0, the script drop-down in column 2 and the text cell with buttons in column 3
// (column 1 is a tree grid's tree column).
void ExpectWindowsOfRow(const CGridCtrl& grid, int row) {
  SCOPED_TRACE(row);
  const auto* button = dynamic_cast<const GridCellIconButton*>(grid.GetCell(row, 0));
  const auto* dropDown = dynamic_cast<const GridCellDropDown*>(grid.GetCell(row, 2));
  const auto* edit = dynamic_cast<const GridCellEdit*>(grid.GetCell(row, 3));
  ASSERT_TRUE(button != nullptr && dropDown != nullptr && edit != nullptr);
  ASSERT_TRUE(button->GetButton() != nullptr && dropDown->GetEditWnd() != nullptr && edit->GetEditWnd() != nullptr);
  EXPECT_EQ(button->GetRow(), row);
  EXPECT_EQ(ControlId(*button->GetButton()), EditorControlId(row, 0));
  EXPECT_EQ(button->GetButton()->row, row);  // the node menu finds its cell by it
  EXPECT_EQ(dropDown->GetRow(), row);
  EXPECT_EQ(ControlId(*dropDown->GetEditWnd()), EditorControlId(row, 2));
  EXPECT_EQ(edit->GetRow(), row);
  EXPECT_EQ(ControlId(*edit->GetEditWnd()), EditorControlId(row, 3));
  // A drop-down's buttons name its cell; a text cell's buttons never name one.
  const auto expectButtons = [row](const GridWindowCell& cell, int column, size_t count, int namedRow) {
    ASSERT_EQ(cell.GetButtons().size(), count);
    for (size_t i = 0; i < count; ++i) {
      const IconButton& script = *cell.GetButtons()[i];
      EXPECT_EQ(ControlId(script), ScriptButtonControlId(row, column, static_cast<int>(i)));
      EXPECT_EQ(script.row, namedRow);
    }
  };
  expectButtons(*dropDown, 2, 5U, row);
  expectButtons(*edit, 3, 4U, -1);
}

class GridCellWindowsTest : public EditorGridTest {
 protected:
  // Gives a row the three cells with windows that ExpectWindowsOfRow looks at, each with its window made.
  static void GiveRowWindows(CGridCtrl& grid, int row) {
    auto* button = MakeCell<GridCellIconButton>(grid, row, 0);
    auto* dropDown = MakeCell<GridCellDropDown>(grid, row, 2);
    auto* edit = MakeCell<GridCellEdit>(grid, row, 3);
    ASSERT_TRUE(button != nullptr && dropDown != nullptr && edit != nullptr);
    button->CreateButton();
    dropDown->listKind = kScriptListKind;
    dropDown->CreateEditor();
    edit->withButtons = 1;
    edit->CreateEditor();
  }

  // A tree grid of four 90-pixel columns with the rows a, b, b1 (under b) and c, 30 pixels high, each with
  // its cells' windows; a_ and b_ are the nodes of the first two rows.
  CTreeGridCtrl* MakeTreeWithWindows() {
    auto* grid = MakeGrid<CTreeGridCtrl>();
    if (grid == nullptr) return nullptr;
    grid->SetColumnCount(4);
    for (int col = 0; col < 4; ++col) grid->SetColumnWidth(col, 90);
    a_ = grid->InsertItem(L"a");
    b_ = grid->InsertItem(L"b");
    grid->InsertItem(L"b1", b_);
    grid->InsertItem(L"c");
    for (int row = 0; row < 4; ++row) {
      grid->SetRowHeight(row, 30);
      GiveRowWindows(*grid, row);
    }
    return grid;
  }

  CTreeNode* a_ = nullptr;
  CTreeNode* b_ = nullptr;
};

TEST_F(GridCellWindowsTest, ATreeRowInsertedInTheMiddleRenumbersTheCellsBelowAndTheirWindows) {
  CTreeGridCtrl* grid = MakeTreeWithWindows();
  ASSERT_NE(grid, nullptr);

  // a's child goes between a and b: b, b1 and c move down a row, and no re-placing has run yet.
  int made = -1;
  ASSERT_NE(grid->InsertNode(a_, &made), nullptr);
  ASSERT_EQ(made, 1);
  grid->SetRowHeight(1, 30);
  for (int row : {0, 2, 3, 4}) ExpectWindowsOfRow(*grid, row);
  const CTreeCell* lastTreeCell = AsTreeCell(grid->GetCell(4, 1));
  ASSERT_NE(lastTreeCell, nullptr);
  EXPECT_EQ(lastTreeCell->GetTreeRow(), 4);

  // Re-placing puts each window on its cell's new rectangle.
  grid->PlaceCellEditors();
  const auto* moved = dynamic_cast<const GridCellDropDown*>(grid->GetCell(3, 2));
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(RectInParent(*moved->GetEditWnd()).top, 90 + 3);
}

TEST_F(GridCellWindowsTest, DeletingARowRenumbersTheCellsBelowAndTheirWindows) {
  CGridCtrl* grid = MakeSizedGrid(4, 4, {10, 10, 510, 310});
  ASSERT_NE(grid, nullptr);
  for (int row = 1; row < 4; ++row) GiveRowWindows(*grid, row);
  ASSERT_TRUE(grid->DeleteRow(0));
  for (int row = 0; row < 3; ++row) ExpectWindowsOfRow(*grid, row);
  // Inserting above moves them down again.
  ASSERT_EQ(grid->InsertRow(0), 0);
  for (int row = 1; row < 4; ++row) ExpectWindowsOfRow(*grid, row);
}

TEST_F(GridCellWindowsTest, AfterAProgrammaticCollapseOrExpandTheCallersReplacingMovesTheEditors) {
  CTreeGridCtrl* grid = MakeTreeWithWindows();
  ASSERT_NE(grid, nullptr);
  grid->PlaceCellEditors();
  const auto* hidden = dynamic_cast<const GridCellDropDown*>(grid->GetCell(2, 2));
  const auto* below = dynamic_cast<const GridCellEdit*>(grid->GetCell(3, 3));
  ASSERT_TRUE(hidden != nullptr && below != nullptr);
  const int belowTop = RectInParent(*below->GetEditWnd()).top;

  // A page that switched drawing off for its changes keeps it off through the collapse; the editors stay
  // until the page re-places them.
  grid->SetRedraw(FALSE);
  ASSERT_TRUE(grid->Collapse(b_));
  EXPECT_FALSE(grid->IsDrawingAllowed());
  grid->SetRedraw(TRUE);
  EXPECT_TRUE(IsShown(*hidden->GetEditWnd()));
  EXPECT_EQ(RectInParent(*below->GetEditWnd()).top, belowTop);

  grid->PlaceCellEditors();
  EXPECT_FALSE(IsShown(*hidden->GetEditWnd()));
  for (const auto& button : hidden->GetButtons()) EXPECT_FALSE(IsShown(*button));
  EXPECT_EQ(RectInParent(*below->GetEditWnd()).top, belowTop - 30);

  ASSERT_TRUE(grid->Expand(b_));
  EXPECT_TRUE(grid->IsDrawingAllowed());
  grid->PlaceCellEditors();
  EXPECT_TRUE(IsShown(*hidden->GetEditWnd()));
  EXPECT_EQ(RectInParent(*below->GetEditWnd()).top, belowTop);
}

TEST_F(GridEditorsTest, LongScriptTextsAreShortenedToFitTheirEditors) {
  CGridCtrl* grid = MakeSizedGrid(6, 3);
  ASSERT_NE(grid, nullptr);
  auto* longText = MakeCell<GridCellEdit>(*grid, 0, 1);
  auto* shortText = MakeCell<GridCellEdit>(*grid, 1, 1);
  auto* slightlyWide = MakeCell<GridCellEdit>(*grid, 2, 1);
  auto* spin = MakeCell<GridCellSpinEdit>(*grid, 3, 1);
  ASSERT_NE(spin, nullptr);
  std::wstring script;
  for (int i = 0; i < 250; ++i) script += static_cast<wchar_t>(L'a' + i % 26);
  longText->fullText = script;
  shortText->fullText = L"ab";
  grid->FitEditCellTexts();  // creates the editors that are missing

  ASSERT_NE(longText->GetEditor(), nullptr);
  ASSERT_NE(spin->GetEditWnd(), nullptr);
  const CellEdit& editor = *longText->GetEditor();
  CRect client;
  editor.GetClientRect(&client);
  const std::wstring shown = editor.GetWindowText();
  ASSERT_GT(shown.size(), 3U);
  EXPECT_EQ(shown.substr(shown.size() - 3), L"...");
  const size_t kept = shown.size() - 3;
  EXPECT_LE(kept, 199U);
  EXPECT_EQ(shown.substr(0, kept), script.substr(0, kept));
  EXPECT_LE(EditorTextWidth(editor, shown), client.Width() + 20);
  EXPECT_GT(EditorTextWidth(editor, script.substr(0, kept + 1) + L"..."), client.Width() + 20);
  EXPECT_EQ(shortText->GetEditor()->GetWindowText(), L"ab");

  // A text up to 20 pixels wider than the editor is shown whole.
  CRect slightClient;
  slightlyWide->GetEditor()->GetClientRect(&slightClient);
  std::wstring wide;
  while (EditorTextWidth(*slightlyWide->GetEditor(), wide + L"x") <= slightClient.Width() + 20) wide += L"x";
  ASSERT_GT(EditorTextWidth(*slightlyWide->GetEditor(), wide), slightClient.Width());
  slightlyWide->fullText = wide;
  grid->FitEditCellTexts();
  EXPECT_EQ(slightlyWide->GetEditor()->GetWindowText(), wide);
}

TEST_F(GridEditorsTest, ATextThatFitsNowhereShowsTheEllipsisAlone) {
  CGridCtrl* grid = MakeSizedGrid(3, 2);
  ASSERT_NE(grid, nullptr);
  grid->SetColumnWidth(1, 17);  // an editor with no room at all
  auto* cell = MakeCell<GridCellEdit>(*grid, 0, 1);
  ASSERT_NE(cell, nullptr);
  cell->SetText(L"before");
  cell->fullText = L"WWWWWWWWWWWWWWWW";
  ASSERT_NE(cell->CreateEditor(), nullptr);
  cell->PlaceEditor();
  grid->FitEditCellTexts();
  EXPECT_EQ(cell->GetEditor()->GetWindowText(), L"...");
}

class GridCaseMenuTest : public EditorGridTest {
 protected:
  void SetUp() override {
    EditorGridTest::SetUp();
    page_ = UsePage<FunctionEditorTab>();
    function_ = GetTalvo().CreateFunction(kKindContextSensitive);
    ASSERT_NE(function_, nullptr);
  }

  // A function-editor grid of rows x 11 columns (rows 2 pixels high, columns 40 wide, so that all fit).
  CGridCtrl* MakeCaseGrid(int rows) {
    CGridCtrl* grid = MakeGrid({0, 0, 600, 400});
    if (grid == nullptr) return nullptr;
    Fill(*grid, rows, 11);
    for (int col = 0; col < 11; ++col) grid->SetColumnWidth(col, 40);
    for (int row = 0; row < rows; ++row) grid->SetRowHeight(row, 2);
    return grid;
  }

  // Right-clicks the centre of a cell; true when a menu was tracked (it is dismissed).
  bool RightClick(CGridCtrl& grid, int row, int column) {
    CRect cell;
    if (!grid.GetCellRect(row, column, &cell)) return false;
    winsim::ClearModalLog();
    winsim::AnswerPopupMenu(0, winsim::Repeat::Always);
    grid.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(cell.CenterPoint().x, cell.CenterPoint().y));
    const std::vector<winsim::ModalRecord> log = winsim::ModalLog();
    lastMenu_ = log.empty() ? std::vector<winsim::MenuItemRecord>() : log.back().items;
    return !log.empty();
  }

  FunctionEditorTab* page_ = nullptr;
  XmlFunction* function_ = nullptr;
  std::vector<winsim::MenuItemRecord> lastMenu_;
};

TEST_F(GridCaseMenuTest, OnlyTapRowsOfTheCaseColumnsOpenTheMenu) {
  CGridCtrl* grid = MakeCaseGrid(165);
  ASSERT_NE(grid, nullptr);
  EXPECT_FALSE(RightClick(*grid, 1, 5));
  EXPECT_FALSE(RightClick(*grid, 2, 5));
  EXPECT_FALSE(RightClick(*grid, 3, 1));   // left of the case columns
  EXPECT_FALSE(RightClick(*grid, 3, 10));  // the script column
  ASSERT_TRUE(RightClick(*grid, 3, 5));
  const CaseClipboard& record = GetCaseClipboard();
  EXPECT_EQ(record.grid, grid);
  EXPECT_EQ(record.row, 3);
  EXPECT_EQ(record.column, 5);
  EXPECT_EQ(record.selection, 0);
  EXPECT_EQ(record.press, 1);
  EXPECT_EQ(record.modifiers, 3);
  EXPECT_EQ(record.functionId, function_->GetId());
  EXPECT_EQ(record.input, L"Editable Poly");
  EXPECT_EQ(record.mode, L"vertex");
  // The case menu: Copy, and Paste greyed while no case is copied.
  ASSERT_GE(lastMenu_.size(), 2U);
  EXPECT_EQ(lastMenu_[0].id, kCopyCaseCommand);
  EXPECT_EQ(lastMenu_[1].id, kPasteCaseCommand);
  EXPECT_FALSE(lastMenu_[1].enabled);

  ASSERT_TRUE(RightClick(*grid, 8, 2));
  EXPECT_EQ(GetCaseClipboard().press, 1);
  EXPECT_EQ(GetCaseClipboard().modifiers, 7);
  EXPECT_FALSE(RightClick(*grid, 43, 5));
  ASSERT_TRUE(RightClick(*grid, 44, 9));
  EXPECT_EQ(GetCaseClipboard().selection, 1);
}

TEST_F(GridCaseMenuTest, TheModeFollowsTheFunctionKindThePageAndGlobalInputs) {
  CGridCtrl* grid = MakeCaseGrid(18);
  ASSERT_NE(grid, nullptr);
  page_->name = kInputNoModifier;
  ASSERT_TRUE(RightClick(*grid, 3, 4));
  EXPECT_EQ(GetCaseClipboard().mode, L"objects");
  EXPECT_EQ(GetCaseClipboard().input, L"No modifier");

  page_->name = kInputEditPoly;
  function_->AddInput(kInputEditPoly);
  function_->SetInputGlobal(kInputEditPoly, true);
  ASSERT_TRUE(RightClick(*grid, 3, 4));
  EXPECT_EQ(GetCaseClipboard().mode, L"global");

  XmlFunction* classic = GetTalvo().CreateFunction(kKindClassic);
  ASSERT_NE(classic, nullptr);
  page_->name = kInputClassic;
  ASSERT_TRUE(RightClick(*grid, 3, 4));
  EXPECT_EQ(GetCaseClipboard().mode, L"global");
  EXPECT_EQ(GetCaseClipboard().functionId, classic->GetId());
}

TEST_F(GridCaseMenuTest, AScriptDropDownOffersTheScriptCommands) {
  CGridCtrl* grid = MakeCaseGrid(18);
  ASSERT_NE(grid, nullptr);
  grid->SetRowHeight(3, 30);
  grid->SetColumnWidth(10, 200);
  auto* cell = MakeCell<GridCellDropDown>(*grid, 3, 10);
  ASSERT_NE(cell, nullptr);
  cell->listKind = kScriptListKind;
  grid->PlaceCellEditors();
  ASSERT_NE(cell->GetDropDown(), nullptr);
  CRect rect;
  ASSERT_TRUE(grid->GetCellRect(3, 10, &rect));
  winsim::ClearModalLog();
  winsim::AnswerPopupMenu(0);
  grid->ShowContextMenu(0, rect.CenterPoint());
  const std::vector<winsim::ModalRecord> log = winsim::ModalLog();
  ASSERT_EQ(log.size(), 1U);
  ASSERT_FALSE(log[0].items.empty());
  EXPECT_EQ(log[0].items[0].id, kNewScriptCommand);
  EXPECT_EQ(GetCaseClipboard().column, 10);

  // A disabled script list is no script cell.
  cell->enabled = 0;
  winsim::ClearModalLog();
  winsim::AnswerPopupMenu(0);
  grid->ShowContextMenu(0, rect.CenterPoint());
  ASSERT_EQ(winsim::ModalLog().size(), 1U);
  EXPECT_EQ(winsim::ModalLog()[0].items[0].id, kCopyCaseCommand);
}

TEST_F(GridCaseMenuTest, OtherPagesAndEmptyFunctionFoldersOpenNothing) {
  CGridCtrl* grid = MakeCaseGrid(18);
  ASSERT_NE(grid, nullptr);
  // Without any function document nothing opens.
  XmlFunctionDir& functions = *GetTalvo().GetFunctions();
  std::vector<std::unique_ptr<XmlDocument>> kept;
  while (functions.Count() > 0) kept.push_back(functions.Release(0));
  GetCaseClipboard() = CaseClipboard{};
  EXPECT_FALSE(RightClick(*grid, 3, 4));
  EXPECT_EQ(GetCaseClipboard().grid, nullptr);
  for (auto& document : kept) functions.Add(std::move(document));

  // A wheel-events page records nothing and opens no menu, whichever way it is asked.
  UsePage<WheelEventsEditorTab>();
  CGridCtrl* wheel = MakeCaseGrid(18);
  ASSERT_NE(wheel, nullptr);
  EXPECT_FALSE(RightClick(*wheel, 3, 4));
  CRect rect;
  ASSERT_TRUE(wheel->GetCellRect(3, 4, &rect));
  wheel->ShowContextMenu(0, rect.CenterPoint());
  EXPECT_TRUE(winsim::ModalLog().empty());
  EXPECT_EQ(GetCaseClipboard().grid, nullptr);
}

}  // namespace
}  // namespace Talvo::testing
