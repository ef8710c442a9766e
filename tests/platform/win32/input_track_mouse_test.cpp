#include "win32_fixture.h"

using win32_test::CountOf;
using win32_test::Log;

using TrackMouse = Win32Test;

namespace {

BOOL Track(HWND hwnd, DWORD flags, DWORD hoverTime = HOVER_DEFAULT) {
  TRACKMOUSEEVENT request{sizeof request, flags, hwnd, hoverTime};
  return TrackMouseEvent(&request);
}

TRACKMOUSEEVENT Query() {
  TRACKMOUSEEVENT answer{sizeof answer, TME_QUERY, nullptr, 0};
  EXPECT_TRUE(TrackMouseEvent(&answer));
  return answer;
}

}  // namespace

TEST_F(TrackMouse, ALeaveIsPostedOncePerRequestWhenTheMouseGoesToAnotherWindow) {
  HWND top = TopLevel(0, 0, 400, 300);
  HWND a = Child(top, 1, 10, 10, 100, 100);
  HWND b = Child(top, 2, 200, 10, 100, 100);
  HWND inner = Child(a, 3, 50, 50, 20, 20);
  winsim::MouseMove(20, 20);
  ASSERT_TRUE(Track(a, TME_LEAVE));
  TRACKMOUSEEVENT query = Query();
  EXPECT_EQ(query.hwndTrack, a);
  EXPECT_EQ(query.dwFlags, DWORD{TME_LEAVE});
  winsim::MouseMove(40, 40);  // still inside
  EXPECT_EQ(CountOf(a, WM_MOUSELEAVE), 0);
  winsim::MouseMove(220, 20);
  EXPECT_EQ(CountOf(a, WM_MOUSELEAVE), 1);
  EXPECT_EQ(Query().hwndTrack, nullptr);
  // The leave comes before the other window's move.
  auto leave = std::find_if(Log().begin(), Log().end(), [&](auto& s) { return s.message == WM_MOUSELEAVE; });
  auto move = std::find_if(leave, Log().end(), [&](auto& s) { return s.hwnd == b && s.message == WM_MOUSEMOVE; });
  EXPECT_NE(move, Log().end());
  // Without a new request, leaving again tells nobody.
  winsim::MouseMove(20, 20);
  winsim::MouseMove(220, 20);
  EXPECT_EQ(CountOf(a, WM_MOUSELEAVE), 1);
  // A child window is another window: moving onto it leaves the parent.
  winsim::MouseMove(20, 20);
  ASSERT_TRUE(Track(a, TME_LEAVE));
  winsim::MouseMove(65, 65);
  EXPECT_EQ(CountOf(a, WM_MOUSELEAVE), 2);
  EXPECT_EQ(CountOf(inner, WM_MOUSELEAVE), 0);
  // The alias does the same.
  TRACKMOUSEEVENT request{sizeof request, TME_LEAVE, inner, 0};
  ASSERT_TRUE(_TrackMouseEvent(&request));
  winsim::MouseMove(380, 280);
  EXPECT_EQ(CountOf(inner, WM_MOUSELEAVE), 1);
}

TEST_F(TrackMouse, AWindowTheMouseIsNotOverIsLeftAtOnceAndCancelStopsTracking) {
  HWND top = TopLevel(0, 0, 400, 300);
  HWND a = Child(top, 1, 10, 10, 100, 100);
  winsim::MouseMove(300, 200);
  ASSERT_TRUE(Track(a, TME_LEAVE));
  winsim::PumpMessages();
  EXPECT_EQ(CountOf(a, WM_MOUSELEAVE), 1);
  EXPECT_EQ(Query().hwndTrack, nullptr);
  // Cancelled tracking stays quiet.
  winsim::MouseMove(20, 20);
  ASSERT_TRUE(Track(a, TME_LEAVE));
  ASSERT_TRUE(Track(a, TME_CANCEL | TME_LEAVE));
  EXPECT_EQ(Query().hwndTrack, nullptr);
  winsim::MouseMove(300, 200);
  EXPECT_EQ(CountOf(a, WM_MOUSELEAVE), 1);
}

TEST_F(TrackMouse, BadRequestsFailCleanly) {
  HWND top = TopLevel(0, 0, 100, 100);
  EXPECT_FALSE(TrackMouseEvent(nullptr));
  TRACKMOUSEEVENT shortRequest{sizeof(TRACKMOUSEEVENT) - 1, TME_LEAVE, top, 0};
  SetLastError(0);
  EXPECT_FALSE(TrackMouseEvent(&shortRequest));
  EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_PARAMETER});
  EXPECT_FALSE(Track(top, 0x100));
  EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_FLAGS});
  EXPECT_FALSE(Track(reinterpret_cast<HWND>(0x1234), TME_LEAVE));
  EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_WINDOW_HANDLE});
  HWND gone = TopLevel(0, 0, 10, 10);
  DestroyWindow(gone);
  EXPECT_FALSE(Track(gone, TME_LEAVE));
}

TEST_F(TrackMouse, HidingLeavesTheWindowAndDestroyingForgetsIt) {
  HWND top = TopLevel(0, 0, 400, 300);
  HWND a = Child(top, 1, 10, 10, 100, 100);
  winsim::MouseMove(20, 20);
  ASSERT_TRUE(Track(a, TME_LEAVE));
  ShowWindow(top, SW_HIDE);  // an ancestor hides
  winsim::PumpMessages();
  EXPECT_EQ(CountOf(a, WM_MOUSELEAVE), 1);
  ShowWindow(top, SW_SHOW);
  winsim::MouseMove(21, 21);
  ASSERT_TRUE(Track(a, TME_LEAVE));
  DestroyWindow(a);
  winsim::PumpMessages();
  EXPECT_EQ(CountOf(a, WM_MOUSELEAVE), 1);
  EXPECT_EQ(Query().hwndTrack, nullptr);
}

TEST_F(TrackMouse, CaptureKeepsTheMouseWithItsWindowUntilReleasedOrTakenElsewhere) {
  HWND top = TopLevel(0, 0, 400, 300);
  HWND a = Child(top, 1, 10, 10, 100, 100);
  HWND b = Child(top, 2, 200, 10, 100, 100);
  winsim::MouseMove(20, 20);
  ASSERT_TRUE(Track(a, TME_LEAVE));
  SetCapture(a);
  winsim::MouseMove(250, 50);  // over b, but the mouse goes to a
  EXPECT_EQ(CountOf(a, WM_MOUSELEAVE), 0);
  ReleaseCapture();  // the cursor is outside: a is left
  winsim::PumpMessages();
  EXPECT_EQ(CountOf(a, WM_MOUSELEAVE), 1);
  // Released over its own client area, the window keeps the mouse.
  winsim::MouseMove(20, 20);
  ASSERT_TRUE(Track(a, TME_LEAVE));
  SetCapture(a);
  ReleaseCapture();
  winsim::PumpMessages();
  EXPECT_EQ(CountOf(a, WM_MOUSELEAVE), 1);
  // Another window taking the capture takes the mouse.
  SetCapture(b);
  winsim::PumpMessages();
  EXPECT_EQ(CountOf(a, WM_MOUSELEAVE), 2);
  ReleaseCapture();
}
