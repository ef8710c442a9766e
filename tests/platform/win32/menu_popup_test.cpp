// Popup menus: the responder chooses, the owner hears about it as the platform tells it, and
// open menus are windows that paint (owner-drawn items through their owner).
#include <gtest/gtest-spi.h>

#include "win32_fixture.h"

namespace {

using winsim::MenuItemRecord;

class MenuPopupTest : public Win32Test {
 protected:
  void SetUp() override {
    Win32Test::SetUp();
    owner = TopLevel(100, 100, 400, 300);
    menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 3012, L"&Copy\tCtrl+C");
    AppendMenuW(menu, MF_STRING | MF_GRAYED, 3013, L"Paste");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING | MF_CHECKED, 3014, L"Snap");
  }
  void TearDown() override {
    DestroyMenu(menu);
    Win32Test::TearDown();
  }
  std::vector<UINT> Commands() const {
    std::vector<UINT> ids;
    for (const auto& seen : win32_test::Log())
      if (seen.hwnd == owner && seen.message == WM_COMMAND) ids.push_back(LOWORD(seen.wParam));
    return ids;
  }
  HWND owner = nullptr;
  HMENU menu = nullptr;
};

TEST_F(MenuPopupTest, TheChosenCommandIsPostedAfterTheMenuClosesOrReturned) {
  winsim::AnswerPopupMenu(3012);
  EXPECT_TRUE(TrackPopupMenu(menu, TPM_RIGHTBUTTON, 150, 150, 0, owner, nullptr));
  EXPECT_TRUE(Commands().empty());  // posted, not sent
  EXPECT_EQ(FindWindowW(L"#32768", nullptr), nullptr);
  winsim::PumpMessages();
  EXPECT_EQ(Commands(), std::vector<UINT>{3012});

  winsim::AnswerPopupMenuItem(L"Snap");
  EXPECT_EQ(TrackPopupMenuEx(menu, TPM_RETURNCMD, 150, 150, owner, nullptr), 3014);
  winsim::AnswerPopupMenu(0);
  EXPECT_EQ(TrackPopupMenuEx(menu, TPM_RETURNCMD, 150, 150, owner, nullptr), 0);
  winsim::PumpMessages();
  EXPECT_EQ(Commands(), std::vector<UINT>{3012});  // TPM_RETURNCMD posts nothing

  auto log = winsim::ModalLog();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[1].flags, static_cast<UINT>(TPM_RETURNCMD));
  const std::vector<MenuItemRecord>& items = log[0].items;
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0].text, L"&Copy\tCtrl+C");
  EXPECT_EQ(items[0].id, 3012u);
  EXPECT_TRUE(items[0].enabled);
  EXPECT_FALSE(items[1].enabled);
  EXPECT_TRUE(items[2].separator);
  EXPECT_TRUE(items[3].checked);
}

TEST_F(MenuPopupTest, TheOwnerPreparesTheMenuBeforeItShows) {
  HMENU level = CreatePopupMenu();
  AppendMenuW(level, MF_STRING, 3100, L"Vertex");
  AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(level), L"Level");
  bool menuWindowSeenEarly = false;
  Handle([&](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (message != WM_INITMENUPOPUP) return std::nullopt;
    menuWindowSeenEarly |= FindWindowW(L"#32768", nullptr) != nullptr;
    if (reinterpret_cast<HMENU>(wParam) == menu) EnableMenuItem(menu, 3013, MF_ENABLED);
    if (reinterpret_cast<HMENU>(wParam) == level) CheckMenuItem(level, 3100, MF_CHECKED);
    return 0;
  });
  HWND shown = nullptr;
  winsim::ObserveNextPopupMenu([&](HWND window, HMENU open) {
    EXPECT_EQ(open, menu);
    EXPECT_TRUE(IsWindowVisible(window));
    shown = window;
  });
  winsim::AnswerPopupMenu(3013);  // enabled by the owner on opening
  EXPECT_EQ(TrackPopupMenuEx(menu, TPM_RETURNCMD, 10, 10, owner, nullptr), 3013);
  EXPECT_FALSE(menuWindowSeenEarly);
  EXPECT_NE(shown, nullptr);
  EXPECT_FALSE(IsWindow(shown));
  EXPECT_EQ(win32_test::MessagesOf(owner, {WM_ENTERMENULOOP, WM_INITMENUPOPUP, WM_UNINITMENUPOPUP, WM_EXITMENULOOP}),
            (std::vector<UINT>{WM_ENTERMENULOOP, WM_INITMENUPOPUP, WM_INITMENUPOPUP, WM_UNINITMENUPOPUP,
                               WM_EXITMENULOOP}));
  const auto items = winsim::ModalLog().back().items;
  ASSERT_EQ(items.size(), 5u);
  ASSERT_TRUE(items[4].IsSubmenu());
  EXPECT_TRUE(items[4].submenu[0].checked);
}

