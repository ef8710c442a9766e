// MenuButton: item numbering after removals, the item the user chose (0 on cancel) as the parent's
// command handler reads it, and the caption.
#include "controls/menu_button.h"

#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

constexpr UINT kButtonId = 4000;

// A page whose command handler reads the chosen item, as the editor's pages do.
class ReadingParent : public CWnd {
 public:
  ReadingParent() {
    CreateEx(0, AfxRegisterWndClass(0), L"Page", WS_POPUP | WS_VISIBLE, 100, 100, 400, 200, nullptr, nullptr);
    button.Create(L"Layouts", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 34), this, kButtonId);
  }
  MenuButton button;
  std::vector<int> chosen;  // GetChosenItem() inside each WM_COMMAND of the button

  void Open() {
    const POINT centre = CentreOf(button.m_hWnd);
    winsim::Click(centre.x, centre.y);
  }

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM) override {
    if (wParam == MAKEWPARAM(kButtonId, BN_CLICKED)) chosen.push_back(button.GetChosenItem());
    return TRUE;
  }
};

using MenuButtonTest = ControlsTest;
using Items = std::vector<std::pair<std::wstring, UINT>>;

Items Offered() {
  Items items;
  const winsim::ModalRecord menu = winsim::ModalLog().back();
  for (const auto& item : menu.items) items.emplace_back(item.text, item.id);
  return items;
}

TEST_F(MenuButtonTest, ItemsAreNumberedFromOneAndRenumberedAfterRemovals) {
  ReadingParent page;
  for (const wchar_t* name : {L"US", L"German", L"French", L"Nordic"}) page.button.AddItem(name);
  page.button.RemoveItem(1);
  page.button.RemoveItem(7);   // outside the list: nothing
  page.button.RemoveItem(-1);  // likewise
  page.button.SetItemText(0, L"US International");
  winsim::AnswerPopupMenu(3);
  page.Open();
  EXPECT_EQ(Offered(), (Items{{L"US International", 1}, {L"French", 2}, {L"Nordic", 3}}));
  EXPECT_EQ(page.chosen, std::vector<int>{3});

  // Cancelling leaves nothing chosen and sends no command.
  winsim::AnswerPopupMenu(0);
  page.Open();
  EXPECT_EQ(page.chosen, std::vector<int>{3});
  EXPECT_EQ(page.button.GetChosenItem(), 0);

  page.button.RemoveAllItems();
  page.button.AddItem(L"Only");
  winsim::AnswerPopupMenu(1);
  page.Open();
  EXPECT_EQ(Offered(), (Items{{L"Only", 1}}));
}

TEST_F(MenuButtonTest, ShowItemMakesTheItemsTextTheCaption) {
  ReadingParent page;
  page.button.AddItem(L"US");
  page.button.AddItem(L"German");
  page.button.ShowItem(1);
  EXPECT_EQ(page.button.GetWindowText(), L"German");
  page.button.ShowItem(5);
  EXPECT_EQ(page.button.GetWindowText(), L"German");
}

}  // namespace
}  // namespace Talvo::testing
