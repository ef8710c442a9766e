#include "win32_fixture.h"

using win32_test::Log;
using win32_test::MessagesOf;

using WindowGeometry = Win32Test;

namespace {
LONG Width(const RECT& r) { return r.right - r.left; }
LONG Height(const RECT& r) { return r.bottom - r.top; }
}  // namespace

TEST_F(WindowGeometry, FrameStylesShrinkTheClientArea) {
  struct Case {
    DWORD style;
    DWORD exStyle;
    int dx;
    int dy;
  };
  for (Case c : {Case{WS_POPUP, 0, 0, 0}, Case{WS_POPUP | WS_BORDER, 0, 2, 2},
                 Case{WS_POPUP | WS_CAPTION, 0, 6, 6 + 23}, Case{WS_OVERLAPPEDWINDOW, 0, 8, 8 + 23},
                 Case{WS_POPUP, WS_EX_CLIENTEDGE, 4, 4}, Case{WS_POPUP | WS_DLGFRAME, WS_EX_WINDOWEDGE, 6, 6}}) {
    HWND w = TopLevel(100, 50, 300, 200, c.style, c.exStyle);
    RECT window, client;
    GetWindowRect(w, &window);
    GetClientRect(w, &client);
    EXPECT_EQ(window.left, 100);
    EXPECT_EQ(Width(window) - Width(client), c.dx) << std::hex << c.style;
    EXPECT_EQ(Height(window) - Height(client), c.dy) << std::hex << c.style;
    DestroyWindow(w);
  }
}

TEST_F(WindowGeometry, ChildrenLiveInTheirParentsClientCoordinates) {
  HWND top = TopLevel(100, 50, 300, 200, WS_POPUP | WS_BORDER | WS_VISIBLE);
  HWND child = Child(top, 1, 10, 20, 50, 40, WS_VISIBLE | WS_VSCROLL);
  RECT r;
  GetWindowRect(child, &r);
  EXPECT_EQ(r.left, 111);
  EXPECT_EQ(r.top, 71);
  GetClientRect(child, &r);
  EXPECT_EQ(Width(r), 50 - GetSystemMetrics(SM_CXVSCROLL));
  POINT p{0, 0};
  ClientToScreen(child, &p);
  EXPECT_EQ(p.x, 111);
  POINT q{5, 5};
  MapWindowPoints(child, top, &q, 1);
  EXPECT_EQ(q.x, 15);
  EXPECT_EQ(q.y, 25);
  ScreenToClient(top, &p);
  EXPECT_EQ(p.x, 10);
  EXPECT_EQ(SendMessageW(child, WM_NCHITTEST, 0, MAKELPARAM(111 + 45, 80)), HTVSCROLL);
}

TEST_F(WindowGeometry, SetWindowPosReportsMovesAndSizesThroughDefWindowProc) {
  HWND w = TopLevel(0, 0, 100, 100, WS_POPUP);
  Log().clear();
  ASSERT_TRUE(SetWindowPos(w, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
  EXPECT_EQ(MessagesOf(w, {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}),
            (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE}));
  Log().clear();
  MoveWindow(w, 10, 10, 120, 90, TRUE);
  EXPECT_EQ(MessagesOf(w, {WM_MOVE, WM_SIZE}), (std::vector<UINT>{WM_SIZE}));
  EXPECT_EQ(Log().back().message, UINT{WM_SIZE});
  EXPECT_EQ(Log().back().wParam, WPARAM{SIZE_RESTORED});
  EXPECT_EQ(Log().back().lParam, MAKELPARAM(120, 90));

  // A handler of WM_WINDOWPOSCHANGING may change the request.
  Handle([](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
    if (m == WM_WINDOWPOSCHANGING) reinterpret_cast<WINDOWPOS*>(l)->cx = 77;
    return std::nullopt;
  });
  SetWindowPos(w, nullptr, 0, 0, 200, 200, SWP_NOMOVE | SWP_NOZORDER);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(Width(r), 77);
  EXPECT_EQ(Height(r), 200);
}

// Only SetWindowPos moves a window into or out of the topmost band; a new extended style keeps the band.
TEST_F(WindowGeometry, SetWindowLongLeavesTheTopmostBandAlone) {
  struct Case {
    DWORD created;
    LONG_PTR written;
  };
  for (const Case& c : {Case{0, WS_EX_TOPMOST | WS_EX_TOOLWINDOW}, Case{WS_EX_TOPMOST, WS_EX_TOOLWINDOW}}) {
    HWND other = TopLevel(0, 0, 10, 10, WS_POPUP);
    HWND window = TopLevel(0, 0, 10, 10, WS_POPUP, c.created);
    SetWindowLongPtrW(window, GWL_EXSTYLE, c.written);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), WS_EX_TOOLWINDOW | c.created);
    BringWindowToTop(other);
    EXPECT_EQ(GetTopWindow(nullptr) == window, c.created == WS_EX_TOPMOST);
    DestroyWindow(window);
    DestroyWindow(other);
  }
}

