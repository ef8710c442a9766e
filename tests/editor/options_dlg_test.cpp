// The options dialog: loading options from a file, saving a copy, resetting, writing the keyboard chart,
// what closing the dialog does (hooks, saving), the no-verbosity switch the listener output follows, and its
// "General" page: the rows it builds from the options document, the check cells, the tap-threshold editor
// and the keys it swallows.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "controls/controls_fixture.h"
#include "editor/options_dlg.h"
#include "editor/options_editor_tab.h"
#include "editor_test_helpers.h"
#include "engine/key_hooks.h"
#include "model/talvo.h"
#include "pagebase/no_verbosity.h"
#include "resources/dialogs/options_dlg.h"
#include "resources/dialogs/options_editor_tab.h"

namespace Talvo::testing {
namespace {

// The documents loaded from a fresh data folder, the tap window at its default, and the dialog run modally
// with a test body inside its modal loop.
class OptionsDialogTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    ASSERT_TRUE(GetTalvo().Load());
    TapWindow = kDefaultTapWindow;
    NoVerbosity = false;
    parent_ = CreateParent(800, 600, 20, 20);
  }
  void TearDown() override {
    RemoveKeyHooks();
    GetTalvo().Clear();
    TapWindow = kDefaultTapWindow;
    NoVerbosity = false;
    ControlsTest::TearDown();
  }

  XmlOptions& Options() { return *GetTalvo().GetOptions(); }

  // Runs the options dialog; `body` runs inside its modal loop. The dialog is then closed (as with the caption's
  // close box) unless the body ended it. Returns DoModal's result.
  INT_PTR RunDialog(const std::function<void(OptionsDlg&, HWND)>& body) {
    OptionsDlg dialog(parent_);
    winsim::AnswerModalDialog(IDD_OPTIONS, [&](HWND window) {
      body(dialog, window);
      if (::IsWindow(window)) ::EndDialog(window, IDCANCEL);
    });
    return dialog.DoModal();
  }

  // The page and its grid of a running dialog.
  static OptionsEditorTab& Page(OptionsDlg& dialog) { return *dialog.GetEditorTab(); }
  static OptionsGridCtrl& Grid(OptionsDlg& dialog) { return Page(dialog).GetGrid(); }

  // A file in the test's root folder with this text.
  std::filesystem::path WriteFile(const std::string& name, const std::string& text) {
    WriteBytes(root_ / name, text);
    return root_ / name;
  }

  CWnd* parent_ = nullptr;
};

// Rows of the default options document: "learningoff" keeps an empty row, the threshold comes last.
constexpr int kLearningOffRow = 0;
constexpr int kNoVerbosityRow = 3;
constexpr int kThresholdRow = 5;

CGridCellCheck* CheckCell(CGridCtrl& grid, int row) { return dynamic_cast<CGridCellCheck*>(grid.GetCell(row, 1)); }

// The tap-threshold editor of the grid's last row.
CellSpinEdit& ThresholdEditor(CGridCtrl& grid) {
  return *dynamic_cast<GridCellSpinEdit&>(*grid.GetCell(grid.GetRowCount() - 1, 1)).GetSpinEdit();
}

// The screen point at the centre of a cell's check box (the grid must have been painted).
POINT CheckBoxCentre(CGridCtrl& grid, int row) {
  const CRect box = CheckCell(grid, row)->GetCheckPlacement();
  POINT point{box.CenterPoint().x, box.CenterPoint().y};
  ::ClientToScreen(grid.m_hWnd, &point);
  return point;
}

TEST_F(OptionsDialogTest, TheGridListsTheOptionsAndTheTapThreshold) {
  TapWindow = 450;
  RunDialog([&](OptionsDlg& dialog, HWND) {
    OptionsGridCtrl& grid = Grid(dialog);
    ASSERT_EQ(grid.GetRowCount(), kThresholdRow + 1);
    EXPECT_EQ(grid.GetItemText(kLearningOffRow, 0), L"");
    EXPECT_EQ(CheckCell(grid, kLearningOffRow), nullptr);
    EXPECT_EQ(grid.GetItemText(kThresholdRow, 0), L"Tap threshold for multitap (min = 50ms, max = 1000ms)");
    EXPECT_EQ(ThresholdEditor(grid).GetIntValue(), 450);
    EXPECT_TRUE(ThresholdEditor(grid).IsWindowVisible());
    // Showing the options changes nothing in the document.
    EXPECT_TRUE(Options().IsSaved());
  });
}

