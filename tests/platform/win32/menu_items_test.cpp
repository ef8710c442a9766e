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

// A change through MENUITEMINFO touches only the fields its mask names.
TEST_F(MenuItemsTest, MenuItemInfoChangesOnlyTheMaskedFields) {
  MENUITEMINFOW text{};
  text.cbSize = sizeof text;
  text.fMask = MIIM_STRING;
  text.dwTypeData = const_cast<wchar_t*>(L"Options");
  ASSERT_TRUE(SetMenuItemInfoW(file, 3, TRUE, &text));
  EXPECT_EQ(TextOf(file, 114, MF_BYCOMMAND), L"Options");
  EXPECT_EQ(GetMenuState(file, 114, MF_BYCOMMAND), static_cast<UINT>(MF_GRAYED));

  MENUITEMINFOW type{};
  type.cbSize = sizeof type;
  type.fMask = MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfoW(file, 2, TRUE, &type));
  EXPECT_TRUE(type.fType & MFT_SEPARATOR);
  ASSERT_TRUE(GetMenuItemInfoW(file, 1, TRUE, &type));
  type.fType |= MFT_OWNERDRAW;
  ASSERT_TRUE(SetMenuItemInfoW(file, 1, TRUE, &type));
  EXPECT_EQ(GetSubMenu(file, 1), recent);
  EXPECT_EQ(TextOf(file, 1, MF_BYPOSITION), L"Recent");

  type.cbSize = 3;
  EXPECT_FALSE(SetMenuItemInfoW(file, 1, TRUE, &type));
  EXPECT_FALSE(GetMenuItemInfoW(file, 9999, FALSE, &text));
}

}  // namespace
