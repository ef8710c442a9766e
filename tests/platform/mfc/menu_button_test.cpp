#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afxwin.h"
#include "mfc_fixture.h"
#include "win32/simulation.h"

namespace {

// A page with the "Layouts" button: records what the button reported with each BN_CLICKED.
class ButtonHost : public CWnd {
 public:
  CMFCMenuButton layouts;
  CMFCLinkCtrl link;
  std::vector<int> reported;
  int linkClicks = 0;

 protected:
  void OnLayouts() { reported.push_back(layouts.m_nMenuResult); }
  void OnLink() { ++linkClicks; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ButtonHost, CWnd)
  ON_BN_CLICKED(4000, &ButtonHost::OnLayouts)
  ON_BN_CLICKED(1071, &ButtonHost::OnLink)
END_MESSAGE_MAP()

class MenuButtonTest : public MfcTest {
 protected:
  void SetUp() override {
    MfcTest::SetUp();
    LPCWSTR face = AfxRegisterWndClass(0, nullptr, ::GetSysColorBrush(COLOR_BTNFACE));
    ASSERT_TRUE(host.CreateEx(0, face, L"host", WS_POPUP | WS_VISIBLE, 100, 100, 320, 200, nullptr, nullptr));
    ASSERT_TRUE(host.layouts.Create(L"Layouts", WS_VISIBLE, CRect(110, 10, 211, 34), &host, 4000));
    menu = ::CreatePopupMenu();
    ::AppendMenuW(menu, MF_STRING, 1, L"ANSI US");
    ::AppendMenuW(menu, MF_STRING, 2, L"ISO German");
    ::AppendMenuW(menu, MF_STRING, 3, L"ISO French");
    host.layouts.m_hMenu = menu;
  }
  void TearDown() override {
    ::DestroyMenu(menu);
    MfcTest::TearDown();
  }
  CPoint Centre(CWnd& wnd) const {
    CRect rect;
    wnd.GetWindowRect(&rect);
    return rect.CenterPoint();
  }

  ButtonHost host;
  HMENU menu = nullptr;
};

TEST_F(MenuButtonTest, TheChosenItemIsReadableWhenTheParentHearsTheClick) {
  winsim::AnswerPopupMenuItem(L"ISO German");
  winsim::Click(Centre(host.layouts).x, Centre(host.layouts).y);
  EXPECT_EQ(host.layouts.m_nMenuResult, 2);
  EXPECT_EQ(host.reported, (std::vector<int>{2}));

  const std::vector<winsim::ModalRecord> log = winsim::ModalLog();
  ASSERT_EQ(log.size(), 1u);
  ASSERT_EQ(log[0].items.size(), 3u);
  EXPECT_EQ(log[0].items[2].text, L"ISO French");
}

// The visual manager draws ODS_HOTLIGHT, so the button is highlighted while the mouse is over it.
TEST_F(MenuButtonTest, TheButtonIsHighlightedWhileTheMouseIsOverIt) {
  winsim::MouseMove(5, 5);
  const winsim::Image normal = winsim::CaptureWindow(host.layouts.m_hWnd);
  winsim::MouseMove(Centre(host.layouts).x, Centre(host.layouts).y);
  EXPECT_TRUE(host.layouts.IsHighlighted());
  const winsim::Image hot = winsim::CaptureWindow(host.layouts.m_hWnd);
  EXPECT_NE(hot.rgba, normal.rgba);
  winsim::MouseMove(Centre(host).x, Centre(host).y + 60);  // onto the host
  EXPECT_FALSE(host.layouts.IsHighlighted());
  EXPECT_EQ(winsim::CaptureWindow(host.layouts.m_hWnd).rgba, normal.rgba);
}

TEST_F(MenuButtonTest, DismissingTheMenuLeavesZeroAndSendsNothing) {
  winsim::AnswerPopupMenu(3);
  winsim::Click(Centre(host.layouts).x, Centre(host.layouts).y);
  EXPECT_EQ(host.layouts.m_nMenuResult, 3);

  winsim::AnswerPopupMenu(0);
  winsim::AdvanceClock(1000);  // not a double click
  winsim::Click(Centre(host.layouts).x, Centre(host.layouts).y);
  EXPECT_EQ(host.layouts.m_nMenuResult, 0);
  EXPECT_EQ(host.reported, (std::vector<int>{3}));

  // Without a menu nothing opens and nothing is reported.
  host.layouts.m_hMenu = nullptr;
  winsim::AdvanceClock(1000);
  winsim::Click(Centre(host.layouts).x, Centre(host.layouts).y);
  EXPECT_EQ(host.layouts.m_nMenuResult, 0);
  EXPECT_EQ(winsim::ModalLog().size(), 2u);
}

TEST_F(MenuButtonTest, SpaceOpensTheMenuWithoutAClickOfItsOwn) {
  host.layouts.SetFocus();
  winsim::AnswerPopupMenu(1);
  winsim::KeyPress(VK_SPACE);
  EXPECT_EQ(host.reported, (std::vector<int>{1}));  // one report: the choice, no plain click after it
}

TEST_F(MenuButtonTest, AdoptedButtonsBecomeOwnerDrawn) {
  HWND plain = ::CreateWindowExW(0, L"BUTTON", L"A rather long caption", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10,
                                 60, 30, 20, host.m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(4001)),
                                 nullptr, nullptr);
  CMFCMenuButton adopted;
  ASSERT_TRUE(adopted.SubclassWindow(plain));
  EXPECT_EQ(adopted.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
}

TEST_F(MenuButtonTest, TheLinkOpensItsAddressAndTheParentHearsTheClick) {
  ASSERT_TRUE(host.link.Create(L"talvo.example", WS_VISIBLE, CRect(10, 60, 150, 80), &host, 1071));
  host.link.SetURL(L"www.talvo.example/quillon");
  host.link.SetTooltip(L"The maker's web page");
  winsim::ClearShellExecuteLog();
  winsim::Click(Centre(host.link).x, Centre(host.link).y);
  const std::vector<winsim::ShellExecuteRecord> log = winsim::ShellExecuteLog();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].operation, L"open");
  EXPECT_EQ(log[0].file, L"www.talvo.example/quillon");
  EXPECT_EQ(log[0].showCommand, SW_SHOWNORMAL);
  EXPECT_EQ(host.linkClicks, 1);
}

}  // namespace
