#include "editing/script_name_dlg.h"

#include "naming_dialogs_fixture.h"
#include "resources/dialogs/script_name_dlg.h"

namespace Talvo::testing {
namespace {

class ScriptNameDlgTest : public NamingDialogTest {
 protected:
  INT_PTR Run(std::wstring* name, winsim::DialogAnswer answer) {
    winsim::AnswerModalDialog(IDD_SCRIPT_NAME, std::move(answer));
    ScriptNameDlg dialog(parent_.get());
    dialog.name = name;
    return dialog.DoModal();
  }
};

TEST_F(ScriptNameDlgTest, EveryEditReachesTheCallersString) {
  std::wstring name = L"New";
  EXPECT_EQ(Run(&name,
                [&name](HWND dialog) {
                  SetDlgItemTextW(dialog, IDC_SCRIPT_NAME, L"");
                  EXPECT_EQ(name, L"");
                  SetFocus(GetDlgItem(dialog, IDC_SCRIPT_NAME));
                  winsim::TypeText(L"Bevel");
                  EXPECT_EQ(name, L"Bevel");
                  winsim::KeyPress(VK_BACK);
                  EXPECT_EQ(name, L"Beve");
                  winsim::KeyPress(VK_RETURN);
                }),
            IDOK);
  EXPECT_EQ(name, L"Beve");

  // A long name is cut to 511 characters.
  EXPECT_EQ(Run(&name,
                [](HWND dialog) {
                  SetDlgItemTextW(dialog, IDC_SCRIPT_NAME, std::wstring(700, L'n').c_str());
                  ClickItem(dialog, IDOK);
                }),
            IDOK);
  EXPECT_EQ(name, std::wstring(511, L'n'));
}

TEST_F(ScriptNameDlgTest, CancelAndCloseGivesCancel) {
  std::wstring name = L"New";
  EXPECT_EQ(Run(&name, [](HWND) { winsim::KeyPress(VK_ESCAPE); }), IDCANCEL);
  EXPECT_EQ(name, L"New");
  // Without a name string the dialog still runs; edits go nowhere.
  EXPECT_EQ(Run(nullptr,
                [](HWND dialog) {
                  EXPECT_EQ(ItemText(dialog, IDC_SCRIPT_NAME), L"");
                  SetDlgItemTextW(dialog, IDC_SCRIPT_NAME, L"Lost");
                  ClickItem(dialog, IDOK);
                }),
            IDOK);
}

TEST_F(ScriptNameDlgTest, PicturesFollowTheHostTheme) {
  for (AppFrameColorTheme theme : {kLightTheme, kDarkTheme}) {
    SetTheme(theme);
    std::wstring name = L"New";
    EXPECT_EQ(Run(&name,
                  [](HWND dialog) {
                    SaveThemedPicture(dialog, "script_name_dlg");
                    ClickItem(dialog, IDCANCEL);
                  }),
              IDCANCEL);
  }
  SetTheme(kLightTheme);
}

}  // namespace
}  // namespace Talvo::testing
