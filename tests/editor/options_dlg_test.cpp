// The options dialog's commands: loading options from a file, saving a copy, resetting, writing the keyboard
// chart, and what closing the dialog does (hooks, saving); with screenshots in both themes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "controls/controls_fixture.h"
#include "options_fixture.h"

namespace Talvo::testing {
namespace {

using winsim::FileDialogKind;
using winsim::ModalMatch;

constexpr char kCustomOptions[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<talvooptions><general>"
    "<option name=\"deactivate\" value=\"1\" title=\"Switch off\"/>"
    "<option name=\"noverbosity\" value=\"1\" title=\"Quiet\"/>"
    "</general><tapthreshold value=\"700\"/></talvooptions>\n";

int ThresholdShown(OptionsDlg& dialog) {
  OptionsGridCtrl& grid = dialog.GetEditorTab()->GetGrid();
  auto* cell = dynamic_cast<GridCellSpinEdit*>(grid.GetCell(grid.GetRowCount() - 1, 1));
  return cell != nullptr && cell->GetSpinEdit() != nullptr ? cell->GetSpinEdit()->GetIntValue() : -1;
}

// The first modal of that kind so far (a default record when there was none).
winsim::ModalRecord FirstModal(winsim::ModalKind kind) {
  for (const winsim::ModalRecord& record : winsim::ModalLog()) {
    if (record.kind == kind) return record;
  }
  return {};
}

using OptionsDlgTest = OptionsDialogTest;

TEST_F(OptionsDlgTest, LoadTakesAnOptionsFileButKeepsTheProgramsOwnFileAndATapThresholdOf300) {
  const std::filesystem::path loaded = WriteFile("mine.xml", kCustomOptions);
  const std::wstring ownName = Options().GetName();
  const std::filesystem::path ownFile = Options().GetFilePath();
  TapWindow = 450;
  winsim::AnswerFileDialog(loaded.wstring(), FileDialogKind::Open, ModalMatch::Caption(L"Open Quillon Options"));
  RunDialog([&](OptionsDlg& dialog, HWND window) {
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_LOAD, BN_CLICKED), 0);
    EXPECT_EQ(Options().Count(kOptionsGeneral), 2);
    EXPECT_EQ(Options().GetOption(kOptionsGeneral, L"deactivate"), 1);
    EXPECT_TRUE(NoVerbosity);
    // Whatever the file held, the threshold is 300 again.
    EXPECT_EQ(TapWindow, 300);
    EXPECT_EQ(Options().GetTapThreshold(), 300);
    EXPECT_EQ(ThresholdShown(dialog), 300);
    EXPECT_EQ(dialog.GetEditorTab()->GetGrid().GetRowCount(), 3);
    EXPECT_EQ(Options().GetName(), ownName);
  });
  const winsim::ModalRecord open = FirstModal(winsim::ModalKind::OpenFileDialog);
  ASSERT_EQ(open.filter.size(), 1U);
  EXPECT_EQ(open.filter.front(), std::make_pair(std::wstring(L"All"), std::wstring(L"*.*")));
  // Closing saved the loaded options under the program's own file; the chosen file is untouched.
  EXPECT_NE(ReadBytes(ownFile).find("Switch off"), std::string::npos);
  EXPECT_EQ(ReadBytes(loaded), kCustomOptions);
  EXPECT_FALSE(std::filesystem::exists(ownFile.parent_path() / "mine.xml"));
  // "deactivate" was set: the hooks are off.
  EXPECT_FALSE(KeyHooksInstalled());
}

TEST_F(OptionsDlgTest, LoadingSomethingElseKeepsTheCurrentOptionsAndSaysSo) {
  const std::filesystem::path foreign = WriteFile("foreign.xml", "<profile><name>x</name></profile>");
  const std::filesystem::path broken = WriteFile("broken.xml", "<talvooptions><general>");
  Options().SetOption(kOptionsGeneral, L"allcategories", 1);
  winsim::AnswerFileDialog(foreign.wstring(), FileDialogKind::Open);
  winsim::AnswerMessageBox(IDOK, ModalMatch::TextContaining(L"Not an options file"));
  winsim::AnswerFileDialog(broken.wstring(), FileDialogKind::Open);
  winsim::AnswerMessageBox(IDOK, ModalMatch::TextContaining(L"Can't load file!"));
  winsim::CancelFileDialog(FileDialogKind::Open);
  RunDialog([&](OptionsDlg& dialog, HWND window) {
    TapWindow = 800;
    // A foreign file, a broken file and a cancelled dialog: the options and the threshold stay as they were.
    for (int attempt = 0; attempt < 3; ++attempt) {
      ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_LOAD, BN_CLICKED), 0);
      EXPECT_EQ(Options().GetOption(kOptionsGeneral, L"allcategories"), 1) << attempt;
      EXPECT_EQ(TapWindow, 800) << attempt;
    }
    EXPECT_EQ(dialog.GetEditorTab()->GetGrid().GetRowCount(), 6);
  });
  EXPECT_EQ(winsim::PendingModalAnswers(), 0U);
}