TEST_F(OptionsDialogTest, FillingAddsAMissingNoVerbositySwitch) {
  const std::string withoutSwitch =
      "<talvooptions><general>"
      "<option name=\"deactivate\" value=\"1\" title=\"Off\"/>"
      "<option name=\"allcategories\" value=\"0\" title=\"All\"/>"
      "</general><tapthreshold value=\"300\"/></talvooptions>";
  ASSERT_EQ(Options().Parse(withoutSwitch), kXmlOk);
  RunDialog([&](OptionsDlg& dialog, HWND) {
    OptionsGridCtrl& grid = Grid(dialog);
    ASSERT_EQ(grid.GetRowCount(), 4);
    EXPECT_TRUE(Options().HasOption(kOptionsGeneral, L"noverbosity"));
    EXPECT_FALSE(CheckCell(grid, 2)->GetCheck());
    EXPECT_TRUE(CheckCell(grid, 0)->GetCheck());
  });
}

TEST_F(OptionsDialogTest, ClickingACheckBoxSwitchesTheOptionAndTheListenerSwitch) {
  RunDialog([&](OptionsDlg& dialog, HWND) {
    OptionsGridCtrl& grid = Grid(dialog);
    winsim::CaptureWindow(grid.m_hWnd);  // paints, so the cells know where their boxes are
    const POINT box = CheckBoxCentre(grid, kNoVerbosityRow);
    winsim::Click(box.x, box.y);
    EXPECT_EQ(Options().GetOption(kOptionsGeneral, L"noverbosity"), 1);
    EXPECT_TRUE(NoVerbosity);
    EXPECT_FALSE(Options().IsSaved());

    // A click outside the box of the selected cell leaves it alone; a second click on the box clears it.
    CRect cell;
    grid.GetCellRect(kNoVerbosityRow, 1, &cell);
    POINT away{cell.right - 10, cell.CenterPoint().y};
    ::ClientToScreen(grid.m_hWnd, &away);
    winsim::Click(away.x, away.y);
    EXPECT_EQ(Options().GetOption(kOptionsGeneral, L"noverbosity"), 1);
    winsim::Click(box.x, box.y);
    EXPECT_FALSE(NoVerbosity);

    // A change message that names no check cell of the grid does nothing.
    CGridCellCheck stranger;
    Page(dialog).SendMessage(WM_GRID_CHECK_CHANGED, 0, reinterpret_cast<LPARAM>(&stranger));
    Page(dialog).SendMessage(WM_GRID_CHECK_CHANGED, 0, 0);
    EXPECT_EQ(Options().GetOption(kOptionsGeneral, L"noverbosity"), 0);
  });
}

TEST_F(OptionsDialogTest, TheThresholdEditorStoresTheTapWindowWithinItsBounds) {
  RunDialog([&](OptionsDlg& dialog, HWND) {
    OptionsGridCtrl& grid = Grid(dialog);
    CellSpinEdit& editor = ThresholdEditor(grid);
    editor.SetUserValue(640);
    editor.FinishUserEdit(300);
    EXPECT_EQ(TapWindow, 640);
    EXPECT_EQ(Options().GetTapThreshold(), 640);
    editor.SetUserValue(5000);
    editor.FinishUserEdit(640);
    EXPECT_EQ(TapWindow, 1000);

    // A report that names another cell or another editor is ignored.
    grid.SendMessage(NEN_CHANGED, MAKEWPARAM(kThresholdRow, 1), 0x1234);
    grid.SendMessage(NEN_CHANGED, MAKEWPARAM(2, 1), reinterpret_cast<LPARAM>(&editor));
    grid.SendMessage(NEN_CHANGED, MAKEWPARAM(99, 7), reinterpret_cast<LPARAM>(&editor));
    EXPECT_EQ(Options().GetTapThreshold(), 1000);
  });
}