TEST_F(MenuPopupTest, AResetDestroysLeftoverMenusAndAPendingObserverButKeepsDialogTemplates) {
  HMENU leftover = CreatePopupMenu();
  int observed = 0;
  winsim::ObserveNextPopupMenu([&](HWND, HMENU) { ++observed; });
  DLGTEMPLATE loaded;
  loaded.style = WS_POPUP | WS_CAPTION;
  loaded.cx = 100;
  loaded.cy = 50;
  loaded.title = L"Loaded once";
  RegisterDialogTemplate(4711, loaded);

  winsim::Reset();
  EXPECT_FALSE(IsMenu(leftover));
  EXPECT_FALSE(IsMenu(menu));
  ASSERT_NE(FindDialogTemplate(4711), nullptr);
  EXPECT_EQ(FindDialogTemplate(4711)->title, L"Loaded once");

  // What the next test does is its own: the old observer no longer runs.
  win32_test::RegisterRecordingClass();
  HWND next = TopLevel(0, 0, 100, 100);
  HMENU fresh = CreatePopupMenu();
  AppendMenuW(fresh, MF_STRING, 1, L"One");
  winsim::AnswerPopupMenu(1);
  EXPECT_EQ(TrackPopupMenuEx(fresh, TPM_RETURNCMD, 0, 0, next, nullptr), 1);
  EXPECT_EQ(observed, 0);
  DestroyMenu(fresh);
}

TEST_F(MenuPopupTest, AnUnexpectedMenuFailsTheTestAndIsDismissed) {
  BOOL chosen = 1;
  EXPECT_NONFATAL_FAILURE(chosen = TrackPopupMenuEx(menu, TPM_RETURNCMD, 0, 0, owner, nullptr),
                          "Unexpected popup menu [\"&Copy");
  EXPECT_EQ(chosen, 0);
  EXPECT_FALSE(TrackPopupMenu(reinterpret_cast<HMENU>(0x77), 0, 0, 0, 0, owner, nullptr));
  EXPECT_FALSE(TrackPopupMenu(menu, 0, 0, 0, 0, reinterpret_cast<HWND>(0x99), nullptr));
  EXPECT_TRUE(winsim::ModalLog().size() == 1);
}

TEST_F(MenuPopupTest, AMenuMadeToContainItselfIsStillOfferedAndAnswered) {
  ASSERT_TRUE(AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), L"Again"));
  winsim::AnswerPopupMenuItem(L"Snap");
  EXPECT_EQ(TrackPopupMenuEx(menu, TPM_RETURNCMD, 10, 10, owner, nullptr), 3014);
  EXPECT_EQ(GetMenuState(menu, 3014, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
  EXPECT_TRUE(DestroyMenu(menu));  // the loop doesn't keep it from going
  EXPECT_FALSE(IsMenu(menu));
  menu = nullptr;
}

// The owner may take the menu away while preparing it: nothing opens, and the menu loop still ends.
TEST_F(MenuPopupTest, AMenuDestroyedByItsOwnerOnOpeningIsNotShown) {
  Handle([&](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_INITMENUPOPUP) DestroyMenu(reinterpret_cast<HMENU>(wParam));
    return std::nullopt;
  });
  EXPECT_EQ(TrackPopupMenuEx(menu, TPM_RETURNCMD, 10, 10, owner, nullptr), 0);
  EXPECT_TRUE(winsim::ModalLog().empty());
  EXPECT_EQ(win32_test::MessagesOf(owner, {WM_ENTERMENULOOP, WM_EXITMENULOOP}),
            (std::vector<UINT>{WM_ENTERMENULOOP, WM_EXITMENULOOP}));
  menu = nullptr;
}

}  // namespace
