// The page strip: fixed pages in their slots, key-assignment pages from the profile's open keys and from
// key buttons, and closing one as an undoable step.
#include <gtest/gtest.h>

#include "controls/key_button.h"
#include "editing/functions_tab.h"
#include "editing/wheel_events_tab.h"
#include "editor/assignment_tab.h"
#include "editor/profile_tab.h"
#include "editor/layout_key_geometry.h"
#include "frame_fixture.h"

namespace Talvo::testing {
namespace {

class WindowTabsTest : public FrameTest {
 protected:
  // Opens keys in the current profile before the editor window is made.
  void OpenKeys(std::initializer_list<int> keys) {
    XmlProfile* profile = GetTalvo().GetCurrentProfile();
    for (int key : keys) {
      if (!profile->HasAssignment(key)) profile->Assign(key, static_cast<int>(DefaultVirtualKey(key)), L"", true, false);
      profile->SetOpenFlag(key, true);
    }
  }

  static AssignmentTab* AssignmentAt(WindowTabs& tabs, int index) {
    return DYNAMIC_DOWNCAST(AssignmentTab, tabs.GetPageAt(index));
  }
};

TEST_F(WindowTabsTest, FixedPagesFirstThenTheOpenKeysWithTheirVirtualKeys) {
  OpenKeys({17, 31});
  WindowTabs& tabs = OpenFrame().GetTabs();
  ASSERT_EQ(tabs.GetPageCount(), 5);
  EXPECT_TRUE(tabs.GetPageAt(0)->IsKindOf(RUNTIME_CLASS(ProfileTab)));
  EXPECT_TRUE(tabs.GetPageAt(1)->IsKindOf(RUNTIME_CLASS(FunctionsTab)));
  EXPECT_TRUE(tabs.GetPageAt(2)->IsKindOf(RUNTIME_CLASS(WheelEventsTab)));
  ASSERT_NE(AssignmentAt(tabs, 3), nullptr);
  EXPECT_EQ(AssignmentAt(tabs, 3)->GetVirtualKey(), 49);
  EXPECT_EQ(AssignmentAt(tabs, 4)->GetVirtualKey(), 81);
  EXPECT_EQ(tabs.FindAssignmentTab(31), 4);
  EXPECT_EQ(tabs.FindAssignmentTab(2), -1);
  std::wstring label;
  tabs.GetTabLabel(3, label);
  EXPECT_NE(label.find(L"] - Key Assignment Tab"), std::wstring::npos);
}

TEST_F(WindowTabsTest, ClosingAnAssignmentPageIsUndoneByTheHostsUndo) {
  OpenKeys({31});
  WindowTabs& tabs = OpenFrame().GetTabs();
  tabs.SetActiveTab(3);
  tabs.ShowActiveTabCloseButton(true);
  tabs.RecalcLayout();
  CRect close = tabs.GetTabCloseButton();
  ASSERT_FALSE(close.IsRectEmpty());
  tabs.ClientToScreen(&close);
  winsim::Click(close.CenterPoint().x, close.CenterPoint().y);

  EXPECT_EQ(tabs.GetPageCount(), 3);
  EXPECT_EQ(tabs.GetActiveTab(), 0);
  EXPECT_FALSE(GetTalvo().GetCurrentProfile()->GetOpenFlag(31));
  ASSERT_FALSE(hostsim::UndoLabels().empty());
  EXPECT_EQ(hostsim::UndoLabels().front(), L"Close Tab");

  ASSERT_TRUE(hostsim::Undo());
  winsim::PumpMessages();
  ASSERT_EQ(tabs.GetPageCount(), 4);
  EXPECT_EQ(AssignmentAt(tabs, 3)->GetKeyNumber(), 31);
  EXPECT_EQ(tabs.GetActiveTab(), 3);
  EXPECT_TRUE(tabs.IsActiveTabCloseButton());
}

struct KeyButtonCase {
  const char* name;
  bool assignedBefore;
  bool pageBefore;
};

class AddAssignmentTabTest : public WindowTabsTest, public ::testing::WithParamInterface<KeyButtonCase> {};

TEST_P(AddAssignmentTabTest, OneAssignedPagePerKey) {
  const KeyButtonCase& c = GetParam();
  constexpr int kKey = 45;
  if (c.pageBefore) OpenKeys({kKey});
  else if (c.assignedBefore) GetTalvo().GetCurrentProfile()->Assign(kKey, 65, L"", false, false);
  WindowTabs& tabs = OpenFrame().GetTabs();
  KeyButton button;
  button.keyNumber = kKey;
  button.virtualKey = 65;

  tabs.SendMessage(OpenAssignmentTabMessage, kKey, reinterpret_cast<LPARAM>(&button));
  ASSERT_EQ(tabs.GetPageCount(), 4);
  EXPECT_EQ(AssignmentAt(tabs, 3)->GetKeyNumber(), kKey);
  EXPECT_EQ(tabs.GetActiveTab(), 3);
  EXPECT_TRUE(GetTalvo().GetCurrentProfile()->HasAssignment(kKey));
  EXPECT_TRUE(GetTalvo().GetCurrentProfile()->GetOpenFlag(kKey));
  EXPECT_EQ(button.assignedText, c.assignedBefore || c.pageBefore ? L"" : L"Undefined");
  // Again: the page is shown, not added twice.
  tabs.SetActiveTab(0);
  tabs.SendMessage(OpenAssignmentTabMessage, kKey, reinterpret_cast<LPARAM>(&button));
  EXPECT_EQ(tabs.GetPageCount(), 4);
  EXPECT_EQ(tabs.GetActiveTab(), 3);
}

INSTANTIATE_TEST_SUITE_P(Cases, AddAssignmentTabTest,
                         ::testing::Values(KeyButtonCase{"Unassigned", false, false}, KeyButtonCase{"Assigned", true, false},
                                           KeyButtonCase{"AlreadyOpen", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace Talvo::testing
