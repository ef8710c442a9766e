#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afxwin.h"
#include "mfc_fixture.h"
#include "test_windows.h"

namespace {

using mfctest::CreatePopup;
using mfctest::SendCommand;

constexpr UINT WM_PRIVATE = WM_USER + 1;
UINT RegisteredMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"MfcMessageMapTest");
  return message;
}
UINT g_registered = RegisteredMessage();

class BaseWnd : public CWnd {
 public:
  std::vector<std::string> log;

 protected:
  int OnCreate(LPCREATESTRUCT cs) {
    log.push_back("Base::OnCreate " + std::to_string(cs->cx));
    return CWnd::OnCreate(cs);
  }
  BOOL OnNcCreate(LPCREATESTRUCT cs) {
    log.push_back("Base::OnNcCreate");
    return CWnd::OnNcCreate(cs);
  }
  void OnSize(UINT, int cx, int cy) { log.push_back("Base::OnSize " + std::to_string(cx) + "x" + std::to_string(cy)); }
  void OnSave() { log.push_back("Base::OnSave"); }
  void OnRange(UINT id) { log.push_back("Base::OnRange " + std::to_string(id)); }
  LRESULT OnPrivate(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam) + lParam; }
  LRESULT OnRegistered(WPARAM, LPARAM) { return 77; }
  void OnLButtonDown(UINT flags, CPoint point) {
    log.push_back("Base::OnLButtonDown " + std::to_string(flags) + " " + std::to_string(point.x) + "," +
                  std::to_string(point.y));
  }
  BOOL OnMouseWheel(UINT, short delta, CPoint) {
    log.push_back("Base::OnMouseWheel " + std::to_string(delta));
    return TRUE;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
  ON_WM_NCCREATE()
  ON_WM_CREATE()
  ON_WM_SIZE()
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEWHEEL()
  ON_COMMAND(100, &BaseWnd::OnSave)
  ON_COMMAND_RANGE(200, 210, &BaseWnd::OnRange)
  ON_MESSAGE(WM_PRIVATE, &BaseWnd::OnPrivate)
  ON_REGISTERED_MESSAGE(g_registered, &BaseWnd::OnRegistered)
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
 protected:
  void OnSize(UINT type, int cx, int cy) {
    log.push_back("Derived::OnSize");
    BaseWnd::OnSize(type, cx, cy);
  }
  void OnSaveDerived() { log.push_back("Derived::OnSave"); }
  void OnSpecial() { log.push_back("Derived::OnSpecial"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
  ON_WM_SIZE()
  ON_COMMAND(100, &DerivedWnd::OnSaveDerived)
  ON_COMMAND(205, &DerivedWnd::OnSpecial)
END_MESSAGE_MAP()

using MessageMapTest = MfcTest;

TEST_F(MessageMapTest, ObjectSeesItsWindowFromTheFirstMessage) {
  BaseWnd wnd;
  ASSERT_TRUE(CreatePopup(wnd, 120, 80));
  ASSERT_GE(wnd.log.size(), 2u);
  EXPECT_EQ(wnd.log[0], "Base::OnNcCreate");
  EXPECT_EQ(wnd.log[1], "Base::OnCreate 120");
  EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
}

TEST_F(MessageMapTest, DerivedEntriesWinAndTheBaseMapIsTheFallback) {
  DerivedWnd wnd;
  ASSERT_TRUE(CreatePopup(wnd));
  wnd.log.clear();

  wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(30, 40));
  SendCommand(wnd, 100);
  SendCommand(wnd, 203);
  SendCommand(wnd, 205);
  EXPECT_EQ(wnd.log, (std::vector<std::string>{"Derived::OnSize", "Base::OnSize 30x40", "Derived::OnSave",
                                                "Base::OnRange 203", "Derived::OnSpecial"}));
  // Messages only the base names, with their results.
  EXPECT_EQ(wnd.SendMessage(WM_PRIVATE, 5, 6), 11);
  EXPECT_EQ(wnd.SendMessage(g_registered), 77);
  // Other registered numbers don't reach that handler, not even the first one handed out (0xC000).
  for (UINT other : {0xC000u, 0xC001u, g_registered + 1}) {
    if (other == g_registered) continue;
    EXPECT_EQ(wnd.SendMessage(other), 0) << other;
  }
  // Ends of the range are inside it; beyond them nothing answers.
  wnd.log.clear();
  SendCommand(wnd, 200);
  SendCommand(wnd, 210);
  SendCommand(wnd, 211);
  EXPECT_EQ(wnd.log, (std::vector<std::string>{"Base::OnRange 200", "Base::OnRange 210"}));
  EXPECT_EQ(SendCommand(wnd, 211), 0);
  EXPECT_EQ(SendCommand(wnd, 200), 1);
}

TEST_F(MessageMapTest, HandlersGetCrackedParameters) {
  BaseWnd wnd;
  ASSERT_TRUE(CreatePopup(wnd));
  wnd.log.clear();
  wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-3, 12));
  wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), MAKELPARAM(50, 60));
  EXPECT_EQ(wnd.log, (std::vector<std::string>{"Base::OnLButtonDown 5 -3,12", "Base::OnMouseWheel -120"}));
}

