#include "win32_fixture.h"

using win32_test::Log;

using WindowScrollBars = Win32Test;

namespace {

// The scroll codes a window received, in order (WM_VSCROLL or WM_HSCROLL).
std::vector<int> ScrollCodes(HWND hwnd, UINT message) {
  std::vector<int> codes;
  for (const auto& seen : Log())
    if (seen.hwnd == hwnd && seen.message == message) codes.push_back(LOWORD(seen.wParam));
  return codes;
}

SCROLLINFO Info(HWND hwnd, int bar) {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  EXPECT_TRUE(GetScrollInfo(hwnd, bar, &info));
  return info;
}

}  // namespace

TEST_F(WindowScrollBars, ThePositionStaysWithinTheRangeLessThePage) {
  HWND top = TopLevel(0, 0, 200, 200, WS_POPUP | WS_VISIBLE | WS_VSCROLL);
  SCROLLINFO set{sizeof set, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 500, 0};
  EXPECT_EQ(SetScrollInfo(top, SB_VERT, &set, TRUE), 90);  // max − page + 1
  SCROLLINFO got = Info(top, SB_VERT);
  EXPECT_EQ(got.nPos, 90);
  EXPECT_EQ(got.nTrackPos, 90);
  EXPECT_EQ(SetScrollPos(top, SB_VERT, -5, TRUE), 90);  // the previous position
  EXPECT_EQ(GetScrollPos(top, SB_VERT), 0);
  // A smaller range pulls the position in; a page larger than the range is cut to it.
  SetScrollPos(top, SB_VERT, 80, FALSE);
  SCROLLINFO shrink{sizeof shrink, SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL, 10, 50, 100, 0, 0};
  EXPECT_EQ(SetScrollInfo(top, SB_VERT, &shrink, FALSE), 10);
  EXPECT_EQ(Info(top, SB_VERT).nPage, 41u);
  // Without a page, the whole range is open.
  ASSERT_TRUE(SetScrollRange(top, SB_VERT, -20, 20, FALSE));
  SCROLLINFO noPage{sizeof noPage, SIF_PAGE | SIF_POS, 0, 0, 0, 20, 0};
  EXPECT_EQ(SetScrollInfo(top, SB_VERT, &noPage, FALSE), 20);
  int minimum = 0, maximum = 0;
  ASSERT_TRUE(GetScrollRange(top, SB_VERT, &minimum, &maximum));
  EXPECT_EQ(minimum, -20);
  EXPECT_EQ(maximum, 20);
}

TEST_F(WindowScrollBars, ShowingABarShrinksTheClientAreaAndSendsWmSizeBeforeReturning) {
  HWND top = TopLevel(0, 0, 200, 100);
  winsim::PumpMessages();
  Log().clear();
  int bar = GetSystemMetrics(SM_CXVSCROLL);
  ASSERT_TRUE(ShowScrollBar(top, SB_VERT, TRUE));
  // No pumping: WM_SIZE came during the call, with the new client size.
  std::vector<LPARAM> sizes;
  for (const auto& seen : Log())
    if (seen.hwnd == top && seen.message == WM_SIZE) sizes.push_back(seen.lParam);
  ASSERT_EQ(sizes.size(), 1u);
  EXPECT_EQ(sizes[0], MAKELPARAM(200 - bar, 100));
  RECT client;
  GetClientRect(top, &client);
  EXPECT_EQ(client.right, 200 - bar);
  EXPECT_TRUE(GetWindowLongPtrW(top, GWL_STYLE) & WS_VSCROLL);

  ASSERT_TRUE(ShowScrollBar(top, SB_BOTH, TRUE));
  GetClientRect(top, &client);
  EXPECT_EQ(client.bottom, 100 - GetSystemMetrics(SM_CYHSCROLL));
  ASSERT_TRUE(ShowScrollBar(top, SB_BOTH, FALSE));
  GetClientRect(top, &client);
  EXPECT_EQ(client.right, 200);
  EXPECT_EQ(client.bottom, 100);
}

TEST_F(WindowScrollBars, ARangeWithNothingToScrollHidesTheBarOrDisablesIt) {
  HWND top = TopLevel(0, 0, 200, 100, WS_POPUP | WS_VISIBLE | WS_VSCROLL);
  SCROLLINFO fits{sizeof fits, SIF_RANGE | SIF_PAGE, 0, 49, 100, 0, 0};
  SetScrollInfo(top, SB_VERT, &fits, TRUE);
  EXPECT_FALSE(GetWindowLongPtrW(top, GWL_STYLE) & WS_VSCROLL);
  SCROLLINFO needs{sizeof needs, SIF_RANGE | SIF_PAGE, 0, 499, 100, 0, 0};
  SetScrollInfo(top, SB_VERT, &needs, TRUE);
  EXPECT_TRUE(GetWindowLongPtrW(top, GWL_STYLE) & WS_VSCROLL);
  fits.fMask |= SIF_DISABLENOSCROLL;
  SetScrollInfo(top, SB_VERT, &fits, TRUE);
  EXPECT_TRUE(GetWindowLongPtrW(top, GWL_STYLE) & WS_VSCROLL);
  // A disabled bar takes no clicks.
  Log().clear();
  winsim::Click(195, 5);
  EXPECT_TRUE(ScrollCodes(top, WM_VSCROLL).empty());
}

