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
  grid->CreateCornerButton(FALSE);  // nothing to hide yet
  EXPECT_EQ(grid->GetCornerButton(), nullptr);
  grid->CreateCornerButton(TRUE);
  CellIconButton* button = grid->GetCornerButton();
  ASSERT_TRUE(button != nullptr && grid->GetCornerLabel() != nullptr);
  EXPECT_EQ(grid->GetCornerLabel()->GetWindowText(), L"Add Element Count Case");
  const CRect buttonPlace = RectInParent(*button);
  grid->CreateCornerButton(FALSE);
  EXPECT_FALSE(IsShown(*grid->GetCornerLabel()));
  grid->CreateCornerButton(TRUE);
  EXPECT_EQ(grid->GetCornerButton(), button);
  // Re-placing leaves the button where it was, however often it runs.
  button->MoveWindow(0, 0, 5, 5);
  for (int i = 0; i < 3; ++i) grid->PlaceCellEditors();
  EXPECT_EQ(RectInParent(*button), buttonPlace);
}

// The control id a window carries.
UINT ControlId(const CWnd& window) { return static_cast<UINT>(::GetWindowLongPtrW(window.m_hWnd, GWLP_ID)); }

// Checks that the cells with windows of a row know the row and that their windows carry its ids: the
// icon-button cell in column 0 and the script drop-down in column 2 (column 1 is a tree grid's tree column).
void ExpectWindowsOfRow(const CGridCtrl& grid, int row) {
  SCOPED_TRACE(row);
  const auto* button = dynamic_cast<const GridCellIconButton*>(grid.GetCell(row, 0));
  const auto* dropDown = dynamic_cast<const GridCellDropDown*>(grid.GetCell(row, 2));
  ASSERT_TRUE(button != nullptr && dropDown != nullptr && button->GetButton() != nullptr);
  EXPECT_EQ(button->GetButton()->row, row);  // the node menu finds its cell by it
  EXPECT_EQ(ControlId(*dropDown->GetEditWnd()), EditorControlId(row, 2));
  const IconButton& last = *dropDown->GetButtons().back();
  EXPECT_EQ(ControlId(last), ScriptButtonControlId(row, 2, 4));
  EXPECT_EQ(last.row, row);
}

class GridCellWindowsTest : public EditorGridTest {
 protected:
  // Gives a row the cells with windows that ExpectWindowsOfRow looks at, each with its window made.
  static void GiveRowWindows(CGridCtrl& grid, int row) {
    auto* button = MakeCell<GridCellIconButton>(grid, row, 0);
    auto* dropDown = MakeCell<GridCellDropDown>(grid, row, 2);
    button->CreateButton();
    dropDown->listKind = kScriptListKind;
    dropDown->CreateEditor();
  }

