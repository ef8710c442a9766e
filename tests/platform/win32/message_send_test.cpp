#include <atomic>
#include <thread>
#include <utility>

#include "win32_fixture.h"

using win32_test::Log;
using win32_test::MessagesOf;

using Messages = Win32Test;

TEST_F(Messages, NestedSendsRunInsideTheOuterHandlerAndReturnTheirResults) {
  HWND a = TopLevel(0, 0, 10, 10, WS_POPUP);
  HWND b = TopLevel(0, 0, 10, 10, WS_POPUP);
  std::vector<std::string> trace;
  Handle([&](HWND h, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
    if (m != WM_USER) return std::nullopt;
    std::string name = h == a ? "a" : "b";
    trace.push_back("enter " + name + std::to_string(w));
    LRESULT inner = 0;
    if (h == a && w == 1) inner = SendMessageW(b, WM_USER, 2, 0);
    if (h == b && w == 2) inner = SendMessageW(a, WM_USER, 3, 0);
    trace.push_back("leave " + name + std::to_string(w));
    return static_cast<LRESULT>(w * 10 + inner);
  });
  EXPECT_EQ(SendMessageW(a, WM_USER, 1, 0), 10 + 20 + 30);
  EXPECT_EQ(trace, (std::vector<std::string>{"enter a1", "enter b2", "enter a3", "leave a3", "leave b2", "leave a1"}));
}

TEST_F(Messages, PostedMessagesWaitForThePumpInOrderAndQuitEndsGetMessage) {
  HWND w = TopLevel(0, 0, 10, 10, WS_POPUP);
  PostMessageW(w, WM_USER, 1, 0);
  PostMessageW(w, WM_USER, 2, 0);
  PostThreadMessageW(GetCurrentThreadId(), WM_APP, 3, 0);
  EXPECT_TRUE(MessagesOf(w, {WM_USER}).empty());
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_APP, WM_APP, PM_NOREMOVE));
  EXPECT_EQ(msg.wParam, 3u);
  EXPECT_EQ(msg.hwnd, nullptr);
  EXPECT_TRUE(winsim::PumpMessages().idle);
  std::vector<WPARAM> order;
  for (const auto& seen : Log())
    if (seen.message == WM_USER) order.push_back(seen.wParam);
  EXPECT_EQ(order, (std::vector<WPARAM>{1, 2}));

  PostMessageW(w, WM_USER, 4, 0);
  PostQuitMessage(5);
  ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.wParam, 4u);
  EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, UINT{WM_QUIT});
  EXPECT_EQ(msg.wParam, 5u);
}

TEST_F(Messages, TheGuardStopsAMessageThatKeepsPostingItself) {
  HWND w = TopLevel(0, 0, 10, 10, WS_POPUP);
  Handle([](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_USER) PostMessageW(h, WM_USER, 0, 0);
    return std::nullopt;
  });
  PostMessageW(w, WM_USER, 0, 0);
  winsim::PumpResult result = winsim::PumpMessages(50);
  EXPECT_FALSE(result.idle);
  EXPECT_EQ(result.dispatched, 50);
}

