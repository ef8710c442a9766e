#include "win32_fixture.h"

using win32_test::CountOf;
using win32_test::Log;
using win32_test::MessagesOf;

using FocusAndActivation = Win32Test;

TEST_F(FocusAndActivation, ActivatingAnotherWindowTellsTheOldOneFirst) {
  HWND a = TopLevel(0, 0, 100, 100);
  HWND b = TopLevel(200, 0, 100, 100);
  EXPECT_EQ(GetActiveWindow(), b);
  Log().clear();
  SetActiveWindow(a);
  std::vector<std::pair<HWND, WPARAM>> activations;
  for (const auto& seen : Log())
    if (seen.message == WM_ACTIVATE) activations.emplace_back(seen.hwnd, LOWORD(seen.wParam));
  EXPECT_EQ(activations, (std::vector<std::pair<HWND, WPARAM>>{{b, WA_INACTIVE}, {a, WA_ACTIVE}}));
  for (const auto& seen : Log())
    if (seen.message == WM_ACTIVATE) {
      EXPECT_EQ(seen.lParam, reinterpret_cast<LPARAM>(seen.hwnd == a ? b : a));
    }
  EXPECT_EQ(GetFocus(), a);  // DefWindowProc's WM_ACTIVATE
  EXPECT_EQ(GetForegroundWindow(), a);

  Log().clear();
  winsim::Click(250, 50);
  EXPECT_EQ(GetActiveWindow(), b);
  ASSERT_EQ(CountOf(b, WM_ACTIVATE), 1);
  for (const auto& seen : Log())
    if (seen.message == WM_ACTIVATE && seen.hwnd == b) {
      EXPECT_EQ(LOWORD(seen.wParam), WA_CLICKACTIVE);
    }
  EXPECT_EQ(MessagesOf(b, {WM_MOUSEACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN}),
            (std::vector<UINT>{WM_MOUSEACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN}));

  DestroyWindow(b);
  EXPECT_EQ(GetActiveWindow(), a);
  ShowWindow(a, SW_HIDE);
  EXPECT_EQ(GetActiveWindow(), nullptr);
}

TEST_F(FocusAndActivation, WindowsThatDeclineActivationStayInactive) {
  HWND main = TopLevel(0, 0, 100, 100);
  HWND quiet = TopLevel(0, 200, 100, 100, WS_POPUP);
  ShowWindow(quiet, SW_SHOWNA);
  EXPECT_TRUE(IsWindowVisible(quiet));
  EXPECT_EQ(GetActiveWindow(), main);

  Handle([&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (h == quiet && m == WM_MOUSEACTIVATE) return MA_NOACTIVATEANDEAT;
    return std::nullopt;
  });
  winsim::Click(50, 250);
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(CountOf(quiet, WM_LBUTTONDOWN), 0);
}

