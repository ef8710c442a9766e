// The combo box: item messages, notifications only for user changes, and the drop-down list driven by the mouse
// and the keyboard.
#include "win32_fixture.h"

namespace {

constexpr int kComboId = 41;

class ComboBoxTest : public Win32Test {
 protected:
  void SetUp() override {
    Win32Test::SetUp();
    parent = TopLevel(100, 100, 300, 200);
    MakeCombo();
    ASSERT_NE(combo, nullptr);
  }

  void MakeCombo() {
    combo = CreateWindowExW(0, WC_COMBOBOX, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 10, 10,
                            150, 200, parent, reinterpret_cast<HMENU>(kComboId), nullptr, nullptr);
    for (const wchar_t* text : {L"Vertex", L"Edge", L"Border", L"Polygon", L"Element"}) Add(text);
    win32_test::Log().clear();
  }

  LRESULT Add(const wchar_t* text) { return SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)); }
  int Selection() const { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); }
  bool Dropped() const { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }

  // The CBN_ codes the parent received, in order.
  std::vector<WORD> Notifications() const {
    std::vector<WORD> codes;
    for (const auto& seen : win32_test::Log())
      if (seen.hwnd == parent && seen.message == WM_COMMAND && LOWORD(seen.wParam) == kComboId)
        codes.push_back(HIWORD(seen.wParam));
    return codes;
  }
  std::vector<WORD> SelectionNotifications() const {
    std::vector<WORD> codes;
    for (WORD code : Notifications())
      if (code != CBN_SETFOCUS && code != CBN_KILLFOCUS) codes.push_back(code);
    return codes;
  }

  POINT ComboCenter() const {
    RECT box;
    GetWindowRect(combo, &box);
    return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  }
  RECT ListRect() const {
    COMBOBOXINFO info{};
  info.cbSize = sizeof info;
    GetComboBoxInfo(combo, &info);
    RECT rect;
    GetWindowRect(info.hwndList, &rect);
    return rect;
  }
  POINT ListItemPoint(int index) const {
    RECT list = ListRect();
    int height = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    return {list.left + 20, list.top + 1 + index * height + height / 2};
  }

  HWND parent = nullptr;
  HWND combo = nullptr;
};

std::wstring ItemText(HWND combo, int index) {
  wchar_t buffer[64] = {};
  LRESULT length = SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
  EXPECT_EQ(length, SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0));
  return buffer;
}

TEST_F(ComboBoxTest, ItemsAreAddedInsertedDeletedAndCarryData) {
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 5);
  EXPECT_EQ(SendMessageW(combo, CB_INSERTSTRING, 1, reinterpret_cast<LPARAM>(L"Object")), 1);
  EXPECT_EQ(SendMessageW(combo, CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Last")), 6);
  EXPECT_EQ(SendMessageW(combo, CB_INSERTSTRING, 99, reinterpret_cast<LPARAM>(L"Far")), CB_ERR);
  EXPECT_EQ(ItemText(combo, 1), L"Object");
  EXPECT_EQ(ItemText(combo, 6), L"Last");
  EXPECT_EQ(SendMessageW(combo, CB_GETLBTEXTLEN, 7, 0), CB_ERR);

  EXPECT_EQ(SendMessageW(combo, CB_SETITEMDATA, 2, 0xBEEF), TRUE);
  EXPECT_EQ(SendMessageW(combo, CB_GETITEMDATA, 2, 0), 0xBEEF);
  EXPECT_EQ(SendMessageW(combo, CB_GETITEMDATA, 50, 0), CB_ERR);

  // Deleting before the selection moves it; deleting the selected item clears it.
  SendMessageW(combo, CB_SETCURSEL, 3, 0);
  EXPECT_EQ(SendMessageW(combo, CB_DELETESTRING, 0, 0), 6);
  EXPECT_EQ(Selection(), 2);
  SendMessageW(combo, CB_DELETESTRING, 2, 0);
  EXPECT_EQ(Selection(), CB_ERR);
  EXPECT_EQ(SendMessageW(combo, CB_DELETESTRING, 40, 0), CB_ERR);

  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, 0, 0), CB_ERR);
}

TEST_F(ComboBoxTest, FindAndSelectMatchCaseInsensitively) {
  EXPECT_EQ(SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"edge")), 1);
  EXPECT_EQ(SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Edg")),
            CB_ERR);

  EXPECT_EQ(SendMessageW(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"POLY")), 3);
  EXPECT_EQ(Selection(), 3);
  EXPECT_EQ(SendMessageW(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Face")), CB_ERR);
  EXPECT_EQ(Selection(), 3);  // no match leaves the selection alone

  wchar_t text[32];
  GetWindowTextW(combo, text, 32);
  EXPECT_STREQ(text, L"Polygon");
  EXPECT_TRUE(SetWindowTextW(combo, L"border"));  // a drop-down list selects the item equal to the text
  EXPECT_EQ(Selection(), 2);
  EXPECT_TRUE(SelectionNotifications().empty());  // none of this was the user's doing
}

TEST_F(ComboBoxTest, ProgrammaticSelectionIsSilentAndAUserChangeNotifies) {
  EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, 2, 0), 2);
  EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0), CB_ERR);  // −1 clears
  EXPECT_EQ(Selection(), CB_ERR);
  EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, 9, 0), CB_ERR);
  EXPECT_TRUE(SelectionNotifications().empty());

  SetFocus(combo);
  winsim::KeyPress(VK_DOWN);
  EXPECT_EQ(Selection(), 0);
  winsim::KeyPress(VK_END);
  EXPECT_EQ(Selection(), 4);
  winsim::KeyPress(VK_DOWN);  // already on the last item: no change, no notification
  winsim::TypeText(L"b");     // a character selects the next item starting with it
  EXPECT_EQ(Selection(), 2);
  EXPECT_EQ(SelectionNotifications(), (std::vector<WORD>{CBN_SELCHANGE, CBN_SELCHANGE, CBN_SELCHANGE}));
}