  // A tree grid of three 90-pixel columns with the rows a, b, b1 (under b) and c, 30 pixels high, each with
  // its cells' windows; a_ and b_ are the nodes of the first two rows.
  CTreeGridCtrl* MakeTreeWithWindows() {
    auto* grid = MakeGrid<CTreeGridCtrl>();
    grid->SetColumnCount(3);
    for (int col = 0; col < 3; ++col) grid->SetColumnWidth(col, 90);
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
  grid->PlaceCellEditors();
  const auto* moved = dynamic_cast<const GridCellDropDown*>(grid->GetCell(2, 2));
  ASSERT_NE(moved, nullptr);
  const int top = RectInParent(*moved->GetEditWnd()).top;
  // a's child goes between a and b: b, b1 and c move down a row, before any re-placing.
  ASSERT_NE(grid->InsertNode(a_, nullptr), nullptr);
  grid->SetRowHeight(1, 30);
  for (int row : {0, 2, 3, 4}) ExpectWindowsOfRow(*grid, row);
  grid->PlaceCellEditors();  // each window goes onto its cell's new rectangle
  EXPECT_EQ(RectInParent(*moved->GetEditWnd()).top, top + 30);
}

TEST_F(GridCellWindowsTest, AfterAProgrammaticCollapseOrExpandTheCallersReplacingMovesTheEditors) {
  CTreeGridCtrl* grid = MakeTreeWithWindows();
  grid->PlaceCellEditors();
  const auto* hidden = dynamic_cast<const GridCellDropDown*>(grid->GetCell(2, 2));
  const auto* below = dynamic_cast<const GridCellDropDown*>(grid->GetCell(3, 2));
  ASSERT_TRUE(hidden != nullptr && below != nullptr);
  const int belowTop = RectInParent(*below->GetEditWnd()).top;

  // A page that switched drawing off for its changes keeps it off through the collapse.
  grid->SetRedraw(FALSE);
  ASSERT_TRUE(grid->Collapse(b_));
  EXPECT_FALSE(grid->IsDrawingAllowed());
  grid->SetRedraw(TRUE);
  grid->PlaceCellEditors();
  EXPECT_FALSE(IsShown(*hidden->GetButtons().back()));
  EXPECT_EQ(RectInParent(*below->GetEditWnd()).top, belowTop - 30);
  ASSERT_TRUE(grid->Expand(b_));
  grid->PlaceCellEditors();
  EXPECT_TRUE(IsShown(*hidden->GetEditWnd()));
}

TEST_F(GridEditorsTest, LongScriptTextsAreShortenedToFitTheirEditors) {
  CGridCtrl* grid = MakeSizedGrid(6, 3);
  auto* longText = MakeCell<GridCellEdit>(*grid, 0, 1);
  auto* slightlyWide = MakeCell<GridCellEdit>(*grid, 1, 1);
  std::wstring script;
  for (int i = 0; i < 250; ++i) script += static_cast<wchar_t>(L'a' + i % 26);
  longText->fullText = script;
  grid->FitEditCellTexts();  // creates the editors that are missing
  ASSERT_NE(longText->GetEditor(), nullptr);
  const CellEdit& editor = *longText->GetEditor();
  CRect client;
  editor.GetClientRect(&client);
  const std::wstring shown = editor.GetWindowText();
  ASSERT_GT(shown.size(), 3U);
  const size_t kept = shown.size() - 3;
  EXPECT_EQ(shown, script.substr(0, kept) + L"...");
  EXPECT_LE(EditorTextWidth(editor, shown), client.Width() + 20);
  EXPECT_GT(EditorTextWidth(editor, script.substr(0, kept + 1) + L"..."), client.Width() + 20);

  // A text up to 20 pixels wider than the editor is shown whole.
  std::wstring wide;
  while (EditorTextWidth(editor, wide + L"x") <= client.Width() + 20) wide += L"x";
  slightlyWide->fullText = wide;
  grid->FitEditCellTexts();
  EXPECT_EQ(slightlyWide->GetEditor()->GetWindowText(), wide);
}

TEST_F(GridEditorsTest, ATextThatFitsNowhereShowsTheEllipsisAlone) {
  CGridCtrl* grid = MakeSizedGrid(3, 2);
  grid->SetColumnWidth(1, 17);  // an editor with no room at all
  auto* cell = MakeCell<GridCellEdit>(*grid, 0, 1);
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
  CGridCtrl* MakeCaseGrid(int rows) { return GridTest::MakeSizedGrid(rows, 11, 40, 2, {0, 0, 600, 400}); }

  // Right-clicks the centre of a cell, or asks for the menu there as an editor on the cell does; the first
  // item of the menu tracked (dismissed), 0 when none was.
  UINT RightClick(CGridCtrl& grid, int row, int column, bool fromEditor = false) {
    CRect cell;
    if (!grid.GetCellRect(row, column, &cell)) return 0;
    winsim::ClearModalLog();
    winsim::AnswerPopupMenu(0, winsim::Repeat::Always);
    if (fromEditor) {
      grid.ShowContextMenu(0, cell.CenterPoint());
    } else {
      grid.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(cell.CenterPoint().x, cell.CenterPoint().y));
    }
    const std::vector<winsim::ModalRecord> log = winsim::ModalLog();
    return log.empty() || log.back().items.empty() ? 0 : log.back().items[0].id;
  }

