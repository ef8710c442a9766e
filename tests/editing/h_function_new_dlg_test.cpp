#include "editing/h_function_new_dlg.h"

#include "model/vocabulary.h"
#include "naming_dialogs_fixture.h"
#include "resources/dialogs/function_new_dlg.h"

namespace Talvo::testing {
namespace {

using FunctionNewDlgTest = NamingDialogTest;

// Runs the dialog with the user clicking one button.
INT_PTR RunClicking(CWnd* parent, int buttonId) {
  winsim::AnswerModalDialog(IDD_FUNCTION_NEW, [buttonId](HWND dialog) { ClickItem(dialog, buttonId); });
  hFunctionNewDlg dialog(parent);
  return dialog.DoModal();
}

TEST_F(FunctionNewDlgTest, EachOfferedKindButtonEndsTheDialogWithItsKind) {
  EXPECT_EQ(RunClicking(parent_.get(), IDC_KIND_SINGLE_TAP), kKindSingleTap);
  EXPECT_EQ(RunClicking(parent_.get(), IDC_KIND_MULTITAP), kKindMultiTap);
  EXPECT_EQ(RunClicking(parent_.get(), IDC_KIND_CONTEXT_SENSITIVE), kKindContextSensitive);
  // The owner is disabled only while the dialog runs.
  EXPECT_TRUE(parent_->IsWindowEnabled());
  EXPECT_EQ(winsim::PendingModalAnswers(), 0u);
}

TEST_F(FunctionNewDlgTest, ShowsThreeKindsAndHidesTheRetiredOnes) {
  winsim::AnswerModalDialog(IDD_FUNCTION_NEW, [](HWND dialog) {
    EXPECT_EQ(ItemText(dialog, IDC_KIND_CONTEXT_SENSITIVE), L"Conext Sensitive");
    for (int retired : {IDC_KIND_MULTITAP_MODIFIERS, IDC_KIND_MULTITAP_MODIFIERS_ELEMENTS}) {
      ASSERT_NE(GetDlgItem(dialog, retired), nullptr);
      EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, retired)));
      EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, retired)));
    }
    // A click on empty dialog space ends nothing.
    RECT frame{};
    GetWindowRect(dialog, &frame);
    winsim::Click(frame.right - 3, frame.bottom - 3);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EndDialog(dialog, IDCANCEL);
  });
  hFunctionNewDlg dialog(parent_.get());
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(winsim::ModalLog().back().caption, L"New Function");
}

}  // namespace
}  // namespace Talvo::testing
