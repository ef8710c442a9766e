// The get-message hook: which key presses show the overlay, how the overlay is updated and dismissed,
// and that the hook acts only on its own messages.
#include <stdexcept>

#include "engine_fixture.h"
#include "model/modifiers.h"

namespace Talvo::testing {
namespace {

// The hook installed and a learning function on Q, whose presses show the overlay.
class HookTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    InstallKeyHooks();
    AssignNewFunction('Q', /*learning=*/true);
  }
};

TEST_F(HookTest, InstallingTwiceGivesOneHookAndRemovingLeavesNone) {
  InstallKeyHooks();
  EXPECT_TRUE(KeyHooksInstalled());
  PressForOverlay('Q');
  // A second hook would have forwarded the same message to the overlay the first one made.
  EXPECT_EQ(Overlays().created, 1);
  EXPECT_TRUE(Overlays().modKeys.empty());

  RemoveKeyHooks();
  RemoveKeyHooks();
  EXPECT_FALSE(KeyHooksInstalled());
  DestroyVisualInterface();
  PressForOverlay('Q');
  EXPECT_EQ(Overlays().created, 1);
  EXPECT_EQ(viFormDlg, nullptr);
}

TEST_F(HookTest, OverlayShowsForLearningVisualAndForcedKeysOnly) {
  Profile().AddVisualAssignment(KeyOf('W'));  // no function at all
  AssignNewFunction('E')->SetForceVI(true);
  AssignNewFunction('T');                                                               // plain assignment
  Profile().Assign(KeyOf('R'), 'R', L"0123456789abcdef0123456789abcdef", false, true);  // learning, no function

  for (UINT key : {UINT{'Q'}, UINT{'W'}, UINT{'E'}}) {
    PressForOverlay(key, 7);
    EXPECT_NE(viFormDlg, nullptr) << static_cast<char>(key);
    DestroyVisualInterface();
  }
  for (UINT key : {UINT{'R'}, UINT{'T'}, UINT{0xE8} /* no such key on the layout */}) {
    PressForOverlay(key);
    EXPECT_EQ(viFormDlg, nullptr) << key;
  }
  ASSERT_EQ(Overlays().shown.size(), 3u);
  EXPECT_EQ(Overlays().shown[0], std::make_pair(static_cast<UINT>('Q'), static_cast<unsigned char>(7)));

  // Without a current profile nothing shows.
  GetTalvo().GetMainDocument()->SetSelectedProfile(5);
  EXPECT_FALSE(KeyShowsVisualInterface('Q'));
}

TEST_F(HookTest, LaterPressesUpdateTheOverlayAndTheShownKeyNeedsOne) {
  AssignNewFunction('E', /*learning=*/true);

  PostAndPump(ShowVisualInterfaceMessage, (kShownKey << 16) + 1,
              kModifierNone | kModifierCtrl);  // no overlay: nothing to update
  EXPECT_EQ(Overlays().created, 0);

  PressForOverlay('Q');
  PostAndPump(ShowVisualInterfaceMessage, (kShownKey << 16) + 2, kModifierNone | kModifierCtrl);
  PostAndPump(ShowVisualInterfaceMessage, ('E' << 16) + 3, 3);
  EXPECT_EQ(Overlays().created, 1);
  ASSERT_EQ(Overlays().modKeys.size(), 2u);
  EXPECT_EQ(Overlays().modKeys[0],
            std::make_pair(static_cast<WPARAM>((kShownKey << 16) + 2), LPARAM{kModifierNone | kModifierCtrl}));
  EXPECT_EQ(Overlays().modKeys[1], std::make_pair(static_cast<WPARAM>(('E' << 16) + 3), LPARAM{3}));
}

TEST_F(HookTest, OwnMessagesCountOnlyAsThreadMessagesOrForTheCurrentOverlay) {
  HWND host = GetCOREInterface()->GetMAXHWnd();

  PostMessageW(host, ShowVisualInterfaceMessage, 'Q' << 16, 3);
  winsim::PumpMessages();
  EXPECT_EQ(viFormDlg, nullptr);

  PressForOverlay('Q');
  ASSERT_NE(viFormDlg, nullptr);
  PostAndPump(WM_HIDE_VISUAL_INTERFACE_DLG, 0, 0);  // as a thread message
  PostMessageW(host, WM_HIDE_VISUAL_INTERFACE_DLG, 0, 0);
  winsim::PumpMessages();
  EXPECT_NE(viFormDlg, nullptr);

  PostMessageW(CurrentOverlay()->Button(), WM_HIDE_VISUAL_INTERFACE_DLG, 0, 0);
  winsim::PumpMessages();
  EXPECT_EQ(viFormDlg, nullptr);
  EXPECT_EQ(Overlays().destroyed, 1);
}

