// While the module is loaded, input the driver injects (and pumps with the window stand-in's pump) is offered to
// PreTranslateMessage of the target and its parents before it is dispatched.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afxwin.h"
#include "mfc_fixture.h"
#include "test_windows.h"
#include "win32/simulation.h"

namespace {

std::vector<std::string> g_seen;

class KeyWatchingWnd : public CWnd {
 public:
  explicit KeyWatchingWnd(std::string name, UINT swallow = 0) : name_(std::move(name)), swallow_(swallow) {}
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message != WM_KEYDOWN) return FALSE;
    g_seen.push_back(name_ + " pretranslate " + std::to_string(pMsg->wParam));
    return pMsg->wParam == swallow_;
  }

 protected:
  void OnKeyDown(UINT key, UINT, UINT) { g_seen.push_back(name_ + " keydown " + std::to_string(key)); }
  DECLARE_MESSAGE_MAP()

 private:
  std::string name_;
  UINT swallow_;
};
BEGIN_MESSAGE_MAP(KeyWatchingWnd, CWnd)
  ON_WM_KEYDOWN()
END_MESSAGE_MAP()

class PreTranslateFilterTest : public MfcTest {
 protected:
  void SetUp() override {
    MfcTest::SetUp();
    g_seen.clear();
  }
  void TearDown() override {
    mfcsim::UnloadModule();  // harmless when a test already unloaded
    MfcTest::TearDown();
  }
};

TEST_F(PreTranslateFilterTest, InjectedKeysReachPreTranslateMessageWhileTheModuleIsLoaded) {
  KeyWatchingWnd frame("frame", VK_ESCAPE);
  KeyWatchingWnd child("child");
  ASSERT_TRUE(mfctest::CreatePopup(frame));
  ASSERT_TRUE(child.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 10, 10), &frame, 1));
  frame.ShowWindow(SW_SHOW);
  child.SetFocus();
  ASSERT_TRUE(mfcsim::LoadModule());

  winsim::KeyDown('A');
  winsim::KeyDown(VK_ESCAPE);  // the frame handles it in PreTranslateMessage: never dispatched
  EXPECT_EQ(g_seen, (std::vector<std::string>{"child pretranslate 65", "frame pretranslate 65", "child keydown 65",
                                               "child pretranslate 27", "frame pretranslate 27"}));

  // Unloaded, the module's routing is gone: the key goes straight to the window.
  mfcsim::UnloadModule();
  g_seen.clear();
  winsim::KeyDown('B');
  EXPECT_EQ(g_seen, std::vector<std::string>{"child keydown 66"});
}

}  // namespace