TEST_F(OptionsDialogTest, EnterAndEscapeInsideThePageNeverCloseTheDialog) {
  RunDialog([&](OptionsDlg& dialog, HWND window) {
    OptionsGridCtrl& grid = Grid(dialog);
    grid.SetFocus();
    grid.SetFocusCell(1, 1);
    winsim::KeyPress(VK_RETURN);
    winsim::KeyPress(VK_ESCAPE);
    winsim::KeyPress(VK_DOWN);  // other keys reach the grid
    EXPECT_EQ(grid.GetFocusCell().row, 2);
    ThresholdEditor(grid).GetTextPart().SetFocus();
    winsim::KeyPress(VK_ESCAPE);
    winsim::KeyPress(VK_RETURN);
    EXPECT_TRUE(::IsWindowVisible(window));

    // Escape on a button of the dialog itself closes it.
    ::SetFocus(::GetDlgItem(window, IDC_OPTIONS_RESET));
    winsim::KeyPress(VK_ESCAPE);
    EXPECT_FALSE(::IsWindowVisible(window));
  });
}

using winsim::FileDialogKind;
using winsim::ModalMatch;

constexpr char kCustomOptions[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<talvooptions><general>"
    "<option name=\"deactivate\" value=\"1\" title=\"Switch off\"/>"
    "<option name=\"noverbosity\" value=\"1\" title=\"Quiet\"/>"
    "</general><tapthreshold value=\"700\"/></talvooptions>\n";

TEST_F(OptionsDialogTest, LoadTakesAnOptionsFileButKeepsTheProgramsOwnFileAndATapThresholdOf300) {
  const std::filesystem::path loaded = WriteFile("mine.xml", kCustomOptions);
  const std::filesystem::path ownFile = Options().GetFilePath();
  TapWindow = 450;
  winsim::AnswerFileDialog(WidePath(loaded), FileDialogKind::Open, ModalMatch::Caption(L"Open Quillon Options"));
  RunDialog([&](OptionsDlg& dialog, HWND window) {
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_LOAD, BN_CLICKED), 0);
    EXPECT_TRUE(NoVerbosity);
    // Whatever the file held, the threshold is 300 again.
    EXPECT_EQ(TapWindow, 300);
    EXPECT_EQ(Options().GetTapThreshold(), 300);
    EXPECT_EQ(ThresholdEditor(Grid(dialog)).GetIntValue(), 300);
    EXPECT_EQ(dialog.GetEditorTab()->GetGrid().GetRowCount(), 3);
  });
  // Closing saved the loaded options under the program's own file; the chosen file is untouched.
  EXPECT_NE(ReadBytes(ownFile).find("Switch off"), std::string::npos);
  EXPECT_EQ(ReadBytes(loaded), kCustomOptions);
  EXPECT_FALSE(KeyHooksInstalled());  // "deactivate" was set
}

