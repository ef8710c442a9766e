#include "win32_fixture.h"

using win32_test::CountOf;
using win32_test::Log;

using Timers = Win32Test;

TEST_F(Timers, FireOnlyWhenTheClockIsAdvancedAndTheQueueIsIdle) {
  HWND w = TopLevel(0, 0, 10, 10, WS_POPUP);
  ASSERT_EQ(SetTimer(w, 3335, 50, nullptr), 3335u);
  winsim::PumpMessages();
  EXPECT_EQ(CountOf(w, WM_TIMER), 0);

  winsim::SetClock(winsim::Clock() + 60);
  PostMessageW(w, WM_USER, 0, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, UINT{WM_USER});  // posted messages come before a due timer
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, UINT{WM_TIMER});
  EXPECT_EQ(msg.wParam, 3335u);
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));  // the next period started when it was retrieved

  winsim::AdvanceClock(49);
  EXPECT_EQ(CountOf(w, WM_TIMER), 0);
  winsim::AdvanceClock(1);
  EXPECT_EQ(CountOf(w, WM_TIMER), 1);
  winsim::AdvanceClock(200);  // one message per period that passes
  EXPECT_EQ(CountOf(w, WM_TIMER), 5);
}

TEST_F(Timers, OverduePeriodsCoalesceIntoOneMessage) {
  HWND w = TopLevel(0, 0, 10, 10, WS_POPUP);
  SetTimer(w, 1, 10, nullptr);
  winsim::SetClock(winsim::Clock() + 1000);
  winsim::PumpMessages();
  EXPECT_EQ(CountOf(w, WM_TIMER), 1);
}

TEST_F(Timers, SettingAnIdAgainReplacesItAndTimersDieWithTheirWindow) {
  HWND w = TopLevel(0, 0, 10, 10, WS_POPUP);
  SetTimer(w, 1, 100, nullptr);
  winsim::AdvanceClock(90);
  SetTimer(w, 1, 100, nullptr);  // restarts the period
  winsim::AdvanceClock(90);
  EXPECT_EQ(CountOf(w, WM_TIMER), 0);
  EXPECT_TRUE(KillTimer(w, 1));
  EXPECT_FALSE(KillTimer(w, 1));

  SetTimer(w, 2, 10, nullptr);
  DestroyWindow(w);
  winsim::AdvanceClock(100);
  EXPECT_EQ(CountOf(nullptr, WM_TIMER), 0);
  EXPECT_TRUE(winsim::IsQueueIdle());
}

namespace {
std::vector<UINT_PTR>& Fired() {
  static std::vector<UINT_PTR> fired;
  return fired;
}
void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) { Fired().push_back(id); }
}  // namespace

TEST_F(Timers, ADispatchedTimerMessageCallsOnlyAProcedureThatWasSet) {
  Fired().clear();
  UINT_PTR id = SetTimer(nullptr, 0, 20, OnTimer);
  winsim::AdvanceClock(20);
  EXPECT_EQ(Fired(), std::vector<UINT_PTR>{id});

  // A forged WM_TIMER naming a procedure reaches nothing.
  MSG forged{nullptr, WM_TIMER, 12345, reinterpret_cast<LPARAM>(&OnTimer), 0, {0, 0}};
  DispatchMessageW(&forged);
  EXPECT_EQ(Fired().size(), 1u);
}

TEST_F(Timers, AdvancingStopsAtAQueueThatNeverRunsDryInsteadOfSpinning) {
  HWND w = TopLevel(0, 0, 10, 10, WS_POPUP);
  Handle([](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_TIMER) PostMessageW(h, WM_USER, 0, 0);
    if (m == WM_USER) PostMessageW(h, WM_USER, 0, 0);  // keeps the queue busy for ever
    return std::nullopt;
  });
  SetTimer(w, 1, 10, nullptr);
  winsim::AdvanceClock(1000);
  EXPECT_EQ(winsim::Clock(), 1000u);
  // The timer fired once; from then on the queue was never idle, so it stayed due without firing again.
  EXPECT_EQ(CountOf(w, WM_TIMER), 1);
  EXPECT_FALSE(winsim::IsQueueIdle());
}
