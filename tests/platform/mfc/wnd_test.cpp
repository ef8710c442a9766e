#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afxwin.h"
#include "mfc_fixture.h"
#include "test_windows.h"

namespace {

using WndTest = MfcTest;

// Rewrites the creation parameters, as the overlay window does.
class RewritingWnd : public CWnd {
 public:
  BOOL refuse = FALSE;
  int postNcDestroyCalls = 0;
  BOOL PreCreateWindow(CREATESTRUCT& cs) override {
    if (refuse || !CWnd::PreCreateWindow(cs)) return FALSE;
    cs.style = WS_POPUP;
    cs.dwExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    cs.x = 10;
    cs.y = 20;
    cs.cx = 519;
    cs.cy = 270;
    return TRUE;
  }
  void PostNcDestroy() override { ++postNcDestroyCalls; }
};

TEST_F(WndTest, PreCreateWindowRewritesStyleAndPlace) {
  RewritingWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(WS_EX_CLIENTEDGE, nullptr, L"overlay", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, nullptr, nullptr));
  EXPECT_EQ(wnd.GetStyle() & (WS_POPUP | WS_CAPTION), static_cast<DWORD>(WS_POPUP));
  EXPECT_EQ(wnd.GetExStyle() & (WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE), static_cast<DWORD>(WS_EX_TOOLWINDOW));
  CRect rect;
  wnd.GetWindowRect(&rect);
  EXPECT_EQ(rect, CRect(10, 20, 529, 290));

  RewritingWnd refused;
  refused.refuse = TRUE;
  EXPECT_FALSE(refused.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  EXPECT_EQ(refused.m_hWnd, nullptr);
  EXPECT_EQ(refused.postNcDestroyCalls, 1);
}

class RefusingWnd : public CWnd {
 protected:
  int OnCreate(LPCREATESTRUCT) { return -1; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(RefusingWnd, CWnd)
  ON_WM_CREATE()
END_MESSAGE_MAP()

TEST_F(WndTest, RefusedCreationLeavesTheObjectDetached) {
  RefusingWnd wnd;
  EXPECT_FALSE(mfctest::CreatePopup(wnd));
  EXPECT_EQ(wnd.m_hWnd, nullptr);
  // The object can try again.
  EXPECT_FALSE(mfctest::CreatePopup(wnd));
}

TEST_F(WndTest, DestroyingLetsGoOfTheWindowAndTheDestructorDestroysIt) {
  HWND hWnd = nullptr;
  {
    CWnd wnd;
    ASSERT_TRUE(mfctest::CreatePopup(wnd));
    hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_FALSE(wnd.DestroyWindow());
    ASSERT_TRUE(mfctest::CreatePopup(wnd));
    hWnd = wnd.m_hWnd;
  }
  EXPECT_FALSE(::IsWindow(hWnd));
  EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

// A window procedure of a class the library did not register.
LRESULT CALLBACK ForeignProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER) return 42;
  if (message == WM_USER + 1) return 1;
  return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

void RegisterForeignClass() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = ForeignProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"MfcTestForeign";
  WNDCLASSW existing{};
  if (!::GetClassInfoW(wc.hInstance, wc.lpszClassName, &existing)) ::RegisterClassW(&wc);
}

HWND CreateForeignWindow() {
  RegisterForeignClass();
  return ::CreateWindowExW(0, L"MfcTestForeign", L"foreign", WS_POPUP, 0, 0, 40, 30, nullptr, nullptr,
                           ::GetModuleHandleW(nullptr), nullptr);
}

class SubclassingWnd : public CWnd {
 public:
  int preSubclassCalls = 0;
  void PreSubclassWindow() override { ++preSubclassCalls; }

