#include "frame/script_commands.h"

#include <fstream>

#include "commands_fixture.h"
#include "resources/dialogs/script_name_dlg.h"

namespace Talvo::testing {
namespace {

using ScriptCommandsTest = CommandsTest;

// The script commands of the case grid's cell menu.
constexpr UINT kNew = 3030, kOpen = 3031, kEdit = 3032, kRename = 3033, kCopy = 3034, kPaste = 3035, kDelete = 3036;

void AnswerName(const std::wstring& name, int button) {
  winsim::AnswerModalDialog(IDD_SCRIPT_NAME, [name, button](HWND dialog) {
    SetDlgItemTextW(dialog, IDC_SCRIPT_NAME, name.c_str());
    ClickItem(dialog, button);
  });
}

TEST_F(ScriptCommandsTest, ItemsNeedAChosenScriptInALiveCell) {
  struct Row {
    const char* name;
    bool chosen;
    bool liveGrid;
    std::vector<UINT> enabled;
  };
  const Row rows[] = {
      {"NotSelected", false, true, {kNew, kOpen, kPaste}},
      {"Chosen", true, true, {kNew, kOpen, kEdit, kRename, kCopy, kPaste, kDelete}},
      {"GridGone", true, false, {kNew, kOpen, kPaste}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Choose(row.chosen ? bevelId_ : L"Not Selected");
    view_.liveGrid = row.liveGrid ? grid_.get() : nullptr;
    std::vector<UINT> enabled;
    for (UINT command = kNew; command <= kDelete; ++command)
      if (Enabled(command)) enabled.push_back(command);
    EXPECT_EQ(enabled, row.enabled);
  }
}

TEST_F(ScriptCommandsTest, NewOpenAndEditKeepTheEditorDisabledUntilTheScriptWindowCloses) {
  const std::filesystem::path file = root_ / "script.ms";
  std::ofstream(file) << "print \"gr\xC3\xBC\xC3\x9F\"";
  struct Row {
    const char* name;
    UINT command;
    std::wstring expectedText;
  };
  const Row rows[] = {{"New", kNew, L""}, {"Open", kOpen, L"print \"gr\u00fc\u00df\""}, {"Edit", kEdit, L"polyop.bevel $ 1"}};
  Choose(bevelId_);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.command == kOpen) winsim::AnswerFileDialog(WidePath(file));
    Run(row.command);
    const HWND window = ScriptWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ScriptWindowText(window), row.expectedText);
    EXPECT_FALSE(::IsWindowEnabled(frame_->m_hWnd));
    if (row.command != kEdit) AnswerName(L"", IDCANCEL);
    ::SendMessageW(window, WM_CLOSE, 0, 0);
    winsim::PumpMessages();
    EXPECT_TRUE(::IsWindowEnabled(frame_->m_hWnd));
  }
}

TEST_F(ScriptCommandsTest, RenameStoresTheNewNameOnlyOnOk) {
  Choose(bevelId_);
  for (auto [button, expected] : {std::pair{IDCANCEL, L"Bevel"}, std::pair{IDOK, L"Bevel \u00e9dge"}}) {
    AnswerName(L"Bevel \u00e9dge", button);
    Run(kRename);
    std::wstring name;
    std::wstring body;
    ASSERT_TRUE(scripts().GetScript(bevelId_, name, body));
    EXPECT_EQ(name, expected);
    EXPECT_EQ(body, L"polyop.bevel $ 1");
    EXPECT_TRUE(::IsWindowEnabled(frame_->m_hWnd));
  }
}

TEST_F(ScriptCommandsTest, PasteCopyAndDeleteActOnTheCellsScript) {
  const std::wstring text = L"print \"\u00c5ngstr\u00f6m \u2713\"";
  PutOnClipboard(text);
  AnswerName(L"Check", IDOK);
  Run(kPaste);
  ASSERT_EQ(scripts().Count(), 2);
  const std::wstring id = scripts().GetScriptIdAt(1);
  EXPECT_EQ(DropDownCell()->scriptId, id);

  PutOnClipboard(L"other");
  Run(kCopy);
  EXPECT_EQ(ClipboardText(), text);

  winsim::AnswerMessageBox(IDYES, winsim::ModalMatch::TextContaining(L"Delete source script?"));
  Run(kDelete);
  EXPECT_FALSE(scripts().HasScript(id));
}

TEST_F(ScriptCommandsTest, ScriptWindowOutlivesTheGridThatOpenedIt) {
  Choose(bevelId_);
  Run(kEdit);
  const HWND window = ScriptWindow();
  ASSERT_NE(window, nullptr);
  ::SetWindowTextW(::GetWindow(window, GW_CHILD), L"polyop.bevel $ 2");
  // An undo rebuilds the function editor's pages: the grid and its drop-down go.
  grid_.reset();
  view_.liveGrid = nullptr;
  ::SendMessageW(window, WM_CLOSE, 0, 0);
  winsim::PumpMessages();
  std::wstring name;
  std::wstring body;
  ASSERT_TRUE(scripts().GetScript(bevelId_, name, body));
  EXPECT_EQ(body, L"polyop.bevel $ 2");
  EXPECT_TRUE(::IsWindowEnabled(frame_->m_hWnd));
  Run(kNew);  // the clipboard's cell is gone: nothing opens
  EXPECT_EQ(ScriptWindow(), nullptr);
}

}  // namespace
}  // namespace Talvo::testing
