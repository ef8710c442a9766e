#include <gtest/gtest.h>

#include "afxwin.h"
#include "mfc_fixture.h"
#include "win32/simulation.h"

namespace {

constexpr COLORREF kDarkArea = RGB(40, 40, 40);
constexpr COLORREF kDarkBar = RGB(60, 60, 60);

// A dark look, as a program installs its own.
class DarkManager : public CMFCVisualManager {
  DECLARE_DYNCREATE(DarkManager)
 public:
  void OnEraseTabsArea(CDC* pDC, CRect rect, const CMFCBaseTabCtrl*) override { pDC->FillSolidRect(&rect, kDarkArea); }
  void OnFillBarBackground(CDC* pDC, CWnd*, CRect rectClient, CRect, BOOL) override {
    pDC->FillSolidRect(&rectClient, kDarkBar);
  }
};
IMPLEMENT_DYNCREATE(DarkManager, CMFCVisualManager)

class VisualManagerTest : public MfcTest {
 protected:
  void TearDown() override {
    CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(CMFCVisualManager));
    MfcTest::TearDown();
  }
};

TEST_F(VisualManagerTest, TheInstalledManagerPaintsTheControls) {
  CWnd host;
  ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), L"host", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                            nullptr));
  CMFCTabCtrl tabs;
  ASSERT_TRUE(tabs.Create(CMFCTabCtrl::STYLE_FLAT, CRect(0, 0, 300, 150), &host, 1, CMFCBaseTabCtrl::LOCATION_TOP));
  CMFCMenuBar bar;
  ASSERT_TRUE(bar.Create(&host));
  bar.MoveWindow(0, 170, 300, 24);

  // Where no tab lies: the tab area's fill. The default look is light.
  const CPoint emptyTabArea(250, 5);
  const CPoint barPoint(250, 180);
  EXPECT_EQ(winsim::CaptureWindow(host.m_hWnd).Pixel(emptyTabArea.x, emptyTabArea.y), RGB(240, 240, 240));

  CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(DarkManager));
  EXPECT_TRUE(CMFCVisualManager::GetInstance()->IsKindOf(RUNTIME_CLASS(DarkManager)));
  const winsim::Image dark = winsim::CaptureWindow(host.m_hWnd);  // installing repainted every window
  EXPECT_EQ(dark.Pixel(emptyTabArea.x, emptyTabArea.y), kDarkArea);
  EXPECT_EQ(dark.Pixel(barPoint.x, barPoint.y), kDarkBar);

  // Only creatable managers are installed.
  CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(CWnd));
  CMFCVisualManager::SetDefaultManager(nullptr);
  EXPECT_TRUE(CMFCVisualManager::GetInstance()->IsKindOf(RUNTIME_CLASS(DarkManager)));
}

TEST_F(VisualManagerTest, TabColoursAndTheMenuFontComeFromTheManager) {
  CMFCVisualManager* manager = CMFCVisualManager::GetInstance();
  CMFCTabCtrl tabs;
  EXPECT_NE(manager->GetTabBackColor(&tabs, TRUE), manager->GetTabBackColor(&tabs, FALSE));
  EXPECT_EQ(&CMFCMenuBar::GetMenuFont(), manager->GetMenuFont());
}

}  // namespace
