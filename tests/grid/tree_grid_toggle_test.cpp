// Clicking tree rows on the function-editor and wheel-events pages: toggling with the page's vetoes, the
// rows of the case layout that may expand, the other categories collapsing, and pages that do not toggle.
#include <model/talvo.h>
#include <model/xml_options.h>

#include "grid/tree_grid_ctrl.h"
#include "tree_grid_fixture.h"

namespace Talvo::testing {
namespace {

// A wheel-events page that refills its grid (here: empties it) when asked before a collapse.
class RefillingPage : public WheelEventsEditorTab {
  DECLARE_DYNAMIC(RefillingPage)
 public:
  CTreeGridCtrl* grid = nullptr;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NOTIFY && grid != nullptr &&
        reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(TGVN_COLLAPSING)) {
      grid->DeleteAllItems();
    }
    return WheelEventsEditorTab::WindowProc(message, wParam, lParam);
  }
};
IMPLEMENT_DYNAMIC(RefillingPage, WheelEventsEditorTab)

using Heights = std::vector<int>;

// Lets the test ask which rows of the case layout may expand.
class CaseGrid : public CTreeGridCtrl {
 public:
  using CTreeGridCtrl::IsExpandableCaseRow;
};

class TreeGridToggleTest : public TreeGridTest {
 protected:
  // Clicks the middle of a cell (the grid not scrolled).
  static void ClickRow(const CTreeGridCtrl& grid, int row, int col = 2) {
    CRect rect;
    ASSERT_TRUE(grid.GetCellRect(row, col, &rect));
    POINT point = rect.CenterPoint();
    grid.ClientToScreen(&point);
    winsim::Click(point.x, point.y);
  }
  // The tree notifications the page received, in order.
  std::vector<int> TreeNotifications() const {
    std::vector<int> codes;
    for (const ReceivedMessage& message : parent_->received) {
      if (message.message == WM_NOTIFY && message.notifyCode <= TGVN_COLLAPSED &&
          message.notifyCode >= TGVN_EXPANDING) {
        codes.push_back(message.notifyCode);
      }
    }
    return codes;
  }
  int Notifications(int code) const {
    int count = 0;
    for (const ReceivedMessage& message : parent_->received) {
      count += message.message == WM_NOTIFY && message.notifyCode == code ? 1 : 0;
    }
    return count;
  }
};

TEST_F(TreeGridToggleTest, AClickOnAWheelEventsRowTogglesItWithNotificationsAndNoSelection) {
  UsePage<WheelEventsEditorTab>();
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  MakeSampleTree(*grid);
  winsim::PumpMessages();
  parent_->received.clear();

  ClickRow(*grid, 1);  // any column of the row toggles it
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 0, 20, 20}));
  EXPECT_EQ(TreeNotifications(), (std::vector<int>{TGVN_COLLAPSING, TGVN_COLLAPSED}));
  for (const ReceivedMessage& message : parent_->received) {
    if (message.message != WM_NOTIFY) continue;
    EXPECT_EQ(message.row, 1);
    EXPECT_EQ(message.column, 1);
  }
  // The click belongs to the tree: no click notification, no selection, no button command.
  EXPECT_EQ(Notifications(GVN_CLICK), 0);
  EXPECT_EQ(parent_->Count(WM_COMMAND), 0);
  EXPECT_EQ(grid->GetSelectedCount(), 0);
  EXPECT_EQ(grid->GetClickDownCell(), CCellID());
  EXPECT_EQ(::GetFocus(), grid->m_hWnd);

  parent_->received.clear();
  ClickRow(*grid, 1, 0);
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 20, 20, 20}));
  EXPECT_EQ(TreeNotifications(), (std::vector<int>{TGVN_EXPANDING, TGVN_EXPANDED}));
}

