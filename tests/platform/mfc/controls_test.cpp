#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afxcmn.h"
#include "mfc_fixture.h"
#include "test_windows.h"
#include "win32/simulation.h"

namespace {

using ControlsTest = MfcTest;

const CRect kControlRect(10, 10, 170, 34);

class Host : public CWnd {
 public:
  std::vector<UINT> notifications;
  BOOL vetoTabChange = FALSE;

 protected:
  void OnTabChanging(NMHDR* header, LRESULT* result) {
    notifications.push_back(header->code);
    *result = vetoTabChange;
  }
  void OnTabChange(NMHDR* header, LRESULT*) { notifications.push_back(header->code); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Host, CWnd)
  ON_NOTIFY(TCN_SELCHANGING, 700, &Host::OnTabChanging)
  ON_NOTIFY(TCN_SELCHANGE, 700, &Host::OnTabChange)
END_MESSAGE_MAP()

class ControlsTestWithHost : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), L"host", WS_POPUP | WS_VISIBLE, 100, 100, 400,
                              300, nullptr, nullptr));
  }
  Host host;
};

class SwatchButton : public CButton {
 public:
  int draws = 0;
  void DrawItem(LPDRAWITEMSTRUCT dis) override {
    ++draws;
    HBRUSH brush = ::CreateSolidBrush(RGB(0, 160, 0));
    ::FillRect(dis->hDC, &dis->rcItem, brush);
    ::DeleteObject(brush);
  }
};

TEST_F(ControlsTestWithHost, ButtonStateAndOwnerDrawing) {
  CButton check;
  ASSERT_TRUE(check.Create(L"Keep", WS_VISIBLE | BS_AUTOCHECKBOX, kControlRect, &host, 501));
  EXPECT_EQ(CWnd::FromHandlePermanent(check.m_hWnd), &check);
  check.SetCheck(BST_CHECKED);
  EXPECT_EQ(check.GetCheck(), BST_CHECKED);
  check.SetState(TRUE);
  EXPECT_TRUE(check.GetState() & BST_PUSHED);
  check.SetButtonStyle(BS_PUSHBUTTON);
  EXPECT_EQ(check.GetButtonStyle() & BS_TYPEMASK, static_cast<UINT>(BS_PUSHBUTTON));

  // An owner-drawn button draws itself through the parent's WM_DRAWITEM.
  SwatchButton swatch;
  ASSERT_TRUE(swatch.Create(L"", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 50, 60, 80), &host, 502));
  const winsim::Image image = winsim::CaptureWindow(host.m_hWnd);
  EXPECT_GT(swatch.draws, 0);
  EXPECT_EQ(image.Pixel(30, 60), RGB(0, 160, 0));
}

TEST_F(ControlsTestWithHost, EditSelectionReplacementAndLimits) {
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, kControlRect, &host, 503));
  edit.SetWindowText(L"hello world");
  edit.SetSel(0, 5);
  int start = -1, end = -1;
  edit.GetSel(start, end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 5);
  edit.ReplaceSel(L"HELLO");
  EXPECT_EQ(edit.GetWindowText(), L"HELLO world");
  EXPECT_EQ(edit.GetLine(0), L"HELLO world");
  EXPECT_EQ(edit.GetLine(1), L"");
  wchar_t buffer[5];
  EXPECT_EQ(edit.GetLine(0, buffer, 5), 5);
  EXPECT_EQ(std::wstring(buffer, 5), L"HELLO");
  edit.SetLimitText(8);
  EXPECT_EQ(edit.GetLimitText(), 8u);
  edit.SetMargins(3, 4);
  EXPECT_EQ(edit.GetMargins(), static_cast<DWORD>(MAKELONG(3, 4)));
  edit.SetReadOnly(TRUE);
  EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
}

TEST_F(ControlsTestWithHost, ComboAndListWrappers) {
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 170, 200), &host, 504));
  for (const wchar_t* text : {L"Box", L"Sphere", L"Torus"}) combo.AddString(text);
  EXPECT_EQ(combo.InsertString(1, L"Cone"), 1);
  EXPECT_EQ(combo.GetCount(), 4);
  std::wstring text;
  combo.GetLBText(2, text);
  EXPECT_EQ(text, L"Sphere");
  combo.GetLBText(9, text);  // out of range: empty
  EXPECT_EQ(text, L"");
  EXPECT_EQ(combo.GetLBTextLen(9), CB_ERR);
  EXPECT_EQ(combo.FindStringExact(-1, L"torus"), 3);
  EXPECT_EQ(combo.SelectString(-1, L"Co"), 1);
  EXPECT_EQ(combo.GetCurSel(), 1);
  combo.SetItemData(3, 77);
  EXPECT_EQ(combo.GetItemData(3), 77u);
  EXPECT_EQ(combo.DeleteString(0), 3);
  combo.ShowDropDown(TRUE);
  EXPECT_TRUE(combo.GetDroppedState());
  combo.ShowDropDown(FALSE);
  combo.ResetContent();
  EXPECT_EQ(combo.GetCount(), 0);

  CListBox list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_NOTIFY, CRect(200, 10, 300, 150), &host, 505));
  list.AddString(L"one");
  list.AddString(L"two");
  list.SetCurSel(1);
  EXPECT_EQ(list.GetCurSel(), 1);
  list.GetText(0, text);
  EXPECT_EQ(text, L"one");
  EXPECT_EQ(list.FindStringExact(-1, L"TWO"), 1);
}

