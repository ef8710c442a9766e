// MenuButton: item numbering after removals, the item the user chose (0 on cancel) as the parent's
// command handler reads it, and the caption.
#include "controls/menu_button.h"

#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

constexpr UINT kButtonId = 4000;

// A parent whose command handler reads the chosen item, as the editor's pages do.
class ReadingParent : public CWnd {
 public:
  ReadingParent() {
    CreateEx(0, AfxRegisterWndClass(0), L"Page", WS_POPUP | WS_VISIBLE, 100, 100, 400, 200, nullptr, nullptr);
  }
  MenuButton button;
  std::vector<int> chosen;  // GetChosenItem() inside each WM_COMMAND of the button

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM) override {
    if (LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED) chosen.push_back(button.GetChosenItem());
    return TRUE;
  }
};

class MenuButtonTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    page_ = std::make_unique<ReadingParent>();
  }
  void TearDown() override {
    page_.reset();
    ControlsTest::TearDown();
  }
  void Open() {
    const POINT centre = CentreOf(page_->button.m_hWnd);
    winsim::Click(centre.x, centre.y);
  }
  std::vector<std::pair<std::wstring, UINT>> Offered() const {
    std::vector<std::pair<std::wstring, UINT>> items;
    const auto log = winsim::ModalLog();
    for (const auto& item : log.back().items) items.emplace_back(item.text, item.id);
    return items;
  }
  std::unique_ptr<ReadingParent> page_;
};

TEST_F(MenuButtonTest, ItemsAreNumberedFromOneAndRenumberedAfterRemovals) {
  ASSERT_TRUE(page_->button.Create(L"Layouts", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 34), page_.get(), kButtonId));
  for (const wchar_t* name : {L"US", L"German", L"French", L"Nordic"}) page_->button.AddItem(name);
  page_->button.RemoveItem(1);
  page_->button.RemoveItem(7);   // outside the list: nothing
  page_->button.RemoveItem(-1);  // likewise
  ASSERT_EQ(page_->button.GetItemCount(), 3);
  EXPECT_EQ(page_->button.GetItemText(1), L"French");
  EXPECT_EQ(page_->button.GetItemText(3), L"");

  winsim::AnswerPopupMenu(3);
  Open();
  using Items = std::vector<std::pair<std::wstring, UINT>>;
  EXPECT_EQ(Offered(), (Items{{L"US", 1}, {L"French", 2}, {L"Nordic", 3}}));
  EXPECT_EQ(page_->chosen, std::vector<int>{3});
  EXPECT_EQ(page_->button.GetChosenItem(), 3);

  page_->button.SetItemText(0, L"US International");
  page_->button.AddItem(L"UK");
  winsim::AnswerPopupMenuItem(L"US International");
  Open();
  EXPECT_EQ(Offered(), (Items{{L"US International", 1}, {L"French", 2}, {L"Nordic", 3}, {L"UK", 4}}));
  EXPECT_EQ(page_->chosen, (std::vector<int>{3, 1}));

  page_->button.RemoveAllItems();
  page_->button.AddItem(L"Only");
  winsim::AnswerPopupMenu(1);
  Open();
  EXPECT_EQ(Offered(), (Items{{L"Only", 1}}));
}

TEST_F(MenuButtonTest, CancelLeavesNothingChosenAndSendsNoCommand) {
  ASSERT_TRUE(page_->button.Create(L"Functions ...", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 34), page_.get(), kButtonId));
  page_->button.AddItem(L"Extrude");
  winsim::AnswerPopupMenu(1);
  Open();
  winsim::AnswerPopupMenu(0);
  Open();
  EXPECT_EQ(page_->chosen, std::vector<int>{1});
  EXPECT_EQ(page_->button.GetChosenItem(), 0);
}

TEST_F(MenuButtonTest, CaptionIsTheWindowTextAndShowItemSetsIt) {
  ASSERT_TRUE(page_->button.Create(L"Layouts", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 34), page_.get(), kButtonId));
  page_->button.AddItem(L"US");
  page_->button.AddItem(L"German");
  EXPECT_EQ(page_->button.GetWindowText(), L"Layouts");
  page_->button.ShowItem(1);
  EXPECT_EQ(page_->button.GetWindowText(), L"German");
  page_->button.ShowItem(5);
  EXPECT_EQ(page_->button.GetWindowText(), L"German");
}

TEST_F(MenuButtonTest, TheButtonShowsHotWhileTheMouseIsOverIt) {
  ASSERT_TRUE(page_->button.Create(L"Layouts", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 34), page_.get(), kButtonId));
  const winsim::Image normal = winsim::CaptureWindow(page_->button.m_hWnd);
  const POINT centre = CentreOf(page_->button.m_hWnd);
  winsim::MouseMove(centre.x, centre.y);
  EXPECT_TRUE(page_->button.IsHighlighted());
  EXPECT_NE(winsim::CaptureWindow(page_->button.m_hWnd).rgba, normal.rgba);
  winsim::MouseMove(centre.x, centre.y + 100);  // onto the page
  EXPECT_FALSE(page_->button.IsHighlighted());
  EXPECT_EQ(winsim::CaptureWindow(page_->button.m_hWnd).rgba, normal.rgba);
}

}  // namespace
}  // namespace Talvo::testing
