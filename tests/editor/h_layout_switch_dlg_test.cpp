// The switch-layout dialog: each of its three buttons ends it with its own result, every other way out is a
// cancel.
#include "editor/h_layout_switch_dlg.h"

#include <win32/modal_responder.h>

#include "editor_test_helpers.h"
#include "controls/controls_fixture.h"
#include "resources/dialogs/layout_switch_dlg.h"

namespace Talvo::testing {

namespace {

class LayoutSwitchDlgTest : public ControlsTest {
 protected:
  // Runs the dialog over a test parent; `answer` plays the user.
  INT_PTR Run(winsim::DialogAnswer answer) {
    CWnd* owner = CreateParent(700, 400, 100, 100);
    winsim::AnswerModalDialog(IDD_LAYOUT_SWITCH, std::move(answer));
    hLayoutSwitchDlg dialog(owner);
    return dialog.DoModal();
  }
};

}  // namespace

struct Choice {
  int button;
  const wchar_t* text;
  INT_PTR result;
};

TEST_F(LayoutSwitchDlgTest, EachButtonEndsTheDialogWithItsChoice) {
  const Choice choices[] = {
      {IDC_LAYOUT_SWITCH_MOVE, L"Move actual Function Assignment to new Layout", kLayoutSwitchMoveAssignments},
      {IDC_LAYOUT_SWITCH_SAVE, L"Save Current Layout with assignated Function before switching",
       kLayoutSwitchSaveAsNewProfile},
      {IDC_LAYOUT_SWITCH_CLEAR, L"Delete Current Function Assignments and switch to new blank Layout",
       kLayoutSwitchClearAssignments}};
  for (const Choice& choice : choices) {
    EXPECT_EQ(Run([&](HWND dialog) {
                EXPECT_EQ(TextOf(dialog), L"Switch Layout");
                EXPECT_EQ(TextOf(GetDlgItem(dialog, choice.button)), choice.text);
                const POINT centre = CentreOf(GetDlgItem(dialog, choice.button));
                winsim::Click(centre.x, centre.y);
              }),
              choice.result);
  }
}

TEST_F(LayoutSwitchDlgTest, EveryOtherWayOutIsACancel) {
  EXPECT_EQ(Run([](HWND) { winsim::KeyPress(VK_ESCAPE); }), IDCANCEL);
  EXPECT_EQ(Run([](HWND dialog) { SendMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }), IDCANCEL);
  // An OK without a chosen button is no choice: the dialog stays until a button is pressed.
  EXPECT_EQ(Run([](HWND dialog) {
              SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
              EXPECT_TRUE(IsWindowVisible(dialog));
              const POINT centre = CentreOf(GetDlgItem(dialog, IDC_LAYOUT_SWITCH_SAVE));
              winsim::Click(centre.x, centre.y);
            }),
            kLayoutSwitchSaveAsNewProfile);
}

}  // namespace Talvo::testing