// ---- Controls, reflection and notifications ----

class ReflectingControl : public CWnd {
 public:
  BOOL handleClick = TRUE;
  HBRUSH reflectedBrush = nullptr;
  int clicks = 0;

 protected:
  BOOL OnReflectedClick() {
    ++clicks;
    return handleClick;
  }
  HBRUSH CtlColor(CDC*, UINT) { return reflectedBrush; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingControl, CWnd)
  ON_CONTROL_REFLECT_EX(BN_CLICKED, &ReflectingControl::OnReflectedClick)
  ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class ParentWnd : public CWnd {
 public:
  std::vector<std::string> log;

 protected:
  void OnClicked() { log.push_back("clicked"); }
  void OnEditChanged() { log.push_back("edit changed"); }
  void OnNotifyClick(NMHDR* header, LRESULT* result) {
    log.push_back("NM_CLICK from " + std::to_string(header->idFrom));
    *result = 5;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ParentWnd, CWnd)
  ON_BN_CLICKED(5, &ParentWnd::OnClicked)
  ON_EN_CHANGE(6, &ParentWnd::OnEditChanged)
  ON_NOTIFY(NM_CLICK, 5, &ParentWnd::OnNotifyClick)
END_MESSAGE_MAP()

class ReflectionTest : public MfcTest {
 protected:
  void SetUp() override {
    MfcTest::SetUp();
    ASSERT_TRUE(CreatePopup(parent));
    ASSERT_TRUE(control.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 20, 20), &parent, 5));
  }
  LRESULT Notify(UINT code, UINT id) {
    NMHDR header{control.m_hWnd, id, code};
    return parent.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
  }
  ParentWnd parent;
  ReflectingControl control;
};

TEST_F(ReflectionTest, CommandsGoToTheControlFirstThenToTheParent) {
  control.handleClick = FALSE;
  mfctest::SendCommand(parent, 5, BN_CLICKED, control.m_hWnd);
  EXPECT_EQ(control.clicks, 1);
  EXPECT_EQ(parent.log, std::vector<std::string>{"clicked"});

  control.handleClick = TRUE;
  mfctest::SendCommand(parent, 5, BN_CLICKED, control.m_hWnd);
  EXPECT_EQ(control.clicks, 2);
  EXPECT_EQ(parent.log.size(), 1u);  // the control kept it

  mfctest::SendCommand(parent, 6, EN_CHANGE, control.m_hWnd);
  mfctest::SendCommand(parent, 6, EN_KILLFOCUS, control.m_hWnd);  // no entry for this code
  EXPECT_EQ(parent.log, (std::vector<std::string>{"clicked", "edit changed"}));
}

TEST_F(ReflectionTest, NotificationsReachTheirHandlerWithItsResult) {
  EXPECT_EQ(Notify(NM_CLICK, 5), 5);
  EXPECT_EQ(Notify(NM_CLICK, 6), 0);  // another control's
  EXPECT_EQ(parent.log, std::vector<std::string>{"NM_CLICK from 5"});
}