 protected:
  LRESULT OnFirst(WPARAM, LPARAM) { return 7; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(SubclassingWnd, CWnd)
  ON_MESSAGE(WM_USER + 1, &SubclassingWnd::OnFirst)
END_MESSAGE_MAP()

TEST_F(WndTest, SubclassedWindowMapsToItsObjectAndKeepsItsOwnBehaviour) {
  HWND hWnd = CreateForeignWindow();
  ASSERT_NE(hWnd, nullptr);
  CWnd* before = CWnd::FromHandle(hWnd);
  EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
  EXPECT_EQ(CWnd::FromHandle(hWnd), before);  // one temporary per handle until idle

  SubclassingWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(hWnd));
  EXPECT_EQ(wnd.preSubclassCalls, 1);
  EXPECT_EQ(CWnd::FromHandle(hWnd), &wnd);
  EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &wnd);
  EXPECT_EQ(::SendMessageW(hWnd, WM_USER + 1, 0, 0), 7);  // the map first
  EXPECT_EQ(::SendMessageW(hWnd, WM_USER, 0, 0), 42);     // then the window's own procedure
  SubclassingWnd second;
  EXPECT_FALSE(second.SubclassWindow(hWnd));  // one object per window
  ::DestroyWindow(hWnd);
}

TEST_F(WndTest, WindowsOfForeignClassesCreatedThroughTheObjectAreSubclassed) {
  SubclassingWnd wnd;
  RegisterForeignClass();
  ASSERT_TRUE(wnd.CreateEx(0, L"MfcTestForeign", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  EXPECT_EQ(wnd.preSubclassCalls, 1);
  EXPECT_EQ(wnd.SendMessage(WM_USER + 1), 7);
  EXPECT_EQ(wnd.SendMessage(WM_USER), 42);
}

// A procedure of another class that hands its new windows to the object being created, as a
// dialog procedure does.
LRESULT CALLBACK HandingOverProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (AfxHookPendingWindow(hWnd) != nullptr) return ::CallWindowProcW(AfxWndProc, hWnd, message, wParam, lParam);
  return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

class CreationLog : public CWnd {
 public:
  int creates = 0;

 protected:
  int OnCreate(LPCREATESTRUCT cs) {
    ++creates;
    return CWnd::OnCreate(cs);
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CreationLog, CWnd)
  ON_WM_CREATE()
END_MESSAGE_MAP()

TEST_F(WndTest, OtherProceduresCanHandTheNewWindowToThePendingObject) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = HandingOverProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"MfcTestHandingOver";
  ASSERT_NE(::RegisterClassW(&wc), 0);
  CreationLog wnd;
  ASSERT_TRUE(wnd.CreateEx(0, L"MfcTestHandingOver", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  EXPECT_EQ(wnd.creates, 1);
  EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
  // Nothing is pending afterwards: a raw window of the class stays unattached.
  HWND raw = ::CreateWindowExW(0, L"MfcTestHandingOver", L"", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr,
                               wc.hInstance, nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(raw), nullptr);
  ::DestroyWindow(raw);
  wnd.DestroyWindow();
  ::UnregisterClassW(L"MfcTestHandingOver", wc.hInstance);
}

TEST_F(WndTest, AttachWithoutSubclassingIsForgottenOnDestroy) {
  HWND hWnd = CreateForeignWindow();
  CWnd wnd;
  ASSERT_TRUE(wnd.Attach(hWnd));
  EXPECT_FALSE(wnd.Attach(hWnd));
  EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &wnd);
  EXPECT_EQ(wnd.SendMessage(WM_USER), 42);
  EXPECT_TRUE(wnd.DestroyWindow());
  EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
  EXPECT_EQ(wnd.m_hWnd, nullptr);
  EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
}

TEST_F(WndTest, TextAndStyleWrappersReportWhatTheyDid) {
  CWnd wnd;
  ASSERT_TRUE(mfctest::CreatePopup(wnd, 100, 50));
  wnd.SetWindowText(L"Quillon");
  wchar_t buffer[4];
  EXPECT_EQ(wnd.GetWindowText(buffer, 4), 3);  // cut to the buffer, terminated
  EXPECT_EQ(std::wstring(buffer), L"Qui");
  EXPECT_TRUE(wnd.ModifyStyle(0, WS_DISABLED));
  EXPECT_FALSE(wnd.ModifyStyle(0, WS_DISABLED));  // nothing changed
}

TEST_F(WndTest, ParentAndChildQueriesFollowTheWindowTree) {
  CFrameWnd* frame = new CFrameWnd;
  ASSERT_TRUE(frame->Create(nullptr, L"Editor", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
  CWnd page;
  CWnd grid;
  ASSERT_TRUE(page.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 300, 200), frame, 2));
  ASSERT_TRUE(grid.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 100, 100), &page, 3));
  EXPECT_EQ(grid.GetTopLevelParent(), frame);
  EXPECT_EQ(page.GetDlgItem(3), &grid);
  EXPECT_EQ(page.GetWindow(GW_CHILD), &grid);
  EXPECT_TRUE(frame->IsChild(&grid));
  EXPECT_FALSE(grid.IsChild(&page));
  frame->DestroyWindow();  // children go with it; the frame deletes itself
  EXPECT_EQ(grid.m_hWnd, nullptr);
}

}  // namespace
