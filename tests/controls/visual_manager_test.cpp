// The program's visual manager: host colours on buttons and tabs in both themes, and repainting on the
// host's colour change.
#include "controls/visual_manager.h"

#include <max.h>

#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

using VisualManagerTest = ControlsTest;

TEST_F(VisualManagerTest, PaintsButtonsInHostColoursAndRepaintsOnColourChange) {
  CMFCButton button;
  ASSERT_TRUE(button.Create(L"OK", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 34), CreateParent(), 1));
  EXPECT_EQ(winsim::CaptureWindow(button.m_hWnd).Pixel(0, 0), HostColor(kAppWorkspace));
  // The host's colour-change notification alone repaints the button in the dark palette.
  hostsim::SetTheme(kDarkTheme);
  EXPECT_EQ(winsim::CaptureWindow(button.m_hWnd).Pixel(5, 5),
            BlendColors(HostColor(kWindow), HostColor(kBackground), 110));
  EXPECT_EQ(CMFCVisualManager::GetInstance()->GetButtonTextColor(&button, ODS_DISABLED), HostDisabledTextColor());
}

TEST_F(VisualManagerTest, ActiveTabOpensInTheWindowColourInTheHostsMenuFont) {
  CMFCTabCtrl tabs;
  ASSERT_TRUE(tabs.Create(CMFCTabCtrl::STYLE_FLAT, CRect(0, 0, 400, 200), CreateParent(), 1,
                          CMFCTabCtrl::LOCATION_TOP));
  CMFCVisualManager* manager = CMFCVisualManager::GetInstance();
  EXPECT_EQ(manager->GetTabBackColor(&tabs, TRUE), HostColor(kWindow));
  EXPECT_EQ(manager->GetTabBackColor(&tabs, FALSE), HostColor(kBackground));
  LOGFONTW logFont{};
  manager->GetMenuFont()->GetLogFont(&logFont);
  EXPECT_EQ(std::wstring(logFont.lfFaceName), std::wstring(GetCOREInterface()->GetAppLogFont().lfFaceName));
}

}  // namespace
}  // namespace Talvo::testing
