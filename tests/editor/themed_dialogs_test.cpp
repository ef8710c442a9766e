// The options dialog and the profile rename dialog in the host theme: face, tab strip and buttons take the
// panel colour with readable text in both themes, and the profile rename dialog is laid out as the others.
#include <gtest/gtest.h>
#include <win32/modal_responder.h>

#include "controls/controls_fixture.h"
#include "editor/options_dlg.h"
#include "editor/profile_rename_dlg.h"
#include "model/talvo.h"
#include "resources/dialogs/function_rename_dlg.h"
#include "resources/dialogs/options_dlg.h"
#include "support/picture_measure.h"

namespace Talvo::testing {
namespace {

class ThemedDialogsTest : public ControlsTest, public ::testing::WithParamInterface<AppFrameColorTheme> {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    ASSERT_TRUE(GetTalvo().Load());
    SetTheme(GetParam());
  }
  void TearDown() override {
    GetTalvo().Clear();
    ControlsTest::TearDown();
  }
  // A child's rectangle in the dialog's client coordinates.
  static RECT ItemRect(HWND dialog, int id) {
    RECT rect{};
    HWND item = ::GetDlgItem(dialog, id);
    ::GetWindowRect(item, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
  // Checks the panel colour at the rectangle's main colour and the text on it readable.
  static void ExpectThemedAndReadable(const winsim::Image& picture, const RECT& rect, const char* what) {
    const COLORREF panel = HostColor(kBackground);
    const COLORREF main = DominantColourIn(picture, rect);
    EXPECT_LT(ContrastRatio(main, panel), 1.6) << what;  // the face is the panel's colour, not classic grey
    EXPECT_GE(TextContrastIn(picture, rect), 4.5) << what;
  }
};

TEST_P(ThemedDialogsTest, TheOptionsDialogFaceTabsAndButtonsFollowTheTheme) {
  OptionsDlg dialog(CreateParent(800, 600, 20, 20));
  winsim::AnswerModalDialog(IDD_OPTIONS, [&](HWND window) {
    const winsim::Image picture = winsim::CaptureWindow(window);
    RECT client{};
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    RECT frame{};
    ::GetWindowRect(window, &frame);
    const int dx = origin.x - frame.left, dy = origin.y - frame.top;  // the picture includes the caption
    auto inPicture = [&](RECT rect) {
      ::OffsetRect(&rect, dx, dy);
      return rect;
    };
    const RECT tabs = ItemRect(window, IDC_OPTIONS_TABS);
    ExpectThemedAndReadable(picture, inPicture(RECT{tabs.left, tabs.top, tabs.left + 80, tabs.top + 22}), "tab");
    for (int id : {IDC_OPTIONS_LOAD, IDC_OPTIONS_SAVE, IDC_OPTIONS_WRITE_CHART, IDC_OPTIONS_RESET})
      ExpectThemedAndReadable(picture, inPicture(ItemRect(window, id)), "button");
    // Between the buttons and the tab control: the dialog's face.
    EXPECT_EQ(picture.Pixel(dx + 4, dy + client.bottom - 4), HostColor(kBackground));
    ::EndDialog(window, IDCANCEL);
  });
  dialog.DoModal();
}

TEST_P(ThemedDialogsTest, TheProfileRenameDialogIsLaidOutAsTheFunctionRenameDialog) {
  RegisterFunctionRenameDlgTemplate();
  RegisterProfileRenameDlgTemplate();
  const DLGTEMPLATE* profile = FindDialogTemplate(hProfileRenameDlg::IDD);
  const DLGTEMPLATE* function = FindDialogTemplate(IDD_FUNCTION_RENAME);
  ASSERT_NE(profile, nullptr);
  ASSERT_NE(function, nullptr);
  EXPECT_EQ(profile->cx, function->cx);
  EXPECT_EQ(profile->cy, function->cy);
  ASSERT_EQ(profile->items.size(), function->items.size());
  for (size_t i = 0; i < profile->items.size(); ++i) {
    EXPECT_EQ(profile->items[i].id, function->items[i].id);
    EXPECT_EQ(profile->items[i].x, function->items[i].x) << profile->items[i].id;
    EXPECT_EQ(profile->items[i].y, function->items[i].y) << profile->items[i].id;
    EXPECT_EQ(profile->items[i].cx, function->items[i].cx) << profile->items[i].id;
  }
}

INSTANTIATE_TEST_SUITE_P(BothThemes, ThemedDialogsTest, ::testing::Values(kLightTheme, kDarkTheme));

}  // namespace
}  // namespace Talvo::testing
