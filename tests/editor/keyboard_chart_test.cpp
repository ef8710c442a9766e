// The keyboard chart: its lines for a profile on a layout, and the command that writes it to a file.
#include <windows.h>
#include <win32/simulation.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "editor/keyboard_chart.h"
#include "editor/keyboard_chart_command.h"
#include "editor_test_helpers.h"
#include "model/talvo.h"
#include "model/vocabulary.h"
#include "support/data_folder_fixture.h"

namespace Talvo {
namespace {

using testing::ReadBytes;
using testing::WidePath;

constexpr int kKeyQ = 31;          // "Q" on both US layouts
constexpr int kKeyBackspace = 29;  // "Backspace"
constexpr int kKeyA = 45;          // "A"
constexpr int kLastIsoKey = 104;

const std::wstring kEmptyHeader = L"Current Profile Name:   \"Default\"\tLayout:   \"US-ANSI\" ";

std::vector<std::filesystem::path> FolderEntries(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> entries;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) entries.push_back(entry.path().filename());
  return entries;
}

class KeyboardChartTest : public testing::DataFolderTest {
 protected:
  void SetUp() override {
    DataFolderTest::SetUp();
    ASSERT_TRUE(GetTalvo().Load());
    desktop_ = root_ / "Desktop";
    std::filesystem::create_directories(desktop_);
    previousDesktop_ = winsim::DesktopFolder();
    winsim::SetDesktopFolder(WidePath(desktop_));
  }

  void TearDown() override {
    winsim::SetDesktopFolder(previousDesktop_);
    GetTalvo().Clear();
    DataFolderTest::TearDown();
  }

  XmlProfile& Profile() { return *GetTalvo().GetCurrentProfile(); }

  XmlFunction* NewFunction(const std::wstring& name) {
    XmlFunction* function = GetTalvo().CreateFunction(kKindSingleTap);
    function->SetName(name);
    return function;
  }

  void Assign(int key, const std::wstring& functionId) { Profile().Assign(key, 0, functionId, false, false); }

  std::vector<std::wstring> CurrentChart() {
    return KeyboardChart(Profile(), GetTalvo().GetCurrentKeyboard(), GetTalvo()).Lines();
  }

  std::filesystem::path desktop_;
  std::wstring previousDesktop_;  // the window system keeps its desktop across resets
};

TEST_F(KeyboardChartTest, KeysFollowInKeyOrderWithTheirTextPaddedAndTheirFunctionsNamed) {
  XmlFunction* weld = NewFunction(L"Weld Verts");
  XmlFunction* chamfer = NewFunction(L"Chamfer");
  const std::wstring goneId = NewFunction(L"Gone")->GetId();
  Assign(kKeyQ, weld->GetId());
  Assign(kKeyBackspace, chamfer->GetId());
  Assign(kKeyA, goneId);  // its function was deleted since
  ASSERT_NE(GetTalvo().GetFunctions()->Release(GetTalvo().IndexOfFunctionById(goneId)), nullptr);

  EXPECT_EQ(CurrentChart(), (std::vector<std::wstring>{
                                kEmptyHeader,
                                L"",
                                L"Key:\t\"Backspace\"   \tFunction:\t\"Chamfer\" ",
                                L"Key:\t\"Q\"           \tFunction:\t\"Weld Verts\" ",
                                L"Key:\t\"A\"           \tFunction:\t",
                            }));
}

TEST_F(KeyboardChartTest, KeyTextsAreCountedInCharactersAndLongOnesAreNotPadded) {
  const std::string text =
      "<properties name=\"Wide\" id=\"000000\"/>\n<keyboard type=\"0\">\n"
      "<key id=\"0\" text=\"ABCDEFGHIJKL\" ext=\"\" virt=\"27\"/>\n"
      "<key id=\"1\" text=\"\xC3\x84\xC3\x96\" ext=\"\" virt=\"112\"/>\n"
      "<key id=\"2\" text=\"Thirteen Char\" ext=\"\" virt=\"113\"/>\n</keyboard>\n";
  XmlKeyboard layout;
  ASSERT_EQ(layout.Parse(text), kXmlOk);
  Profile().SetName(L"M\u00FCller");
  for (int key : {0, 1, 2}) Assign(key, L"");

  const KeyboardChart chart(Profile(), &layout, GetTalvo());
  EXPECT_EQ(chart.Lines()[0], L"Current Profile Name:   \"M\u00FCller\"\tLayout:   \"US-ANSI\" ");
  EXPECT_EQ(chart.Lines()[2], L"Key:\t\"ABCDEFGHIJKL\"\tFunction:\t");
  EXPECT_EQ(chart.Lines()[3], L"Key:\t\"\u00C4\u00D6\"          \tFunction:\t");
  EXPECT_EQ(chart.Lines()[4], L"Key:\t\"Thirteen Char\"\tFunction:\t");
  // Characters beyond ASCII are written as UTF-8.
  EXPECT_NE(chart.FileText().find("\"M\xC3\xBCller\""), std::string::npos);
  EXPECT_NE(chart.FileText().find("Key:\t\"\xC3\x84\xC3\x96\"          \t"), std::string::npos);
}

TEST_F(KeyboardChartTest, TheLastIsoKeyIsListedOnlyOnAnIsoLayout) {
  XmlFunction* function = NewFunction(L"Extra");
  Assign(kLastIsoKey, function->GetId());
  EXPECT_EQ(CurrentChart().size(), 2u) << "US-ANSI stops at key 103";

  Profile().SetLayout(L"US-ISO");
  const std::vector<std::wstring> lines = CurrentChart();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2].substr(lines[2].find(L"\tFunction:")), L"\tFunction:\t\"Extra\" ");
}

