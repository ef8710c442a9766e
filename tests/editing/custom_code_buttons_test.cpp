#include "editing/custom_code_buttons.h"

#include <win32/shell.h>

#include <fstream>

#include "custom_script_fixture.h"
#include "model/vocabulary.h"
#include "resources/dialogs/script_name_dlg.h"

namespace Talvo::testing {
namespace {

using CustomCodeButtonsTest = CustomScriptTest;

TEST_F(CustomCodeButtonsTest, CopyPlacesTheChosenScriptsTextOrAnEmptyText) {
  Choose(bevelId_);
  Press(kIconButtonScriptCopy);
  EXPECT_EQ(ClipboardText(), L"polyop.bevel $ 1");

  Choose(L"Not Selected");
  Press(kIconButtonScriptCopy);
  EXPECT_EQ(ClipboardText(), L"");

  // A clipboard held by another program: nothing changes.
  PutOnClipboard(L"theirs");
  winsim::SetClipboardOpenFails(true);
  Choose(bevelId_);
  Press(kIconButtonScriptCopy);
  winsim::SetClipboardOpenFails(false);
  EXPECT_EQ(ClipboardText(), L"theirs");
}

TEST_F(CustomCodeButtonsTest, PasteStoresTheClipboardAsANamedScript) {
  PutOnClipboard(L"print \"h\u00e9\"");
  winsim::AnswerModalDialog(IDD_SCRIPT_NAME, [](HWND dialog) {
    EXPECT_EQ(ItemText(dialog, IDC_SCRIPT_NAME), L"New");
    SetDlgItemTextW(dialog, IDC_SCRIPT_NAME, L"Hello");
    ClickItem(dialog, IDOK);
  });
  Press(kIconButtonScriptPaste);

  ASSERT_EQ(scripts().Count(), 2);
  const std::wstring id = scripts().GetScriptIdAt(1);
  std::wstring name;
  std::wstring body;
  ASSERT_TRUE(scripts().GetScript(id, name, body));
  EXPECT_EQ(name, L"Hello");
  EXPECT_EQ(body, L"print \"h\u00e9\"");
  EXPECT_EQ(cell_.scriptId, id);
  // The lists are refreshed and the case takes the new script once.
  const LPARAM owner = reinterpret_cast<LPARAM>(dropDown_.get());
  ASSERT_EQ(frame_->Of(ScriptsChangedMessage).size(), 1U);
  ASSERT_EQ(page_->Of(WM_APPLY_CELL).size(), 1U);
  for (const auto& message : frame_->Of(ScriptsChangedMessage)) EXPECT_EQ(message.lParam, owner);
  for (const auto& message : page_->Of(WM_APPLY_CELL)) EXPECT_EQ(message.lParam, owner);
}

TEST_F(CustomCodeButtonsTest, PasteSurvivesTheEditorRebuildingTheDropDown) {
  // The editor window rebuilds its pages when the script list changes: the drop-down goes away.
  frame_->onRecorded = [this](UINT message) {
    if (message == ScriptsChangedMessage) DestroyDropDown();
  };
  PutOnClipboard(L"print 1");
  winsim::AnswerModalDialog(IDD_SCRIPT_NAME, [](HWND dialog) { ClickItem(dialog, IDOK); });
  Press(kIconButtonScriptPaste);

  EXPECT_EQ(scripts().Count(), 2);
  EXPECT_EQ(frame_->Of(ScriptsChangedMessage).size(), 1U);
  // The page still hears of the change, but no longer of the destroyed drop-down.
  ASSERT_EQ(page_->Of(WM_APPLY_CELL).size(), 1U);
  for (const auto& message : page_->Of(WM_APPLY_CELL)) EXPECT_EQ(message.lParam, 0);
}

TEST_F(CustomCodeButtonsTest, PasteCancelledStillReappliesTheChoice) {
  PutOnClipboard(L"print 1");
  winsim::AnswerModalDialog(IDD_SCRIPT_NAME, [](HWND dialog) { ClickItem(dialog, IDCANCEL); });
  Press(kIconButtonScriptPaste);
  EXPECT_EQ(scripts().Count(), 1);
  EXPECT_EQ(frame_->Of(ScriptsChangedMessage).size(), 1U);
  EXPECT_EQ(page_->Of(WM_APPLY_CELL).size(), 1U);

  // Nothing on the clipboard, or a clipboard that cannot be opened: no dialog, no messages.
  winsim::ResetClipboard();
  Press(kIconButtonScriptPaste);
  PutOnClipboard(L"print 1");
  winsim::SetClipboardOpenFails(true);
  Press(kIconButtonScriptPaste);
  winsim::SetClipboardOpenFails(false);
  EXPECT_EQ(frame_->Of(ScriptsChangedMessage).size(), 1U);
  EXPECT_EQ(page_->Of(WM_APPLY_CELL).size(), 1U);
}

TEST_F(CustomCodeButtonsTest, PasteReadsNoFurtherThanAnUnterminatedBlock) {
  PutOnClipboard(L"print 4", false);
  winsim::AnswerModalDialog(IDD_SCRIPT_NAME, [](HWND dialog) { ClickItem(dialog, IDOK); });
  Press(kIconButtonScriptPaste);
  ASSERT_EQ(scripts().Count(), 2);
  std::wstring name;
  std::wstring body;
  ASSERT_TRUE(scripts().GetScript(scripts().GetScriptIdAt(1), name, body));
  EXPECT_EQ(body, L"print 4");
}

TEST_F(CustomCodeButtonsTest, PasteWithoutTheScriptsDocumentWarns) {
  PutOnClipboard(L"print 1");
  GetTalvo().Clear();
  winsim::AnswerModalDialog(IDD_SCRIPT_NAME, [](HWND dialog) { ClickItem(dialog, IDOK); });
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(L"Can't find script XML. Changes ignored.", L"Warning!"));
  Press(kIconButtonScriptPaste);
  EXPECT_EQ(winsim::PendingModalAnswers(), 0U);
  EXPECT_EQ(cell_.scriptId, L"Not Selected");
  EXPECT_EQ(frame_->Of(ScriptsChangedMessage).size(), 1U);
  EXPECT_EQ(page_->Of(WM_APPLY_CELL).size(), 1U);
}

// The script window the file opens in is checked with the editor window's script commands.
TEST_F(CustomCodeButtonsTest, OpenStartsOnTheDesktopAndACancelledDialogOpensNothing) {
  const auto desktop = root_ / "Desktop";
  std::filesystem::create_directories(desktop);
  winsim::SetDesktopFolder(WidePath(desktop));
  std::ofstream(desktop / "tool.ms") << "print 1";
  winsim::AnswerFileDialog(L"tool.ms", winsim::FileDialogKind::Open);
  Press(kIconButtonScriptOpen);
  EXPECT_EQ(winsim::ModalLog().back().caption, L"Open Script");
  EXPECT_EQ(winsim::ModalLog().back().initialDir, WidePath(desktop));
  HWND window = ScriptWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(ScriptWindowText(window), L"print 1");
  winsim::AnswerModalDialog(IDD_SCRIPT_NAME, [](HWND dialog) { ClickItem(dialog, IDCANCEL); });
  ::SendMessageW(window, WM_CLOSE, 0, 0);

  winsim::CancelFileDialog(winsim::FileDialogKind::Open);
  Press(kIconButtonScriptOpen);
  EXPECT_EQ(ScriptWindow(), nullptr);
  EXPECT_TRUE(frame_->IsWindowEnabled());
}

TEST_F(CustomCodeButtonsTest, DeleteAsksAndRemovesTheChosenScriptNamingItsUsers) {
  // "Not Selected": no question, nothing done.
  Press(kIconButtonScriptDelete);
  EXPECT_TRUE(winsim::ModalLog().empty());

  XmlFunction* function = GetTalvo().CreateFunction(kKindSingleTap);
  const CaseKeys keys{kInputSingleTap, kModeGlobal, 0, 1, 3};
  function->AddAction(keys);
  function->SetCaseGroup(keys, kGroupCustomCode);
  function->SetCaseScript(keys, bevelId_);
  const winsim::ModalMatch question(L"Delete source script?\n\nThe script is still chosen in cases of \"" +
                                        function->GetName() +
                                        L"\". Those cases will run nothing until another script is chosen.",
                                    L"Quillon");
  Choose(bevelId_);
  winsim::AnswerMessageBox(IDNO, question);
  Press(kIconButtonScriptDelete);
  EXPECT_TRUE(scripts().HasScript(bevelId_));
  EXPECT_TRUE(frame_->Of(ScriptsChangedMessage).empty());
  EXPECT_EQ(winsim::ModalLog().back().flags & (MB_YESNO | MB_ICONQUESTION),
            static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));

  winsim::AnswerMessageBox(IDYES, question);
  Press(kIconButtonScriptDelete);
  EXPECT_FALSE(scripts().HasScript(bevelId_));
  EXPECT_EQ(ScriptNames().size(), 1U);
  EXPECT_EQ(frame_->Of(ScriptsChangedMessage).size(), 1U);
}

TEST_F(CustomCodeButtonsTest, ButtonsWithoutADropDownDoNothing) {
  IconButton orphan(grid_.get(), 1, 10, nullptr);
  orphan.mode = kIconButtonScriptDelete;
  EXPECT_EQ(page_->SendMessage(WM_CUSTOM_CODE_BUTTON, 0, 0), 0);
  EXPECT_EQ(page_->SendMessage(WM_CUSTOM_CODE_BUTTON, 0, reinterpret_cast<LPARAM>(&orphan)), 0);
  orphan.value = grid_.get();  // not a drop-down
  EXPECT_EQ(page_->SendMessage(WM_CUSTOM_CODE_BUTTON, 0, reinterpret_cast<LPARAM>(&orphan)), 0);
  EXPECT_TRUE(winsim::ModalLog().empty());
}

}  // namespace
}  // namespace Talvo::testing
