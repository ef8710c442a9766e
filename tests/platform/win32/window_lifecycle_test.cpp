#include "win32_fixture.h"

using win32_test::CountOf;
using win32_test::Log;
using win32_test::MessagesOf;

using WindowLifecycle = Win32Test;

TEST_F(WindowLifecycle, CreationSendsTheHandshakeInOrderAndShowsVisibleWindows) {
  HWND top = TopLevel(10, 20, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ASSERT_TRUE(IsWindow(top));
  EXPECT_EQ(MessagesOf(top, {WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}),
            (std::vector<UINT>{WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE,
                               WM_SHOWWINDOW}));
  EXPECT_TRUE(IsWindowVisible(top));
  EXPECT_EQ(GetActiveWindow(), top);
  wchar_t text[16];
  EXPECT_EQ(GetWindowTextW(top, text, 16), 3);
  EXPECT_STREQ(text, L"top");

  HWND child = Child(top, 7, 0, 0, 10, 10);
  EXPECT_EQ(CountOf(child, WM_GETMINMAXINFO), 0);
  EXPECT_EQ(GetDlgItem(top, 7), child);
  EXPECT_EQ(GetDlgCtrlID(child), 7);
  EXPECT_EQ(GetParent(child), top);
  EXPECT_TRUE(IsChild(top, child));
}

TEST_F(WindowLifecycle, RefusedCreationLeavesNothingButStillSendsNcDestroy) {
  Handle([](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_CREATE) return -1;
    return std::nullopt;
  });
  EXPECT_EQ(TopLevel(0, 0, 50, 50), nullptr);
  ASSERT_FALSE(Log().empty());
  HWND refused = Log().front().hwnd;
  EXPECT_FALSE(IsWindow(refused));
  EXPECT_EQ(Log().back().message, UINT{WM_NCDESTROY});
  EXPECT_EQ(CountOf(refused, WM_DESTROY), 1);
  EXPECT_EQ(GetTopWindow(nullptr), nullptr);

  Log().clear();
  Handle([](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_NCCREATE) return FALSE;
    return std::nullopt;
  });
  EXPECT_EQ(TopLevel(0, 0, 50, 50), nullptr);
  EXPECT_EQ(MessagesOf(nullptr, {WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}),
            (std::vector<UINT>{WM_NCCREATE, WM_NCDESTROY}));
  EXPECT_EQ(GetTopWindow(nullptr), nullptr);
}

TEST_F(WindowLifecycle, DestroyGoesParentFirstAndNcDestroyChildrenFirst) {
  HWND top = TopLevel(0, 0, 200, 200);
  HWND child = Child(top, 1, 0, 0, 50, 50);
  HWND grandchild = Child(child, 2, 0, 0, 10, 10);
  HWND owned = CreateWindowExW(0, win32_test::kClass, L"owned", WS_POPUP, 0, 0, 10, 10, child, nullptr, nullptr,
                               nullptr);
  EXPECT_EQ(GetWindow(owned, GW_OWNER), top);
  ASSERT_TRUE(SetTimer(child, 5, 100, nullptr));
  Log().clear();
  ASSERT_TRUE(DestroyWindow(top));

  std::vector<std::pair<HWND, UINT>> order;
  for (const auto& seen : Log())
    if (seen.message == WM_DESTROY || seen.message == WM_NCDESTROY) order.emplace_back(seen.hwnd, seen.message);
  std::vector<std::pair<HWND, UINT>> expected{{owned, WM_DESTROY},     {owned, WM_NCDESTROY},
                                              {top, WM_DESTROY},       {child, WM_DESTROY},
                                              {grandchild, WM_DESTROY}, {grandchild, WM_NCDESTROY},
                                              {child, WM_NCDESTROY},   {top, WM_NCDESTROY}};
  EXPECT_EQ(order, expected);
  for (HWND gone : {top, child, grandchild, owned}) EXPECT_FALSE(IsWindow(gone));
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_FALSE(KillTimer(child, 5));
}