TEST_F(ControlsTestWithHost, ScrollBarKeepsItsPositionInRange) {
  CScrollBar bar;
  ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_HORZ, CRect(10, 10, 200, 27), &host, 506));
  bar.SetScrollRange(0, 100);
  SCROLLINFO info{};
  info.fMask = SIF_PAGE | SIF_POS;
  info.nPage = 10;
  info.nPos = 95;
  EXPECT_TRUE(bar.SetScrollInfo(&info));
  EXPECT_EQ(bar.GetScrollPos(), 91);
  EXPECT_EQ(bar.GetScrollLimit(), 91);
  EXPECT_EQ(bar.SetScrollPos(20), 91);
  SCROLLINFO read{};
  ASSERT_TRUE(bar.GetScrollInfo(&read));
  EXPECT_EQ(read.nPos, 20);
  EXPECT_EQ(read.nPage, 10u);
}

TEST_F(ControlsTestWithHost, TabControlItemsSelectionAndNotifications) {
  CTabCtrl tabs;
  ASSERT_TRUE(tabs.Create(WS_VISIBLE, CRect(0, 0, 380, 200), &host, 700));
  EXPECT_EQ(tabs.InsertItem(0, L"Profiles"), 0);
  EXPECT_EQ(tabs.InsertItem(1, L"Functions"), 1);
  EXPECT_EQ(tabs.InsertItem(5, L"Wheel"), 2);  // past the end: appended
  EXPECT_EQ(tabs.GetItemCount(), 3);
  EXPECT_EQ(tabs.GetCurSel(), 0);
  CRect first, second;
  ASSERT_TRUE(tabs.GetItemRect(0, &first));
  ASSERT_TRUE(tabs.GetItemRect(1, &second));
  EXPECT_EQ(second.left, first.right);
  EXPECT_FALSE(tabs.GetItemRect(3, &first));

  TCHITTESTINFO hit{{second.CenterPoint().x, second.CenterPoint().y}, 0};
  EXPECT_EQ(tabs.HitTest(&hit), 1);
  EXPECT_EQ(hit.flags, static_cast<UINT>(TCHT_ONITEM));
  hit.pt = {370, 150};
  EXPECT_EQ(tabs.HitTest(&hit), -1);

  // A click asks the parent first; a veto keeps the selection.
  host.vetoTabChange = TRUE;
  CPoint click = second.CenterPoint();
  tabs.ClientToScreen(&click);
  winsim::Click(click.x, click.y);
  EXPECT_EQ(tabs.GetCurSel(), 0);
  EXPECT_EQ(host.notifications, std::vector<UINT>{TCN_SELCHANGING});
  host.vetoTabChange = FALSE;
  host.notifications.clear();
  winsim::Click(click.x, click.y);
  EXPECT_EQ(tabs.GetCurSel(), 1);
  EXPECT_EQ(host.notifications, (std::vector<UINT>{TCN_SELCHANGING, TCN_SELCHANGE}));

  // SetCurSel reports the previous tab and notifies nobody.
  host.notifications.clear();
  EXPECT_EQ(tabs.SetCurSel(2), 1);
  EXPECT_EQ(tabs.SetCurSel(7), -1);
  EXPECT_TRUE(host.notifications.empty());

  CRect display(0, 0, 380, 200);
  tabs.AdjustRect(FALSE, &display);
  EXPECT_GT(display.top, first.bottom - 1);
  CRect window = display;
  tabs.AdjustRect(TRUE, &window);
  EXPECT_EQ(window, CRect(0, 0, 380, 200));

  EXPECT_TRUE(tabs.DeleteItem(0));
  EXPECT_EQ(tabs.GetCurSel(), 1);  // the selected tab moved down one place
  EXPECT_FALSE(tabs.DeleteItem(5));
  EXPECT_TRUE(tabs.DeleteAllItems());
  EXPECT_EQ(tabs.GetItemCount(), 0);
  EXPECT_EQ(tabs.GetCurSel(), -1);
}

}  // namespace
