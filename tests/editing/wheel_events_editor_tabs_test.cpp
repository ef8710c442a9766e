// The wheel-events tab strip on the default set: one page per category after the icon-only "+" tab, the
// last category active, "+" never chosen by a click, rebuilds after the set changed, and the rename of an
// imported set whose name is taken (Cancel is checked with the page's import).
#include "editing/wheel_events_editor_tabs.h"

#include <memory>
#include <string>
#include <vector>

#include "editing/wheel_events_name_clash.h"
#include "naming_dialogs_fixture.h"
#include "resources/dialogs/wheel_events_rename_dlg.h"

namespace Talvo::testing {
namespace {

class WheelEventsEditorTabsTest : public NamingDialogTest {
 protected:
  void TearDown() override {
    strip_.reset();
    NamingDialogTest::TearDown();
  }

  // Makes the strip on the test parent and places it as the wheel-events page would.
  WheelEventsEditorTabs& MakeStrip() {
    strip_ = std::make_unique<WheelEventsEditorTabs>();
    EXPECT_TRUE(strip_->Init(parent_.get()));
    strip_->Reposition();
    winsim::PumpMessages();
    return *strip_;
  }

  std::vector<std::wstring> Labels() const {
    std::vector<std::wstring> labels;
    for (int tab = 0; tab < strip_->GetTabsNum(); ++tab) {
      std::wstring label;
      strip_->GetTabLabel(tab, label);
      labels.push_back(label);
    }
    return labels;
  }

  void ClickTab(int tab) {
    CRect rect;
    ASSERT_TRUE(strip_->GetTabRect(tab, rect));
    strip_->ClientToScreen(&rect);
    winsim::Click(rect.CenterPoint().x, rect.CenterPoint().y);
    winsim::PumpMessages();
  }

  int ImageCount() const {
    CImageList* images = CImageList::FromHandlePermanent(strip_->GetImageListHandle());
    return images != nullptr ? images->GetImageCount() : -1;
  }

  std::unique_ptr<WheelEventsEditorTabs> strip_;
};

TEST_F(WheelEventsEditorTabsTest, DefaultSetShowsItsCategoriesWithTheLastActive) {
  WheelEventsEditorTabs& strip = MakeStrip();
  // The "+" tab is labelled "+" and shows its icon alone.
  EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"+", L"EPoly Op", L"Farvelle", L"Geometry", L"Helpers", L"Splines"}));
  EXPECT_EQ(strip.GetTabIcon(0), 0u);
  EXPECT_EQ(strip.GetTabWnd(0), strip.GetPlusPage());
  ASSERT_EQ(strip.GetPageCount(), 5);
  EXPECT_EQ(strip.GetTabWnd(5), strip.GetPage(4));
  EXPECT_EQ(strip.GetPage(5), nullptr);
  EXPECT_EQ(strip.GetPage(-1), nullptr);
  EXPECT_EQ(strip.GetActiveTab(), 5);
  EXPECT_TRUE(strip.GetPage(4)->IsWindowVisible());
  EXPECT_FALSE(strip.GetPlusPage()->IsWindowVisible());
}

TEST_F(WheelEventsEditorTabsTest, PlusTabIgnoresClicksAndRebuildsActivateTheLastCategory) {
  WheelEventsEditorTabs& strip = MakeStrip();
  ClickTab(2);
  EXPECT_EQ(strip.GetActiveTab(), 2);
  EXPECT_TRUE(strip.GetPage(1)->IsWindowVisible());
  ClickTab(0);
  EXPECT_EQ(strip.GetActiveTab(), 2);
  EXPECT_FALSE(strip.GetPlusPage()->IsWindowVisible());

  strip.Rebuild();
  winsim::PumpMessages();
  EXPECT_EQ(strip.GetActiveTab(), 5);
  EXPECT_EQ(ImageCount(), 1);
}

