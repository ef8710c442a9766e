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

HWND CreateForeignWindow(HWND parent = nullptr, int id = 0) {
  RegisterForeignClass();
  const DWORD style = parent != nullptr ? WS_CHILD | WS_VISIBLE : WS_POPUP;
  return ::CreateWindowExW(0, L"MfcTestForeign", L"foreign", style, 0, 0, 40, 30, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                           nullptr);
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

  EXPECT_EQ(wnd.UnsubclassWindow(), hWnd);
  EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
  EXPECT_EQ(::SendMessageW(hWnd, WM_USER + 1, 0, 0), 1);
  ::DestroyWindow(hWnd);
}

TEST_F(WndTest, SubclassDlgItemFindsTheChildById) {
  CWnd parent;
  ASSERT_TRUE(mfctest::CreatePopup(parent));
  HWND child = CreateForeignWindow(parent.m_hWnd, 1234);
  ASSERT_NE(child, nullptr);
  SubclassingWnd control;
  EXPECT_FALSE(control.SubclassDlgItem(99, &parent));
  ASSERT_TRUE(control.SubclassDlgItem(1234, &parent));
  EXPECT_EQ(parent.GetDlgItem(1234), &control);
  EXPECT_EQ(control.GetDlgCtrlID(), 1234);
  // Destroying the parent takes the child with it and detaches its object.
  parent.DestroyWindow();
  EXPECT_EQ(control.m_hWnd, nullptr);
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

// Pages of different kinds in a tree, as the editor holds them.
class TabStrip : public CWnd {
  DECLARE_DYNAMIC(TabStrip)
};
class FunctionPage : public CWnd {
  DECLARE_DYNAMIC(FunctionPage)
};
class Grid : public CWnd {
  DECLARE_DYNAMIC(Grid)
};
IMPLEMENT_DYNAMIC(TabStrip, CWnd)
IMPLEMENT_DYNAMIC(FunctionPage, CWnd)
IMPLEMENT_DYNAMIC(Grid, CWnd)

// The first ancestor of the given class, as code that changes behaviour by its owner's kind asks.
CWnd* FindAncestorOfClass(CWnd* wnd, CRuntimeClass* cls) {
  for (CWnd* parent = wnd->GetParent(); parent != nullptr; parent = parent->GetParent()) {
    if (parent->IsKindOf(cls)) return parent;
  }
  return nullptr;
}

TEST_F(WndTest, RunTimeClassChecksThroughTheParentChain) {
  CFrameWnd* frame = new CFrameWnd;
  ASSERT_TRUE(frame->Create(nullptr, L"Editor", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
  TabStrip tabs;
  FunctionPage page;
  Grid grid;
  ASSERT_TRUE(tabs.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 300, 200), frame, 1));
  ASSERT_TRUE(page.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 300, 200), &tabs, 2));
  ASSERT_TRUE(grid.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 100, 100), &page, 3));

  EXPECT_EQ(FindAncestorOfClass(&grid, RUNTIME_CLASS(FunctionPage)), &page);
  EXPECT_EQ(FindAncestorOfClass(&grid, RUNTIME_CLASS(TabStrip)), &tabs);
  EXPECT_EQ(FindAncestorOfClass(&page, RUNTIME_CLASS(FunctionPage)), nullptr);
  EXPECT_EQ(grid.GetParentFrame(), frame);
  EXPECT_EQ(grid.GetTopLevelParent(), frame);
  EXPECT_EQ(grid.GetTopLevelFrame(), frame);
  EXPECT_EQ(page.GetDlgItem(3), &grid);
  EXPECT_EQ(tabs.GetWindow(GW_CHILD), &page);
  EXPECT_TRUE(tabs.IsChild(&grid));
  frame->DestroyWindow();  // children go with it; the frame deletes itself
  EXPECT_EQ(grid.m_hWnd, nullptr);
}

TEST_F(WndTest, WrappersWorkOnTheWindow) {
  CWnd wnd;
  ASSERT_TRUE(mfctest::CreatePopup(wnd, 100, 50));
  wnd.SetWindowText(L"Quillon");
  EXPECT_EQ(wnd.GetWindowText(), L"Quillon");
  EXPECT_EQ(wnd.GetWindowTextLength(), 7);
  wchar_t buffer[4];
  EXPECT_EQ(wnd.GetWindowText(buffer, 4), 3);
  EXPECT_EQ(std::wstring(buffer), L"Qui");

  EXPECT_TRUE(wnd.ModifyStyle(0, WS_DISABLED));
  EXPECT_FALSE(wnd.ModifyStyle(0, WS_DISABLED));  // nothing changed
  EXPECT_TRUE(wnd.GetStyle() & WS_DISABLED);
  EXPECT_TRUE(wnd.ModifyStyleEx(0, WS_EX_TOOLWINDOW));
  EXPECT_TRUE(wnd.GetExStyle() & WS_EX_TOOLWINDOW);

  wnd.MoveWindow(5, 6, 70, 40);
  CRect rect;
  wnd.GetWindowRect(&rect);
  EXPECT_EQ(rect, CRect(5, 6, 75, 46));
  wnd.GetClientRect(&rect);
  EXPECT_EQ(rect, CRect(0, 0, 70, 40));
  CPoint point(1, 2);
  wnd.ClientToScreen(&point);
  EXPECT_EQ(point, CPoint(6, 8));
  wnd.ScreenToClient(&point);
  EXPECT_EQ(point, CPoint(1, 2));

  EXPECT_FALSE(wnd.IsWindowVisible());
  wnd.ShowWindow(SW_SHOW);
  EXPECT_TRUE(wnd.IsWindowVisible());
  wnd.SetDlgCtrlID(77);
  EXPECT_EQ(wnd.GetDlgCtrlID(), 77);
  EXPECT_TRUE(wnd.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
  EXPECT_TRUE(wnd.GetExStyle() & WS_EX_TOPMOST);
}

}  // namespace