TEST_F(TreeGridToggleTest, APagesVetoLeavesTheNodeAsItWas) {
  UsePage<WheelEventsEditorTab>();
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  const SampleTree tree = MakeSampleTree(*grid);
  ASSERT_TRUE(grid->Collapse(tree.b));
  winsim::PumpMessages();
  parent_->received.clear();
  parent_->notifyReply = -1;

  ClickRow(*grid, 0);
  EXPECT_EQ(TreeNotifications(), (std::vector<int>{TGVN_COLLAPSING}));
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 20, 20, 20}));
  EXPECT_NE(grid->GetCell(0, 1)->GetState() & GVIS_EXPANDED, 0u);

  parent_->received.clear();
  ClickRow(*grid, 4);
  EXPECT_EQ(TreeNotifications(), (std::vector<int>{TGVN_EXPANDING}));
  EXPECT_NE(grid->GetCell(4, 1)->GetState() & GVIS_COLLAPSED, 0u);
}

TEST_F(TreeGridToggleTest, APageThatRefillsTheGridWhileAskedIsSurvived) {
  UsePage<RefillingPage>();
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  MakeSampleTree(*grid);
  static_cast<RefillingPage*>(parent_.get())->grid = grid;
  winsim::PumpMessages();
  parent_->received.clear();

  EXPECT_TRUE(grid->ToggleNode(0, CPoint(100, 30)));
  EXPECT_EQ(grid->GetRowCount(), 0);
  EXPECT_EQ(TreeNotifications(), (std::vector<int>{TGVN_COLLAPSING}));  // nothing left to collapse
}

TEST_F(TreeGridToggleTest, ShiftAndCtrlClicksAndOtherPagesSelectInsteadOfToggling) {
  UsePage<WheelEventsEditorTab>();
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  MakeSampleTree(*grid);
  winsim::PumpMessages();
  parent_->received.clear();

  for (int modifier : {VK_SHIFT, VK_CONTROL}) {
    winsim::KeyDown(modifier);
    ClickRow(*grid, 1);
    winsim::KeyUp(modifier);
  }
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 20, 20, 20}));
  EXPECT_TRUE(TreeNotifications().empty());
  EXPECT_EQ(Notifications(GVN_CLICK), 2);
}

TEST_F(TreeGridToggleTest, GridsOfOtherPagesNeverToggle) {
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  MakeSampleTree(*grid);
  winsim::PumpMessages();
  parent_->received.clear();
  EXPECT_FALSE(grid->ToggleNode(0, CPoint(100, 30)));
  ClickRow(*grid, 1);
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 20, 20, 20}));
  EXPECT_TRUE(TreeNotifications().empty());
  EXPECT_EQ(Notifications(GVN_CLICK), 1);
}

TEST_F(TreeGridToggleTest, FunctionEditorRowsOfTheCaseLayoutExpandOthersStayAsTheyAre) {
  UsePage<FunctionEditorTab>();
  CaseGrid* grid = MakeTreeGrid<CaseGrid>();
  ASSERT_NE(grid, nullptr);

  // 83 rows (82 below the root): blocks of 41 rows with groups of 5.
  CTreeNode* root = grid->InsertItem(L" ");
  for (int i = 0; i < 82; ++i) grid->InsertItem(L"", root);
  for (int row : {0, 1, 2, 7, 12, 42, 43, 48}) EXPECT_TRUE(grid->IsExpandableCaseRow(row)) << row;
  for (int row : {3, 4, 6, 41, 44}) EXPECT_FALSE(grid->IsExpandableCaseRow(row)) << row;

  // 9 rows (8 below the root): one block with groups of 2.
  ASSERT_TRUE(grid->DeleteAllItems());
  grid->SetColumnCount(3);
  root = grid->InsertItem(L" ");
  std::vector<CTreeNode*> nodes;
  for (int i = 0; i < 8; ++i) nodes.push_back(grid->InsertItem(L"", root));
  for (int row : {0, 1, 2, 4, 6, 8}) EXPECT_TRUE(grid->IsExpandableCaseRow(row)) << row;
  for (int row : {3, 5, 7}) EXPECT_FALSE(grid->IsExpandableCaseRow(row)) << row;

  // A collapsed row that may not expand stays collapsed, silently; the click is still the tree's.
  for (int row = 0; row < grid->GetRowCount(); ++row) grid->SetRowHeight(row, kRowHeight);
  ASSERT_TRUE(grid->Collapse(nodes[2]));  // row 3
  winsim::PumpMessages();
  parent_->received.clear();
  ClickRow(*grid, 3);
  EXPECT_NE(grid->GetCell(3, 1)->GetState() & GVIS_COLLAPSED, 0u);
  EXPECT_TRUE(TreeNotifications().empty());
  EXPECT_EQ(Notifications(GVN_CLICK), 0);
}

