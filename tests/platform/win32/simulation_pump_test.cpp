// The driver's pump hands every message to the pre-dispatch filter, after the get-message hooks and before
// translation and dispatch.
#include <string>

#include "win32_fixture.h"

namespace {

using win32_test::CountOf;

std::wstring trail;

LRESULT CALLBACK MarkingHook(int code, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && msg->message == WM_KEYDOWN) trail += L"hook ";
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class PreDispatchFilterTest : public Win32Test {
 protected:
  void TearDown() override {
    winsim::SetPreDispatchFilter(nullptr);
    Win32Test::TearDown();
  }
};

TEST_F(PreDispatchFilterTest, InjectedKeysMeetTheHooksThenTheFilterThenTheWindow) {
  HWND top = TopLevel(0, 0, 100, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  SetFocus(top);
  trail.clear();
  HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, MarkingHook, nullptr, GetCurrentThreadId());
  std::vector<UINT> filtered;
  EXPECT_FALSE(winsim::SetPreDispatchFilter([&](MSG& msg) {
    filtered.push_back(msg.message);
    if (msg.message == WM_KEYDOWN) trail += L"filter ";
    return msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE;  // Escape is handled here
  }));
  Handle([](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_KEYDOWN) trail += L"window";
    return std::nullopt;
  });

  winsim::KeyDown('A');
  EXPECT_EQ(trail, L"hook filter window");
  EXPECT_EQ(CountOf(top, WM_CHAR), 1);  // translated after the filter let it pass
  EXPECT_NE(std::find(filtered.begin(), filtered.end(), WM_CHAR), filtered.end());  // the filter sees WM_CHAR too

  win32_test::Log().clear();
  trail.clear();
  winsim::KeyDown(VK_ESCAPE);
  EXPECT_EQ(trail, L"hook filter ");
  EXPECT_EQ(CountOf(top, WM_KEYDOWN), 0);  // neither dispatched
  EXPECT_EQ(CountOf(top, WM_CHAR), 0);     // nor translated
  UnhookWindowsHookEx(hook);
}

TEST_F(PreDispatchFilterTest, TheFilterMayChangeTheMessageAndIsReplacedByTheNextOne) {
  HWND top = TopLevel(0, 0, 100, 100);
  winsim::PumpMessages();  // the first paint
  std::vector<WPARAM> seen;
  Handle([&](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_APP) seen.push_back(wParam);
    return std::nullopt;
  });
  EXPECT_FALSE(winsim::SetPreDispatchFilter([](MSG& msg) {
    if (msg.message == WM_APP) msg.wParam = 2;
    return false;
  }));
  PostMessageW(top, WM_APP, 1, 0);
  EXPECT_EQ(winsim::PumpMessages().dispatched, 1);

  winsim::PreDispatchFilter previous = winsim::SetPreDispatchFilter([](MSG&) { return true; });
  ASSERT_TRUE(previous);  // the one set before, given back
  PostMessageW(top, WM_APP, 3, 0);
  EXPECT_EQ(winsim::PumpMessages().dispatched, 0);

  EXPECT_TRUE(winsim::SetPreDispatchFilter(nullptr));  // removed: messages flow unchanged again
  PostMessageW(top, WM_APP, 4, 0);
  winsim::PumpMessages();
  EXPECT_EQ(seen, (std::vector<WPARAM>{2, 4}));
}

}  // namespace