namespace {

std::vector<UINT>& HookSaw() {
  static std::vector<UINT> saw;
  return saw;
}

LRESULT DroppingHook(int code, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  HookSaw().push_back(msg->message);
  if (msg->message == WM_USER + 2) msg->message = WM_NULL;
  if (msg->message == WM_USER + 3) msg->wParam = 33;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT OlderHook(int code, WPARAM wParam, LPARAM lParam) {
  HookSaw().push_back(0xFFFF);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST_F(Messages, GetMessageHooksSeePostedButNotSentMessagesAndMayChangeOrDropThem) {
  HookSaw().clear();
  HWND w = TopLevel(0, 0, 10, 10, WS_POPUP);
  HHOOK older = SetWindowsHookExW(WH_GETMESSAGE, OlderHook, nullptr, GetCurrentThreadId());
  HHOOK newer = SetWindowsHookExW(WH_GETMESSAGE, DroppingHook, nullptr, GetCurrentThreadId());
  ASSERT_TRUE(older && newer);
  SendMessageW(w, WM_USER + 1, 0, 0);
  PostMessageW(w, WM_USER + 2, 0, 0);
  PostMessageW(w, WM_USER + 3, 0, 0);
  winsim::PumpMessages();
  EXPECT_EQ(HookSaw(), (std::vector<UINT>{WM_USER + 2, 0xFFFF, WM_USER + 3, 0xFFFF}));
  EXPECT_EQ(MessagesOf(w, {WM_USER + 1, WM_USER + 2, WM_USER + 3}), (std::vector<UINT>{WM_USER + 1, WM_USER + 3}));
  EXPECT_EQ(Log().back().wParam, 33u);

  EXPECT_TRUE(UnhookWindowsHookEx(newer));
  EXPECT_FALSE(UnhookWindowsHookEx(newer));
  EXPECT_TRUE(UnhookWindowsHookEx(older));
}

namespace {

std::vector<std::pair<UINT, WPARAM>>& HookCalls() {
  static std::vector<std::pair<UINT, WPARAM>> calls;
  return calls;
}

LRESULT NotingHook(int code, WPARAM wParam, LPARAM lParam) {
  HookCalls().emplace_back(reinterpret_cast<MSG*>(lParam)->message, wParam);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST_F(Messages, GetMessageHooksSeeAPeekedMessageAndAgainWhenItIsTaken) {
  HookCalls().clear();
  HWND w = TopLevel(0, 0, 10, 10, WS_POPUP);
  HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, NotingHook, nullptr, GetCurrentThreadId());
  PostMessageW(w, WM_USER + 5, 0, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));  // nothing left, nothing seen
  using Call = std::pair<UINT, WPARAM>;
  EXPECT_EQ(HookCalls(), (std::vector<Call>{{WM_USER + 5, PM_NOREMOVE}, {WM_USER + 5, PM_NOREMOVE},
                                            {WM_USER + 5, PM_REMOVE}}));

  HookCalls().clear();
  PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
  ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(HookCalls(), (std::vector<Call>{{WM_APP, PM_NOREMOVE}, {WM_APP, PM_REMOVE}}));
  UnhookWindowsHookEx(hook);
}

TEST_F(Messages, OtherThreadsPostToTheWindowsThreadQueue) {
  HWND w = TopLevel(0, 0, 10, 10, WS_POPUP);
  DWORD uiThread = GetCurrentThreadId();
  constexpr int kPerThread = 200;
  std::vector<std::thread> posters;
  for (int t = 0; t < 4; ++t)
    posters.emplace_back([&, t] {
      for (int i = 0; i < kPerThread; ++i) {
        PostMessageW(w, WM_USER, static_cast<WPARAM>(t), i);
        PostThreadMessageW(uiThread, WM_APP, static_cast<WPARAM>(t), i);
      }
    });
  for (auto& poster : posters) poster.join();
  int threadMessages = 0;
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_APP) ++threadMessages;
    DispatchMessageW(&msg);
  }
  EXPECT_EQ(threadMessages, 4 * kPerThread);
  EXPECT_EQ(win32_test::CountOf(w, WM_USER), 4 * kPerThread);
  EXPECT_FALSE(PostThreadMessageW(0x7FFFFFF0, WM_APP, 0, 0));
}

TEST_F(Messages, GetMessageWakesWhenAnotherThreadPosts) {
  std::atomic<bool> started{false};
  DWORD uiThread = GetCurrentThreadId();
  std::thread poster([&] {
    started = true;
    PostThreadMessageW(uiThread, WM_APP + 7, 1, 2);
  });
  MSG msg;
  ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, UINT{WM_APP + 7});
  poster.join();
}

TEST_F(Messages, RegisteredMessagesAreStablePerName) {
  UINT first = RegisterWindowMessageW(L"Talvo.TestMessage");
  EXPECT_GE(first, 0xC000u);
  EXPECT_EQ(RegisterWindowMessageW(L"talvo.testmessage"), first);
  EXPECT_NE(RegisterWindowMessageW(L"Talvo.OtherMessage"), first);
  EXPECT_EQ(RegisterWindowMessageW(L""), 0u);
}
