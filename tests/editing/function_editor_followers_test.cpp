// The function editor after the lists it showed went stale: rows scrolled into view carry their "+"
// buttons, and an action chosen from a list whose macro the host dropped meanwhile stores nothing.
#include "grid/grid_cell_icon_button.h"
#include "function_editor_fixture.h"
#include "model/vocabulary.h"

namespace Talvo::testing {
namespace {

constexpr int kTextColumn = 2;
constexpr int kGroup = 4;
constexpr int kCategory = 6;
constexpr int kAction = 8;

// Checks that every row the grid shows whose text cell carries a button has it, shown and tagged with its
// row's case; returns how many such rows there were.
int ExpectShownRowsHaveButtons(const CTreeGridCtrl& grid) {
  CRect client;
  grid.GetClientRect(&client);
  int checked = 0;
  for (int row = 0; row < grid.GetRowCount(); ++row) {
    const auto* cell = dynamic_cast<const GridCellIconButton*>(grid.GetCell(row, kTextColumn));
    CRect rect;
    if (cell == nullptr || grid.GetRowHeight(row) < 1 || !grid.GetCellRect(row, kTextColumn, &rect)) continue;
    if (rect.bottom <= client.top || rect.top >= client.bottom) continue;
    ++checked;
    const CellIconButton* button = cell->GetButton();
    EXPECT_NE(button, nullptr) << "row " << row;
    if (button == nullptr) continue;
    EXPECT_TRUE(::IsWindowVisible(button->m_hWnd)) << "row " << row;
    EXPECT_EQ(button->selectionCount, cell->number1) << "row " << row;
    EXPECT_EQ(button->modifierByte, cell->number3) << "row " << row;
  }
  return checked;
}

TEST_F(FunctionEditorTest, RowsScrolledIntoViewHaveTheirPlusButtons) {
  XmlFunction& function = NewFunction(kKindContextSensitive);
  for (int selection = 0; selection <= 3; ++selection) {
    for (const unsigned char modifiers : {3, 7, 11, 19}) {
      for (int press = 1; press <= 2; ++press)
        function.AddAction({L"Editable Poly", L"vertex", selection, press, modifiers});
    }
  }
  host_->MoveWindow(20, 20, 1280, 330);  // room for a few rows only
  FunctionEditorTab& page = MakePage(L"Editable Poly");
  Expand(0, 3);
  CTreeGridCtrl& grid = page.GetGrid();
  const int atTop = ExpectShownRowsHaveButtons(grid);
  for (const UINT code : {SB_LINEDOWN, SB_LINEDOWN, SB_PAGEDOWN, SB_BOTTOM}) {
    grid.SendMessage(WM_VSCROLL, code);
    ExpectShownRowsHaveButtons(grid);
  }
  EXPECT_GT(grid.GetScrollPos32(SB_VERT), 0);
  EXPECT_GT(atTop, 0);
}

TEST_F(FunctionEditorTest, AnActionWhoseMacroTheHostDroppedAfterTheListWasFilledStoresNothing) {
  XmlFunction& function = NewFunction(kKindContextSensitive);
  const CaseKeys vertexTap{L"Editable Poly", L"vertex", 0, 1, 3};
  function.AddAction(vertexTap);
  const MacroID kept = hostsim::AddMacro({L"Selection", L"Loop Once", L"", L"", L"", L""});
  const MacroID dropped = hostsim::AddMacro({L"Selection", L"Loop Twice", L"", L"", L"", L""});
  MakePage(L"Editable Poly");
  Expand(0, 3);
  Choose(3, kGroup, L"Main UI");
  Choose(3, kCategory, L"Selection");  // fills the action list with both macros

  ASSERT_TRUE(hostsim::RemoveMacro(dropped));
  Choose(3, kAction, L"Loop Twice");
  CaseMacroScript macro;
  EXPECT_FALSE(function.GetCaseMacroScript(vertexTap, macro));
  EXPECT_NE(std::wstring(DropDown(3, kAction)->GetText()), L"Loop Twice");

  // A macro the host still has is found again by its id when chosen.
  Choose(3, kAction, L"Loop Once");
  ASSERT_TRUE(function.GetCaseMacroScript(vertexTap, macro));
  EXPECT_EQ(macro.macroId, kept);
  EXPECT_EQ(macro.name, L"Loop Once");
}

}  // namespace
}  // namespace Talvo::testing