TEST_F(WindowGeometry, ZOrderKeepsTopmostWindowsAboveAndChildrenInCreationOrder) {
  HWND topmost = TopLevel(0, 0, 10, 10, WS_POPUP, WS_EX_TOPMOST);
  HWND first = TopLevel(0, 0, 10, 10, WS_POPUP);
  HWND second = TopLevel(0, 0, 10, 10, WS_POPUP);
  EXPECT_EQ(GetTopWindow(nullptr), topmost);
  EXPECT_EQ(GetWindow(topmost, GW_HWNDNEXT), second);
  EXPECT_EQ(GetWindow(second, GW_HWNDNEXT), first);
  BringWindowToTop(first);
  EXPECT_EQ(GetWindow(topmost, GW_HWNDNEXT), first);
  SetWindowPos(first, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetWindow(second, GW_HWNDNEXT), first);
  SetWindowPos(second, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetTopWindow(nullptr), second);
  EXPECT_TRUE(GetWindowLongPtrW(second, GWL_EXSTYLE) & WS_EX_TOPMOST);

  HWND a = Child(first, 1, 0, 0, 5, 5);
  HWND b = Child(first, 2, 0, 0, 5, 5);
  EXPECT_EQ(GetWindow(first, GW_CHILD), a);
  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
}

TEST_F(WindowGeometry, ShowStatesVisibilityAndPlacement) {
  HWND top = TopLevel(10, 10, 200, 100, WS_OVERLAPPEDWINDOW);
  HWND child = Child(top, 1, 0, 0, 10, 10);
  EXPECT_FALSE(IsWindowVisible(child));  // its parent is hidden
  EXPECT_FALSE(ShowWindow(top, SW_SHOW));
  EXPECT_TRUE(IsWindowVisible(child));
  EXPECT_TRUE(ShowWindow(top, SW_SHOW));

  Log().clear();
  ShowWindow(top, SW_MAXIMIZE);
  EXPECT_TRUE(IsZoomed(top));
  RECT r;
  GetWindowRect(top, &r);
  EXPECT_EQ(Width(r), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(win32_test::Log().back().wParam, WPARAM{SIZE_MAXIMIZED});
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(top, &placement);
  EXPECT_EQ(placement.showCmd, UINT{SW_SHOWMAXIMIZED});
  EXPECT_EQ(placement.rcNormalPosition.left, 10);
  ShowWindow(top, SW_RESTORE);
  GetWindowRect(top, &r);
  EXPECT_EQ(Width(r), 200);
  ShowWindow(top, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(top));
  EXPECT_NE(GetActiveWindow(), top);

}

TEST_F(WindowGeometry, EnablingSendsWmEnableAndReturnsThePreviousState) {
  HWND w = TopLevel(0, 0, 10, 10, WS_POPUP);
  EXPECT_FALSE(EnableWindow(w, FALSE));
  EXPECT_FALSE(IsWindowEnabled(w));
  EXPECT_TRUE(EnableWindow(w, FALSE));
  EXPECT_TRUE(EnableWindow(w, TRUE));
  EXPECT_EQ(win32_test::CountOf(w, WM_ENABLE), 2);
}