TEST_F(OptionsDlgTest, SaveWritesACopyAndReportsAFailure) {
  const std::filesystem::path ownFile = Options().GetFilePath();
  const std::string ownText = ReadBytes(ownFile);
  const std::filesystem::path copy = root_ / "copy";
  const std::filesystem::path folder = root_ / "a folder.xml";
  std::filesystem::create_directories(folder);
  winsim::AnswerFileDialog(copy.wstring(), FileDialogKind::Save, ModalMatch::Caption(L"Save Current Options"));
  winsim::AnswerFileDialog(folder.wstring(), FileDialogKind::Save);
  winsim::AnswerMessageBox(IDYES, ModalMatch::TextContaining(L"already exists"));
  winsim::AnswerMessageBox(IDOK, ModalMatch(L"Can't save file!\n" + folder.wstring(), L"Error"));
  RunDialog([&](OptionsDlg&, HWND window) {
    Options().SetOption(kOptionsGeneral, L"allcategories", 1);
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_SAVE, BN_CLICKED), 0);
    ASSERT_TRUE(std::filesystem::exists(root_ / "copy.xml"));
    EXPECT_NE(ReadBytes(root_ / "copy.xml").find("\"allcategories\" value=\"1\""), std::string::npos);
    // The program's own file waits for the dialog to close.
    EXPECT_EQ(ReadBytes(ownFile), ownText);
    EXPECT_FALSE(Options().IsSaved());

    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_SAVE, BN_CLICKED), 0);
  });
  EXPECT_EQ(FirstModal(winsim::ModalKind::SaveFileDialog).defaultExtension, L"xml");
  EXPECT_EQ(winsim::PendingModalAnswers(), 0U);
}

TEST_F(OptionsDlgTest, ResetGivesTheDefaultsAndATapThresholdOf300) {
  RunDialog([&](OptionsDlg& dialog, HWND window) {
    Options().SetOption(kOptionsGeneral, L"noverbosity", 1);
    Options().SetOption(kOptionsGeneral, L"overrideshortcuts", 0);
    Options().SetTapThreshold(900);
    TapWindow = 900;
    NoVerbosity = true;
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_RESET, BN_CLICKED), 0);
    EXPECT_EQ(Options().GetOption(kOptionsGeneral, L"noverbosity"), 0);
    EXPECT_EQ(Options().GetOption(kOptionsGeneral, L"overrideshortcuts"), 1);
    EXPECT_EQ(TapWindow, 300);
    EXPECT_EQ(Options().GetTapThreshold(), 300);
    EXPECT_EQ(ThresholdShown(dialog), 300);
    EXPECT_FALSE(NoVerbosity);
    auto* overrideShortcuts = dynamic_cast<CGridCellCheck*>(dialog.GetEditorTab()->GetGrid().GetCell(4, 1));
    ASSERT_NE(overrideShortcuts, nullptr);
    EXPECT_TRUE(overrideShortcuts->GetCheck());
  });
}

TEST_F(OptionsDlgTest, ClosingAppliesDeactivateAndSavesTheOptions) {
  const std::filesystem::path ownFile = Options().GetFilePath();
  // Checked: closing removes the hooks and stores the check.
  InstallKeyHooks();
  RunDialog([&](OptionsDlg& dialog, HWND) {
    dynamic_cast<CGridCellCheck*>(dialog.GetEditorTab()->GetGrid().GetCell(1, 1))->SetCheck(TRUE);
  });
  EXPECT_FALSE(KeyHooksInstalled());
  EXPECT_TRUE(Options().IsSaved());
  EXPECT_NE(ReadBytes(ownFile).find("\"deactivate\" value=\"1\""), std::string::npos);

  // Unchecked again: closing installs them.
  RunDialog([&](OptionsDlg& dialog, HWND) {
    dynamic_cast<CGridCellCheck*>(dialog.GetEditorTab()->GetGrid().GetCell(1, 1))->SetCheck(FALSE);
  });
  EXPECT_TRUE(KeyHooksInstalled());
  EXPECT_NE(ReadBytes(ownFile).find("\"deactivate\" value=\"0\""), std::string::npos);

  // The listener switch follows the document when the dialog closes.
  Options().SetOption(kOptionsGeneral, L"noverbosity", 1);
  RunDialog([](OptionsDlg&, HWND) {});
  EXPECT_TRUE(NoVerbosity);
}

TEST_F(OptionsDlgTest, WriteKeyboardChartAsksWhereToWriteTheChart) {
  ASSERT_NE(GetTalvo().GetCurrentProfile(), nullptr);
  winsim::CancelFileDialog(FileDialogKind::Save, ModalMatch::Caption(L"Write Keyboard Chart..."));
  RunDialog([&](OptionsDlg&, HWND window) {
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_WRITE_CHART, BN_CLICKED), 0);
  });
  EXPECT_EQ(winsim::PendingModalAnswers(), 0U);
}

TEST_F(OptionsDlgTest, ScreenshotsInBothThemes) {
  for (const AppFrameColorTheme theme : {kLightTheme, kDarkTheme}) {
    SetTheme(theme);
    RunDialog([&](OptionsDlg& dialog, HWND window) {
      const std::string name = theme == kLightTheme ? "options_dlg_light.png" : "options_dlg_dark.png";
      ASSERT_TRUE(winsim::SaveWindowPng(window, (ControlsTestOutput() / name).string()));
      // The grid paints in the host's colours of the theme.
      const winsim::Image grid = winsim::CaptureWindow(dialog.GetEditorTab()->GetGrid().m_hWnd);
      EXPECT_EQ(grid.Pixel(grid.width - 20, grid.height - 20), ColorMan()->GetColor(kBackground));
    });
  }
}

}  // namespace
}  // namespace Talvo::testing
