// The program's visual manager: installed as the class library's painter, host colours on buttons and
// tabs in both themes, and repainting on the host's colour change.
#include "controls/visual_manager.h"

#include <max.h>

#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

using VisualManagerTest = ControlsTest;

TEST_F(VisualManagerTest, PaintsButtonsInHostColoursAndRepaintsOnColourChange) {
  EXPECT_TRUE(CMFCVisualManager::GetInstance()->IsKindOf(RUNTIME_CLASS(TalvoVisualManager)));
  CWnd* page = CreateParent();
  CMFCButton button;
  ASSERT_TRUE(button.Create(L"OK", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 34), page, 1));
  const COLORREF lightFace = winsim::CaptureWindow(button.m_hWnd).Pixel(5, 5);
  EXPECT_EQ(winsim::CaptureWindow(button.m_hWnd).Pixel(0, 0), HostColor(kAppWorkspace));

  // The host's colour-change notification alone repaints the button in the dark palette.
  hostsim::SetTheme(kDarkTheme);
  const COLORREF darkFace = winsim::CaptureWindow(button.m_hWnd).Pixel(5, 5);
  EXPECT_NE(darkFace, lightFace);
  EXPECT_EQ(darkFace, BlendColors(HostColor(kWindow), HostColor(kBackground), 110));
  EXPECT_EQ(CMFCVisualManager::GetInstance()->GetButtonTextColor(&button, 0), HostColor(kControlText));
  EXPECT_EQ(CMFCVisualManager::GetInstance()->GetButtonTextColor(&button, ODS_DISABLED), HostDisabledTextColor());
}

TEST_F(VisualManagerTest, ActiveTabOpensInTheWindowColourUnderAnAccentLine) {
  CWnd* page = CreateParent(400, 200);
  CMFCTabCtrl tabs;
  ASSERT_TRUE(tabs.Create(CMFCTabCtrl::STYLE_FLAT, CRect(0, 0, 400, 200), page, 1, CMFCTabCtrl::LOCATION_TOP));
  CStatic first, second;
  first.Create(L"", WS_CHILD, CRect(0, 0, 10, 10), &tabs, 2);
  second.Create(L"", WS_CHILD, CRect(0, 0, 10, 10), &tabs, 3);
  tabs.AddTab(&first, L"Profiles");
  tabs.AddTab(&second, L"Functions");
  tabs.SetActiveTab(0);
  CMFCVisualManager* manager = CMFCVisualManager::GetInstance();
  EXPECT_EQ(manager->GetTabBackColor(&tabs, TRUE), HostColor(kWindow));
  EXPECT_EQ(manager->GetTabBackColor(&tabs, FALSE), HostColor(kBackground));
  EXPECT_NE(manager->GetTabTextColor(&tabs, 1, FALSE), manager->GetTabTextColor(&tabs, 0, TRUE));
  LOGFONTW logFont{};
  manager->GetMenuFont()->GetLogFont(&logFont);
  EXPECT_EQ(std::wstring(logFont.lfFaceName), std::wstring(GetCOREInterface()->GetAppLogFont().lfFaceName));
}

}  // namespace
}  // namespace Talvo::testing