TEST_F(ComboBoxTest, TheMouseOpensTheListAndPicksAnItem) {
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
  POINT center = ComboCenter();
  winsim::Click(center.x, center.y);
  ASSERT_TRUE(Dropped());
  EXPECT_EQ(GetFocus(), combo);
  RECT list = ListRect(), box;
  GetWindowRect(combo, &box);
  EXPECT_EQ(list.top, box.bottom);  // the list opens right under the box
  EXPECT_EQ(list.left, box.left);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo, &info));
  EXPECT_TRUE(IsWindowVisible(info.hwndList));

  POINT item = ListItemPoint(3);
  winsim::Click(item.x, item.y);
  EXPECT_FALSE(Dropped());
  EXPECT_EQ(Selection(), 3);
  EXPECT_EQ(SelectionNotifications(),
            (std::vector<WORD>{CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));

  // A click outside the open list closes it and changes nothing.
  win32_test::Log().clear();
  winsim::Click(center.x, center.y);
  ASSERT_TRUE(Dropped());
  winsim::Click(390, 290);
  EXPECT_FALSE(Dropped());
  EXPECT_EQ(Selection(), 3);
  EXPECT_EQ(SelectionNotifications(), (std::vector<WORD>{CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));

  // A click on the box while the list is open closes it again.
  winsim::Click(center.x, center.y);
  winsim::Click(center.x, center.y);
  EXPECT_FALSE(Dropped());
}

TEST_F(ComboBoxTest, TheKeyboardOpensMovesChoosesAndCancels) {
  SendMessageW(combo, CB_SETCURSEL, 1, 0);
  SetFocus(combo);
  winsim::KeyPress(VK_F4);
  ASSERT_TRUE(Dropped());
  winsim::KeyPress(VK_DOWN);
  winsim::KeyPress(VK_DOWN);
  EXPECT_EQ(Selection(), 1);  // the open list moves its highlight only
  winsim::KeyPress(VK_RETURN);
  EXPECT_FALSE(Dropped());
  EXPECT_EQ(Selection(), 3);
  EXPECT_EQ(SelectionNotifications(),
            (std::vector<WORD>{CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));

  win32_test::Log().clear();
  winsim::KeyDown(VK_MENU);
  winsim::KeyPress(VK_DOWN);
  winsim::KeyUp(VK_MENU);
  ASSERT_TRUE(Dropped());
  winsim::KeyPress(VK_UP);
  winsim::KeyPress(VK_ESCAPE);
  EXPECT_FALSE(Dropped());
  EXPECT_EQ(Selection(), 3);
  EXPECT_EQ(SelectionNotifications(), (std::vector<WORD>{CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
}

TEST_F(ComboBoxTest, ShowDropDownAndItemHeights) {
  EXPECT_TRUE(SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0));
  EXPECT_TRUE(Dropped());
  RECT list = ListRect();
  int itemHeight = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
  EXPECT_EQ(list.bottom - list.top, 5 * itemHeight + 2);  // every item fits, inside a one-pixel border
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_FALSE(Dropped());
  EXPECT_EQ(SelectionNotifications(), (std::vector<WORD>{CBN_DROPDOWN, CBN_CLOSEUP}));

  // The box keeps the height of its selection field whatever height it is given; −1 sets the field's height.
  RECT box;
  GetWindowRect(combo, &box);
  int fieldHeight = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  EXPECT_EQ(box.bottom - box.top, fieldHeight + 6);
  EXPECT_EQ(SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 30), 0);
  EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 30);
  GetWindowRect(combo, &box);
  EXPECT_EQ(box.bottom - box.top, 36);
  MoveWindow(combo, 10, 10, 150, 300, TRUE);
  GetWindowRect(combo, &box);
  EXPECT_EQ(box.bottom - box.top, 36);
  EXPECT_EQ(SendMessageW(combo, CB_SETITEMHEIGHT, 0, 0), CB_ERR);
  EXPECT_EQ(SendMessageW(combo, CB_SETITEMHEIGHT, 0, 20), 0);
  EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0), 20);
}

TEST_F(ComboBoxTest, DestroyingTheOpenComboReleasesItsList) {
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo, &info));
  EXPECT_EQ(GetCapture(), info.hwndList);
  DestroyWindow(combo);
  EXPECT_FALSE(IsWindow(info.hwndList));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 0);  // a stale handle answers nothing
}

// A parent may rebuild its editors when it hears of a pick: the combo box goes while it is still telling.
TEST_F(ComboBoxTest, TheParentMayDestroyTheComboWhileItHearsOfAPick) {
  for (WORD fatal : {CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}) {
    SCOPED_TRACE(fatal);
    if (!IsWindow(combo)) MakeCombo();
    Handle([&, fatal](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
      if (message == WM_COMMAND && HIWORD(wParam) == fatal) DestroyWindow(combo);
      return std::nullopt;
    });
    POINT center = ComboCenter();
    winsim::Click(center.x, center.y);
    ASSERT_TRUE(Dropped());
    POINT item = ListItemPoint(2);
    winsim::Click(item.x, item.y);
    EXPECT_FALSE(IsWindow(combo));
    EXPECT_EQ(GetCapture(), nullptr);
    Handle(nullptr);
  }
}

}  // namespace
