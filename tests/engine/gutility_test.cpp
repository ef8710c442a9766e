// The module entry and the global utility's start and stop.
#include "engine/class_descs.h"
#include "engine/editor_shared_state.h"
#include "engine/gutility.h"
#include "engine/module.h"
#include "engine_fixture.h"

namespace Talvo::testing {
namespace {

using GUtilityTest = EngineTest;

TEST_F(GUtilityTest, TheModuleOffersItsClassesAndNothingOutsideThem) {
  for (int i = 0; i < LibNumberClasses(); ++i) EXPECT_NE(LibClassDesc(i), nullptr) << i;
  EXPECT_EQ(LibClassDesc(LibNumberClasses()), nullptr);
  EXPECT_EQ(LibClassDesc(-1), nullptr);
  GUP* utility = static_cast<GUP*>(LibClassDesc(1)->Create(FALSE));
  ASSERT_NE(dynamic_cast<GUtility*>(utility), nullptr);
  utility->DeleteThis();
}

TEST_F(GUtilityTest, StartTakesTheKeyboardAndStopLeavesNothingBehind) {
  GetTalvo().GetOptions()->SetTapThreshold(450);
  GetCaseClipboard().copied = true;
  GetCellMenuRecord().menuOpen = true;

  GUtility utility;
  EXPECT_EQ(utility.Start(), static_cast<DWORD>(GUPRESULT_KEEP));
  EXPECT_TRUE(KeyHooksInstalled());
  EXPECT_EQ(TapWindow, 450);
  EXPECT_FALSE(GetCaseClipboard().copied);
  EXPECT_FALSE(GetCellMenuRecord().menuOpen);

  AssignNewFunction('Q', /*learning=*/true);
  PressForOverlay('Q');
  EXPECT_NE(viFormDlg, nullptr);
  RequestGridRedraw();
  EXPECT_NE(DrawTh(), nullptr);

  utility.Stop();
  EXPECT_FALSE(KeyHooksInstalled());
  EXPECT_EQ(hostsim::NotificationCount(NOTIFY_SYSTEM_PRE_SHUTDOWN), 0);
  EXPECT_EQ(viFormDlg, nullptr);
  EXPECT_EQ(DrawTh(), nullptr);
}

TEST_F(GUtilityTest, TheDeactivateOptionLeavesTheKeyboardAlone) {
  GetTalvo().GetOptions()->SetOption(kOptionsGeneral, L"deactivate", 1);
  GUtility utility;
  utility.Start();
  EXPECT_FALSE(KeyHooksInstalled());
  utility.Stop();
}

TEST_F(GUtilityTest, PreShutdownTakesTheOverlayAndTheHookAway) {
  GUtility utility;
  utility.Start();
  AssignNewFunction('Q', /*learning=*/true);
  PressForOverlay('Q');
  ASSERT_NE(viFormDlg, nullptr);
  BroadcastNotification(NOTIFY_SYSTEM_PRE_SHUTDOWN);
  EXPECT_EQ(viFormDlg, nullptr);
  EXPECT_FALSE(KeyHooksInstalled());
  utility.Stop();
}

}  // namespace
}  // namespace Talvo::testing