TEST_F(FocusAndActivation, FocusChangesAreAnnouncedToBothWindows) {
  HWND top = TopLevel(0, 0, 100, 100);
  HWND one = Child(top, 1, 0, 0, 10, 10);
  HWND two = Child(top, 2, 20, 0, 10, 10);
  SetFocus(one);
  Log().clear();
  EXPECT_EQ(SetFocus(two), one);
  ASSERT_EQ(Log().size(), 2u);
  EXPECT_EQ(Log()[0].hwnd, one);
  EXPECT_EQ(Log()[0].message, UINT{WM_KILLFOCUS});
  EXPECT_EQ(Log()[0].wParam, reinterpret_cast<WPARAM>(two));
  EXPECT_EQ(Log()[1].hwnd, two);
  EXPECT_EQ(Log()[1].message, UINT{WM_SETFOCUS});
  EXPECT_EQ(Log()[1].wParam, reinterpret_cast<WPARAM>(one));

  EnableWindow(two, FALSE);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(SetFocus(two), nullptr);
  DestroyWindow(one);
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(FocusAndActivation, KeysGoToTheFocusWindowAndTranslateIntoCharacters) {
  HWND top = TopLevel(0, 0, 100, 100);
  HWND edit = Child(top, 1, 0, 0, 10, 10);
  SetFocus(edit);
  Log().clear();
  winsim::TypeText(L"aB!\r");
  std::wstring typed;
  for (const auto& seen : Log())
    if (seen.message == WM_CHAR && seen.hwnd == edit) typed += static_cast<wchar_t>(seen.wParam);
  EXPECT_EQ(typed, L"aB!\r");
  EXPECT_EQ(CountOf(top, WM_CHAR), 0);

  winsim::KeyDown(VK_MENU);
  EXPECT_LT(GetKeyState(VK_MENU), 0);
  Log().clear();
  winsim::KeyPress('F');
  EXPECT_EQ(MessagesOf(edit, {WM_KEYDOWN, WM_SYSKEYDOWN, WM_SYSCHAR, WM_CHAR}),
            (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSCHAR}));
  winsim::KeyUp(VK_MENU);
  EXPECT_EQ(GetKeyState(VK_MENU) & 0x8000, 0);
}

TEST_F(FocusAndActivation, ControlKeysTypeControlCharacters) {
  HWND top = TopLevel(0, 0, 100, 100);
  SetFocus(top);
  auto typed = [&](int key, bool control) {
    Log().clear();
    if (control) winsim::KeyDown(VK_CONTROL);
    winsim::KeyPress(key);
    if (control) winsim::KeyUp(VK_CONTROL);
    std::vector<WPARAM> chars;
    for (const auto& seen : Log())
      if (seen.message == WM_CHAR) chars.push_back(seen.wParam);
    return chars;
  };
  using Chars = std::vector<WPARAM>;
  EXPECT_EQ(typed('A', true), Chars{0x01});
  EXPECT_EQ(typed('Z', true), Chars{0x1A});
  EXPECT_EQ(typed(VK_RETURN, true), Chars{0x0A});
  EXPECT_EQ(typed(VK_BACK, true), Chars{0x7F});
  EXPECT_EQ(typed(VK_ESCAPE, true), Chars{0x1B});
  EXPECT_EQ(typed(VK_OEM_4, true), Chars{0x1B});
  EXPECT_EQ(typed(VK_OEM_6, true), Chars{0x1D});
  EXPECT_EQ(typed('1', true), Chars{});
  EXPECT_EQ(typed(VK_TAB, true), Chars{});
  EXPECT_EQ(typed(VK_RETURN, false), Chars{L'\r'});
  EXPECT_EQ(typed(VK_BACK, false), Chars{0x08});
}

TEST_F(FocusAndActivation, HidingAWindowThatHoldsTheFocusHandsItToTheParent) {
  HWND top = TopLevel(0, 0, 200, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND page = Child(top, 1, 0, 0, 100, 100);
  HWND field = Child(page, 2, 0, 0, 50, 20);
  SetFocus(field);
  ASSERT_EQ(GetFocus(), field);
  Log().clear();
  ShowWindow(page, SW_HIDE);
  EXPECT_EQ(GetFocus(), top);
  EXPECT_EQ(MessagesOf(nullptr, {WM_KILLFOCUS, WM_SETFOCUS}), (std::vector<UINT>{WM_KILLFOCUS, WM_SETFOCUS}));
  winsim::KeyPress('A');
  EXPECT_EQ(CountOf(field, WM_KEYDOWN), 0);
  EXPECT_EQ(CountOf(top, WM_KEYDOWN), 1);

  // A hidden top-level window gives up activation and, with it, the focus.
  HWND other = TopLevel(300, 0, 100, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  SetFocus(other);
  ShowWindow(other, SW_HIDE);
  EXPECT_EQ(GetActiveWindow(), top);
  EXPECT_NE(GetFocus(), other);
}
