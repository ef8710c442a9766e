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

 protected:
  void OnTabChanging(NMHDR* header, LRESULT*) { notifications.push_back(header->code); }
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

  // An owner-drawn button draws itself through the parent's WM_DRAWITEM.
  SwatchButton swatch;
  ASSERT_TRUE(swatch.Create(L"", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 50, 60, 80), &host, 502));
  const winsim::Image image = winsim::CaptureWindow(host.m_hWnd);
  EXPECT_GT(swatch.draws, 0);
  EXPECT_EQ(image.Pixel(30, 60), RGB(0, 160, 0));
}

TEST_F(ControlsTestWithHost, ComboWrappers) {
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 170, 200), &host, 504));
  for (const wchar_t* text : {L"Box", L"Sphere", L"Torus"}) combo.AddString(text);
  EXPECT_EQ(combo.GetCount(), 3);
  std::wstring text;
  combo.GetLBText(1, text);
  EXPECT_EQ(text, L"Sphere");
  combo.GetLBText(9, text);  // out of range: empty
  EXPECT_EQ(text, L"");
  EXPECT_EQ(combo.GetLBTextLen(9), CB_ERR);
  EXPECT_EQ(combo.FindStringExact(-1, L"torus"), 2);
  EXPECT_EQ(combo.SelectString(-1, L"Sp"), 1);
  EXPECT_EQ(combo.GetCurSel(), 1);
  combo.SetItemData(2, 77);
  EXPECT_EQ(combo.GetItemData(2), 77u);
  combo.ShowDropDown(TRUE);
  EXPECT_TRUE(combo.GetDroppedState());
  combo.ShowDropDown(FALSE);
  combo.ResetContent();
  EXPECT_EQ(combo.GetCount(), 0);
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

  // SetCurSel reports the previous tab and notifies nobody.
  EXPECT_EQ(tabs.SetCurSel(2), 0);
  EXPECT_EQ(tabs.SetCurSel(7), -1);
  EXPECT_TRUE(host.notifications.empty());

  EXPECT_TRUE(tabs.DeleteAllItems());
  EXPECT_EQ(tabs.GetItemCount(), 0);
  EXPECT_EQ(tabs.GetCurSel(), -1);
}

}  // namespace