  FunctionEditorTab* page_ = nullptr;
  XmlFunction* function_ = nullptr;
};

TEST_F(GridCaseMenuTest, OnlyTapRowsOfTheCaseColumnsOpenTheMenu) {
  CGridCtrl* grid = MakeCaseGrid(165);
  EXPECT_EQ(RightClick(*grid, 2, 5), 0U);   // a group's own row
  EXPECT_EQ(RightClick(*grid, 3, 1), 0U);   // left of the case columns
  EXPECT_EQ(RightClick(*grid, 3, 10), 0U);  // the script column
  ASSERT_EQ(RightClick(*grid, 3, 5), kCopyCaseCommand);
  const CaseClipboard& record = GetCaseClipboard();
  EXPECT_EQ(record.grid, grid);
  EXPECT_EQ(CCellID(record.row, record.column), CCellID(3, 5));
  EXPECT_EQ(record.functionId, function_->GetId());
  EXPECT_EQ(record.input + L"/" + record.mode, L"Editable Poly/vertex");
  ASSERT_EQ(RightClick(*grid, 44, 2), kCopyCaseCommand);
  EXPECT_EQ(GetCaseClipboard().selection, 1);
}

TEST_F(GridCaseMenuTest, TheModeFollowsTheFunctionKindThePageAndGlobalInputs) {
  CGridCtrl* grid = MakeCaseGrid(18);
  page_->name = kInputNoModifier;
  ASSERT_NE(RightClick(*grid, 3, 4), 0U);
  EXPECT_EQ(GetCaseClipboard().mode, L"objects");

  page_->name = kInputEditPoly;
  function_->AddInput(kInputEditPoly);
  function_->SetInputGlobal(kInputEditPoly, true);
  ASSERT_NE(RightClick(*grid, 3, 4), 0U);
  EXPECT_EQ(GetCaseClipboard().mode, L"global");

  XmlFunction* classic = GetTalvo().CreateFunction(kKindClassic);
  ASSERT_NE(classic, nullptr);
  page_->name = kInputClassic;
  ASSERT_NE(RightClick(*grid, 3, 4), 0U);
  EXPECT_EQ(GetCaseClipboard().mode, L"global");
  EXPECT_EQ(GetCaseClipboard().functionId, classic->GetId());
}

TEST_F(GridCaseMenuTest, AScriptDropDownOffersTheScriptCommandsUnlessDisabled) {
  CGridCtrl* grid = MakeCaseGrid(18);
  grid->SetRowHeight(3, 30);
  grid->SetColumnWidth(10, 200);
  auto* cell = MakeCell<GridCellDropDown>(*grid, 3, 10);
  cell->listKind = kScriptListKind;
  grid->PlaceCellEditors();
  EXPECT_EQ(RightClick(*grid, 3, 10, true), kNewScriptCommand);
  EXPECT_EQ(GetCaseClipboard().column, 10);
  cell->enabled = 0;  // a disabled script list is no script cell
  EXPECT_EQ(RightClick(*grid, 3, 10, true), kCopyCaseCommand);
}

TEST_F(GridCaseMenuTest, OtherPagesAndEmptyFunctionFoldersOpenNothing) {
  CGridCtrl* grid = MakeCaseGrid(18);
  XmlFunctionDir& functions = *GetTalvo().GetFunctions();
  std::vector<std::unique_ptr<XmlDocument>> kept;
  while (functions.Count() > 0) kept.push_back(functions.Release(0));
  GetCaseClipboard() = CaseClipboard{};
  EXPECT_EQ(RightClick(*grid, 3, 4), 0U);
  EXPECT_EQ(GetCaseClipboard().grid, nullptr);
  for (auto& document : kept) functions.Add(std::move(document));

  UsePage<WheelEventsEditorTab>();
  CGridCtrl* wheel = MakeCaseGrid(18);
  EXPECT_EQ(RightClick(*wheel, 3, 4), 0U);
  EXPECT_EQ(RightClick(*wheel, 3, 4, true), 0U);
  EXPECT_EQ(GetCaseClipboard().grid, nullptr);
}

}  // namespace
}  // namespace Talvo::testing