TEST_F(KeyboardChartTest, WithoutALayoutKeysHaveEmptyTextsInTheAnsiRange) {
  Assign(kKeyQ, L"");
  Assign(kLastIsoKey, L"");
  const KeyboardChart chart(Profile(), nullptr, GetTalvo());
  // Every line ends in CR LF in the file.
  EXPECT_EQ(chart.FileText(),
            "Current Profile Name:   \"Default\"\tLayout:   \"US-ANSI\" \r\n\r\nKey:\t\"\"            \tFunction:\t\r\n");
}

TEST_F(KeyboardChartTest, TheCommandAsksForATextFileOnTheDesktopAndReplacesItWhenTheUserAgrees) {
  Assign(kKeyQ, NewFunction(L"Weld")->GetId());
  std::ofstream(desktop_ / "chart.txt") << "old chart";
  winsim::AnswerFileDialog(L"chart", winsim::FileDialogKind::Save);
  winsim::AnswerMessageBox(IDYES, winsim::ModalMatch::TextContaining(L"already exists"));
  EXPECT_TRUE(WriteKeyboardChart(nullptr));

  const winsim::ModalRecord dialog = winsim::ModalLog().front();
  EXPECT_EQ(dialog.caption, L"Write Keyboard Chart...");
  EXPECT_EQ(dialog.initialDir, WidePath(desktop_));
  EXPECT_EQ(dialog.defaultExtension, L"txt");
  const KeyboardChart expected(Profile(), GetTalvo().GetCurrentKeyboard(), GetTalvo());
  EXPECT_EQ(ReadBytes(desktop_ / "chart.txt"), expected.FileText());
  EXPECT_EQ(FolderEntries(desktop_), std::vector<std::filesystem::path>{"chart.txt"}) << "no temporary file is left";
}

TEST_F(KeyboardChartTest, CancellingTheDialogOrHavingNoProfileWritesNothing) {
  winsim::CancelFileDialog(winsim::FileDialogKind::Save);
  EXPECT_FALSE(WriteKeyboardChart(nullptr));
  EXPECT_TRUE(FolderEntries(desktop_).empty());

  // Without a current profile no dialog is shown at all (an unexpected one would fail the test).
  winsim::ClearModalLog();
  GetTalvo().Clear();
  EXPECT_FALSE(WriteKeyboardChart(nullptr));
  EXPECT_TRUE(winsim::ModalLog().empty());
}

TEST_F(KeyboardChartTest, AFileThatCannotBeWrittenIsReportedAndWhatWasThereStays) {
  // A folder stands where the chart should go: the chart cannot replace it.
  const std::filesystem::path blocked = desktop_ / "blocked.txt";
  std::filesystem::create_directories(blocked);
  std::ofstream(blocked / "keep.txt") << "keep";
  winsim::AnswerFileDialog(WidePath(blocked), winsim::FileDialogKind::Save);
  winsim::AnswerMessageBox(IDYES, winsim::ModalMatch::TextContaining(L"already exists"));
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(L"Can't save file!", L"Error", true));

  EXPECT_FALSE(WriteKeyboardChart(nullptr));
  EXPECT_EQ(winsim::ModalLog().back().text, L"Can't save file!\n" + WidePath(blocked));
  EXPECT_EQ(winsim::ModalLog().back().flags & MB_ICONMASK, UINT{MB_ICONSTOP});
  EXPECT_EQ(ReadBytes(blocked / "keep.txt"), "keep");
  EXPECT_EQ(FolderEntries(desktop_), std::vector<std::filesystem::path>{"blocked.txt"}) << "no temporary file is left";
}

}  // namespace
}  // namespace Talvo
