#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afxwin.h"
#include "mfc_fixture.h"
#include "test_windows.h"

namespace {

using FrameTest = MfcTest;

std::vector<std::string> g_log;

// A frame that says when it is gone.
class TrackedFrame : public CFrameWnd {
 public:
  explicit TrackedFrame(bool* deleted) : deleted_(deleted) {}
  ~TrackedFrame() override { *deleted_ = true; }
  BOOL refuseCreate = FALSE;

 protected:
  int OnCreate(LPCREATESTRUCT cs) {
    if (refuseCreate) return -1;
    return CFrameWnd::OnCreate(cs);
  }
  void OnSave() { g_log.push_back("frame save"); }
  void OnFrameOnly() { g_log.push_back("frame only"); }
  void OnActivate(UINT state, CWnd* other, BOOL minimized) {
    g_log.push_back("activate " + std::to_string(state));
    CFrameWnd::OnActivate(state, other, minimized);
  }
  DECLARE_MESSAGE_MAP()

 private:
  bool* deleted_;
};

BEGIN_MESSAGE_MAP(TrackedFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_WM_ACTIVATE()
  ON_COMMAND(100, &TrackedFrame::OnSave)
  ON_COMMAND(101, &TrackedFrame::OnFrameOnly)
END_MESSAGE_MAP()

TEST_F(FrameTest, FrameDeletesItselfAfterItsWindowIsDestroyed) {
  bool deleted = false;
  TrackedFrame* frame = new TrackedFrame(&deleted);
  ASSERT_TRUE(frame->Create(nullptr, L"Quillon Editor", WS_OVERLAPPEDWINDOW, CRect(60, 60, 460, 360)));
  HWND hWnd = frame->m_hWnd;
  EXPECT_EQ(frame->GetTitle(), L"Quillon Editor");
  EXPECT_TRUE(frame->DestroyWindow());
  EXPECT_TRUE(deleted);
  EXPECT_FALSE(::IsWindow(hWnd));
  EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST_F(FrameTest, ClosingAndRefusedCreationAlsoDeleteTheFrame) {
  bool closed = false;
  TrackedFrame* frame = new TrackedFrame(&closed);
  ASSERT_TRUE(frame->Create(nullptr, L"closing"));
  frame->SendMessage(WM_CLOSE);
  EXPECT_TRUE(closed);

  bool refused = false;
  TrackedFrame* failing = new TrackedFrame(&refused);
  failing->refuseCreate = TRUE;
  EXPECT_FALSE(failing->Create(nullptr, L"refused"));
  EXPECT_TRUE(refused);
}

class ActiveView : public CWnd {
 protected:
  void OnSave() { g_log.push_back("view save"); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(ActiveView, CWnd)
  ON_COMMAND(100, &ActiveView::OnSave)
END_MESSAGE_MAP()

class RoutingApp : public CWinApp {
 public:
  RoutingApp() : CWinApp(L"RoutingApp") {}

 protected:
  void OnAbout() { g_log.push_back("app about"); }
  void OnUpdateAbout(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(RoutingApp, CWinApp)
  ON_COMMAND(102, &RoutingApp::OnAbout)
  ON_UPDATE_COMMAND_UI(102, &RoutingApp::OnUpdateAbout)
END_MESSAGE_MAP()

TEST_F(FrameTest, CommandsRouteThroughViewFrameAndApplication) {
  RoutingApp app;
  bool deleted = false;
  TrackedFrame* frame = new TrackedFrame(&deleted);
  ASSERT_TRUE(frame->Create(nullptr, L"routing", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
  g_log.clear();

  mfctest::SendCommand(*frame, 100);  // the frame's own
  mfctest::SendCommand(*frame, 102);  // only the application has it
  ActiveView view;
  ASSERT_TRUE(view.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 10, 10), frame, AFX_IDW_PANE_FIRST));
  frame->SetActiveView(&view);
  mfctest::SendCommand(*frame, 100);  // the view comes first now
  mfctest::SendCommand(*frame, 101);
  EXPECT_EQ(g_log, (std::vector<std::string>{"frame save", "app about", "view save", "frame only"}));

  // Update handlers follow the same route.
  CCmdUI about;
  about.m_nID = 102;
  EXPECT_TRUE(about.DoUpdate(frame, frame->m_bAutoMenuEnable));
  EXPECT_EQ(about.m_nCheck, 1);
  EXPECT_TRUE(about.m_bEnabled);
  CCmdUI missing;
  missing.m_nID = 103;
  missing.DoUpdate(frame, frame->m_bAutoMenuEnable);
  EXPECT_FALSE(missing.m_bEnabled);
  frame->DestroyWindow();
}

// A control bar that docks on top by taking its height from the frame's client area.
class TopBar : public CWnd {
 protected:
  LRESULT OnSizeParent(WPARAM, LPARAM lParam) {
    auto* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    CRect bar(layout->rect);
    bar.bottom = bar.top + 24;
    AfxRepositionWindow(layout, m_hWnd, &bar);
    layout->rect.top += 24;
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TopBar, CWnd)
  ON_MESSAGE(WM_SIZEPARENT, &TopBar::OnSizeParent)
END_MESSAGE_MAP()

TEST_F(FrameTest, RecalcLayoutDocksBarsAndFitsThePane) {
  bool deleted = false;
  TrackedFrame* frame = new TrackedFrame(&deleted);
  ASSERT_TRUE(frame->Create(nullptr, L"layout", WS_POPUP, CRect(0, 0, 300, 200)));
  TopBar bar;
  CWnd pane;
  ASSERT_TRUE(bar.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 5, 5), frame, AFX_IDW_MENUBAR));
  ASSERT_TRUE(pane.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 5, 5), frame, AFX_IDW_PANE_FIRST));
  frame->MoveWindow(0, 0, 400, 300);  // WM_SIZE lays the frame out again
  CRect client;
  frame->GetClientRect(&client);
  CRect barRect;
  CRect paneRect;
  bar.GetWindowRect(&barRect);
  pane.GetWindowRect(&paneRect);
  frame->ScreenToClient(&barRect);
  frame->ScreenToClient(&paneRect);
  EXPECT_EQ(barRect, CRect(0, 0, client.Width(), 24));
  EXPECT_EQ(paneRect, CRect(0, 24, client.Width(), client.Height()));
  frame->DestroyWindow();
}

TEST_F(FrameTest, ActivationReachesTheFramesOwnHandlers) {
  bool firstDeleted = false;
  bool secondDeleted = false;
  TrackedFrame* first = new TrackedFrame(&firstDeleted);
  TrackedFrame* second = new TrackedFrame(&secondDeleted);
  ASSERT_TRUE(first->Create(nullptr, L"first", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100)));
  ASSERT_TRUE(second->Create(nullptr, L"second", WS_OVERLAPPEDWINDOW, CRect(50, 50, 250, 150)));
  first->ShowWindow(SW_SHOW);
  first->SetActiveWindow();
  g_log.clear();
  second->ShowWindow(SW_SHOW);
  second->SetActiveWindow();
  ASSERT_FALSE(g_log.empty());
  EXPECT_EQ(g_log.front(), "activate 0");  // the window losing activation hears first
  first->DestroyWindow();
  second->DestroyWindow();
  EXPECT_TRUE(firstDeleted && secondDeleted);
}

}  // namespace