TEST_F(WindowScrollBars, TheMouseOnABarSendsLineAndPageCodesAndDragsTheThumb) {
  HWND top = TopLevel(0, 0, 200, 200, WS_POPUP | WS_VISIBLE | WS_VSCROLL);
  SCROLLINFO set{sizeof set, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 20, 0, 0};
  SetScrollInfo(top, SB_VERT, &set, TRUE);
  int x = 200 - GetSystemMetrics(SM_CXVSCROLL) / 2, arrow = GetSystemMetrics(SM_CYVSCROLL);
  winsim::PumpMessages();
  Log().clear();
  winsim::Click(x, 3);
  winsim::Click(x, 200 - 3);
  winsim::Click(x, 150);  // the track below the thumb
  EXPECT_EQ(ScrollCodes(top, WM_VSCROLL), (std::vector<int>{SB_LINEUP, SB_ENDSCROLL, SB_LINEDOWN, SB_ENDSCROLL,
                                                             SB_PAGEDOWN, SB_ENDSCROLL}));

  // Held down, an arrow repeats after a delay.
  Log().clear();
  winsim::MouseMove(x, 200 - 3);
  winsim::MouseDown();
  winsim::AdvanceClock(399);
  EXPECT_EQ(ScrollCodes(top, WM_VSCROLL).size(), 1u);
  winsim::AdvanceClock(101);  // repeats at 400, 450 and 500 ms
  EXPECT_EQ(ScrollCodes(top, WM_VSCROLL).size(), 4u);
  winsim::MouseUp();
  EXPECT_EQ(ScrollCodes(top, WM_VSCROLL).back(), SB_ENDSCROLL);

  // The thumb (at the top of the track) follows the mouse; its track position is readable meanwhile.
  Log().clear();
  winsim::MouseMove(x, arrow + 5);
  winsim::MouseDown();
  winsim::MouseMove(x, arrow + 5 + 60);
  std::vector<int> codes = ScrollCodes(top, WM_VSCROLL);
  ASSERT_EQ(codes, (std::vector<int>{SB_THUMBTRACK}));
  SCROLLINFO during = Info(top, SB_VERT);
  EXPECT_GT(during.nTrackPos, 0);
  EXPECT_EQ(during.nPos, 0);
  winsim::MouseUp();
  EXPECT_EQ(ScrollCodes(top, WM_VSCROLL), (std::vector<int>{SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}));
  for (const auto& seen : Log())
    if (seen.message == WM_VSCROLL && LOWORD(seen.wParam) != SB_ENDSCROLL) {
      EXPECT_EQ(HIWORD(seen.wParam), during.nTrackPos);
      EXPECT_EQ(seen.lParam, 0);
    }
  EXPECT_EQ(GetCapture(), nullptr);
  // Nothing of the tracking stays behind: the only top-level window is the test's.
  winsim::PumpMessages();
  int topLevel = 0;
  EnumWindows([](HWND, LPARAM count) { return ++*reinterpret_cast<int*>(count), TRUE; },
              reinterpret_cast<LPARAM>(&topLevel));
  EXPECT_EQ(topLevel, 1);
}

TEST_F(WindowScrollBars, BadHandlesAndBarsFailCleanly) {
  HWND bogus = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x4321));
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 10, 0, 0, 0};
  EXPECT_EQ(SetScrollInfo(bogus, SB_VERT, &info, TRUE), 0);
  EXPECT_FALSE(GetScrollInfo(bogus, SB_VERT, &info));
  EXPECT_FALSE(ShowScrollBar(bogus, SB_VERT, TRUE));
  HWND plain = TopLevel(0, 0, 100, 100);
  EXPECT_FALSE(GetScrollInfo(plain, SB_VERT, &info));  // never had a bar
  EXPECT_EQ(SetScrollInfo(plain, 7, &info, TRUE), 0);
  EXPECT_EQ(SetScrollInfo(plain, SB_VERT, nullptr, TRUE), 0);
  SCROLLINFO badSize{0, SIF_ALL, 0, 10, 0, 0, 0};
  EXPECT_EQ(SetScrollInfo(plain, SB_VERT, &badSize, TRUE), 0);
  EXPECT_FALSE(GetScrollInfo(plain, SB_CTL, &info));  // not a scroll-bar control
}