TEST_F(WheelEventsEditorTabsTest, PlusTabShowsItsIconWithTheLabelAsTooltipAndTheTabListCantOpenIt) {
  WheelEventsEditorTabs& strip = MakeStrip();
  EXPECT_TRUE(strip.IsTabIconOnly(0));
  EXPECT_EQ(strip.GetTabToolTip(0), L"+");
  EXPECT_EQ(strip.GetTabToolTip(1), L"");  // a category shows its label
  // Only the icon takes room: the label would widen the tab.
  const int iconOnlyWidth = strip.GetTabWidth(0);
  strip.SetTabIconOnly(0, FALSE);
  EXPECT_GT(strip.GetTabWidth(0), iconOnlyWidth);
  strip.SetTabIconOnly(0);

  // The tab list names the tab "+"; choosing it there leaves the category page shown.
  CRect button = strip.GetTabDocumentsMenuButton();
  ASSERT_FALSE(button.IsRectEmpty());
  strip.ClientToScreen(&button);
  winsim::AnswerPopupMenu(1);  // the list's first item, tab 0
  winsim::Click(button.CenterPoint().x, button.CenterPoint().y);
  winsim::PumpMessages();
  const std::vector<winsim::MenuItemRecord> items = winsim::ModalLog().back().items;
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(items[0].text, L"+");
  EXPECT_EQ(strip.GetActiveTab(), 5);
  EXPECT_FALSE(strip.GetPlusPage()->IsWindowVisible());
  EXPECT_TRUE(strip.GetPage(4)->IsWindowVisible());
}

TEST_F(WheelEventsEditorTabsTest, OneCategoryOrNoSetAtAll) {
  WheelEventsMap& events = GetTalvo().GetCurrentWheelEvents()->GetEventsMap();
  for (auto entry = events.begin(); entry != events.end();)
    entry = entry->first == "Helpers" ? std::next(entry) : events.erase(entry);
  WheelEventsEditorTabs& strip = MakeStrip();
  EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"+", L"Helpers"}));
  EXPECT_EQ(strip.GetActiveTab(), 1);

  // Deleting the only set leaves the "+" tab alone (and active, as the only tab).
  while (GetTalvo().GetCurrentWheelEvents() != nullptr) ASSERT_TRUE(GetTalvo().DeleteCurrentWheelEvents());
  strip.Rebuild();
  winsim::PumpMessages();
  EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"+"}));
  EXPECT_EQ(strip.GetPageCount(), 0);
  EXPECT_EQ(strip.GetActiveTab(), 0);

  strip.RemoveAllPages();
  EXPECT_EQ(strip.GetTabsNum(), 0);
  EXPECT_EQ(strip.GetPlusPage(), nullptr);
}

TEST_F(WheelEventsEditorTabsTest, FollowsTheThemeAndForgetsItWhenGone) {
  MakeStrip();
  SetTheme(kDarkTheme);
  EXPECT_EQ(ImageCount(), 1);  // the icon is reloaded, not appended
  // A theme change after the strip is gone reaches nothing of it.
  strip_.reset();
  SetTheme(kLightTheme);
}

TEST_F(WheelEventsEditorTabsTest, ImportedSetWithATakenNameIsRenamedUntilFree) {
  XmlWheelEvents* standard = GetTalvo().GetCurrentWheelEvents();
  ASSERT_EQ(standard->GetDisplayName(), L"Default WheelEvents");
  std::unique_ptr<XmlWheelEvents> imported(static_cast<XmlWheelEvents*>(standard->Duplicate().release()));
  const XmlWheelEventsDir& folder = *GetTalvo().GetWheelEventsDir();

  // A typed name that is taken too opens the dialog again.
  int shown = 0;
  winsim::AnswerModalDialog(IDD_WHEEL_EVENTS_RENAME, [&](HWND dialog) {
    ++shown;
    EXPECT_EQ(ItemText(dialog, IDC_RENAME_NAME), L"Default WheelEvents 01");
    SetDlgItemTextW(dialog, IDC_RENAME_NAME, L"Default WheelEvents");
    ClickItem(dialog, IDOK);
  });
  winsim::AnswerModalDialog(IDD_WHEEL_EVENTS_RENAME, [&](HWND dialog) {
    ++shown;
    ClickItem(dialog, IDOK);
  });
  RenameWhileNameTaken(parent_.get(), *imported, folder);
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(imported->GetDisplayName(), L"Default WheelEvents 01");
  RenameWhileNameTaken(parent_.get(), *imported, folder);  // now free: nothing is asked
  EXPECT_EQ(shown, 2);
}

}  // namespace
}  // namespace Talvo::testing