TEST_F(WindowLifecycle, InvalidHandlesFailCleanly) {
  HWND top = TopLevel(0, 0, 10, 10);
  DestroyWindow(top);
  HWND bogus = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0xDEAD0));
  for (HWND bad : {top, bogus, static_cast<HWND>(nullptr)}) {
    RECT r;
    SetLastError(0);
    EXPECT_FALSE(GetWindowRect(bad, &r));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_WINDOW_HANDLE});
    EXPECT_EQ(SendMessageW(bad, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessageW(bad == nullptr ? bogus : bad, WM_USER, 0, 0));
    EXPECT_FALSE(DestroyWindow(bad));
    EXPECT_FALSE(ShowWindow(bad, SW_SHOW));
    EXPECT_EQ(GetWindowLongPtrW(bad, GWL_STYLE), 0);
    if (bad) {  // with no window these name the thread's timers and the whole screen
      EXPECT_EQ(SetTimer(bad, 1, 10, nullptr), 0u);
      EXPECT_FALSE(InvalidateRect(bad, nullptr, TRUE));
    }
    EXPECT_EQ(GetParent(bad), nullptr);
    EXPECT_EQ(SetFocus(bad), nullptr);
    EXPECT_EQ(CreateWindowExW(0, win32_test::kClass, L"", WS_CHILD, 0, 0, 1, 1, bad, nullptr, nullptr, nullptr),
              nullptr);
  }
  EXPECT_EQ(CreateWindowExW(0, L"NoSuchClass", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_CANNOT_FIND_WND_CLASS});
}

TEST_F(WindowLifecycle, WindowDataAndSubclassing) {
  HWND top = TopLevel(0, 0, 10, 10);
  static WNDPROC original = nullptr;
  static int subclassCalls = 0;
  subclassCalls = 0;
  WNDPROC subclass = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_USER + 1) return ++subclassCalls * 100;
    return CallWindowProcW(original, h, m, w, l);
  };
  original = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(top, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclass)));
  EXPECT_EQ(original, win32_test::RecordingProc);
  EXPECT_EQ(SendMessageW(top, WM_USER + 1, 0, 0), 100);
  EXPECT_TRUE(SetWindowTextW(top, L"renamed"));
  EXPECT_EQ(GetWindowTextLengthW(top), 7);

  SetWindowLongPtrW(top, GWLP_USERDATA, 42);
  EXPECT_EQ(GetWindowLongPtrW(top, GWLP_USERDATA), 42);
  SetLastError(0);
  EXPECT_EQ(GetWindowLongPtrW(top, 0), 0);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_INDEX});

  wchar_t name[32];
  EXPECT_EQ(GetClassNameW(top, name, 32), 15);
  EXPECT_STREQ(name, win32_test::kClass);
  EXPECT_EQ(GetWindowThreadProcessId(top, nullptr), GetCurrentThreadId());
}

TEST_F(WindowLifecycle, WindowsMayDestroyThemselvesInsideTheirHandlers) {
  HWND overlay = TopLevel(0, 0, 50, 50, WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST);
  HWND clicked = TopLevel(100, 0, 50, 50);
  Handle([&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if ((h == overlay && m == WM_TIMER) || (h == clicked && m == WM_LBUTTONDOWN)) {
      EXPECT_TRUE(DestroyWindow(h));
      return 0;
    }
    return std::nullopt;
  });
  SetTimer(overlay, 3335, 50, nullptr);
  winsim::AdvanceClock(50);
  EXPECT_FALSE(IsWindow(overlay));
  winsim::Click(120, 20);
  EXPECT_FALSE(IsWindow(clicked));
  EXPECT_EQ(GetActiveWindow(), nullptr);

  HWND closing = TopLevel(0, 0, 10, 10);
  SendMessageW(closing, WM_CLOSE, 0, 0);  // DefWindowProc destroys
  EXPECT_FALSE(IsWindow(closing));
}

TEST_F(WindowLifecycle, DestructionTakesThePostedMessagesAndTheClipboardOwnershipAlong) {
  HWND doomed = TopLevel(0, 0, 50, 50, WS_POPUP);
  HWND survivor = TopLevel(0, 0, 50, 50, WS_POPUP);
  PostMessageW(doomed, WM_USER, 1, 0);
  PostMessageW(survivor, WM_USER, 2, 0);
  ASSERT_TRUE(OpenClipboard(doomed));
  ASSERT_TRUE(EmptyClipboard());
  EXPECT_EQ(GetClipboardOwner(), doomed);
  EXPECT_EQ(GetOpenClipboardWindow(), doomed);

  ASSERT_TRUE(DestroyWindow(doomed));
  EXPECT_EQ(GetClipboardOwner(), nullptr);
  EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, survivor);
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));

  // The clipboard stays open for this thread until a reset, which closes it for the next test.
  EXPECT_FALSE(OpenClipboard(survivor));
  winsim::Reset();
  EXPECT_TRUE(OpenClipboard(nullptr));
  EXPECT_EQ(CountClipboardFormats(), 0);
  EXPECT_TRUE(CloseClipboard());
}
