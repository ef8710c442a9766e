// FileDialogHelper: what the open and save dialogs are given, the chosen path, and a path that does
// not fit the path buffer.
#include "controls/file_dialog_helper.h"

#include <windows.h>

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
    winsim::SetDesktopFolder(desktop_.wstring());
  }
  std::filesystem::path desktop_;
};

TEST_F(FileDialogHelperTest, OpenShowsTheFieldsAndKeepsTheChosenPath) {
  CWnd* editor = CreateParent();
  SetEditorWindow(editor->m_hWnd);
  const std::wstring file = (desktop_ / "options.xml").wstring();
  FILE* handle = std::fopen((desktop_ / "options.xml").c_str(), "w");
  std::fclose(handle);

  FileDialogHelper dialog;
  dialog.title = L"Open Quillon WheelEvents";
  dialog.filter = {{L"All", L"*.*"}, {L"Xml", L"*.XML"}};
  dialog.filterIndex = 2;
  dialog.flags = 0x1804;
  winsim::AnswerFileDialog(L"options.xml", winsim::FileDialogKind::Open);
  ASSERT_TRUE(dialog.Open());
  EXPECT_EQ(dialog.GetPath(), file);

  const winsim::ModalRecord record = winsim::ModalLog().back();
  EXPECT_EQ(record.kind, winsim::ModalKind::OpenFileDialog);
  EXPECT_EQ(record.window, editor->m_hWnd);
  EXPECT_EQ(record.caption, L"Open Quillon WheelEvents");
  EXPECT_EQ(record.initialDir, desktop_.wstring());
  EXPECT_EQ(record.filter, (std::vector<std::pair<std::wstring, std::wstring>>{{L"All", L"*.*"}, {L"Xml", L"*.XML"}}));
  EXPECT_EQ(record.filterIndex, 2u);
  EXPECT_EQ(record.flags, 0x1804u);

  // A file that does not exist can't be opened; cancel leaves no path chosen.
  winsim::CancelFileDialog();
  EXPECT_FALSE(dialog.Open());
  SetEditorWindow(nullptr);
}

TEST_F(FileDialogHelperTest, SaveAppendsTheDefaultExtensionAndAsksBeforeOverwriting) {
  FileDialogHelper dialog(CreateParent()->m_hWnd);
  dialog.title = L"Export Current Profile";
  dialog.filter = {{L"Xml", L"*.XML"}};
  dialog.defaultExtension = L"xml";
  winsim::AnswerFileDialog(L"profile", winsim::FileDialogKind::Save);
  ASSERT_TRUE(dialog.Save());
  EXPECT_EQ(dialog.GetPath(), (desktop_ / "profile.xml").wstring());
  EXPECT_TRUE(winsim::ModalLog().back().flags & OFN_OVERWRITEPROMPT);
  EXPECT_EQ(winsim::ModalLog().back().defaultExtension, L"xml");

  // Another start folder is taken as given.
  dialog.startFolder = root_.wstring();
  winsim::AnswerFileDialog(L"chart.txt", winsim::FileDialogKind::Save);
  ASSERT_TRUE(dialog.Save());
  EXPECT_EQ(dialog.GetPath(), (root_ / "chart.txt").wstring());
}

TEST_F(FileDialogHelperTest, PathTooLongForTheBufferIsRefusedWithAMessage) {
  FileDialogHelper dialog(CreateParent()->m_hWnd);
  dialog.defaultExtension = L"xml";
  const std::wstring longPath = desktop_.wstring() + L"/" + std::wstring(300, L'p') + L".xml";
  winsim::AnswerFileDialog(longPath, winsim::FileDialogKind::Save);
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch::TextContaining(L"too long"));
  EXPECT_FALSE(dialog.Save());
  EXPECT_TRUE(dialog.GetPath().empty());
  const winsim::ModalRecord box = winsim::ModalLog().back();
  EXPECT_EQ(box.kind, winsim::ModalKind::MessageBox);
  EXPECT_EQ(box.caption, L"Error");
  EXPECT_NE(box.text.find(L"259"), std::wstring::npos);

  // An initial name that would not fit is not handed to the dialog.
  dialog.SetPath(std::wstring(400, L'n'));
  winsim::CancelFileDialog();
  EXPECT_FALSE(dialog.Open());
  EXPECT_EQ(winsim::ModalLog().back().text, L"");
}

}  // namespace
}  // namespace Talvo::testing