TEST_F(TreeGridToggleTest, ExpandingInAFunctionEditorCollapsesTheOtherCategories) {
  UsePage<FunctionEditorTab>();
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  // Row 0 the root item; row 1 a category with two children (rows 2 and 3), row 4 one with a child (row 5).
  CTreeNode* root = grid->InsertItem(L" ");
  CTreeNode* first = grid->InsertItem(L"first", root);
  grid->InsertItem(L"first child", first);
  grid->InsertItem(L"first child too", first);
  CTreeNode* second = grid->InsertItem(L"second", root);
  grid->InsertItem(L"second child", second);
  for (int row = 0; row < grid->GetRowCount(); ++row) grid->SetRowHeight(row, kRowHeight);
  ASSERT_TRUE(grid->Collapse(first));
  ASSERT_TRUE(grid->Collapse(second));
  ASSERT_TRUE(grid->Expand(first));
  winsim::PumpMessages();
  parent_->received.clear();

  // Row 4 of 6 rows (5 below the root, groups of 2) may expand; the first category collapses on the way, and
  // so does every other expanded node but the root item (row 0 is never collapsed that way).
  ClickRow(*grid, 4);
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 0, 0, 20, 20}));
  EXPECT_NE(grid->GetCell(1, 1)->GetState() & GVIS_COLLAPSED, 0u);
  EXPECT_NE(grid->GetCell(0, 1)->GetState() & GVIS_EXPANDED, 0u);
  const std::vector<int> codes = TreeNotifications();
  ASSERT_GE(codes.size(), 4u);
  EXPECT_EQ(codes[0], TGVN_COLLAPSING);
  EXPECT_EQ(codes[codes.size() - 2], TGVN_EXPANDING);
  EXPECT_EQ(codes.back(), TGVN_EXPANDED);
}

TEST_F(TreeGridToggleTest, WithAllCategoriesOpenNothingElseCollapses) {
  struct Unload {
    ~Unload() { GetTalvo().Clear(); }
  } unload;
  ASSERT_TRUE(GetTalvo().Load());
  XmlOptions* options = GetTalvo().GetOptions();
  ASSERT_NE(options, nullptr);
  options->AddOption(kOptionsGeneral, L"allcategories", 1);
  options->SetOption(kOptionsGeneral, L"allcategories", 1);

  UsePage<FunctionEditorTab>();
  CTreeGridCtrl* grid = MakeTreeGrid();
  ASSERT_NE(grid, nullptr);
  CTreeNode* root = grid->InsertItem(L" ");
  CTreeNode* first = grid->InsertItem(L"first", root);
  grid->InsertItem(L"first child", first);
  for (int row = 0; row < grid->GetRowCount(); ++row) grid->SetRowHeight(row, kRowHeight);
  parent_->received.clear();

  grid->CollapseOtherNodes(root);
  EXPECT_TRUE(TreeNotifications().empty());
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 20}));

  options->SetOption(kOptionsGeneral, L"allcategories", 0);
  grid->CollapseOtherNodes(root);
  EXPECT_EQ(RowHeights(*grid), (Heights{20, 20, 0}));
}

}  // namespace
}  // namespace Talvo::testing
