#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afxwin.h"
#include "mfc_fixture.h"
#include "test_windows.h"
#include "win32/simulation.h"

namespace {

std::vector<std::string> g_log;
constexpr UINT WM_KEY_SEQUENCE = WM_APP + 5;

class FilteringWnd : public CWnd {
 public:
  explicit FilteringWnd(std::string name, UINT swallow = 0) : name_(std::move(name)), swallow_(swallow) {}
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN) g_log.push_back(name_ + " pretranslate");
    return swallow_ != 0 && pMsg->message == WM_KEYDOWN && pMsg->wParam == swallow_;
  }
  int idleUpdates = 0;

 protected:
  void OnKeyDown(UINT key, UINT, UINT) { g_log.push_back(name_ + " keydown " + std::to_string(key)); }
  LRESULT OnIdleUpdate(WPARAM, LPARAM) {
    ++idleUpdates;
    return 0;
  }
  DECLARE_MESSAGE_MAP()

 private:
  std::string name_;
  UINT swallow_;
};
BEGIN_MESSAGE_MAP(FilteringWnd, CWnd)
  ON_WM_KEYDOWN()
  ON_MESSAGE(WM_IDLEUPDATECMDUI, &FilteringWnd::OnIdleUpdate)
END_MESSAGE_MAP()

class TestApp : public CWinApp {
 public:
  TestApp() : CWinApp(L"TestApp") {}
  BOOL succeed = TRUE;
  BOOL InitInstance() override {
    g_log.push_back("InitInstance");
    return succeed;
  }
  int ExitInstance() override {
    g_log.push_back("ExitInstance");
    return 3;
  }

 protected:
  void OnKeySequence(WPARAM wParam, LPARAM lParam) {
    g_log.push_back("thread message " + std::to_string(wParam) + " " + std::to_string(lParam));
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestApp, CWinApp)
  ON_THREAD_MESSAGE(WM_KEY_SEQUENCE, &TestApp::OnKeySequence)
END_MESSAGE_MAP()

class AppTest : public MfcTest {
 protected:
  void SetUp() override {
    MfcTest::SetUp();
    g_log.clear();
  }
};

TEST_F(AppTest, ModuleLoadAndUnloadRunTheApplicationsInstanceHooks) {
  {
    TestApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_TRUE(mfcsim::LoadModule());
    EXPECT_EQ(mfcsim::UnloadModule(), 3);
    app.succeed = FALSE;
    EXPECT_FALSE(mfcsim::LoadModule());  // a failed start still runs ExitInstance
  }
  EXPECT_EQ(AfxGetApp(), nullptr);
  EXPECT_EQ(g_log, (std::vector<std::string>{"InitInstance", "ExitInstance", "InitInstance", "ExitInstance"}));
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  EXPECT_NE(AfxGetInstanceHandle(), nullptr);
}

TEST_F(AppTest, PumpOffersMessagesToTheTargetAndItsParentsFirst) {
  TestApp app;
  FilteringWnd frame("frame", VK_ESCAPE);
  FilteringWnd child("child");
  ASSERT_TRUE(mfctest::CreatePopup(frame));
  ASSERT_TRUE(child.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 10, 10), &frame, 1));
  app.m_pMainWnd = &frame;
  EXPECT_EQ(AfxGetMainWnd(), &frame);

  child.PostMessage(WM_KEYDOWN, 'A');
  child.PostMessage(WM_KEYDOWN, VK_ESCAPE);
  const mfcsim::PumpResult result = mfcsim::PumpMessages();
  EXPECT_TRUE(result.idle);
  EXPECT_EQ(g_log, (std::vector<std::string>{"child pretranslate", "frame pretranslate", "child keydown 65",
                                              "child pretranslate", "frame pretranslate"}));
  app.m_pMainWnd = nullptr;
}

// While the module is loaded, input the driver injects is offered to PreTranslateMessage of the target and its
// parents before it is dispatched; unloaded, the key goes straight to the window.
TEST_F(AppTest, InjectedKeysReachPreTranslateMessageWhileTheModuleIsLoaded) {
  FilteringWnd frame("frame", VK_ESCAPE);
  FilteringWnd child("child");
  ASSERT_TRUE(mfctest::CreatePopup(frame));
  ASSERT_TRUE(child.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 10, 10), &frame, 1));
  frame.ShowWindow(SW_SHOW);
  child.SetFocus();
  ASSERT_TRUE(mfcsim::LoadModule());
  winsim::KeyDown('A');
  winsim::KeyDown(VK_ESCAPE);
  mfcsim::UnloadModule();
  winsim::KeyDown('B');
  EXPECT_EQ(g_log, (std::vector<std::string>{"child pretranslate", "frame pretranslate", "child keydown 65",
                                              "child pretranslate", "frame pretranslate", "child keydown 66"}));
}

TEST_F(AppTest, ThreadMessagesGoToTheApplicationsMap) {
  TestApp app;
  ::PostThreadMessageW(::GetCurrentThreadId(), WM_KEY_SEQUENCE, 4, 16);
  ::PostThreadMessageW(::GetCurrentThreadId(), WM_APP + 6, 0, 0);  // nobody's: dropped quietly
  mfcsim::PumpMessages();
  EXPECT_EQ(g_log, std::vector<std::string>{"thread message 4 16"});
}

TEST_F(AppTest, IdleTimeUpdatesTheVisibleMainWindowAndItsDescendants) {
  TestApp app;
  FilteringWnd frame("frame");
  FilteringWnd child("child");
  ASSERT_TRUE(mfctest::CreatePopup(frame));
  ASSERT_TRUE(child.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 10, 10), &frame, 1));
  app.m_pMainWnd = &frame;
  mfcsim::PumpMessages();
  EXPECT_EQ(frame.idleUpdates, 0);  // hidden main windows are left alone
  frame.ShowWindow(SW_SHOWNA);
  mfcsim::PumpMessages();
  EXPECT_GE(frame.idleUpdates, 1);
  EXPECT_EQ(child.idleUpdates, frame.idleUpdates);
  // Destroying the main window makes the application forget it.
  frame.DestroyWindow();
  EXPECT_EQ(app.m_pMainWnd, nullptr);
}

TEST_F(AppTest, PumpStopsAtQuitAndLeavesIt) {
  ::PostQuitMessage(2);
  const mfcsim::PumpResult result = mfcsim::PumpMessages();
  EXPECT_TRUE(result.quit);
  MSG msg{};
  EXPECT_TRUE(::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
}

}  // namespace
