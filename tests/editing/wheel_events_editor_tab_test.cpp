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
  WheelEventsEditorTab& page = Open(L"EPoly Op");
  EXPECT_EQ(page.GetCurrentSubcategory(), L"Vertices");
  EXPECT_TRUE(page.GetPicture().IsWindowVisible());
  const LONG titleBesideIcon = ItemRect(page.m_hWnd, IDC_WHEEL_EVENTS_TITLE).left;
  EXPECT_GT(titleBesideIcon, ItemRect(page.m_hWnd, IDC_WHEEL_EVENTS_ICON).right);

  // A subcategory without an icon: the title moves into the icon's place.
  page.PreviousObject();
  EXPECT_EQ(page.GetCurrentSubcategory(), L"Subdivision");
  EXPECT_FALSE(page.GetPicture().IsWindowVisible());
  EXPECT_LT(ItemRect(page.m_hWnd, IDC_WHEEL_EVENTS_TITLE).left, titleBesideIcon);
  page.NextObject();
  page.NextObject();
  EXPECT_EQ(page.GetCurrentSubcategory(), L"Edges");
}

TEST_F(WheelEventsEditorTabTest, ListsObjectsInOrderAndAnUnknownCategoryEmpty) {
  WheelEventsEditorTab& page = Open(L"Geometry");
  const int box = FindRow(L"box");
  ASSERT_GT(box, 1);
  EXPECT_LT(box, FindRow(L"cylinder"));
  EXPECT_LT(FindRow(L"sphere"), FindRow(L"tube"));
  EXPECT_EQ(page.GetGrid().GetItemText(box + 2, WheelEventsEditorTab::kTitleColumn), L"heightSegs");
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
  ExpandAll();
  const int inset = FindRow(L"Inset");
  ASSERT_GT(inset, 0);
  int shiftRow = -1;
  for (int row = inset + 1; row < inset + 4; ++row) {
    if (page.GetGrid().GetItemText(row, WheelEventsEditorTab::kModifierColumn) == L"SHIFT") shiftRow = row;
  }
  ASSERT_GT(shiftRow, 0);
  page.GetGrid().EnsureVisible(shiftRow, WheelEventsEditorTab::kIncrementColumn);
  page.Relayout();
  CTreeGridCtrl& grid = page.GetGrid();
  auto* increment = dynamic_cast<GridCellSpinEdit*>(grid.GetCell(shiftRow, WheelEventsEditorTab::kIncrementColumn));
  auto* unit = dynamic_cast<GridCellDropDown*>(grid.GetCell(shiftRow, WheelEventsEditorTab::kUnitColumn));
  ASSERT_TRUE(increment != nullptr && increment->GetSpinEdit() != nullptr);
  ASSERT_TRUE(unit != nullptr && unit->GetDropDown() != nullptr);
  CellSpinEdit& spin = *increment->GetSpinEdit();
  const auto stored = [this](const char* key) { return XmlDocument::Text(ValueNode("epoly", "shift", key)); };
  const auto switchTo = [&](const wchar_t* unitName) {
    unit->GetDropDown()->SelectString(-1, unitName);
    page.SendMessage(WM_APPLY_CELL, 0, reinterpret_cast<LPARAM>(unit->GetDropDown()));
  };
  const auto enter = [&spin](double value, double previous) {
    spin.SetUserValue(value);
    spin.FinishUserEdit(previous);
  };

  // The stored value again writes nothing; 12 is stored with the suffix kept.
  page.SendMessage(WM_WHEEL_VALUE_EDITED, 5, reinterpret_cast<LPARAM>(&spin));
  EXPECT_EQ(stored("increment"), "5px");
  enter(12, 5);
  EXPECT_EQ(stored("increment"), "12px");

  // Switching to WORLD drops the suffixes and turns the spin editors to floats.
  switchTo(L"WORLD");
  EXPECT_TRUE(spin.IsFloatMode());
  EXPECT_EQ(stored("upperLimit"), "50");
  EXPECT_EQ(stored("increment"), "12");
  EXPECT_FALSE(GetTalvo().GetCurrentWheelEvents()->IsSaved());
  enter(0.25, 12);
  EXPECT_EQ(stored("increment"), "0.250");

  // Back to SCREEN: "0.250" becomes "0px", and the editor and the stored value follow the new text, so
  // that 0.25 entered after switching to WORLD again is stored, not taken for the old value.
  switchTo(L"SCREEN");
  EXPECT_EQ(stored("increment"), "0px");
  EXPECT_EQ(spin.GetIntValue(), 0);
  switchTo(L"WORLD");
  EXPECT_EQ(stored("increment"), "0");
  enter(0.25, 0);
  EXPECT_EQ(stored("increment"), "0.250");
  // A stale sender changes nothing.
  page.SendMessage(WM_WHEEL_VALUE_EDITED, 0, 12345);
  page.SendMessage(WM_APPLY_CELL, 0, 12345);
}