TEST_F(HookTest, AStaleHideMessageLeavesANewerOverlayAlone) {
  PressForOverlay('Q');
  HWND first = viFormDlg->GetFormWindow();

  // A click on the key box and the deactivation it causes both post a hide.
  PostMessageW(first, WM_HIDE_VISUAL_INTERFACE_DLG, 0, 0);
  PostThreadMessageW(GetCurrentThreadId(), ShowVisualInterfaceMessage, 'Q' << 16, 3);
  PostMessageW(first, WM_HIDE_VISUAL_INTERFACE_DLG, 0, 0);
  winsim::PumpMessages();

  EXPECT_EQ(Overlays().created, 2);
  EXPECT_EQ(Overlays().destroyed, 1);
  ASSERT_NE(viFormDlg, nullptr);
  EXPECT_NE(viFormDlg->GetFormWindow(), first);
  EXPECT_TRUE(IsWindow(viFormDlg->GetFormWindow()));

  // Posted messages of a destroyed window may still be retrieved; the hook sees them with the old handle.
  MSG stale{first, WM_HIDE_VISUAL_INTERFACE_DLG, 0, 0, 0, {}};
  GetMsgProc(HC_ACTION, PM_REMOVE, reinterpret_cast<LPARAM>(&stale));
  EXPECT_NE(viFormDlg, nullptr);
  EXPECT_EQ(Overlays().destroyed, 1);

  // A message only peeked at is not acted on; it is acted on when it is taken from the queue.
  MSG hide{viFormDlg->GetFormWindow(), WM_HIDE_VISUAL_INTERFACE_DLG, 0, 0, 0, {}};
  GetMsgProc(HC_ACTION, PM_NOREMOVE, reinterpret_cast<LPARAM>(&hide));
  EXPECT_NE(viFormDlg, nullptr);
  GetMsgProc(HC_ACTION, PM_REMOVE, reinterpret_cast<LPARAM>(&hide));
  EXPECT_EQ(viFormDlg, nullptr);
}

TEST_F(HookTest, AnOverlayThatFailsToAppearIsLoggedAndTheHookCarriesOn) {
  SetVisualInterfaceFactory([](UINT, unsigned char, const std::wstring&) -> iVisualInterface* {
    throw std::runtime_error("CreateWindowEx: out of memory");
  });
  PressForOverlay('Q');
  EXPECT_EQ(viFormDlg, nullptr);
  EXPECT_NE(hostsim::DebugLog().find(L"GetMsgProc: CreateWindowEx: out of memory"), std::wstring::npos);

  SetVisualInterfaceFactory(
      [](UINT key, unsigned char modifiers, const std::wstring&) { return new FakeOverlay(key, modifiers); });
  PressForOverlay('Q');
  EXPECT_NE(viFormDlg, nullptr);
}

TEST_F(HookTest, KeyAssignedClosesTheOverlayAfterFiftyMilliseconds) {
  PostAndPump(KeyAssignedMessage, 0, 0);  // no overlay: nothing is armed for a later one
  PressForOverlay('Q');
  PostMessageW(viFormDlg->GetFormWindow(), KeyAssignedMessage, 0, 0);  // not a thread message
  winsim::PumpMessages();
  winsim::AdvanceClock(100);
  ASSERT_NE(viFormDlg, nullptr);

  PostAndPump(KeyAssignedMessage, 0, 0);
  winsim::AdvanceClock(49);
  EXPECT_NE(viFormDlg, nullptr);
  winsim::AdvanceClock(1);
  EXPECT_EQ(viFormDlg, nullptr);
  EXPECT_EQ(Overlays().destroyed, 1);
}

TEST_F(HookTest, RedrawRequestsReachTheEditorOnlyAsThreadMessagesWhileItExists) {
  static int redraws = 0;
  redraws = 0;
  SetGridRedrawHandler([] { ++redraws; });

  PostAndPump(RedrawGridMessage, 0, 0);
  EXPECT_EQ(redraws, 0);  // no editor window

  HWND editor = CreateWindowExW(0, L"STATIC", L"Editor", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SetEditorWindow(editor);
  PostAndPump(RedrawGridMessage, 0, 0);
  PostAndPump(WM_VISUAL_INTERFACE_VIEW_CHANGED, 0, 0);
  PostMessageW(editor, RedrawGridMessage, 0, 0);
  winsim::PumpMessages();
  EXPECT_EQ(redraws, 1);
}

}  // namespace
}  // namespace Talvo::testing