TEST_F(OptionsDialogTest, LoadingSomethingElseKeepsTheCurrentOptionsAndSaysSo) {
  const std::filesystem::path foreign = WriteFile("foreign.xml", "<profile><name>x</name></profile>");
  const std::filesystem::path broken = WriteFile("broken.xml", "<talvooptions><general>");
  Options().SetOption(kOptionsGeneral, L"allcategories", 1);
  winsim::AnswerFileDialog(WidePath(foreign), FileDialogKind::Open);
  winsim::AnswerMessageBox(IDOK, ModalMatch::TextContaining(L"Not an options file"));
  winsim::AnswerFileDialog(WidePath(broken), FileDialogKind::Open);
  winsim::AnswerMessageBox(IDOK, ModalMatch::TextContaining(L"Can't load file!"));
  const std::filesystem::path unreadable = root_ / "folder.xml";  // a folder: there, but no file to read
  std::filesystem::create_directories(unreadable);
  winsim::AnswerFileDialog(WidePath(unreadable), FileDialogKind::Open);
  winsim::AnswerMessageBox(IDOK, ModalMatch(L"Can't load file!\n" + WidePath(unreadable), L"Error"));
  winsim::CancelFileDialog(FileDialogKind::Open);
  RunDialog([&](OptionsDlg& dialog, HWND window) {
    TapWindow = 800;
    // A foreign file, a broken file, a file that cannot be opened and a cancelled dialog: the options and the
    // threshold stay as they were.
    for (int attempt = 0; attempt < 4; ++attempt) {
      ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_LOAD, BN_CLICKED), 0);
      EXPECT_EQ(Options().GetOption(kOptionsGeneral, L"allcategories"), 1) << attempt;
      EXPECT_EQ(TapWindow, 800) << attempt;
    }
    EXPECT_EQ(dialog.GetEditorTab()->GetGrid().GetRowCount(), 6);
  });
  EXPECT_EQ(winsim::PendingModalAnswers(), 0U);
}

TEST_F(OptionsDialogTest, SaveWritesACopyAndReportsAFailure) {
  const std::filesystem::path ownFile = Options().GetFilePath();
  const std::string ownText = ReadBytes(ownFile);
  const std::filesystem::path copy = root_ / "copy";
  const std::filesystem::path folder = root_ / "a folder.xml";
  std::filesystem::create_directories(folder);
  winsim::AnswerFileDialog(WidePath(copy), FileDialogKind::Save, ModalMatch::Caption(L"Save Current Options"));
  winsim::AnswerFileDialog(WidePath(folder), FileDialogKind::Save);
  winsim::AnswerMessageBox(IDYES, ModalMatch::TextContaining(L"already exists"));
  winsim::AnswerMessageBox(IDOK, ModalMatch(L"Can't save file!\n" + WidePath(folder), L"Error"));
  RunDialog([&](OptionsDlg&, HWND window) {
    Options().SetOption(kOptionsGeneral, L"allcategories", 1);
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_SAVE, BN_CLICKED), 0);
    ASSERT_TRUE(std::filesystem::exists(root_ / "copy.xml"));
    EXPECT_NE(ReadBytes(root_ / "copy.xml").find("\"allcategories\" value=\"1\""), std::string::npos);
    // The program's own file waits for the dialog to close.
    EXPECT_EQ(ReadBytes(ownFile), ownText);
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_SAVE, BN_CLICKED), 0);
  });
  EXPECT_EQ(winsim::PendingModalAnswers(), 0U);
}

TEST_F(OptionsDialogTest, ResetGivesTheDefaultsAndATapThresholdOf300) {
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
    EXPECT_EQ(ThresholdEditor(Grid(dialog)).GetIntValue(), 300);
    EXPECT_FALSE(NoVerbosity);
  });
}

TEST_F(OptionsDialogTest, ClosingAppliesDeactivateAndSavesTheOptions) {
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

TEST_F(OptionsDialogTest, WriteKeyboardChartAsksWhereToWriteTheChart) {
  ASSERT_NE(GetTalvo().GetCurrentProfile(), nullptr);
  winsim::CancelFileDialog(FileDialogKind::Save, ModalMatch::Caption(L"Write Keyboard Chart..."));
  RunDialog([&](OptionsDlg&, HWND window) {
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_WRITE_CHART, BN_CLICKED), 0);
  });
  EXPECT_EQ(winsim::PendingModalAnswers(), 0U);
}

TEST_F(OptionsDialogTest, TheSavedNoVerbosityHoldsFromStartUp) {
  Options().SetOption(kOptionsGeneral, L"noverbosity", 1);
  ASSERT_TRUE(Options().Save());
  GetTalvo().Clear();
  ReadNoVerbosity();
  EXPECT_FALSE(NoVerbosity);  // without an options document the switch is off
  ASSERT_TRUE(GetTalvo().Load());
  ReadNoVerbosity();
  EXPECT_TRUE(NoVerbosity);
}

}  // namespace
}  // namespace Talvo::testing
