#include "editing/h_function_rename_dlg.h"

#include "pagebase/function_rename_prompt.h"
#include "model/vocabulary.h"
#include "naming_dialogs_fixture.h"
#include "resources/dialogs/function_rename_dlg.h"

namespace Talvo::testing {
namespace {

class FunctionRenameDlgTest : public NamingDialogTest {
 protected:
  // A function of the folder with this name.
  XmlFunction* AddFunction(const std::wstring& name) {
    XmlFunction* function = GetTalvo().CreateFunction(kKindSingleTap);
    EXPECT_NE(function, nullptr);
    function->SetName(name);
    return function;
  }

  // An imported function outside the folder, named `name` and saved (so that a rename shows).
  void Import(const std::wstring& name) {
    XmlFunction* original = AddFunction(L"imported original");
    imported_.reset(static_cast<XmlFunction*>(original->Duplicate().release()));
    imported_->SetName(name);
    imported_->XmlDocument::SetName(L"imported");  // its own file, should the test save it
  }

  INT_PTR Run(winsim::DialogAnswer answer) {
    winsim::AnswerModalDialog(IDD_FUNCTION_RENAME, std::move(answer));
    hFunctionRenameDlg dialog(parent_.get());
    dialog.document = imported_.get();
    return dialog.DoModal();
  }

  std::unique_ptr<XmlFunction> imported_;
};

TEST_F(FunctionRenameDlgTest, NamesTheClashAndProposesTheFirstFreeNameOfTheFolder) {
  for (const wchar_t* name : {L"Box", L"Box 01", L"Box 02", L"Box 03"}) AddFunction(name);
  Import(L"Box");
  EXPECT_EQ(Run([](HWND dialog) {
              EXPECT_EQ(ItemText(dialog, IDC_RENAME_CLASH_BEFORE), L"The function with name: ");
              EXPECT_EQ(ItemText(dialog, IDC_RENAME_CLASH_NAME), L"Box");
              EXPECT_EQ(ItemText(dialog, IDC_RENAME_CLASH_AFTER), L"already exists. Plese rename the imported one");
              EXPECT_EQ(ItemText(dialog, IDC_RENAME_NAME), L"Box 04");
              ClickItem(dialog, IDOK);
            }),
            IDOK);
  EXPECT_EQ(imported_->GetName(), L"Box 04");
  EXPECT_FALSE(imported_->IsSaved());
  EXPECT_EQ(GetTalvo().CountFunctionsNamed(L"Box 04"), 0);  // the imported function is not added here

  for (int n = 4; n <= 9; ++n) AddFunction(L"Box 0" + std::to_wstring(n));
  imported_->SetName(L"Box");
  EXPECT_EQ(Run([](HWND dialog) {
              EXPECT_EQ(ItemText(dialog, IDC_RENAME_NAME), L"Box 10");
              ClickItem(dialog, IDOK);
            }),
            IDOK);
  EXPECT_EQ(imported_->GetName(), L"Box 10");
}

TEST_F(FunctionRenameDlgTest, OkAppliesTheFieldAsTypedOnlyWhenConfirmed) {
  AddFunction(L"Box");
  Import(L"Box");
  imported_->Save();
  ASSERT_TRUE(imported_->IsSaved());
  EXPECT_EQ(Run([this](HWND dialog) {
              SetDlgItemTextW(dialog, IDC_RENAME_NAME, L"");
              SetFocus(GetDlgItem(dialog, IDC_RENAME_NAME));
              winsim::TypeText(L"Sphere");
              EXPECT_EQ(imported_->GetName(), L"Box");  // nothing is renamed before OK
              EXPECT_TRUE(imported_->IsSaved());
              winsim::KeyPress(VK_RETURN);
            }),
            IDOK);
  EXPECT_EQ(imported_->GetName(), L"Sphere");
  EXPECT_FALSE(imported_->IsSaved());

  // The dialog checks nothing: an empty name and a name that is still taken are applied as they are.
  EXPECT_EQ(Run([](HWND dialog) {
              SetDlgItemTextW(dialog, IDC_RENAME_NAME, L"");
              ClickItem(dialog, IDOK);
            }),
            IDOK);
  EXPECT_EQ(imported_->GetName(), L"");
  EXPECT_EQ(Run([](HWND dialog) {
              SetDlgItemTextW(dialog, IDC_RENAME_NAME, L"Box");
              ClickItem(dialog, IDOK);
            }),
            IDOK);
  EXPECT_EQ(imported_->GetName(), L"Box");
}

TEST_F(FunctionRenameDlgTest, TheNameIsReadThroughA512CharacterBuffer) {
  AddFunction(L"Box");
  Import(L"Box");
  EXPECT_EQ(Run([](HWND dialog) {
              SetDlgItemTextW(dialog, IDC_RENAME_NAME, std::wstring(600, L'x').c_str());
              ClickItem(dialog, IDOK);
            }),
            IDOK);
  EXPECT_EQ(imported_->GetName(), std::wstring(511, L'x'));
}

TEST_F(FunctionRenameDlgTest, CancelLeavesTheDocumentAsItWas) {
  AddFunction(L"Box");
  Import(L"Box");
  imported_->Save();
  EXPECT_EQ(Run([](HWND dialog) {
              SetDlgItemTextW(dialog, IDC_RENAME_NAME, L"Cone");
              ClickItem(dialog, IDCANCEL);
            }),
            IDCANCEL);
  EXPECT_EQ(Run([](HWND) { winsim::KeyPress(VK_ESCAPE); }), IDCANCEL);
  EXPECT_EQ(imported_->GetName(), L"Box");
  EXPECT_TRUE(imported_->IsSaved());
}

TEST_F(FunctionRenameDlgTest, WithoutADocumentItProposesNothingAndOkRenamesNothing) {
  EXPECT_EQ(Run([](HWND dialog) {
              EXPECT_EQ(ItemText(dialog, IDC_RENAME_CLASH_NAME), L"");
              EXPECT_EQ(ItemText(dialog, IDC_RENAME_NAME), L"");
              ClickItem(dialog, IDOK);
            }),
            IDCANCEL);
}

TEST_F(FunctionRenameDlgTest, IsTheRenamePromptOfTheEditorsImports) {
  AddFunction(L"Box");
  Import(L"Box");
  const FunctionRenamePrompt previous = SetFunctionRenamePrompt(nullptr);
  InstallFunctionRenamePrompt();
  winsim::AnswerModalDialog(IDD_FUNCTION_RENAME, [](HWND dialog) {
    EXPECT_EQ(ItemText(dialog, IDC_RENAME_NAME), L"Box 01");
    ClickItem(dialog, IDOK);
  });
  EXPECT_EQ(PromptFunctionRename(parent_.get(), *imported_), IDOK);
  EXPECT_EQ(imported_->GetName(), L"Box 01");
  SetFunctionRenamePrompt(previous);
}

TEST_F(FunctionRenameDlgTest, Screenshots) {
  AddFunction(L"Extrude Faces");
  Import(L"Extrude Faces");
  for (AppFrameColorTheme theme : {kLightTheme, kDarkTheme}) {
    SetTheme(theme);
    EXPECT_EQ(Run([](HWND dialog) {
                SaveScreenshot(dialog, "function_rename_dlg");
                ClickItem(dialog, IDCANCEL);
              }),
              IDCANCEL);
  }
  SetTheme(kLightTheme);
}

}  // namespace
}  // namespace Talvo::testing
