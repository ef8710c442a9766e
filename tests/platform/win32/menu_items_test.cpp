// Building and changing menus: items by command and by position, states, texts and MENUITEMINFO.
#include "win32_fixture.h"

namespace {

class MenuItemsTest : public Win32Test {
 protected:
  void SetUp() override {
    Win32Test::SetUp();
    file = CreatePopupMenu();
    recent = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuW(recent, MF_STRING, 201, L"one.xml"));
    ASSERT_TRUE(AppendMenuW(file, MF_STRING, 108, L"&Save\tCtrl+S"));
    ASSERT_TRUE(AppendMenuW(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), L"Recent"));
    ASSERT_TRUE(AppendMenuW(file, MF_SEPARATOR, 0, nullptr));
    ASSERT_TRUE(AppendMenuW(file, MF_STRING | MF_GRAYED, 114, L"Load"));
  }
  void TearDown() override {
    DestroyMenu(file);
    Win32Test::TearDown();
  }
  HMENU file = nullptr;
  HMENU recent = nullptr;
};

std::wstring TextOf(HMENU menu, UINT item, UINT flags) {
  wchar_t buffer[64] = {};
  GetMenuStringW(menu, item, buffer, 64, flags);
  return buffer;
}

TEST_F(MenuItemsTest, ItemsAreFoundByPositionOrByCommandInSubmenus) {
  EXPECT_EQ(GetMenuItemCount(file), 4);
  EXPECT_EQ(GetMenuItemID(file, 0), 108u);
  EXPECT_EQ(GetMenuItemID(file, 1), static_cast<UINT>(-1));  // a submenu item has no command
  EXPECT_EQ(GetMenuItemID(file, 9), static_cast<UINT>(-1));
  EXPECT_EQ(GetSubMenu(file, 1), recent);
  EXPECT_EQ(GetSubMenu(file, 0), nullptr);
  EXPECT_EQ(TextOf(file, 0, MF_BYPOSITION), L"&Save\tCtrl+S");
  EXPECT_EQ(TextOf(file, 201, MF_BYCOMMAND), L"one.xml");  // found in the submenu
  EXPECT_EQ(GetMenuStringW(file, 1, nullptr, 0, MF_BYPOSITION), 6);

  EXPECT_EQ(GetMenuState(file, 114, MF_BYCOMMAND), static_cast<UINT>(MF_GRAYED));
  EXPECT_EQ(GetMenuState(file, 2, MF_BYPOSITION), static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(GetMenuState(file, 1, MF_BYPOSITION), static_cast<UINT>(MF_POPUP | (1 << 8)));
  EXPECT_EQ(GetMenuState(file, 999, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST_F(MenuItemsTest, CheckAndEnableReportThePreviousState) {
  EXPECT_EQ(CheckMenuItem(file, 108, MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED));
  EXPECT_EQ(CheckMenuItem(file, 0, MF_BYPOSITION | MF_CHECKED), static_cast<DWORD>(MF_CHECKED));
  EXPECT_EQ(GetMenuState(file, 108, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
  EXPECT_EQ(EnableMenuItem(file, 114, MF_ENABLED), MF_GRAYED);
  EXPECT_EQ(EnableMenuItem(file, 201, MF_DISABLED), MF_ENABLED);
  EXPECT_EQ(GetMenuState(recent, 0, MF_BYPOSITION), static_cast<UINT>(MF_DISABLED));
  EXPECT_EQ(CheckMenuItem(file, 7777, MF_CHECKED), static_cast<DWORD>(-1));
  EXPECT_EQ(EnableMenuItem(file, 7777, MF_GRAYED), -1);
}

TEST_F(MenuItemsTest, InsertModifyRemoveAndDelete) {
  EXPECT_TRUE(InsertMenuW(file, 0, MF_BYPOSITION | MF_STRING, 100, L"New"));
  EXPECT_TRUE(InsertMenuW(file, 114, MF_BYCOMMAND | MF_STRING, 113, L"Export"));  // before the item with id 114
  EXPECT_TRUE(InsertMenuW(file, static_cast<UINT>(-1), MF_BYPOSITION | MF_STRING, 120, L"Exit"));
  EXPECT_FALSE(InsertMenuW(file, 4242, MF_BYCOMMAND | MF_STRING, 1, L"Nowhere"));
  ASSERT_EQ(GetMenuItemCount(file), 7);
  EXPECT_EQ(GetMenuItemID(file, 0), 100u);
  EXPECT_EQ(GetMenuItemID(file, 4), 113u);
  EXPECT_EQ(GetMenuItemID(file, 6), 120u);

  EXPECT_TRUE(ModifyMenuW(file, 100, MF_BYCOMMAND | MF_STRING | MF_CHECKED, 101, L"Renamed"));
  EXPECT_EQ(TextOf(file, 101, MF_BYCOMMAND), L"Renamed");
  EXPECT_EQ(GetMenuState(file, 101, MF_BYCOMMAND), static_cast<UINT>(MF_CHECKED));

  // RemoveMenu keeps a submenu alive; DeleteMenu destroys it.
  HMENU kept = CreatePopupMenu();
  AppendMenuW(file, MF_POPUP, reinterpret_cast<UINT_PTR>(kept), L"Kept");
  EXPECT_TRUE(RemoveMenu(file, 7, MF_BYPOSITION));
  EXPECT_TRUE(IsMenu(kept));
  DestroyMenu(kept);
  EXPECT_TRUE(DeleteMenu(file, 2, MF_BYPOSITION));  // the Recent submenu
  EXPECT_FALSE(IsMenu(recent));
  EXPECT_FALSE(DeleteMenu(file, 2000, MF_BYCOMMAND));
  EXPECT_EQ(GetMenuItemCount(file), 6);

  // A menu that is destroyed takes its submenus along; its handle goes stale.
  HMENU outer = CreateMenu();
  HMENU inner = CreatePopupMenu();
  AppendMenuW(outer, MF_POPUP, reinterpret_cast<UINT_PTR>(inner), L"Inner");
  EXPECT_TRUE(DestroyMenu(outer));
  EXPECT_FALSE(IsMenu(inner));
  EXPECT_FALSE(DestroyMenu(outer));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE));
  EXPECT_EQ(GetMenuItemCount(outer), -1);
  EXPECT_FALSE(AppendMenuW(file, MF_POPUP, reinterpret_cast<UINT_PTR>(outer), L"Stale"));
}

TEST_F(MenuItemsTest, MenuItemInfoReadsAndWritesSelectedFields) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE | MIIM_DATA;
  info.dwTypeData = const_cast<wchar_t*>(L"Options");
  info.wID = 122;
  info.fState = MFS_CHECKED;
  info.dwItemData = 77;
  ASSERT_TRUE(InsertMenuItemW(file, 1, TRUE, &info));

  wchar_t buffer[4];
  MENUITEMINFOW read{};
  read.cbSize = sizeof read;
  read.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE | MIIM_DATA | MIIM_SUBMENU;
  read.cch = 0;
  ASSERT_TRUE(GetMenuItemInfoW(file, 122, FALSE, &read));
  EXPECT_EQ(read.cch, 7u);  // without a buffer, the length
  read.dwTypeData = buffer;
  read.cch = 4;
  ASSERT_TRUE(GetMenuItemInfoW(file, 1, TRUE, &read));
  EXPECT_STREQ(buffer, L"Opt");  // cut to the buffer
  EXPECT_EQ(read.wID, 122u);
  EXPECT_EQ(read.fState, static_cast<UINT>(MFS_CHECKED));
  EXPECT_EQ(read.dwItemData, 77u);
  EXPECT_EQ(read.hSubMenu, nullptr);

  MENUITEMINFOW change{};
  change.cbSize = sizeof change;
  change.fMask = MIIM_STATE;
  change.fState = MFS_GRAYED;
  ASSERT_TRUE(SetMenuItemInfoW(file, 122, FALSE, &change));
  EXPECT_EQ(GetMenuState(file, 122, MF_BYCOMMAND), static_cast<UINT>(MFS_GRAYED));
  EXPECT_EQ(TextOf(file, 122, MF_BYCOMMAND), L"Options");  // untouched fields stay

  change.cbSize = 3;
  EXPECT_FALSE(SetMenuItemInfoW(file, 122, FALSE, &change));
  EXPECT_FALSE(GetMenuItemInfoW(file, 9999, FALSE, &read));
}

}  // namespace
