// The wheel-events editor page on the default wheel-event set: subcategory stepping and header, the rows of
// a category, unit switching, modifier swapping and value edits written back into the set's XML text.
#include "editing/wheel_events_editor_tab.h"

#include <memory>
#include <string>

#include "editing/wheel_subcategory_ring.h"
#include "editing/wheel_value_text.h"
#include "model/text.h"
#include "naming_dialogs_fixture.h"
#include "resources/dialogs/wheel_events_editor_tab.h"

namespace Talvo::testing {
namespace {

TEST(WheelSubcategoryRing, LevelsComeFirstInKeywordOrder) {
  const std::list<std::wstring> ring =
      OrderSubcategories({L"Edges", L"Geometry (All)", L"Polygons", L"Subdivision", L"Vertices", L"Other"});
  EXPECT_EQ(ring, (std::list<std::wstring>{L"Vertices", L"Edges", L"Polygons", L"Geometry (All)", L"Subdivision",
                                           L"Other"}));
  EXPECT_TRUE(OrderSubcategories({}).empty());
  // A name with two level keywords is stepped to once, under the first.
  EXPECT_EQ(OrderSubcategories({L"Polygon Edges", L"Vertices"}),
            (std::list<std::wstring>{L"Vertices", L"Polygon Edges"}));
}

TEST(WheelValueText, FormatsAndComparesAsStored) {
  EXPECT_EQ(FormatWheelValueText(12, true, 0, "5px"), "12px");
  EXPECT_EQ(FormatWheelValueText(0.25, false, 3, "0.02"), "0.250");
  EXPECT_EQ(FormatWheelValueText(123456, true, 0, "1"), "1.2346e+05");
  EXPECT_TRUE(WheelValueMatchesText(5, true, "5px"));
  EXPECT_TRUE(WheelValueMatchesText(5.7, true, "5.2"));
  EXPECT_FALSE(WheelValueMatchesText(0.5, false, "0.25"));
  EXPECT_FALSE(WheelValueMatchesText(0, true, "px"));
}

class WheelEventsEditorTabTest : public NamingDialogTest {
 protected:
  WheelEventsEditorTab& Open(const std::wstring& category) {
    page_ = std::make_unique<WheelEventsEditorTab>();
    page_->SetPageName(category);
    EXPECT_TRUE(page_->CreatePage(parent_.get()));
    page_->SetWindowPos(nullptr, 0, 0, 780, 460, SWP_NOZORDER);
    page_->ShowWindow(SW_SHOW);
    winsim::PumpMessages();
    return *page_;
  }
  void TearDown() override {
    if (page_ && ::IsWindow(page_->m_hWnd)) page_->DestroyWindow();
    page_.reset();
    NamingDialogTest::TearDown();
  }
  int FindRow(const std::wstring& title, int from = 0) {
    CTreeGridCtrl& grid = page_->GetGrid();
    for (int row = from; row < grid.GetRowCount(); ++row) {
      if (grid.GetItemText(row, WheelEventsEditorTab::kTitleColumn) == title) return row;
    }
    return -1;
  }
  // Expands every collapsed node, as clicks on the rows would.
  void ExpandAll() {
    CTreeGridCtrl& grid = page_->GetGrid();
    for (int row = 0; row < grid.GetRowCount(); ++row) {
      if (CTreeNode* node = grid.GetRowNode(row)) grid.Expand(node);
    }
    page_->Relayout();
  }
  XmlNode* ValueNode(const char* object, const char* modifier, const char* key) {
    XmlNode* events = GetTalvo().GetCurrentWheelEvents()->GetNode("events");
    XmlNode* action = events->first_node(object)->first_node("action");
    while (action != nullptr && XmlDocument::Attribute(action, "id") != "Inset") action = action->next_sibling("action");
    if (action == nullptr) action = events->first_node(object)->first_node("action");
    return action->first_node(modifier)->first_node(key);
  }
  std::unique_ptr<WheelEventsEditorTab> page_;
};

TEST_F(WheelEventsEditorTabTest, StepsRoundTheSubcategoriesWithIconAndTitle) {
  for (AppFrameColorTheme theme : {kLightTheme, kDarkTheme}) {
    SetTheme(theme);
    WheelEventsEditorTab& page = Open(L"EPoly Op");
    EXPECT_EQ(page.GetRing(), (std::list<std::wstring>{L"Vertices", L"Edges", L"Polygons", L"Geometry (All)",
                                                       L"Subdivision"}));
    EXPECT_EQ(page.GetCurrentSubcategory(), L"Vertices");
    EXPECT_TRUE(page.GetPicture().IsWindowVisible());
    EXPECT_EQ(page.GetPicture().GetImage(), 0);
    EXPECT_GE(ItemRect(page.m_hWnd, IDC_WHEEL_EVENTS_TITLE).left, 140);
    EXPECT_GT(ItemRect(page.m_hWnd, IDC_WHEEL_EVENTS_TITLE).left, ItemRect(page.m_hWnd, IDC_WHEEL_EVENTS_ICON).right);
    ExpandAll();
    winsim::PumpMessages();
    SaveScreenshot(page.m_hWnd, "wheel_events_editor_tab");

    page.PreviousObject();
    EXPECT_EQ(page.GetCurrentSubcategory(), L"Subdivision");
    EXPECT_FALSE(page.GetPicture().IsWindowVisible());
    EXPECT_EQ(ItemRect(page.m_hWnd, IDC_WHEEL_EVENTS_TITLE).left, 103);
    page.NextObject();
    page.NextObject();
    EXPECT_EQ(page.GetCurrentSubcategory(), L"Edges");
    page_->DestroyWindow();
  }
}

TEST_F(WheelEventsEditorTabTest, ListsObjectsActionsAndAttributeRowsInOrder) {
  WheelEventsEditorTab& page = Open(L"Geometry");
  EXPECT_EQ(page.GetRing(), std::list<std::wstring>{L"Standard Primitives"});
  CTreeGridCtrl& grid = page.GetGrid();
  const int box = FindRow(L"box");
  ASSERT_GT(box, 1);
  EXPECT_LT(box, FindRow(L"cylinder"));
  EXPECT_LT(FindRow(L"cylinder"), FindRow(L"plane"));
  EXPECT_LT(FindRow(L"sphere"), FindRow(L"tube"));
  EXPECT_EQ(grid.GetItemText(box + 1, 2), L"Create");
  EXPECT_EQ(grid.GetItemText(box + 2, 2), L"heightSegs");
  EXPECT_EQ(grid.GetItemText(box + 3, 2), L"lengthSegs");
  EXPECT_EQ(grid.GetItemText(box + 4, 2), L"widthSegs");
  EXPECT_EQ(grid.GetItemText(box + 2, 4), L"SHIFT");
  EXPECT_EQ(grid.GetItemText(box + 3, 4), L"ALT");
  EXPECT_EQ(grid.GetItemText(box + 4, 4), L"CTRL");
  EXPECT_EQ(grid.GetItemText(box + 2, 6), L"WORLD");
  EXPECT_EQ(grid.GetItemText(box + 2, 3), L"ModKey");
  // An empty or unknown category shows nothing and stepping does nothing.
  page_->DestroyWindow();
  WheelEventsEditorTab& empty = Open(L"No Such Category");
  EXPECT_TRUE(empty.GetRing().empty());
  empty.NextObject();
  EXPECT_EQ(empty.GetCurrentSubcategory(), L"");
}

TEST_F(WheelEventsEditorTabTest, UnitSwitchAndValueEditsWriteTheSetText) {
  WheelEventsEditorTab& page = Open(L"EPoly Op");
  page.NextObject();
  page.NextObject();
  ASSERT_EQ(page.GetCurrentSubcategory(), L"Polygons");
  ExpandAll();
  const int inset = FindRow(L"Inset");
  ASSERT_GT(inset, 0);
  int shiftRow = -1;
  for (int row = inset + 1; row < inset + 4; ++row) {
    if (page.GetGrid().GetItemText(row, 4) == L"SHIFT") shiftRow = row;
  }
  ASSERT_GT(shiftRow, 0);
  page.GetGrid().EnsureVisible(shiftRow, 12);
  page.Relayout();
  EXPECT_EQ(page.GetGrid().GetItemText(shiftRow, 6), L"SCREEN");
  auto* increment = dynamic_cast<GridCellSpinEdit*>(page.GetGrid().GetCell(shiftRow, 12));
  ASSERT_NE(increment, nullptr);
  ASSERT_NE(increment->GetSpinEdit(), nullptr);
  CellSpinEdit& spin = *increment->GetSpinEdit();
  EXPECT_FALSE(spin.IsFloatMode());

  // The stored value again writes nothing; 12 is stored with the suffix kept.
  XmlNode* text = ValueNode("epoly", "shift", "increment");
  ASSERT_NE(text, nullptr);
  page.SendMessage(WM_WHEEL_VALUE_EDITED, 5, reinterpret_cast<LPARAM>(&spin));
  EXPECT_EQ(XmlDocument::Text(text), "5px");
  spin.SetUserValue(12);
  spin.FinishUserEdit(5);
  EXPECT_EQ(XmlDocument::Text(ValueNode("epoly", "shift", "increment")), "12px");

  // Switching to WORLD drops the suffixes and turns the spin editors to floats.
  auto* unit = dynamic_cast<GridCellDropDown*>(page.GetGrid().GetCell(shiftRow, 6));
  ASSERT_NE(unit, nullptr);
  ASSERT_NE(unit->GetDropDown(), nullptr);
  unit->GetDropDown()->SelectString(-1, L"WORLD");
  page.SendMessage(WM_APPLY_CELL, 0, reinterpret_cast<LPARAM>(unit->GetDropDown()));
  EXPECT_TRUE(spin.IsFloatMode());
  EXPECT_EQ(XmlDocument::Text(ValueNode("epoly", "shift", "upperLimit")), "50");
  EXPECT_EQ(XmlDocument::Text(ValueNode("epoly", "shift", "increment")), "12");
  EXPECT_FALSE(GetTalvo().GetCurrentWheelEvents()->IsSaved());

  spin.SetUserValue(0.25);
  spin.FinishUserEdit(12);
  EXPECT_EQ(XmlDocument::Text(ValueNode("epoly", "shift", "increment")), "0.250");

  // Back to SCREEN: "0.250" becomes "0px", and the editor and the stored value follow the new text, so
  // that 0.25 entered after switching to WORLD again is stored, not taken for the old value.
  unit->GetDropDown()->SelectString(-1, L"SCREEN");
  page.SendMessage(WM_APPLY_CELL, 0, reinterpret_cast<LPARAM>(unit->GetDropDown()));
  EXPECT_EQ(XmlDocument::Text(ValueNode("epoly", "shift", "increment")), "0px");
  EXPECT_EQ(spin.GetIntValue(), 0);
  unit->GetDropDown()->SelectString(-1, L"WORLD");
  page.SendMessage(WM_APPLY_CELL, 0, reinterpret_cast<LPARAM>(unit->GetDropDown()));
  EXPECT_EQ(XmlDocument::Text(ValueNode("epoly", "shift", "increment")), "0");
  EXPECT_EQ(spin.GetFloatValue(), 0.0F);
  spin.SetUserValue(0.25);
  spin.FinishUserEdit(0);
  EXPECT_EQ(XmlDocument::Text(ValueNode("epoly", "shift", "increment")), "0.250");
  // A stale sender changes nothing.
  page.SendMessage(WM_WHEEL_VALUE_EDITED, 0, 12345);
  page.SendMessage(WM_APPLY_CELL, 0, 12345);
}

TEST_F(WheelEventsEditorTabTest, ChoosingAnotherRowsModifierSwapsBothRows) {
  WheelEventsEditorTab& page = Open(L"Geometry");
  ExpandAll();
  const int box = FindRow(L"box");
  CTreeGridCtrl& grid = page.GetGrid();
  auto* shiftCell = dynamic_cast<GridCellDropDown*>(grid.GetCell(box + 2, 4));  // heightSegs, SHIFT
  ASSERT_NE(shiftCell, nullptr);
  ASSERT_NE(shiftCell->GetDropDown(), nullptr);
  shiftCell->GetDropDown()->SelectString(-1, L"CTRL");
  page.SendMessage(WM_APPLY_CELL, 0, reinterpret_cast<LPARAM>(shiftCell->GetDropDown()));

  EXPECT_EQ(grid.GetItemText(box + 2, 4), L"CTRL");
  EXPECT_EQ(grid.GetItemText(box + 4, 4), L"SHIFT");
  auto* heightValue = reinterpret_cast<ValueRecord*>(shiftCell->valueRecord);
  EXPECT_EQ(heightValue->attribute, "heightSegs");
  auto* spin = dynamic_cast<GridCellSpinEdit*>(grid.GetCell(box + 4, 8));
  ASSERT_NE(spin, nullptr);
  EXPECT_EQ(spin->modifierName, L"SHIFT");
  EXPECT_EQ(reinterpret_cast<ValueRecord*>(spin->valueRecord)->attribute, "widthSegs");
  XmlNode* events = GetTalvo().GetCurrentWheelEvents()->GetNode("events");
  XmlNode* action = events->first_node("box")->first_node("action");
  EXPECT_EQ(XmlDocument::Text(action->first_node("ctrl")->first_node("attrib")), "heightSegs");
  EXPECT_EQ(XmlDocument::Text(action->first_node("shift")->first_node("attrib")), "widthSegs");
}


TEST_F(WheelEventsEditorTabTest, SpinCellsScrolledIntoViewGetTheirEditors) {
  WheelEventsEditorTab& page = Open(L"Geometry");
  CTreeGridCtrl& grid = page.GetGrid();
  // Expand everything as clicks would, each click re-placing the editors.
  for (int row = 0; row < grid.GetRowCount(); ++row) {
    if (CTreeNode* node = grid.GetRowNode(row)) grid.Expand(node);
  }
  grid.PlaceCellEditors();

  auto inView = [&](int row, int column) {
    CRect cell;
    CRect client;
    CRect inside;
    grid.GetClientRect(&client);
    return grid.GetCellRect(row, column, &cell) && !cell.IsRectEmpty() && inside.IntersectRect(&cell, &client);
  };
  // Every spin cell in view has its editor on the cell, in its unit's mode, showing the stored value.
  auto checkView = [&](const char* when) {
    int shown = 0;
    for (int row = 0; row < grid.GetRowCount(); ++row) {
      for (int column : {WheelEventsEditorTab::kLowerColumn, WheelEventsEditorTab::kUpperColumn,
                         WheelEventsEditorTab::kIncrementColumn}) {
        auto* cell = dynamic_cast<GridCellSpinEdit*>(grid.GetCell(row, column));
        if (cell == nullptr || !inView(row, column)) continue;
        SCOPED_TRACE(std::string(when) + ", row " + std::to_string(row) + ", column " + std::to_string(column));
        ++shown;
        CellSpinEdit* editor = cell->GetSpinEdit();
        ASSERT_NE(editor, nullptr);
        EXPECT_TRUE(editor->IsWindowVisible());
        CRect rect;
        ASSERT_TRUE(grid.GetCellRect(row, column, &rect));
        CRect placed;
        editor->GetWindowRect(&placed);
        grid.ScreenToClient(&placed);
        EXPECT_EQ(placed, CRect(rect.left, rect.top + 4, rect.right, rect.bottom - 4));
        const auto& record = *reinterpret_cast<ValueRecord*>(cell->valueRecord);
        const float stored = cell->fieldTag == WheelEventsEditorTab::kLowerLimitTag   ? record.lowerLimit
                             : cell->fieldTag == WheelEventsEditorTab::kUpperLimitTag ? record.upperLimit
                                                                                      : record.increment;
        EXPECT_EQ(editor->IsFloatMode(), record.screenUnits != 1);
        EXPECT_EQ(editor->Maximum(), 5000.0);
        if (editor->IsFloatMode()) {
          EXPECT_FLOAT_EQ(editor->GetFloatValue(), stored);
        } else {
          EXPECT_EQ(editor->GetIntValue(), static_cast<int>(stored));
        }
      }
    }
    EXPECT_GT(shown, 0) << when;
  };

  checkView("expanded");
  const int lastRow = grid.GetRowCount() - 1;
  ASSERT_FALSE(inView(lastRow, WheelEventsEditorTab::kLowerColumn));
  auto* last = dynamic_cast<GridCellSpinEdit*>(grid.GetCell(lastRow, WheelEventsEditorTab::kLowerColumn));
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->GetSpinEdit(), nullptr);

  // Scrolling down a page at a time, each step followed by the re-placing that the redraw message brings
  // (no resize, no expand in between).
  for (int step = 0; step < 20 && !inView(lastRow, WheelEventsEditorTab::kLowerColumn); ++step) {
    grid.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    grid.PlaceCellEditors();
    checkView("after a page down");
  }
  ASSERT_TRUE(inView(lastRow, WheelEventsEditorTab::kLowerColumn));
  EXPECT_NE(last->GetSpinEdit(), nullptr);
}

}  // namespace
}  // namespace Talvo::testing
