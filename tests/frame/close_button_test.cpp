// The page strip's close button: shown on key-assignment pages only, whatever activates a page (a click, a
// command, or the removal of the active page's tab by a rebuild).
#include <gtest/gtest.h>

#include "editor/layout_key_geometry.h"
#include "frame_fixture.h"

namespace Talvo::testing {
namespace {

class CloseButtonTest : public FrameTest {
 protected:
  WindowTabs& OpenWithKeys(std::initializer_list<int> keys) {
    XmlProfile* profile = GetTalvo().GetCurrentProfile();
    for (int key : keys) {
      profile->Assign(key, static_cast<int>(DefaultVirtualKey(key)), L"", true, false);
      profile->SetOpenFlag(key, true);
    }
    return OpenFrame().GetTabs();
  }
};

TEST_F(CloseButtonTest, EveryActivationSetsTheCloseButtonByThePagesIndex) {
  WindowTabs& tabs = OpenWithKeys({31, 17});
  for (int index : {3, 0, 4, 1, 3, 2}) {
    tabs.SetActiveTab(index);
    EXPECT_EQ(tabs.IsActiveTabCloseButton() != FALSE, index >= 3) << index;
  }
}

TEST_F(CloseButtonTest, AFixedPageThatTakesOverFromARemovedKeyPageShowsNoCloseButton) {
  WindowTabs& tabs = OpenWithKeys({31});
  tabs.SetActiveTab(3);
  ASSERT_TRUE(tabs.IsActiveTabCloseButton());
  // A profile delete or clone from the key page: the key's page goes, and the strip activates a fixed page.
  GetTalvo().GetCurrentProfile()->SetOpenFlag(31, false);
  tabs.RebuildAssignmentTabs();
  winsim::PumpMessages();
  ASSERT_EQ(tabs.GetPageCount(), 3);
  EXPECT_LT(tabs.GetActiveTab(), 3);
  EXPECT_FALSE(tabs.IsActiveTabCloseButton());
  tabs.RecalcLayout();
  EXPECT_TRUE(tabs.GetTabCloseButton().IsRectEmpty());
}

}  // namespace
}  // namespace Talvo::testing
