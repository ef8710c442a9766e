#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afxwin.h"
#include "mfc_fixture.h"
#include "test_windows.h"
#include "win32/simulation.h"

namespace {

// The tab control's parent: records the activation messages and may refuse a change.
class TabHost : public CWnd {
 public:
  std::vector<std::string> log;
  int refuseTab = -1;

 protected:
  LRESULT OnChanging(WPARAM wParam, LPARAM) {
    log.push_back("changing " + std::to_string(wParam));
    return static_cast<int>(wParam) == refuseTab ? 1 : 0;
  }
  LRESULT OnChanged(WPARAM wParam, LPARAM) {
    log.push_back("changed " + std::to_string(wParam));
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TabHost, CWnd)
  ON_REGISTERED_MESSAGE(AFX_WM_CHANGING_ACTIVE_TAB, &TabHost::OnChanging)
  ON_REGISTERED_MESSAGE(AFX_WM_CHANGE_ACTIVE_TAB, &TabHost::OnChanged)
END_MESSAGE_MAP()

// A page that counts the WM_CLOSE it is sent.
class Page : public CWnd {
 public:
  int closeRequests = 0;
  BOOL Make(CWnd* parent) {
    LPCWSTR white = AfxRegisterWndClass(0, nullptr, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    return CreateEx(0, white, L"page", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), parent, 0);
  }

 protected:
  void OnClose() { ++closeRequests; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Page, CWnd)
  ON_WM_CLOSE()
END_MESSAGE_MAP()

class TabCtrlTest : public MfcTest {
 protected:
  void SetUp() override {
    MfcTest::SetUp();
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), L"host", WS_POPUP | WS_VISIBLE, 100, 100, width, 300,
                              nullptr, nullptr));
    ASSERT_TRUE(tabs.Create(CMFCTabCtrl::STYLE_3D_ONENOTE, CRect(0, 0, width, 300), &host, 107,
                            CMFCBaseTabCtrl::LOCATION_TOP));
  }
  void AddPages(const std::vector<std::wstring>& labels) {
    for (const std::wstring& label : labels) {
      pages.push_back(std::make_unique<Page>());
      ASSERT_TRUE(pages.back()->Make(&tabs));
      tabs.AddTab(pages.back().get(), label.c_str());
    }
  }
  std::vector<bool> Visibility() const {
    std::vector<bool> shown;
    for (const auto& page : pages) shown.push_back(page->IsWindowVisible() != FALSE);
    return shown;
  }
  CPoint CentreOf(int iTab) const {
    CRect rect;
    EXPECT_TRUE(tabs.GetTabRect(iTab, rect));
    return rect.CenterPoint();
  }
  CPoint OnScreen(CPoint point) const {
    tabs.ClientToScreen(&point);
    return point;
  }

  int width = 600;
  TabHost host;
  CMFCTabCtrl tabs;
  std::vector<std::unique_ptr<Page>> pages;
};

