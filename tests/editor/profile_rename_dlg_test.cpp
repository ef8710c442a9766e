#include <gtest/gtest.h>

#include "editor/profile_rename_dlg.h"
#include "pagebase/rename_proposal.h"
#include "profile_transfer_fixture.h"

namespace Talvo::testing {
namespace {

class ProfileRenameDlgTest : public ProfileTransferTest {
 protected:
  void SetUp() override {
    ProfileTransferTest::SetUp();
    imported_.CopyFrom(Profile());
    imported_.SetName(L"Box");
  }
  void AddProfiles(const std::wstring& base, int from, int to) {
    for (int n = from; n <= to; ++n) {
      Root().NewProfile()->SetName(base + (n < 10 ? L" 0" : L" ") + std::to_wstring(n));
    }
  }
  static std::wstring Text(HWND dialog, int id) {
    wchar_t text[600] = {};
    GetDlgItemTextW(dialog, id, text, 600);
    return text;
  }

  XmlProfile imported_{nullptr};
};

TEST_F(ProfileRenameDlgTest, ProposesTheFirstFreeNumberedName) {
  AddProfiles(L"Box", 1, 3);
  std::wstring proposed;
  winsim::AnswerModalDialog(hProfileRenameDlg::IDD, [&](HWND dialog) {
    proposed = Text(dialog, 1077);
    EXPECT_EQ(Text(dialog, 1079), L"Box");
    EndDialog(dialog, IDCANCEL);
  });
  hProfileRenameDlg first(&imported_, page_);
  EXPECT_EQ(first.DoModal(), IDCANCEL);
  EXPECT_EQ(proposed, L"Box 04");
  EXPECT_EQ(imported_.GetName(), L"Box");  // cancel leaves the name

  AddProfiles(L"Box", 4, 9);
  winsim::AnswerModalDialog(hProfileRenameDlg::IDD, [](HWND dialog) { SendMessageW(dialog, WM_COMMAND, IDOK, 0); });
  hProfileRenameDlg second(&imported_, page_);
  EXPECT_EQ(second.DoModal(), IDOK);
  EXPECT_EQ(imported_.GetName(), L"Box 10");
  EXPECT_EQ(second.GetResultName(), L"Box 10");
}

TEST_F(ProfileRenameDlgTest, OkTakesWhateverTheFieldHoldsUpTo511Characters) {
  const std::wstring longName(600, L'n');
  for (const std::wstring& typed : {std::wstring(L"Work"), std::wstring(), longName}) {
    winsim::AnswerModalDialog(hProfileRenameDlg::IDD, [&](HWND dialog) {
      SetDlgItemTextW(dialog, 1077, typed.c_str());
      SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    hProfileRenameDlg dialog(&imported_, page_);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(imported_.GetName(), typed.substr(0, 511));
  }
  // Without a document the dialog proposes nothing and renames nothing.
  winsim::AnswerModalDialog(hProfileRenameDlg::IDD, [](HWND dialog) { SendMessageW(dialog, WM_COMMAND, IDOK, 0); });
  hProfileRenameDlg empty(nullptr, page_);
  EXPECT_EQ(empty.DoModal(), IDOK);
  EXPECT_EQ(empty.GetResultName(), L"");
}

TEST_F(ProfileRenameDlgTest, TheProposalCountsOnlyUnusedNames) {
  int asked = 0;
  const auto taken = [&](const std::wstring& name) {
    ++asked;
    return name == L"A 01" || name == L"A 02" ? 1 : 0;
  };
  EXPECT_EQ(ProposeFreeName(L"A", taken), L"A 03");
  EXPECT_EQ(asked, 3);
}

TEST_F(ProfileRenameDlgTest, ScreenshotsInBothThemes) {
  imported_.SetName(L"Modelling Profile");
  for (const auto& [theme, name] : {std::pair{kLightTheme, "profile_rename_dlg_light.png"},
                                    std::pair{kDarkTheme, "profile_rename_dlg_dark.png"}}) {
    SetTheme(theme);
    winsim::AnswerModalDialog(hProfileRenameDlg::IDD, [&, name = name](HWND dialog) {
      winsim::PumpMessages();
      const winsim::Image image = winsim::CaptureWindow(dialog);
      // The dialog paints the host's background colour.
      EXPECT_EQ(image.Pixel(4, image.height - 4), ColorMan()->GetColor(kBackground));
      EXPECT_TRUE(winsim::SaveWindowPng(dialog, (ControlsTestOutput() / name).string()));
      EndDialog(dialog, IDCANCEL);
    });
    hProfileRenameDlg dialog(&imported_, page_);
    dialog.DoModal();
  }
}

}  // namespace
}  // namespace Talvo::testing
