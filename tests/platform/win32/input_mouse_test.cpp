#include "win32_fixture.h"

using win32_test::CountOf;
using win32_test::Log;
using win32_test::MessagesOf;

using MouseInput = Win32Test;

namespace {

std::vector<std::pair<HWND, UINT>> Presses() {
  std::vector<std::pair<HWND, UINT>> out;
  for (const auto& seen : Log())
    if (seen.message == WM_LBUTTONDOWN || seen.message == WM_LBUTTONDBLCLK || seen.message == WM_NCLBUTTONDOWN)
      out.emplace_back(seen.hwnd, seen.message);
  return out;
}

}  // namespace

TEST_F(MouseInput, ClicksGoToTheTopmostVisibleWindowAndDisabledChildrenPassThemToTheirParent) {
  HWND below = TopLevel(0, 0, 300, 300);
  // Topmost, so that activating the lower window by a click does not raise it above.
  HWND above = TopLevel(100, 100, 300, 300, WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST);
  HWND child = Child(above, 1, 10, 10, 50, 50);
  HWND hidden = Child(above, 2, 100, 100, 50, 50, 0);

  winsim::Click(50, 50);
  winsim::Click(200, 150);
  winsim::Click(115, 115);
  EnableWindow(child, FALSE);
  winsim::Click(120, 120);
  winsim::Click(210, 210);  // over the hidden child
  EXPECT_EQ(Presses(), (std::vector<std::pair<HWND, UINT>>{{below, WM_LBUTTONDOWN},
                                                            {above, WM_LBUTTONDOWN},
                                                            {child, WM_LBUTTONDOWN},
                                                            {above, WM_LBUTTONDOWN},
                                                            {above, WM_LBUTTONDOWN}}));
  EXPECT_EQ(CountOf(hidden, WM_LBUTTONDOWN), 0);
  // Mouse messages carry client coordinates and key flags.
  winsim::KeyDown(VK_SHIFT);
  Log().clear();
  winsim::Click(150, 160);
  ASSERT_EQ(MessagesOf(above, {WM_LBUTTONDOWN}).size(), 1u);
  for (const auto& seen : Log())
    if (seen.message == WM_LBUTTONDOWN) {
      EXPECT_EQ(seen.lParam, MAKELPARAM(50, 60));
      EXPECT_EQ(seen.wParam, WPARAM{MK_LBUTTON | MK_SHIFT});
    }
  EXPECT_EQ(WindowFromPoint({115, 115}), above);
}

TEST_F(MouseInput, ColourKeyedPixelsOfALayeredWindowLetClicksThrough) {
  static HBRUSH key = CreateSolidBrush(RGB(1, 11, 21));
  static HBRUSH solid = CreateSolidBrush(RGB(200, 0, 0));
  HWND below = TopLevel(0, 0, 400, 400);
  HWND overlay = TopLevel(100, 100, 200, 100, WS_POPUP | WS_VISIBLE, WS_EX_LAYERED | WS_EX_TOPMOST);
  ASSERT_TRUE(SetLayeredWindowAttributes(overlay, RGB(1, 11, 21), 0, LWA_COLORKEY));
  Handle([&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (h != overlay || m != WM_PAINT) return std::nullopt;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    RECT left{0, 0, 100, 100}, right{100, 0, 200, 100};
    FillRect(dc, &left, key);
    FillRect(dc, &right, solid);
    EndPaint(h, &ps);
    return 0;
  });
  winsim::Click(150, 150);  // a key-coloured pixel
  winsim::Click(250, 150);  // a painted pixel
  EXPECT_EQ(Presses(), (std::vector<std::pair<HWND, UINT>>{{below, WM_LBUTTONDOWN}, {overlay, WM_LBUTTONDOWN}}));
  COLORREF gotKey = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(overlay, &gotKey, nullptr, &flags));
  EXPECT_EQ(gotKey, RGB(1, 11, 21));
  EXPECT_EQ(flags, DWORD{LWA_COLORKEY});
  EXPECT_FALSE(SetLayeredWindowAttributes(below, 0, 0, LWA_COLORKEY));
}

TEST_F(MouseInput, CaptureTakesEveryMouseMessageAndReportsItsLoss) {
  HWND a = TopLevel(0, 0, 100, 100);
  HWND b = TopLevel(200, 0, 100, 100);
  EXPECT_EQ(SetCapture(a), nullptr);
  winsim::MouseMove(250, 50);
  EXPECT_EQ(CountOf(a, WM_MOUSEMOVE), 1);
  EXPECT_EQ(CountOf(b, WM_MOUSEMOVE), 0);
  EXPECT_EQ(SetCapture(b), a);
  ASSERT_EQ(CountOf(a, WM_CAPTURECHANGED), 1);
  for (const auto& seen : Log())
    if (seen.message == WM_CAPTURECHANGED) {
      EXPECT_EQ(seen.lParam, reinterpret_cast<LPARAM>(b));
    }
  Log().clear();
  ReleaseCapture();
  ASSERT_EQ(MessagesOf(nullptr, {WM_CAPTURECHANGED}).size(), 1u);
  EXPECT_EQ(Log().back().hwnd, b);
  EXPECT_EQ(Log().back().lParam, 0);
  EXPECT_EQ(GetCapture(), nullptr);

  SetCapture(a);
  DestroyWindow(a);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MouseInput, DoubleClicksNeedTheClassStyleTimeAndDistance) {
  HWND w = TopLevel(0, 0, 100, 100);
  winsim::DoubleClick(10, 10);
  winsim::Click(10, 10);
  EXPECT_EQ(MessagesOf(w, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}),
            (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}));
  Log().clear();
  winsim::Click(50, 50);
  winsim::AdvanceClock(501);
  winsim::Click(50, 50);
  winsim::Click(53, 50);
  EXPECT_EQ(CountOf(w, WM_LBUTTONDBLCLK), 0);

  UnregisterClassW(win32_test::kClass, nullptr);  // fails: the class still has a window
  DestroyWindow(w);
  ASSERT_TRUE(UnregisterClassW(win32_test::kClass, nullptr));
  win32_test::RegisterRecordingClass(0);
  HWND plain = TopLevel(0, 0, 100, 100);
  winsim::DoubleClick(10, 10);
  EXPECT_EQ(CountOf(plain, WM_LBUTTONDOWN), 2);
  EXPECT_EQ(CountOf(plain, WM_LBUTTONDBLCLK), 0);
}

TEST_F(MouseInput, NonClientPressesAndWheelRouting) {
  HWND frame = TopLevel(0, 0, 200, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND child = Child(frame, 1, 0, 0, 50, 50);
  winsim::Click(100, 10);  // on the caption
  ASSERT_EQ(MessagesOf(frame, {WM_NCLBUTTONDOWN}).size(), 1u);
  for (const auto& seen : Log())
    if (seen.message == WM_NCLBUTTONDOWN) {
      EXPECT_EQ(seen.wParam, WPARAM{HTCAPTION});
    }
  SetFocus(child);
  winsim::Wheel(-WHEEL_DELTA);
  EXPECT_EQ(MessagesOf(nullptr, {WM_MOUSEWHEEL}).size(), 2u);  // the child, then its parent through DefWindowProc
  EXPECT_EQ(CountOf(frame, WM_MOUSEWHEEL), 1);
}
