// The redraw thread and the thread and lock objects under it.
#include <stdexcept>
#include <string>

#include "engine/thread.h"
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

TEST_F(RedrawThreadTest, SystemFailuresAreThrownWithTheOperationAndTheSystemText) {
  EnableRedrawThread();
  winsim::FailNextCreateThread();
  try {
    RequestGridRedraw();
    ADD_FAILURE() << "no exception";
  } catch (const std::runtime_error& error) {
    const std::string text = error.what();
    EXPECT_EQ(text.rfind("CreateThread: ", 0), 0u) << text;
    EXPECT_GT(text.size(), std::string("CreateThread: ").size());
    EXPECT_EQ(text.find('\n'), std::string::npos);
  }
  EXPECT_EQ(DrawTh(), nullptr);

  winsim::FailNextCreateMutex();
  EXPECT_THROW(hMutex mutex, std::runtime_error);
}

}  // namespace
}  // namespace Talvo::testing
