// The redraw thread and the thread and lock objects under it.
#include <stdexcept>
#include <string>

#include <host/listener.h>

#include "engine/thread.h"
#include "model/text.h"
#include "engine_fixture.h"

namespace Talvo::testing {
namespace {

using RedrawThreadTest = EngineTest;

int CountQueued(UINT message) {
  int count = 0;
  MSG msg;
  while (PeekMessageW(&msg, reinterpret_cast<HWND>(-1), message, message, PM_REMOVE)) ++count;
  return count;
}

TEST_F(RedrawThreadTest, RequestsBetweenWakeUpsCoalesceIntoOneMessage) {
  RedrawThread thread(GetCurrentThreadId());  // not started: the test wakes it
  EXPECT_FALSE(thread.WakeUp());
  thread.Request();
  thread.Request();
  thread.Request();
  EXPECT_TRUE(thread.WakeUp());
  EXPECT_FALSE(thread.WakeUp());
  EXPECT_EQ(CountQueued(RedrawGridMessage), 1);
  thread.Request();
  EXPECT_TRUE(thread.WakeUp());
  EXPECT_EQ(CountQueued(RedrawGridMessage), 1);
}

TEST_F(RedrawThreadTest, TheRunningThreadPostsAndEndsAtStop) {
  RequestGridRedraw();  // the global utility is not running: no thread
  EXPECT_EQ(DrawTh(), nullptr);

  EnableRedrawThread();
  RequestGridRedraw();
  ASSERT_NE(DrawTh(), nullptr);
  MSG msg;
  ASSERT_GT(GetMessageW(&msg, reinterpret_cast<HWND>(-1), RedrawGridMessage, RedrawGridMessage), 0);
  EXPECT_EQ(msg.hwnd, nullptr);

  StopRedrawThread();
  EXPECT_EQ(DrawTh(), nullptr);
  RequestGridRedraw();
  EXPECT_EQ(DrawTh(), nullptr);
}

TEST_F(RedrawThreadTest, AThreadTheSystemRefusesIsReportedInTheListenerWithTheSystemText) {
  EnableRedrawThread();
  winsim::FailNextCreateThread();
  the_listener->Clear();
  EXPECT_NO_THROW(RequestGridRedraw());  // requests come from window procedures
  EXPECT_EQ(DrawTh(), nullptr);
  const std::wstring prefix = L"Quillon: the redraw thread cannot be started: CreateThread: ";
  const std::wstring report = hostsim::ListenerText();
  EXPECT_EQ(report.rfind(prefix, 0), 0u) << WideToUtf8(report);
  EXPECT_GT(report.size(), prefix.size() + 1);
  EXPECT_EQ(report.find(L'\n'), report.size() - 1);
  // The next request tries again.
  RequestGridRedraw();
  EXPECT_NE(DrawTh(), nullptr);
  StopRedrawThread();

  // Without a listener the refusal is still no exception.
  EnableRedrawThread();
  Listener* listener = the_listener;
  the_listener = nullptr;
  winsim::FailNextCreateThread();
  EXPECT_NO_THROW(RequestGridRedraw());
  the_listener = listener;
  EXPECT_EQ(DrawTh(), nullptr);
  StopRedrawThread();

  winsim::FailNextCreateMutex();
  EXPECT_THROW(hMutex mutex, std::runtime_error);
}

}  // namespace
}  // namespace Talvo::testing