TEST_F(WheelEventsEditorTabTest, ChoosingAnotherRowsModifierSwapsBothRows) {
  WheelEventsEditorTab& page = Open(L"Geometry");
  ExpandAll();
  const int height = FindRow(L"heightSegs");  // SHIFT; widthSegs below it has CTRL
  const int width = FindRow(L"widthSegs", height);
  CTreeGridCtrl& grid = page.GetGrid();
  auto* shiftCell = dynamic_cast<GridCellDropDown*>(grid.GetCell(height, WheelEventsEditorTab::kModifierColumn));
  ASSERT_TRUE(shiftCell != nullptr && shiftCell->GetDropDown() != nullptr);
  shiftCell->GetDropDown()->SelectString(-1, L"CTRL");
  page.SendMessage(WM_APPLY_CELL, 0, reinterpret_cast<LPARAM>(shiftCell->GetDropDown()));

  EXPECT_EQ(grid.GetItemText(height, WheelEventsEditorTab::kModifierColumn), L"CTRL");
  EXPECT_EQ(grid.GetItemText(width, WheelEventsEditorTab::kModifierColumn), L"SHIFT");
  auto* spin = dynamic_cast<GridCellSpinEdit*>(grid.GetCell(width, WheelEventsEditorTab::kLowerColumn));
  ASSERT_NE(spin, nullptr);
  EXPECT_EQ(spin->modifierName, L"SHIFT");
  XmlNode* action = GetTalvo().GetCurrentWheelEvents()->GetNode("events")->first_node("box")->first_node("action");
  EXPECT_EQ(XmlDocument::Text(action->first_node("ctrl")->first_node("attrib")), "heightSegs");
  EXPECT_EQ(XmlDocument::Text(action->first_node("shift")->first_node("attrib")), "widthSegs");
}

// A page that hears which drop-downs its cell-change handler was given.
struct ApplyRecordingTab : WheelEventsEditorTab {
  LRESULT ApplyCell(WPARAM wParam, LPARAM lParam) override {
    senders.push_back(lParam);
    return WheelEventsEditorTab::ApplyCell(wParam, lParam);
  }
  std::vector<LPARAM> senders;
};

TEST_F(WheelEventsEditorTabTest, TheCellChangeMessageRunsApplyCell) {
  ApplyRecordingTab page;
  page.SetPageName(L"Geometry");
  ASSERT_TRUE(page.CreatePage(parent_.get()));
  page.SendMessage(WM_APPLY_CELL, 0, 12345);
  EXPECT_EQ(page.senders, std::vector<LPARAM>{12345});
  page.DestroyWindow();
}

// The grid places prepared editors as their cells scroll into view; the page prepares every spin cell, in
// its unit's mode, with the page's range and the stored value.
TEST_F(WheelEventsEditorTabTest, SpinCellsScrolledIntoViewGetTheirEditors) {
  WheelEventsEditorTab& page = Open(L"Geometry");
  CTreeGridCtrl& grid = page.GetGrid();
  ExpandAll();
  grid.PlaceCellEditors();
  const int lastRow = grid.GetRowCount() - 1;
  auto* last = dynamic_cast<GridCellSpinEdit*>(grid.GetCell(lastRow, WheelEventsEditorTab::kLowerColumn));
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->GetSpinEdit(), nullptr);

  grid.SendMessage(WM_VSCROLL, SB_BOTTOM);
  grid.PlaceCellEditors();
  CellSpinEdit* editor = last->GetSpinEdit();
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(editor->IsWindowVisible());
  EXPECT_EQ(editor->Maximum(), 5000.0);
  const ValueRecord& record = *reinterpret_cast<ValueRecord*>(last->valueRecord);
  EXPECT_EQ(editor->IsFloatMode(), record.screenUnits != 1);
  if (editor->IsFloatMode()) {
    EXPECT_FLOAT_EQ(editor->GetFloatValue(), record.lowerLimit);
  } else {
    EXPECT_EQ(editor->GetIntValue(), static_cast<int>(record.lowerLimit));
  }
}

}  // namespace
}  // namespace Talvo::testing
