// The case-row menu and the cell button's node menu: which items each offers, and that a click on a cell
// button tracks the node menu.
#include "grid/grid_menus.h"

#include <memory>

#include "controls/cell_icon_button.h"
#include "engine/editor_shared_state.h"
#include "grid/grid_cell_icon_button.h"
#include "grid_fixture.h"
#include "grid_menu_ids.h"
#include "model/talvo.h"
#include "model/vocabulary.h"

namespace Talvo::testing {
namespace {

// One item of a built menu; separators have id 0 and text "-".
struct Item {
  UINT id;
  std::wstring text;
  bool grayed = false;
  bool operator==(const Item&) const = default;
};
using Items = std::vector<Item>;

Items ItemsOf(CMenu& menu) {
  Items items;
  for (int i = 0; i < static_cast<int>(menu.GetMenuItemCount()); ++i) {
    const UINT state = menu.GetMenuState(static_cast<UINT>(i), MF_BYPOSITION);
    wchar_t text[128] = L"-";
    if (!(state & MF_SEPARATOR)) ::GetMenuStringW(menu.m_hMenu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
    items.push_back({state & MF_SEPARATOR ? 0 : menu.GetMenuItemID(i), text, (state & MF_GRAYED) != 0});
  }
  return items;
}

// The four "Add ... selected" items from a first command id.
Items SelectionItems(UINT first) {
  return {{first, L"Add 0 selected"},
          {first + 1, L"Add 1 selected"},
          {first + 2, L"Add 2 selected"},
          {first + 3, L"Add More than 2 selected"}};
}

class GridMenusTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    ResetEditorSharedState();
    ASSERT_TRUE(GetTalvo().Load());
    page_ = UsePage<FunctionEditorTab>();
    grid_ = MakeGrid();
    Fill(*grid_, 4, 3);
  }
  void TearDown() override {
    buttons_.clear();
    GetTalvo().Clear();
    ResetEditorSharedState();
    GridTest::TearDown();
  }
  // A cell button on the grid for a row and column, carrying a case.
  CellIconButton* Button(int row, int col, int selection = 0, int modifiers = 7, int taps = 2) {
    buttons_.push_back(
        std::make_unique<CellIconButton>(grid_, CRect(0, 0, 20, 20), 0, 500 + buttons_.size(), row, col, L""));
    CellIconButton* button = buttons_.back().get();
    button->selectionCount = selection;
    button->modifierByte = modifiers;
    button->tapCount = taps;
    return button;
  }
  // The items of the node menu built for a button.
  static Items NodeMenu(CellIconButton* button) {
    GridNodeContextMenu menu(button, CPoint());
    EXPECT_TRUE(menu.Build());
    return ItemsOf(menu);
  }
  // Makes the cell an icon-button cell with a menu kind.
  void MenuKind(int row, int col, int kind) {
    ASSERT_TRUE(grid_->SetCellType(row, col, RUNTIME_CLASS(GridCellIconButton)));
    static_cast<GridCellIconButton*>(grid_->GetCell(row, col))->menuKind = kind;
  }

