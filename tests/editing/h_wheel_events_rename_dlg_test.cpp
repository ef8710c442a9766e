#include "editing/h_wheel_events_rename_dlg.h"

#include "naming_dialogs_fixture.h"
#include "resources/dialogs/wheel_events_rename_dlg.h"

namespace Talvo::testing {
namespace {

class WheelEventsRenameDlgTest : public NamingDialogTest {
 protected:
  // An imported copy of the default set, outside the folder, saved (so that a rename shows).
  void SetUp() override {
    NamingDialogTest::SetUp();
    XmlWheelEvents* standard = GetTalvo().GetWheelEvents(0);
    ASSERT_NE(standard, nullptr);
    ASSERT_EQ(standard->GetDisplayName(), L"Default WheelEvents");
    imported_.reset(static_cast<XmlWheelEvents*>(standard->Duplicate().release()));
    imported_->SetName(L"imported");
    imported_->Save();
  }

  INT_PTR Run(winsim::DialogAnswer answer) {
    winsim::AnswerModalDialog(IDD_WHEEL_EVENTS_RENAME, std::move(answer));
    hWheelEventsRenameDlg dialog(parent_.get());
    dialog.wheelEvents = imported_.get();
    return dialog.DoModal();
  }

  std::unique_ptr<XmlWheelEvents> imported_;
};

TEST_F(WheelEventsRenameDlgTest, ProposesTheFirstFreeDisplayNameAndOkRenamesTheSet) {
  EXPECT_EQ(Run([](HWND dialog) {
              EXPECT_EQ(ItemText(dialog, IDC_RENAME_CLASH_BEFORE), L"The Settings file with name: ");
              EXPECT_EQ(ItemText(dialog, IDC_RENAME_CLASH_NAME), L"Default WheelEvents");
              EXPECT_EQ(ItemText(dialog, IDC_RENAME_NAME), L"Default WheelEvents 01");
              ClickItem(dialog, IDOK);
            }),
            IDOK);
  EXPECT_EQ(imported_->GetDisplayName(), L"Default WheelEvents 01");
  EXPECT_FALSE(imported_->IsSaved());

  // A set of the folder that already carries the proposal moves it on; the folder's own " 1" name does not.
  XmlWheelEvents* second = GetTalvo().GetWheelEventsDir()->CreateNew();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->GetDisplayName(), L"Default WheelEvents 1");
  GetTalvo().GetWheelEventsDir()->CreateNew()->SetDisplayName(L"Default WheelEvents 01");
  imported_->SetDisplayName(L"Default WheelEvents");
  EXPECT_EQ(Run([](HWND dialog) {
              EXPECT_EQ(ItemText(dialog, IDC_RENAME_NAME), L"Default WheelEvents 02");
              SetDlgItemTextW(dialog, IDC_RENAME_NAME, L"Studio");
              ClickItem(dialog, IDOK);
            }),
            IDOK);
  EXPECT_EQ(imported_->GetDisplayName(), L"Studio");
}

TEST_F(WheelEventsRenameDlgTest, CancelAndAMissingSetChangeNothing) {
  EXPECT_EQ(Run([](HWND dialog) {
              SetDlgItemTextW(dialog, IDC_RENAME_NAME, L"Studio");
              ClickItem(dialog, IDCANCEL);
            }),
            IDCANCEL);
  EXPECT_EQ(imported_->GetDisplayName(), L"Default WheelEvents");
  EXPECT_TRUE(imported_->IsSaved());

  winsim::AnswerModalDialog(IDD_WHEEL_EVENTS_RENAME, [](HWND dialog) {
    EXPECT_EQ(ItemText(dialog, IDC_RENAME_NAME), L"");
    ClickItem(dialog, IDOK);
  });
  hWheelEventsRenameDlg withoutSet(parent_.get());
  EXPECT_EQ(withoutSet.DoModal(), IDCANCEL);
}

TEST_F(WheelEventsRenameDlgTest, Screenshots) {
  for (AppFrameColorTheme theme : {kLightTheme, kDarkTheme}) {
    SetTheme(theme);
    EXPECT_EQ(Run([](HWND dialog) {
                SaveScreenshot(dialog, "wheel_events_rename_dlg");
                ClickItem(dialog, IDCANCEL);
              }),
              IDCANCEL);
  }
  SetTheme(kLightTheme);
}

}  // namespace
}  // namespace Talvo::testing