TEST_F(ReflectionTest, ControlColoursComeFromTheControlUnlessItDeclines) {
  HDC screen = ::GetDC(nullptr);
  control.reflectedBrush = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
  LRESULT brush = parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(screen),
                                     reinterpret_cast<LPARAM>(control.m_hWnd));
  EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), control.reflectedBrush);
  control.reflectedBrush = nullptr;
  brush = parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(screen),
                             reinterpret_cast<LPARAM>(control.m_hWnd));
  EXPECT_NE(reinterpret_cast<HBRUSH>(brush), static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
  ::ReleaseDC(nullptr, screen);
}

// ---- Update handlers ----

class UpdatingWnd : public CWnd {
 public:
  BOOL enableSave = TRUE;
  int saves = 0;

 protected:
  void OnSave() { ++saves; }
  void OnExport() {}
  void OnUpdateSave(CCmdUI* pCmdUI) { pCmdUI->Enable(enableSave); }
  void OnUpdateLevels(CCmdUI* pCmdUI) { pCmdUI->SetCheck(pCmdUI->m_nID == 302 ? 1 : 0); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(UpdatingWnd, CWnd)
  ON_COMMAND(100, &UpdatingWnd::OnSave)
  ON_COMMAND(101, &UpdatingWnd::OnExport)
  ON_UPDATE_COMMAND_UI(100, &UpdatingWnd::OnUpdateSave)
  ON_UPDATE_COMMAND_UI_RANGE(300, 305, &UpdatingWnd::OnUpdateLevels)
END_MESSAGE_MAP()

TEST_F(MessageMapTest, MenuCommandsDisabledByTheirUpdateHandlerDoNothing) {
  UpdatingWnd wnd;
  ASSERT_TRUE(CreatePopup(wnd));
  SendCommand(wnd, 100);
  wnd.enableSave = FALSE;
  SendCommand(wnd, 100);
  EXPECT_EQ(wnd.saves, 1);
}

TEST_F(MessageMapTest, DoUpdateRoutesToUpdateHandlersAndDisablesItemsWithoutHandler) {
  UpdatingWnd wnd;
  ASSERT_TRUE(CreatePopup(wnd));
  wnd.enableSave = FALSE;
  CCmdUI save;
  save.m_nID = 100;
  EXPECT_TRUE(save.DoUpdate(&wnd, TRUE));
  EXPECT_FALSE(save.m_bEnabled);

  CCmdUI level;
  level.m_nID = 302;
  EXPECT_TRUE(level.DoUpdate(&wnd, TRUE));
  EXPECT_EQ(level.m_nCheck, 1);
  // The update handler left the enable state alone and no command handler exists: disabled.
  EXPECT_FALSE(level.m_bEnabled);

  CCmdUI exportItem;  // a handler, no update handler: enabled
  exportItem.m_nID = 101;
  EXPECT_FALSE(exportItem.DoUpdate(&wnd, TRUE));
  EXPECT_TRUE(exportItem.m_bEnabled);

  CCmdUI orphan;  // neither: disabled only when asked to
  orphan.m_nID = 999;
  orphan.DoUpdate(&wnd, FALSE);
  EXPECT_TRUE(orphan.m_bEnabled);
  orphan.DoUpdate(&wnd, TRUE);
  EXPECT_FALSE(orphan.m_bEnabled);
}

TEST_F(MessageMapTest, UpdateStateReachesAControlStandingForTheItem) {
  CWnd parent;
  ASSERT_TRUE(CreatePopup(parent));
  CWnd check;
  ASSERT_TRUE(check.Create(WC_BUTTON, L"Learning mode", WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 0, 80, 20), &parent, 4));
  CCmdUI item;
  item.m_nID = 4;
  item.m_pOther = &check;
  item.SetCheck(1);
  item.SetText(L"Learn");
  item.Enable(FALSE);
  EXPECT_EQ(check.SendMessage(BM_GETCHECK), 1);
  EXPECT_EQ(check.GetWindowText(), L"Learn");
  EXPECT_FALSE(check.IsWindowEnabled());
}

}  // namespace
