// The switch-layout dialog: each of its three buttons ends it with its own result, every other way out is a
// cancel, and its screenshots in both themes.
#include "editor/h_layout_switch_dlg.h"

#include <win32/modal_responder.h>

#include <string>
#include <vector>

#include "editor_test_helpers.h"
#include "layout_view_fixture.h"
#include "resources/dialogs/layout_switch_dlg.h"

namespace Talvo::testing {

namespace {

class LayoutSwitchDlgTest : public LayoutViewTest {
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

TEST_F(LayoutSwitchDlgTest, EachButtonEndsTheDialogWithItsChoice) {
  const std::vector<std::pair<int, INT_PTR>> choices = {{IDC_LAYOUT_SWITCH_MOVE, kLayoutSwitchMoveAssignments},
                                                        {IDC_LAYOUT_SWITCH_SAVE, kLayoutSwitchSaveAsNewProfile},
                                                        {IDC_LAYOUT_SWITCH_CLEAR, kLayoutSwitchClearAssignments}};
  for (const auto& [button, result] : choices) {
    EXPECT_EQ(Run([button = button](HWND dialog) {
                const POINT centre = CentreOf(GetDlgItem(dialog, button));
                winsim::Click(centre.x, centre.y);
              }),
              result);
  }
}

TEST_F(LayoutSwitchDlgTest, TheDialogHoldsItsCaptionAndThreeButtons) {
  Run([](HWND dialog) {
    EXPECT_EQ(TextOf(dialog), L"Switch Layout");
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      texts.push_back(TextOf(child));
    }
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"Move actual Function Assignment to new Layout",
                                                L"Save Current Layout with assignated Function before switching",
                                                L"Delete Current Function Assignments and switch to new blank Layout"}));
    // Every text fits its button.
    for (int id : {IDC_LAYOUT_SWITCH_MOVE, IDC_LAYOUT_SWITCH_SAVE, IDC_LAYOUT_SWITCH_CLEAR}) {
      const HWND button = GetDlgItem(dialog, id);
      RECT rect{};
      GetClientRect(button, &rect);
      HDC dc = GetDC(button);
      HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(button, WM_GETFONT, 0, 0)));
      SIZE extent{};
      const std::wstring text = TextOf(button);
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
      SelectObject(dc, old);
      ReleaseDC(button, dc);
      EXPECT_LT(extent.cx, rect.right - rect.left) << id;
    }
    EndDialog(dialog, IDCANCEL);
  });
}

TEST_F(LayoutSwitchDlgTest, EveryOtherWayOutIsACancel) {
  // Escape.
  EXPECT_EQ(Run([](HWND) { winsim::KeyPress(VK_ESCAPE); }), IDCANCEL);
  // The window's close command.
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

TEST_F(LayoutSwitchDlgTest, ScreenshotsInBothThemes) {
  for (AppFrameColorTheme theme : {kLightTheme, kDarkTheme}) {
    SetTheme(theme);
    Run([theme](HWND dialog) {
      const POINT over = CentreOf(GetDlgItem(dialog, IDC_LAYOUT_SWITCH_SAVE));
      winsim::MouseMove(over.x, over.y);  // one button shows its hover look
      const auto path = ControlsTestOutput() /
                        (std::string("layout_switch_dlg_") + (theme == kLightTheme ? "light" : "dark") + ".png");
      EXPECT_TRUE(winsim::SaveWindowPng(dialog, path.string()));
      // The dialog takes the host's panel colour.
      RECT client{};
      GetClientRect(dialog, &client);
      const winsim::Image image = winsim::CaptureWindow(dialog);
      const int border = image.width - (client.right - client.left);
      EXPECT_EQ(image.Pixel(image.width - border / 2 - 3, image.height - 4), HostColor(kBackground));
      EndDialog(dialog, IDCANCEL);
    });
  }
}

}  // namespace Talvo::testing
