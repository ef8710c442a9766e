// The case-row menu and the cell button's node menu: which items each offers, and that a click on a cell
// button tracks the node menu.
#include "grid/grid_menus.h"

#include <memory>

#include "controls/cell_icon_button.h"
#include "engine/editor_shared_state.h"
#include "grid/function_editor_page.h"
#include "grid/grid_cell_icon_button.h"
#include "grid_fixture.h"
#include "grid_menu_ids.h"
#include "model/talvo.h"
#include "model/vocabulary.h"

namespace Talvo::testing {
namespace {

// One item of a built menu.
struct Item {
  UINT id;
  std::wstring text;
  bool grayed;
  bool operator==(const Item&) const = default;
};

std::vector<Item> Items(CMenu& menu) {
  std::vector<Item> items;
  for (int i = 0; i < static_cast<int>(menu.GetMenuItemCount()); ++i) {
    const UINT state = menu.GetMenuState(static_cast<UINT>(i), MF_BYPOSITION);
    if (state & MF_SEPARATOR) {
      items.push_back({0, L"-", false});
      continue;
    }
    wchar_t text[128] = {};
    ::GetMenuStringW(menu.m_hMenu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
    items.push_back({menu.GetMenuItemID(i), text, (state & MF_GRAYED) != 0});
  }
  return items;
}

std::vector<UINT> Ids(CMenu& menu) {
  std::vector<UINT> ids;
  for (const Item& item : Items(menu)) ids.push_back(item.id);
  return ids;
}

class GridMenusTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    ResetEditorSharedState();
    ASSERT_TRUE(GetTalvo().Load());
    page_ = std::make_unique<FunctionEditorTab>();
    ASSERT_TRUE(page_->Make(500, 300));
    grid_ = std::make_unique<CGridCtrl>();
    ASSERT_TRUE(grid_->Create(CRect(0, 0, 400, 200), page_.get(), kGridId));
    Fill(*grid_, 4, 3);
  }
  void TearDown() override {
    buttons_.clear();
    grid_.reset();
    page_.reset();
    GetTalvo().Clear();
    ResetEditorSharedState();
    GridTest::TearDown();
  }
  // A cell button on the grid for a row and column, carrying a case.
  CellIconButton* Button(int row, int col, int selection = 0, int modifiers = 7, int taps = 2) {
    buttons_.push_back(
        std::make_unique<CellIconButton>(grid_.get(), CRect(0, 0, 20, 20), 0, 500 + buttons_.size(), row, col, L""));
    CellIconButton* button = buttons_.back().get();
    button->selectionCount = selection;
    button->modifierByte = modifiers;
    button->tapCount = taps;
    return button;
  }
  // Makes the cell an icon-button cell with a menu kind.
  void MenuKind(int row, int col, int kind) {
    ASSERT_TRUE(grid_->SetCellType(row, col, RUNTIME_CLASS(GridCellIconButton)));
    static_cast<GridCellIconButton*>(grid_->GetCell(row, col))->menuKind = kind;
  }

