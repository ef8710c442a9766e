#include "win32_fixture.h"

using win32_test::CountOf;
using win32_test::Log;
using win32_test::MessagesOf;

using Painting = Win32Test;

namespace {

// Paints the whole client area in one colour; BeginPaint's clip keeps it to the update region.
struct Painter {
  COLORREF color = RGB(255, 0, 0);
  std::vector<RECT> painted;
  std::vector<BOOL> erase;

  std::optional<LRESULT> operator()(HWND h, UINT m) {
    if (m != WM_PAINT) return std::nullopt;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    painted.push_back(ps.rcPaint);
    erase.push_back(ps.fErase);
    RECT all;
    GetClientRect(h, &all);
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    EndPaint(h, &ps);
    return 0;
  }
};

}  // namespace

TEST_F(Painting, OnlyTheInvalidRegionIsRepainted) {
  Painter painter;
  HWND w = TopLevel(0, 0, 100, 80);
  Handle([&](HWND h, UINT m, WPARAM, LPARAM) { return painter(h, m); });
  winsim::PumpMessages();
  ASSERT_EQ(painter.painted.size(), 1u);
  EXPECT_EQ(painter.painted[0].right, 100);
  EXPECT_EQ(painter.painted[0].bottom, 80);

  painter.color = RGB(0, 0, 255);
  RECT spot{10, 10, 30, 20};
  InvalidateRect(w, &spot, FALSE);
  RECT pending;
  EXPECT_TRUE(GetUpdateRect(w, &pending, FALSE));
  EXPECT_EQ(pending.left, 10);
  winsim::PumpMessages();
  ASSERT_EQ(painter.painted.size(), 2u);
  EXPECT_EQ(painter.painted[1].left, 10);
  EXPECT_EQ(painter.painted[1].bottom, 20);
  EXPECT_FALSE(GetUpdateRect(w, nullptr, FALSE));

  winsim::Image shot = winsim::CaptureWindow(w);
  EXPECT_EQ(shot.Pixel(10, 10), RGB(0, 0, 255));
  EXPECT_EQ(shot.Pixel(29, 19), RGB(0, 0, 255));
  EXPECT_EQ(shot.Pixel(30, 19), RGB(255, 0, 0));
  EXPECT_EQ(shot.Pixel(9, 10), RGB(255, 0, 0));
  EXPECT_EQ(shot.Pixel(10, 20), RGB(255, 0, 0));
}

TEST_F(Painting, EraseOnlyWhenAskedAndPaintOnlyWhenNothingIsPosted) {
  HWND w = TopLevel(0, 0, 100, 80);
  winsim::PumpMessages();
  Log().clear();
  InvalidateRect(w, nullptr, FALSE);
  PostMessageW(w, WM_USER, 0, 0);
  winsim::PumpMessages();
  EXPECT_EQ(MessagesOf(w, {WM_USER, WM_PAINT, WM_ERASEBKGND}), (std::vector<UINT>{WM_USER, WM_PAINT}));
  Log().clear();
  InvalidateRect(w, nullptr, TRUE);
  UpdateWindow(w);  // paints at once, without the pump
  EXPECT_EQ(MessagesOf(w, {WM_PAINT, WM_ERASEBKGND}), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
  EXPECT_TRUE(winsim::IsQueueIdle());
}

TEST_F(Painting, HiddenWindowsWaitAndParentsPaintBeforeChildren) {
  HWND top = TopLevel(0, 0, 100, 80, WS_POPUP);
  HWND child = Child(top, 1, 0, 0, 20, 20);
  winsim::PumpMessages();
  EXPECT_EQ(CountOf(nullptr, WM_PAINT), 0);
  ShowWindow(top, SW_SHOW);
  winsim::PumpMessages();
  std::vector<HWND> order;
  for (const auto& seen : Log())
    if (seen.message == WM_PAINT) order.push_back(seen.hwnd);
  EXPECT_EQ(order, (std::vector<HWND>{top, child}));

  Log().clear();
  RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(CountOf(top, WM_PAINT), 1);
  EXPECT_EQ(CountOf(child, WM_PAINT), 1);
}

TEST_F(Painting, OnlyAllChildrenCarriesAnInvalidationIntoTheChildren) {
  HWND top = TopLevel(0, 0, 200, 150);  // no WS_CLIPCHILDREN
  HWND framed = Child(top, 1, 20, 30, 60, 40, WS_VISIBLE | WS_BORDER);
  HWND grandchild = Child(framed, 2, 0, 0, 10, 10);
  HWND elsewhere = Child(top, 3, 150, 100, 40, 40);
  winsim::PumpMessages();

  InvalidateRect(top, nullptr, TRUE);  // the children's areas stay as they are
  for (HWND child : {framed, grandchild, elsewhere}) EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE));
  winsim::PumpMessages();

  RECT area{0, 0, 50, 50};
  RedrawWindow(top, &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  RECT pending;
  ASSERT_TRUE(GetUpdateRect(framed, &pending, FALSE));  // the overlap, in the child's client coordinates
  POINT origin{0, 0};
  MapWindowPoints(framed, top, &origin, 1);
  EXPECT_EQ(pending.left, 0);
  EXPECT_EQ(pending.top, 0);
  EXPECT_EQ(pending.right, 50 - origin.x);
  EXPECT_EQ(pending.bottom, 50 - origin.y);
  EXPECT_TRUE(GetUpdateRect(grandchild, nullptr, FALSE));
  EXPECT_FALSE(GetUpdateRect(elsewhere, nullptr, FALSE));
  Log().clear();
  winsim::PumpMessages();
  EXPECT_EQ(MessagesOf(nullptr, {WM_PAINT}), (std::vector<UINT>{WM_PAINT, WM_PAINT, WM_PAINT}));
  EXPECT_EQ(CountOf(elsewhere, WM_PAINT), 0);
}

TEST_F(Painting, ResizingInvalidatesWithErase) {
  HWND w = TopLevel(0, 0, 100, 80);
  winsim::PumpMessages();
  Log().clear();
  SetWindowPos(w, nullptr, 0, 0, 120, 90, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT pending;
  ASSERT_TRUE(GetUpdateRect(w, &pending, FALSE));
  EXPECT_EQ(pending.right, 120);
  winsim::PumpMessages();
  EXPECT_EQ(CountOf(w, WM_ERASEBKGND), 1);
}

TEST_F(Painting, TheDefaultFrameDrawsACaptionAndBorders) {
  HWND w = TopLevel(10, 10, 120, 80, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  winsim::Image shot = winsim::CaptureWindow(w);
  RECT client;
  GetClientRect(w, &client);
  COLORREF caption = shot.Pixel(60, 4 + 5);
  EXPECT_NE(caption, RGB(255, 255, 255));
  EXPECT_EQ(caption, shot.Pixel(100, 4 + 15));
  HWND other = TopLevel(300, 300, 10, 10);
  ASSERT_EQ(GetActiveWindow(), other);
  EXPECT_NE(winsim::CaptureWindow(w).Pixel(60, 4 + 5), caption);  // inactive captions look different
}
