// Clicking tree rows on the function-editor and wheel-events pages: toggling with notifications, the rows of
// the case layout that may expand, the other categories collapsing, and pages that do not toggle.
#include <model/talvo.h>
#include <model/xml_options.h>

#include "grid/tree_grid_ctrl.h"
#include "tree_grid_fixture.h"

namespace Talvo::testing {
namespace {

using Heights = std::vector<int>;
using Codes = std::vector<int>;

class TreeGridToggleTest : public TreeGridTest {
 protected:
  // A tree grid with the sample tree under a page of class Page, nothing received yet.
  template <typename Page>
  CTreeGridCtrl* MakeSampleOn() {
    UsePage<Page>();
    CTreeGridCtrl* grid = MakeTreeGrid();
    tree_ = MakeSampleTree(*grid);
    winsim::PumpMessages();
    parent_->received.clear();
    return grid;
  }
  // A function-editor tree: row 0 the root item, row 1 a category with rows 2 and 3, row 4 one with row 5.
  CTreeGridCtrl* MakeCategories() {
    UsePage<FunctionEditorTab>();
    CTreeGridCtrl* grid = MakeTreeGrid();
    root_ = grid->InsertItem(L" ");
    first_ = grid->InsertItem(L"first", root_);
    grid->InsertItem(L"first child", first_);
    grid->InsertItem(L"first child too", first_);
    CTreeNode* second = grid->InsertItem(L"second", root_);
    grid->InsertItem(L"second child", second);
    for (int row = 0; row < grid->GetRowCount(); ++row) grid->SetRowHeight(row, kRowHeight);
    grid->Collapse(second);
    winsim::PumpMessages();
    parent_->received.clear();
    return grid;
  }
  // Clicks the middle of a cell (the grid not scrolled), with a modifier key held unless 0.
  static void ClickRow(const CTreeGridCtrl& grid, int row, int col = 2, int modifier = 0) {
    CRect rect;
    ASSERT_TRUE(grid.GetCellRect(row, col, &rect));
    POINT point = rect.CenterPoint();
    grid.ClientToScreen(&point);
    if (modifier != 0) winsim::KeyDown(modifier);
    winsim::Click(point.x, point.y);
    if (modifier != 0) winsim::KeyUp(modifier);
  }

  SampleTree tree_;
  CTreeNode* root_ = nullptr;
  CTreeNode* first_ = nullptr;
};

TEST_F(TreeGridToggleTest, AClickOnAWheelEventsRowTogglesItWithNotificationsAndNoSelection) {
  CTreeGridCtrl* grid = MakeSampleOn<WheelEventsEditorTab>();
  ClickRow(*grid, 1);  // any column of the row toggles it
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 0, 20, 20}));
  EXPECT_EQ(parent_->NotifyCodes(), (Codes{TGVN_COLLAPSING, TGVN_COLLAPSED}));  // no click notification
  EXPECT_EQ(parent_->received.back().row, 1);
  EXPECT_EQ(parent_->Count(WM_COMMAND), 0);
  EXPECT_EQ(grid->GetSelectedCount(), 0);
  EXPECT_EQ(::GetFocus(), grid->m_hWnd);  // the click still takes the focus
  parent_->received.clear();
  ClickRow(*grid, 1, 0);
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 20, 20, 20}));
  EXPECT_EQ(parent_->NotifyCodes(), (Codes{TGVN_EXPANDING, TGVN_EXPANDED}));
}

TEST_F(TreeGridToggleTest, ShiftAndCtrlClicksAndOtherPagesSelectInsteadOfToggling) {
  CTreeGridCtrl* grid = MakeSampleOn<WheelEventsEditorTab>();
  ClickRow(*grid, 1, 2, VK_SHIFT);
  ClickRow(*grid, 1, 2, VK_CONTROL);
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 20, 20, 20}));
  EXPECT_EQ(parent_->Count(WM_COMMAND), 2);

  CTreeGridCtrl* other = MakeSampleOn<OptionsEditorTab>();
  EXPECT_FALSE(other->ToggleNode(0, CPoint(100, 30)));
  ClickRow(*other, 1);
  EXPECT_EQ(RowHeights(*other), (Heights{20, 20, 20, 20, 20}));
  EXPECT_EQ(parent_->Count(WM_COMMAND), 1);
}

TEST_F(TreeGridToggleTest, AFunctionEditorRowThatMayNotExpandStaysCollapsedSilently) {
  UsePage<FunctionEditorTab>();
  CTreeGridCtrl* grid = MakeTreeGrid();
  // 9 rows (8 below the root): one block with groups of 2, so row 3 is a tap row.
  CTreeNode* root = grid->InsertItem(L" ");
  std::vector<CTreeNode*> nodes;
  for (int i = 0; i < 8; ++i) nodes.push_back(grid->InsertItem(L"", root));
  for (int row = 0; row < grid->GetRowCount(); ++row) grid->SetRowHeight(row, kRowHeight);
  ASSERT_TRUE(grid->Collapse(nodes[2]));
  winsim::PumpMessages();
  parent_->received.clear();
  ClickRow(*grid, 3);
  EXPECT_NE(grid->GetCell(3, 1)->GetState() & GVIS_COLLAPSED, 0u);
  EXPECT_TRUE(parent_->received.empty());  // the click is still the tree's
}

TEST_F(TreeGridToggleTest, ExpandingInAFunctionEditorCollapsesTheOtherCategoriesButTheRoot) {
  CTreeGridCtrl* grid = MakeCategories();
  ClickRow(*grid, 4);
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 0, 0, 20, 20}));
  const Codes codes = parent_->NotifyCodes();
  ASSERT_GE(codes.size(), 4u);
  EXPECT_EQ(codes.front(), TGVN_COLLAPSING);
  EXPECT_EQ(codes.back(), TGVN_EXPANDED);
}

TEST_F(TreeGridToggleTest, WithAllCategoriesOpenNothingElseCollapses) {
  ASSERT_TRUE(GetTalvo().Load());
  XmlOptions* options = GetTalvo().GetOptions();
  options->AddOption(kOptionsGeneral, L"allcategories", 1);
  options->SetOption(kOptionsGeneral, L"allcategories", 1);
  CTreeGridCtrl* grid = MakeCategories();
  grid->CollapseOtherNodes(root_);
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 20, 20, 20, 0}));
  options->SetOption(kOptionsGeneral, L"allcategories", 0);
  grid->CollapseOtherNodes(root_);
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 0, 0, 20, 0}));
  GetTalvo().Clear();
}

}  // namespace
}  // namespace Talvo::testing
