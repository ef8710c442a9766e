#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <windows.h>

#include <filesystem>
#include <string>

using winsim::ModalMatch;

namespace {

// Captures unexpected-modal reports instead of failing, for tests of the reports themselves.
class CapturedReports {
 public:
  CapturedReports() {
    previous_ = winsim::SetUnexpectedModalHandler([this](const std::wstring& text) { reports.push_back(text); });
  }
  ~CapturedReports() { winsim::SetUnexpectedModalHandler(previous_); }
  std::vector<std::wstring> reports;

 private:
  winsim::UnexpectedModalHandler previous_;
};

}  // namespace

TEST(MessageBoxes, AnsweredByTextOrCaptionAndLogged) {
  winsim::AnswerMessageBox(IDNO, ModalMatch::Text(L"Save changes?"));
  winsim::AnswerMessageBox(IDOK, ModalMatch::CaptionContaining(L"Warn"));
  HWND owner = reinterpret_cast<HWND>(0x42);
  EXPECT_EQ(MessageBoxW(nullptr, L"Can't save file!", L"Warning!", MB_OK | MB_ICONWARNING), IDOK);
  EXPECT_EQ(MessageBoxW(owner, L"Save changes?", L"Quillon", MB_YESNOCANCEL | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(winsim::PendingModalAnswers(), 0u);

  auto log = winsim::ModalLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].kind, winsim::ModalKind::MessageBox);
  EXPECT_EQ(log[0].text, L"Can't save file!");
  EXPECT_EQ(log[0].flags, static_cast<UINT>(MB_OK | MB_ICONWARNING));
  EXPECT_EQ(log[1].window, owner);
  EXPECT_EQ(log[1].caption, L"Quillon");
  EXPECT_EQ(log[1].result, IDNO);
  EXPECT_TRUE(log[1].answered);
}

TEST(MessageBoxes, QueuedAnswersComeBeforeStandingOnesAndANullCaptionIsError) {
  winsim::AnswerMessageBox(IDRETRY, {}, winsim::Repeat::Always);
  winsim::AnswerMessageBox(IDCANCEL);
  EXPECT_EQ(MessageBoxW(nullptr, L"Disk full", nullptr, MB_RETRYCANCEL), IDCANCEL);
  EXPECT_EQ(MessageBoxW(nullptr, L"Disk full", nullptr, MB_RETRYCANCEL), IDRETRY);
  EXPECT_EQ(MessageBoxW(nullptr, L"Disk full", nullptr, MB_RETRYCANCEL), IDRETRY);
  EXPECT_EQ(winsim::ModalLog().back().caption, L"Error");
}

TEST(MessageBoxes, AnUnexpectedBoxFailsTheTestAndTakesItsCancelAnswer) {
  int result = 0;
  EXPECT_NONFATAL_FAILURE(result = MessageBoxW(nullptr, L"Delete profile?", L"Quillon", MB_YESNO),
                          "Unexpected message box \"Delete profile?\" with caption \"Quillon\"");
  EXPECT_EQ(result, IDNO);
  EXPECT_FALSE(winsim::ModalLog().back().answered);
}

TEST(MessageBoxes, AButtonTheBoxDoesNotHaveIsReported) {
  CapturedReports captured;
  winsim::AnswerMessageBox(IDYES);
  EXPECT_EQ(MessageBoxW(nullptr, L"Done.", L"Quillon", MB_OKCANCEL), IDCANCEL);
  ASSERT_EQ(captured.reports.size(), 1u);
  EXPECT_NE(captured.reports[0].find(L"pressed button 6"), std::wstring::npos);
}

namespace {

class FileDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("talvo-dialogs-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder_);
    dir_ = folder_.wstring();
    ofn_.lStructSize = sizeof ofn_;
    ofn_.lpstrFilter = L"Xml\0*.XML\0All\0*.*\0";
    ofn_.nFilterIndex = 1;
    ofn_.lpstrFile = buffer_;
    ofn_.nMaxFile = MAX_PATH;
    ofn_.lpstrInitialDir = dir_.c_str();
    ofn_.lpstrTitle = L"Export Current Profile";
    ofn_.lpstrDefExt = L"xml";
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  void Touch(const std::wstring& name) { std::fclose(_wfopen((dir_ + L"\\" + name).c_str(), L"w")); }

  std::filesystem::path folder_;
  std::wstring dir_;
  wchar_t buffer_[MAX_PATH] = {};
  OPENFILENAMEW ofn_{};
};

}  // namespace

TEST_F(FileDialogs, SaveAppendsTheDefaultExtensionInTheInitialFolder) {
  ofn_.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
  winsim::AnswerFileDialog(L"profile", winsim::FileDialogKind::Save, ModalMatch::Caption(L"Export Current Profile"));
  ASSERT_TRUE(GetSaveFileNameW(&ofn_));
  std::wstring expected = dir_ + L"/profile.xml";
  EXPECT_EQ(std::wstring(buffer_), expected);
  EXPECT_STREQ(buffer_ + ofn_.nFileOffset, L"profile.xml");
  EXPECT_STREQ(buffer_ + ofn_.nFileExtension, L"xml");

  auto record = winsim::ModalLog().back();
  EXPECT_EQ(record.kind, winsim::ModalKind::SaveFileDialog);
  EXPECT_EQ(record.path, expected);
  ASSERT_EQ(record.filter.size(), 2u);
  EXPECT_EQ(record.filter[1], (std::pair<std::wstring, std::wstring>{L"All", L"*.*"}));
}