  FunctionEditorTab* page_ = nullptr;
  CGridCtrl* grid_ = nullptr;
  std::vector<std::unique_ptr<CellIconButton>> buttons_;
};

TEST_F(GridMenusTest, TheCaseRowMenuOffersPasteOnceACaseIsCopied) {
  GridContextMenu menu(grid_, CPoint(10, 20), FALSE);
  ASSERT_TRUE(menu.Build());
  EXPECT_EQ(ItemsOf(menu),
            (Items{{kCopyCaseCommand, L"Copy"}, {kPasteCaseCommand, L"Paste", true}, {0, L"-"}, {0, L"-"}}));
  GetCaseClipboard().copied = true;
  GridContextMenu copied(grid_, CPoint(10, 20), FALSE);
  ASSERT_TRUE(copied.Build());
  EXPECT_FALSE(ItemsOf(copied)[1].grayed);
}

TEST_F(GridMenusTest, TheScriptCellMenuOffersTheScriptCommands) {
  GridContextMenu menu(grid_, CPoint(), TRUE);
  ASSERT_TRUE(menu.Build());
  EXPECT_EQ(ItemsOf(menu), (Items{{kNewScriptCommand, L"New"},
                                  {kOpenScriptCommand, L"Open"},
                                  {0, L"-"},
                                  {kEditScriptCommand, L"Edit"},
                                  {kRenameScriptCommand, L"Rename"},
                                  {0, L"-"},
                                  {kCopyScriptCommand, L"Copy"},
                                  {kPasteScriptCommand, L"Paste"},
                                  {0, L"-"},
                                  {kDeleteScriptCommand, L"Delete"}}));
}

TEST_F(GridMenusTest, FirstRowButtonsOfferSelectionCountsByWhetherTheInputIsGlobal) {
  EXPECT_EQ(NodeMenu(Button(0, 1)), SelectionItems(kFirstSelectionCommand));
  page_->name = L"No modifier";  // "No modifier" at level "global"
  page_->level = L"global";
  EXPECT_EQ(NodeMenu(Button(0, 1)), SelectionItems(kFirstContextSelectionCommand));
  page_->level = L"edge";
  EXPECT_EQ(NodeMenu(Button(0, 1)), SelectionItems(kFirstSelectionCommand));

  // The corner button on a page whose input the function has global.
  XmlFunction* function = GetTalvo().CreateFunction(kKindContextElements);
  ASSERT_NE(function, nullptr);
  page_->name = L"Edit Poly";
  function->AddInput(L"Edit Poly");
  function->SetInputGlobal(L"Edit Poly", true);
  EXPECT_EQ(NodeMenu(Button(-1, -1)), SelectionItems(kFirstContextSelectionCommand));
  EXPECT_EQ(GetCellMenuRecord().selection, -1);  // no case handed to the editor window for the first row
}

TEST_F(GridMenusTest, FirstRowButtonsOutsideAFunctionEditorOfferNothing) {
  UsePage<OptionsEditorTab>();
  grid_ = MakeGrid();
  Fill(*grid_, 2, 2);
  EXPECT_TRUE(NodeMenu(Button(0, 0)).empty());
  GridNodeContextMenu none(nullptr, CPoint());
  EXPECT_FALSE(none.Build());
}

TEST_F(GridMenusTest, RowButtonsOfferTheirRowKindAndHandTheCaseToTheEditor) {
  MenuKind(1, 1, GridCellIconButton::kModifierCaseMenu);
  const Items modifiers = NodeMenu(Button(1, 1, 2, 11, 3));
  ASSERT_EQ(modifiers.size(), 8U);
  EXPECT_EQ(modifiers.front(), (Item{kFirstKeyModifierCommand, L"Tap"}));
  EXPECT_EQ(modifiers.back(), (Item{kFirstKeyModifierCommand + 7, L"Shift + Ctrl + Alt + Tap"}));
  const CellMenuRecord& record = GetCellMenuRecord();
  EXPECT_EQ(record.selection, 2);
  EXPECT_EQ(record.modifiers, 11);
  EXPECT_EQ(record.press, 3);
  EXPECT_TRUE(NodeMenu(Button(1, 1, -1)).empty());  // a modifier-case button without a selection count

  MenuKind(2, 2, GridCellIconButton::kTapCountMenu);
  EXPECT_EQ(NodeMenu(Button(2, 2, -1, 3, 1)), (Items{{kFirstTapCountCommand, L"Single Tap"},
                                                     {kFirstTapCountCommand + 1, L"Double Tap"},
                                                     {kFirstTapCountCommand + 2, L"Triple Tap"},
                                                     {kFirstTapCountCommand + 3, L"Quadra Tap"}}));
  // Another kind, a plain cell or no cell at all: no items.
  MenuKind(3, 0, 5);
  for (CellIconButton* button : {Button(3, 0), Button(3, 1), Button(9, 9)}) EXPECT_TRUE(NodeMenu(button).empty());
}

TEST_F(GridMenusTest, AClickOnACellButtonTracksTheNodeMenu) {
  MenuKind(2, 2, GridCellIconButton::kTapCountMenu);
  winsim::AnswerPopupMenu(kFirstTapCountCommand + 2);
  Button(2, 2, 1, 3, 1)->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  const std::vector<winsim::ModalRecord> log = winsim::ModalLog();
  ASSERT_EQ(log.size(), 1U);
  EXPECT_EQ(log[0].items.size(), 4U);
  EXPECT_TRUE(GetCellMenuRecord().menuOpen);
  winsim::ClearModalLog();  // a button whose row has no menu kind tracks nothing
  Button(3, 1)->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(winsim::ModalLog().empty());
}

}  // namespace
}  // namespace Talvo::testing