  std::unique_ptr<FunctionEditorTab> page_;
  std::unique_ptr<CGridCtrl> grid_;
  std::vector<std::unique_ptr<CellIconButton>> buttons_;
};

TEST_F(GridMenusTest, CaseRowMenuOffersCopyAndPasteOnceACaseIsCopied) {
  GridContextMenu menu(grid_.get(), CPoint(10, 20), FALSE);
  ASSERT_TRUE(menu.Build());
  EXPECT_EQ(Items(menu),
            (std::vector<Item>{{kCopyCaseCommand, L"Copy", false}, {kPasteCaseCommand, L"Paste", true}, {0, L"-", false}, {0, L"-", false}}));
  EXPECT_EQ(menu.GetOwnerGrid(), grid_.get());
  EXPECT_EQ(menu.GetScreenPoint(), CPoint(10, 20));

  GetCaseClipboard().copied = true;
  GridContextMenu copied(grid_.get(), CPoint(10, 20), FALSE);
  ASSERT_TRUE(copied.Build());
  EXPECT_FALSE(Items(copied)[1].grayed);
}

TEST_F(GridMenusTest, ScriptCellMenuOffersTheScriptCommands) {
  GridContextMenu menu(grid_.get(), CPoint(), TRUE);
  ASSERT_TRUE(menu.Build());
  EXPECT_EQ(Items(menu), (std::vector<Item>{{kNewScriptCommand, L"New", false},
                                            {kOpenScriptCommand, L"Open", false},
                                            {0, L"-", false},
                                            {kEditScriptCommand, L"Edit", false},
                                            {kRenameScriptCommand, L"Rename", false},
                                            {0, L"-", false},
                                            {kCopyScriptCommand, L"Copy", false},
                                            {kPasteScriptCommand, L"Paste", false},
                                            {0, L"-", false},
                                            {kDeleteScriptCommand, L"Delete", false}}));
}

TEST_F(GridMenusTest, FirstRowButtonOffersSelectionCountsByWhetherTheInputIsGlobal) {
  GridNodeContextMenu plain(Button(0, 1), CPoint());
  ASSERT_TRUE(plain.Build());
  EXPECT_EQ(Items(plain), (std::vector<Item>{{kFirstSelectionCommand, L"Add 0 selected", false},
                                             {kFirstSelectionCommand + 1, L"Add 1 selected", false},
                                             {kFirstSelectionCommand + 2, L"Add 2 selected", false},
                                             {kFirstSelectionCommand + 3, L"Add More than 2 selected", false}}));

  // "No modifier" at level "global", and the corner button on a page whose input the function has global.
  page_->name = L"No modifier";
  page_->level = L"global";
  GridNodeContextMenu noModifier(Button(0, 1), CPoint());
  ASSERT_TRUE(noModifier.Build());
  EXPECT_EQ(Ids(noModifier), (std::vector<UINT>{kFirstContextSelectionCommand, kFirstContextSelectionCommand + 1,
                                                  kFirstContextSelectionCommand + 2, kFirstContextSelectionCommand + 3}));
  page_->level = L"edge";
  GridNodeContextMenu atLevel(Button(0, 1), CPoint());
  ASSERT_TRUE(atLevel.Build());
  EXPECT_EQ(Ids(atLevel), (std::vector<UINT>{kFirstSelectionCommand, kFirstSelectionCommand + 1, kFirstSelectionCommand + 2,
                                               kFirstSelectionCommand + 3}));

  XmlFunction* function = GetTalvo().CreateFunction(kKindContextElements);
  ASSERT_NE(function, nullptr);
  ASSERT_EQ(GetTalvo().GetCurrentFunction(), function);
  page_->name = L"Edit Poly";
  function->AddInput(L"Edit Poly");
  function->SetInputGlobal(L"Edit Poly", true);
  GridNodeContextMenu corner(Button(-1, -1), CPoint());
  ASSERT_TRUE(corner.Build());
  EXPECT_EQ(Ids(corner), (std::vector<UINT>{kFirstContextSelectionCommand, kFirstContextSelectionCommand + 1,
                                                  kFirstContextSelectionCommand + 2, kFirstContextSelectionCommand + 3}));
  // No case was handed to the editor window for the first row.
  EXPECT_EQ(GetCellMenuRecord().selection, -1);
}

TEST_F(GridMenusTest, FirstRowButtonOutsideAFunctionEditorOffersNothing) {
  CGridCtrl* other = MakeGrid();
  ASSERT_NE(other, nullptr);
  Fill(*other, 2, 2);
  CellIconButton button(other, CRect(0, 0, 20, 20), 0, 77, 0, 0, L"");
  GridNodeContextMenu menu(&button, CPoint());
  ASSERT_TRUE(menu.Build());
  EXPECT_EQ(menu.GetMenuItemCount(), 0);

  GridNodeContextMenu none(nullptr, CPoint());
  EXPECT_FALSE(none.Build());
}

TEST_F(GridMenusTest, RowButtonsOfferTheirRowKindAndHandTheCaseToTheEditor) {
  MenuKind(1, 1, GridCellIconButton::kModifierCaseMenu);
  GridNodeContextMenu modifiers(Button(1, 1, 2, 11, 3), CPoint());
  ASSERT_TRUE(modifiers.Build());
  const std::vector<Item> items = Items(modifiers);
  ASSERT_EQ(items.size(), 8U);
  EXPECT_EQ(items.front(), (Item{kFirstKeyModifierCommand, L"Tap", false}));
  EXPECT_EQ(items.back(), (Item{kFirstKeyModifierCommand + 7, L"Shift + Ctrl + Alt + Tap", false}));
  const CellMenuRecord& record = GetCellMenuRecord();
  EXPECT_EQ(record.selection, 2);
  EXPECT_EQ(record.modifiers, 11);
  EXPECT_EQ(record.press, 3);

  // A modifier-case button without a selection count offers nothing.
  GridNodeContextMenu noSelection(Button(1, 1, -1), CPoint());
  ASSERT_TRUE(noSelection.Build());
  EXPECT_EQ(noSelection.GetMenuItemCount(), 0);
  EXPECT_EQ(record.selection, -1);

  MenuKind(2, 2, GridCellIconButton::kTapCountMenu);
  GridNodeContextMenu taps(Button(2, 2, -1, 3, 1), CPoint());
  ASSERT_TRUE(taps.Build());
  EXPECT_EQ(Items(taps), (std::vector<Item>{{kFirstTapCountCommand, L"Single Tap", false},
                                            {kFirstTapCountCommand + 1, L"Double Tap", false},
                                            {kFirstTapCountCommand + 2, L"Triple Tap", false},
                                            {kFirstTapCountCommand + 3, L"Quadra Tap", false}}));

  // Another kind, a plain cell or no cell at all: no items.
  MenuKind(3, 0, 5);
  GridNodeContextMenu otherKind(Button(3, 0), CPoint());
  GridNodeContextMenu plainCell(Button(3, 1), CPoint());
  GridNodeContextMenu noCell(Button(9, 9), CPoint());
  for (GridNodeContextMenu* menu : {&otherKind, &plainCell, &noCell}) {
    ASSERT_TRUE(menu->Build());
    EXPECT_EQ(menu->GetMenuItemCount(), 0);
  }
}

TEST_F(GridMenusTest, ClickOnACellButtonTracksTheNodeMenu) {
  MenuKind(2, 2, GridCellIconButton::kTapCountMenu);
  CellIconButton* button = Button(2, 2, 1, 3, 1);
  winsim::AnswerPopupMenu(kFirstTapCountCommand + 2);
  button->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  const std::vector<winsim::ModalRecord> log = winsim::ModalLog();
  ASSERT_EQ(log.size(), 1U);
  EXPECT_EQ(log[0].kind, winsim::ModalKind::PopupMenu);
  ASSERT_EQ(log[0].items.size(), 4U);
  EXPECT_EQ(log[0].items[2].id, kFirstTapCountCommand + 2);
  EXPECT_EQ(log[0].result, static_cast<int>(kFirstTapCountCommand + 2));
  EXPECT_TRUE(GetCellMenuRecord().menuOpen);

  // A button whose row has no menu kind tracks nothing.
  winsim::ClearModalLog();
  Button(3, 1)->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(winsim::ModalLog().empty());
}

}  // namespace
}  // namespace Talvo::testing