TEST_F(FileDialogs, SaveAsksBeforeReplacingAnExistingFile) {
  Touch(L"profile.xml");
  ofn_.Flags = OFN_OVERWRITEPROMPT;
  std::wstring path = dir_ + L"/profile.xml";
  winsim::AnswerFileDialog(L"profile.xml");
  winsim::AnswerMessageBox(IDNO, ModalMatch::TextContaining(L"already exists"));
  EXPECT_FALSE(GetSaveFileNameW(&ofn_));
  EXPECT_EQ(CommDlgExtendedError(), 0u);  // declined, not failed

  winsim::AnswerFileDialog(path);
  winsim::AnswerMessageBox(IDYES, ModalMatch::Text(path + L" already exists.\nDo you want to replace it?"));
  EXPECT_TRUE(GetSaveFileNameW(&ofn_));
  auto prompt = winsim::ModalLog().back();
  EXPECT_EQ(prompt.kind, winsim::ModalKind::MessageBox);
  EXPECT_EQ(prompt.caption, L"Export Current Profile");
  EXPECT_EQ(prompt.flags, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
}

TEST_F(FileDialogs, APathTooLongForTheBufferReportsTheSizeNeeded) {
  ofn_.nMaxFile = 8;
  winsim::AnswerFileDialog(L"a-rather-long-name.xml");
  EXPECT_FALSE(GetSaveFileNameW(&ofn_));
  EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(FNERR_BUFFERTOOSMALL));
  EXPECT_EQ(static_cast<size_t>(buffer_[0]), dir_.size() + 1 + 22 + 1);
}

TEST_F(FileDialogs, OpenRefusesAMissingFileAndCancelReturnsFalse) {
  ofn_.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  ofn_.lpstrDefExt = nullptr;
  winsim::AnswerFileDialog(L"missing.xml", winsim::FileDialogKind::Open);
  EXPECT_NONFATAL_FAILURE(GetOpenFileNameW(&ofn_), "missing.xml\" does not exist");

  winsim::CancelFileDialog();
  EXPECT_FALSE(GetOpenFileNameW(&ofn_));
  EXPECT_EQ(CommDlgExtendedError(), 0u);

  Touch(L"present.xml");
  winsim::AnswerFileDialog(L"present.xml", winsim::FileDialogKind::Save);  // a save answer: not for an open dialog
  winsim::AnswerFileDialog(L"present.xml", winsim::FileDialogKind::Open);
  EXPECT_TRUE(GetOpenFileNameW(&ofn_));
  EXPECT_EQ(winsim::PendingModalAnswers(), 1u);
  winsim::ResetModalResponder();
}

TEST_F(FileDialogs, AnswerInAMissingFolderIsRefusedWhenThePathMustExist) {
  ofn_.Flags = OFN_PATHMUSTEXIST;
  ofn_.nFilterIndex = 2;
  winsim::AnswerFileDialog(dir_ + L"\\Missing\\chart.txt");
  EXPECT_NONFATAL_FAILURE(GetSaveFileNameW(&ofn_), "the folder of");
  EXPECT_EQ(winsim::ModalLog().back().filterIndex, 2u);

  ofn_.Flags = 0;
  winsim::AnswerFileDialog(dir_ + L"\\chart.txt");  // a folder given with backslashes
  EXPECT_TRUE(GetSaveFileNameW(&ofn_));
  EXPECT_STREQ(buffer_ + ofn_.nFileOffset, L"chart.txt");  // it has an extension: none appended
}

TEST(Shell, ExecuteIsRecordedAndTheDesktopFolderCanBeMoved) {
  winsim::ClearShellExecuteLog();
  auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", L"https://example.com", nullptr, nullptr, 1));
  EXPECT_GT(result, 32);
  auto log = winsim::ShellExecuteLog();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].file, L"https://example.com");
  EXPECT_EQ(log[0].operation, L"open");

  wchar_t path[MAX_PATH];
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, path), S_OK);
  EXPECT_EQ(std::wstring(path), winsim::DesktopFolder());
  EXPECT_TRUE(GetFileAttributesW(path) & FILE_ATTRIBUTE_DIRECTORY);
  std::wstring moved = std::wstring(path) + L"\\Elsewhere";
  winsim::SetDesktopFolder(moved);
  EXPECT_TRUE(SHGetSpecialFolderPathW(nullptr, path, CSIDL_DESKTOP, FALSE));
  EXPECT_EQ(std::wstring(path), moved);
  RemoveDirectoryW(moved.c_str());
  winsim::SetDesktopFolder(L"");
  EXPECT_EQ(SHGetFolderPathW(nullptr, 0x0005, nullptr, 0, path), E_INVALIDARG);
}
