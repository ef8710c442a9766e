// The list box on its own: sorting, selection kept in step with edits, and user selections notifying.
#include "win32_fixture.h"

namespace {

constexpr int kListId = 52;

class ListBoxTest : public Win32Test {
 protected:
  void SetUp() override {
    Win32Test::SetUp();
    parent = TopLevel(100, 100, 300, 300);
  }
  HWND MakeList(DWORD style) {
    return CreateWindowExW(0, WC_LISTBOX, L"", WS_CHILD | WS_VISIBLE | style, 10, 10, 120, 100, parent,
                           reinterpret_cast<HMENU>(kListId), nullptr, nullptr);
  }
  static LRESULT Add(HWND list, const wchar_t* text) {
    return SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  int Notifications(WORD code) const {
    int count = 0;
    for (const auto& seen : win32_test::Log())
      if (seen.hwnd == parent && seen.message == WM_COMMAND && seen.wParam == MAKEWPARAM(kListId, code)) ++count;
    return count;
  }
  HWND parent = nullptr;
};

TEST_F(ListBoxTest, ItemsAreReadBackByIndexAndBadRequestsFail) {
  HWND list = MakeList(0);
  EXPECT_EQ(Add(list, L"Alpha"), 0);
  EXPECT_EQ(Add(list, L"delta"), 1);
  SendMessageW(list, LB_SETCURSEL, 1, 0);
  wchar_t text[16];
  EXPECT_EQ(SendMessageW(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text)), 5);
  EXPECT_STREQ(text, L"delta");
  EXPECT_EQ(SendMessageW(list, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text)), LB_ERR);
  EXPECT_EQ(SendMessageW(list, LB_GETTEXT, 0, 0), LB_ERR);
  EXPECT_EQ(SendMessageW(list, LB_GETSEL, 1, 0), TRUE);
  EXPECT_EQ(SendMessageW(list, LB_SETITEMHEIGHT, 0, MAKELPARAM(300, 0)), LB_ERR);
}

TEST_F(ListBoxTest, ClicksAndKeysSelectAndNotifyOnlyWithLbsNotify) {
  HWND list = MakeList(LBS_NOTIFY);
  for (const wchar_t* text : {L"one", L"two", L"three", L"four"}) Add(list, text);
  RECT second;
  ASSERT_TRUE(SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second)));
  POINT point{second.left + 5, second.top + 2};
  ClientToScreen(list, &point);
  winsim::Click(point.x, point.y);
  EXPECT_EQ(GetFocus(), list);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
  winsim::KeyPress(VK_DOWN);
  winsim::KeyPress(VK_HOME);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(Notifications(LBN_SELCHANGE), 3);
  SendMessageW(list, LB_SETCURSEL, 3, 0);
  EXPECT_EQ(Notifications(LBN_SELCHANGE), 3);

  HWND quiet = MakeList(0);
  Add(quiet, L"x");
  Add(quiet, L"y");
  SetFocus(quiet);
  winsim::KeyPress(VK_DOWN);
  EXPECT_EQ(SendMessageW(quiet, LB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(Notifications(LBN_SELCHANGE), 3);
}

}  // namespace
