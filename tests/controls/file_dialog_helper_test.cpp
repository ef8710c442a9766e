// FileDialogHelper: what the open dialog is given, the chosen path, and a path that does not fit the path
// buffer.
#include "controls/file_dialog_helper.h"

#include <windows.h>

#include <fstream>

#include "controls_fixture.h"
#include "model/editor_window.h"

namespace Talvo::testing {
namespace {

class FileDialogHelperTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    desktop_ = root_ / "Desktop";
    std::filesystem::create_directories(desktop_);
    winsim::SetDesktopFolder(WidePath(desktop_));
  }
  std::filesystem::path desktop_;
};

TEST_F(FileDialogHelperTest, OpenStartsOnTheDesktopOverTheEditorWindowAndKeepsTheChosenPath) {
  CWnd* editor = CreateParent();
  SetEditorWindow(editor->m_hWnd);
  std::ofstream(desktop_ / "options.xml").put('x');
  FileDialogHelper dialog;
  dialog.filter = {{L"All", L"*.*"}, {L"Xml", L"*.XML"}};
  dialog.filterIndex = 2;
  winsim::AnswerFileDialog(L"options.xml", winsim::FileDialogKind::Open);
  ASSERT_TRUE(dialog.Open());
  EXPECT_EQ(dialog.GetPath(), WidePath(desktop_ / "options.xml"));
  const winsim::ModalRecord record = winsim::ModalLog().back();
  EXPECT_EQ(record.window, editor->m_hWnd);
  EXPECT_EQ(record.initialDir, WidePath(desktop_));
  EXPECT_EQ(record.filter, dialog.filter);
  EXPECT_EQ(record.filterIndex, 2u);
  SetEditorWindow(nullptr);
}

TEST_F(FileDialogHelperTest, PathTooLongForTheBufferIsRefusedWithAMessage) {
  FileDialogHelper dialog(CreateParent()->m_hWnd);
  const std::wstring longPath = WidePath(desktop_) + L"/" + std::wstring(300, L'p') + L".xml";
  winsim::AnswerFileDialog(longPath, winsim::FileDialogKind::Save);
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch::TextContaining(L"too long"));
  EXPECT_FALSE(dialog.Save());
  EXPECT_TRUE(dialog.GetPath().empty());
  EXPECT_EQ(winsim::ModalLog().back().kind, winsim::ModalKind::MessageBox);

  // An initial name that would not fit is not handed to the dialog.
  dialog.SetPath(std::wstring(400, L'n'));
  winsim::CancelFileDialog();
  EXPECT_FALSE(dialog.Open());
  EXPECT_EQ(winsim::ModalLog().back().text, L"");
}

}  // namespace
}  // namespace Talvo::testing