TEST_F(TabCtrlTest, AddRemoveAndMoveKeepTheActiveTab) {
  AddPages({L"Profiles", L"Functions", L"Wheel"});
  EXPECT_EQ(tabs.GetTabsNum(), 3);
  EXPECT_EQ(tabs.GetActiveTab(), 0);  // the first tab added becomes active
  EXPECT_EQ(Visibility(), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(tabs.GetTabWnd(1), pages[1].get());
  EXPECT_EQ(tabs.GetTabFromHwnd(pages[2]->m_hWnd), 2);

  // Moving the active tab to the end: it stays active at its new index, the others shift up.
  tabs.MoveTab(0, 2);
  std::wstring label;
  EXPECT_TRUE(tabs.GetTabLabel(0, label));
  EXPECT_EQ(label, L"Functions");
  EXPECT_EQ(tabs.GetActiveTab(), 2);
  EXPECT_EQ(tabs.GetActiveWnd(), pages[0].get());
  tabs.MoveTab(1, 0);  // a tab before the active one moves: the active index stays
  EXPECT_EQ(tabs.GetActiveTab(), 2);

  // Removing the active (last) tab activates the new last one; the removed window is hidden, not destroyed.
  EXPECT_TRUE(tabs.RemoveTab(2));
  EXPECT_EQ(tabs.GetTabsNum(), 2);
  EXPECT_EQ(tabs.GetActiveTab(), 1);
  EXPECT_TRUE(::IsWindow(pages[0]->m_hWnd));
  EXPECT_FALSE(pages[0]->IsWindowVisible());
  EXPECT_TRUE(tabs.GetActiveWnd()->IsWindowVisible());

  tabs.RemoveAllTabs();
  EXPECT_EQ(tabs.GetTabsNum(), 0);
  EXPECT_EQ(tabs.GetActiveTab(), -1);
  EXPECT_EQ(tabs.GetActiveWnd(), nullptr);
}

TEST_F(TabCtrlTest, SetActiveTabShowsOnePageInThePageAreaAndAsksTheParent) {
  AddPages({L"One", L"Two", L"Three"});
  host.log.clear();
  EXPECT_TRUE(tabs.SetActiveTab(2));
  EXPECT_EQ(host.log, (std::vector<std::string>{"changing 2", "changed 2"}));
  EXPECT_EQ(Visibility(), (std::vector<bool>{false, false, true}));

  // The page fills the page area, which lies below the tab area.
  CRect area;
  tabs.GetWndArea(area);
  CRect page;
  pages[2]->GetWindowRect(&page);
  tabs.ScreenToClient(&page);
  EXPECT_EQ(page, area);
  CRect top;
  CRect bottom;
  tabs.GetTabArea(top, bottom);
  EXPECT_TRUE(bottom.IsRectEmpty());
  EXPECT_EQ(top.Height(), tabs.GetTabsHeight());
  EXPECT_GE(area.top, top.bottom);

  // A refused change leaves everything as it was.
  host.refuseTab = 1;
  host.log.clear();
  EXPECT_FALSE(tabs.SetActiveTab(1));
  EXPECT_EQ(host.log, (std::vector<std::string>{"changing 1"}));
  EXPECT_EQ(tabs.GetActiveTab(), 2);
  EXPECT_EQ(Visibility(), (std::vector<bool>{false, false, true}));
}

TEST_F(TabCtrlTest, GetTabFromPointFindsTabsSideBySide) {
  AddPages({L"Profiles", L"Functions", L"Wheel events"});
  CRect first;
  CRect second;
  tabs.GetTabRect(0, first);
  tabs.GetTabRect(1, second);
  EXPECT_EQ(first.right, second.left);
  EXPECT_GT(second.Width(), 0);
  for (int i = 0; i < 3; ++i) {
    CPoint centre = CentreOf(i);
    EXPECT_EQ(tabs.GetTabFromPoint(centre), i);
  }
  CPoint belowTabs(first.CenterPoint().x, first.bottom + 20);
  EXPECT_EQ(tabs.GetTabFromPoint(belowTabs), -1);
  CPoint leftEdge = first.TopLeft();  // the top-left corner belongs to the tab, the right edge does not
  EXPECT_EQ(tabs.GetTabFromPoint(leftEdge), 0);
  CPoint rightEdge(second.right, second.top);
  EXPECT_NE(tabs.GetTabFromPoint(rightEdge), 1);

  // A click on a tab activates it.
  winsim::Click(OnScreen(CentreOf(1)).x, OnScreen(CentreOf(1)).y);
  EXPECT_EQ(tabs.GetActiveTab(), 1);
}

TEST_F(TabCtrlTest, TheCloseButtonHasItsOwnHitTestAndClosesTheActivePage) {
  AddPages({L"Profiles", L"Functions", L"Key"});
  EXPECT_TRUE(tabs.GetTabCloseButton().IsRectEmpty());
  tabs.EnableActiveTabCloseButton();
  tabs.SetActiveTab(2);
  const CRect close = tabs.GetTabCloseButton();
  ASSERT_FALSE(close.IsRectEmpty());
  CRect active;
  tabs.GetTabRect(2, active);
  EXPECT_TRUE(active.PtInRect(close.TopLeft()) && active.PtInRect(CPoint(close.right - 1, close.bottom - 1)));
  // The close button widens its tab rather than covering the label.
  EXPECT_LE(tabs.GetTabContentRect(2).right, close.left);

  // Hovering highlights it; pressing presses it; releasing on it asks the page to close.
  const CPoint onClose = OnScreen(close.CenterPoint());
  winsim::MouseMove(onClose.x, onClose.y);
  EXPECT_TRUE(tabs.IsTabCloseButtonHighlighted());
  EXPECT_FALSE(tabs.IsTabCloseButtonPressed());
  winsim::MouseDown();
  EXPECT_TRUE(tabs.IsTabCloseButtonPressed());
  EXPECT_EQ(tabs.GetActiveTab(), 2);
  winsim::MouseUp();
  EXPECT_FALSE(tabs.IsTabCloseButtonPressed());
  EXPECT_EQ(pages[2]->closeRequests, 1);

  // Elsewhere on the active tab: no highlight, and a click there closes nothing.
  const CPoint onLabel = OnScreen(tabs.GetTabContentRect(2).CenterPoint());
  winsim::Click(onLabel.x, onLabel.y);
  EXPECT_FALSE(tabs.IsTabCloseButtonHighlighted());
  EXPECT_EQ(pages[2]->closeRequests, 1);

  // Pressing the button and releasing elsewhere cancels.
  winsim::MouseMove(onClose.x, onClose.y);
  winsim::MouseDown();
  winsim::MouseMove(onLabel.x, onLabel.y);
  EXPECT_FALSE(tabs.IsTabCloseButtonHighlighted());
  winsim::MouseUp();
  EXPECT_EQ(pages[2]->closeRequests, 1);

  // Only the active tab has the button.
  tabs.SetActiveTab(0);
  CRect first;
  tabs.GetTabRect(0, first);
  EXPECT_TRUE(first.PtInRect(tabs.GetTabCloseButton().CenterPoint()));
  tabs.EnableActiveTabCloseButton(FALSE);
  EXPECT_TRUE(tabs.GetTabCloseButton().IsRectEmpty());
}

TEST_F(TabCtrlTest, TheHighlightGoesWhenTheMouseLeavesTheControl) {
  AddPages({L"Keys", L"Wheel", L"Cases"});
  tabs.EnableActiveTabCloseButton();
  tabs.SetActiveTab(1);
  const CPoint third = OnScreen(CentreOf(2));
  winsim::MouseMove(third.x, third.y);
  EXPECT_EQ(tabs.GetHighlightedTab(), 2);
  // Onto the active page, a child window: the control is left.
  CRect area;
  tabs.GetWndArea(area);
  const CPoint page = OnScreen(area.CenterPoint());
  winsim::MouseMove(page.x, page.y);
  EXPECT_EQ(tabs.GetHighlightedTab(), -1);
  // A press on the close button is dropped when the mouse leaves the control.
  const CPoint onClose = OnScreen(tabs.GetTabCloseButton().CenterPoint());
  winsim::MouseMove(onClose.x, onClose.y);
  EXPECT_TRUE(tabs.IsTabCloseButtonHighlighted());
  winsim::MouseDown();
  winsim::MouseMove(5, 5);  // outside the host altogether
  EXPECT_FALSE(tabs.IsTabCloseButtonHighlighted());
  EXPECT_FALSE(tabs.IsTabCloseButtonPressed());
  EXPECT_EQ(tabs.GetHighlightedTab(), -1);
  winsim::MouseUp();
  EXPECT_EQ(pages[1]->closeRequests, 0);
}

TEST_F(TabCtrlTest, AnIndexOutsideTheTabsThrowsFromChangesAndFailsQueries) {
  AddPages({L"One", L"Two"});
  const auto expectThrow = [](auto action) {
    bool thrown = false;
    try {
      action();
    } catch (CInvalidArgException* e) {
      thrown = true;
      e->Delete();
    }
    EXPECT_TRUE(thrown);
  };
  expectThrow([&] { tabs.SetActiveTab(2); });
  expectThrow([&] { tabs.SetActiveTab(-1); });
  expectThrow([&] { tabs.RemoveTab(5); });
  expectThrow([&] { tabs.MoveTab(0, 2); });
  expectThrow([&] { tabs.SetTabLabel(3, L"x"); });
  expectThrow([&] { tabs.SetTabIcon(-2, 0); });
  expectThrow([&] { tabs.AddTab(nullptr, L"none"); });
  EXPECT_EQ(tabs.GetTabsNum(), 2);
  EXPECT_EQ(tabs.GetActiveTab(), 0);

  CRect rect;
  std::wstring label;
  EXPECT_FALSE(tabs.GetTabRect(2, rect));
  EXPECT_FALSE(tabs.GetTabLabel(-1, label));
  EXPECT_EQ(tabs.GetTabWnd(2), nullptr);
  EXPECT_FALSE(tabs.IsTabFullyVisible(2));
}

TEST_F(TabCtrlTest, TheDocumentsMenuListsEveryTabAndActivatesTheChosenOne) {
  AddPages({L"Profiles", L"Functions", L"Wheel"});
  tabs.EnableTabDocumentsMenu();
  const CRect button = tabs.GetTabDocumentsMenuButton();
  ASSERT_FALSE(button.IsRectEmpty());
  EXPECT_TRUE(tabs.GetScrollLeftButton().IsRectEmpty());

  winsim::AnswerPopupMenuItem(L"Wheel");
  const CPoint at = OnScreen(button.CenterPoint());
  winsim::Click(at.x, at.y);
  EXPECT_EQ(tabs.GetActiveTab(), 2);
  EXPECT_EQ(Visibility(), (std::vector<bool>{false, false, true}));
  const std::vector<winsim::ModalRecord> log = winsim::ModalLog();
  ASSERT_EQ(log.size(), 1u);
  ASSERT_EQ(log[0].items.size(), 3u);
  EXPECT_EQ(log[0].items[0].text, L"Profiles");
  EXPECT_TRUE(log[0].items[0].checked);  // the tab that was active
  EXPECT_FALSE(log[0].items[2].checked);

  // Dismissing the menu changes nothing.
  winsim::AnswerPopupMenu(0);
  winsim::Click(at.x, at.y);
  EXPECT_EQ(winsim::PendingModalAnswers(), 0u);
  EXPECT_EQ(tabs.GetActiveTab(), 2);
}

TEST_F(TabCtrlTest, TabsThatDontFitAreScrolledIntoView) {
  AddPages({L"Profiles page", L"Functions page", L"Wheel events page", L"[ A ] - Key Assignment Tab",
            L"[ B ] - Key Assignment Tab", L"[ C ] - Key Assignment Tab"});
  tabs.MoveWindow(0, 0, 400, 300);
  EXPECT_TRUE(tabs.IsTabFullyVisible(0));
  EXPECT_FALSE(tabs.IsTabFullyVisible(5));
  CRect last;
  tabs.GetTabRect(5, last);
  EXPECT_TRUE(last.IsRectEmpty());
  ASSERT_FALSE(tabs.GetScrollRightButton().IsRectEmpty());
  CRect top;
  CRect bottom;
  tabs.GetTabArea(top, bottom);
  EXPECT_TRUE(bottom.IsRectEmpty());
  CRect tabsRect;
  tabs.GetTabsRect(tabsRect);
  EXPECT_LE(tabsRect.right, tabs.GetScrollLeftButton().left);
  // A tab is shown whole or not at all, so "its rectangle is not empty and ends inside the tab area"
  // tells whether it is fully visible; the first tab past the end has no part on screen.
  int firstHidden = -1;
  for (int i = 0; i < tabs.GetTabsNum(); ++i) {
    CRect rect;
    tabs.GetTabRect(i, rect);
    EXPECT_EQ(!rect.IsRectEmpty() && rect.right <= top.right, tabs.IsTabFullyVisible(i) != FALSE) << i;
    if (firstHidden < 0 && rect.IsRectEmpty()) firstHidden = i;
  }
  ASSERT_GT(firstHidden, 0);
  CRect shown;
  tabs.GetTabRect(firstHidden - 1, shown);
  CPoint beyond(shown.right + 5, shown.CenterPoint().y);
  EXPECT_EQ(tabs.GetTabFromPoint(beyond), -1);

  // Activating a hidden tab scrolls it into view.
  tabs.SetActiveTab(5);
  EXPECT_TRUE(tabs.IsTabFullyVisible(5));
  EXPECT_GT(tabs.GetFirstVisibleTabNum(), 0);
  tabs.GetTabRect(0, last);
  EXPECT_TRUE(last.IsRectEmpty());
  EXPECT_FALSE(tabs.IsTabFullyVisible(0));

  // The left scroll button brings the first tabs back one at a time.
  const int first = tabs.GetFirstVisibleTabNum();
  const CPoint left = OnScreen(tabs.GetScrollLeftButton().CenterPoint());
  winsim::Click(left.x, left.y);
  EXPECT_EQ(tabs.GetFirstVisibleTabNum(), first - 1);

  tabs.MoveWindow(0, 0, 300, 300);  // resizing brings the active tab back into view
  EXPECT_TRUE(tabs.IsTabFullyVisible(5));

  // Wide enough again: every tab shows and the scroll buttons go.
  tabs.MoveWindow(0, 0, 1600, 300);
  EXPECT_EQ(tabs.GetFirstVisibleTabNum(), 0);
  EXPECT_TRUE(tabs.IsTabFullyVisible(0) && tabs.IsTabFullyVisible(5));
  EXPECT_TRUE(tabs.GetScrollRightButton().IsRectEmpty());
}

TEST_F(TabCtrlTest, AutomaticColoursRepeatThroughThePalette) {
  AddPages({L"One", L"Two", L"Three"});
  EXPECT_EQ(tabs.GetTabBkColor(1), static_cast<COLORREF>(-1));
  tabs.EnableAutoColor();
  tabs.SetAutoColors({RGB(1, 1, 1), RGB(2, 2, 2)});
  EXPECT_EQ(tabs.GetTabBkColor(1), RGB(2, 2, 2));
  EXPECT_EQ(tabs.GetTabBkColor(2), RGB(1, 1, 1));
  tabs.EnableAutoColor(FALSE);
  EXPECT_EQ(tabs.GetTabBkColor(0), static_cast<COLORREF>(-1));
}

TEST_F(TabCtrlTest, AnIconOnlyTabIsNarrowerThanALabelledOne) {
  HIMAGELIST images = ::ImageList_Create(14, 14, ILC_COLOR24 | ILC_MASK, 1, 1);
  ::ImageList_SetImageCount(images, 1);
  AddPages({L"", L"Labelled"});
  tabs.SetImageList(images);
  tabs.SetTabIcon(0, 0);
  CRect iconOnly;
  CRect labelled;
  tabs.GetTabRect(0, iconOnly);
  tabs.GetTabRect(1, labelled);
  EXPECT_GE(tabs.GetTabContentRect(0).Width(), 14);
  EXPECT_LT(iconOnly.Width(), labelled.Width());
  tabs.SetTabLabel(0, L"Now with a longer label");
  tabs.GetTabRect(0, labelled);
  EXPECT_GT(labelled.Width(), iconOnly.Width());
  tabs.SetImageList(nullptr);
  ::ImageList_Destroy(images);
}

}  // namespace
