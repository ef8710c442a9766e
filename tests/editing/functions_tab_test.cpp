// The functions page: each command (clicked on the toolbar or the menu, or sent by the editor menu) as
// one undo step, none when cancelled or failed, with undo and redo followed by the page; live renaming
// and a failed deletion.
#include "editing/functions_tab.h"

#include "editing/functions_tab_template.h"
#include "function_pages_fixture.h"
#include "resources/dialogs/function_new_dlg.h"

namespace Talvo::testing {
namespace {

enum class Command { New, NewCancelled, Select, Delete, Clone, ImportCancelled, Export, Save, Learning };

// A command, its undo steps, and afterwards the number of functions, the current index and how often the
// page told the editor window of a document change.
struct CommandCase {
  const char* name;
  Command command;
  std::vector<std::wstring> undoLabels;
  int functions, current, documentChanges;
};

class FunctionsTabTest : public FunctionPageTest<FunctionsTab> {
 protected:
  void SetUp() override {
    FunctionPageTest::SetUp();
    ClearFolder();
    for (const wchar_t* name : {L"Box", L"Sphere", L"Cone"}) MakeFunction(name);
  }
  void ExpectPageShowsFolder() {
    std::vector<std::wstring> names;
    for (int i = 0; i < Functions().Count(); ++i) names.push_back(Functions().GetFunction(i)->GetName());
    const XmlFunction* current = Root().GetCurrentFunction();
    ExpectMenu(page_->GetFunctionMenu(), page_->GetNameEdit(), names, current ? current->GetName() : L"");
  }
  void Run(Command command) {
    switch (command) {
      case Command::New:
      case Command::NewCancelled:
        winsim::AnswerModalDialog(IDD_FUNCTION_NEW, [command](HWND dialog) {
          if (command == Command::New) return ClickItem(dialog, IDC_KIND_SINGLE_TAP);
          ::SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);  // the close box
        });
        return Click(IDC_FUNCTION_NEW_BAR);
      case Command::Select: return ChooseMenuItem(IDC_FUNCTION_MENU, 1);
      case Command::Delete: {  // from every profile
        const std::wstring id = Root().GetCurrentFunction()->GetId();
        XmlProfile* first = Root().GetProfiles()->GetProfile(0);
        auto* second = static_cast<XmlProfile*>(Root().GetProfiles()->Add(first->Duplicate()));
        for (XmlProfile* profile : {first, second}) profile->Assign(5, 65, id, false, false);
        Click(IDC_FUNCTION_DELETE_BAR);
        EXPECT_EQ(FilesInFunctionFolder(), 2);
        for (XmlProfile* profile : {first, second}) EXPECT_FALSE(profile->HasAssignment(5));
        return;
      }
      case Command::Clone:  // a function already carries the clone's name: clone names are not made unique
        Functions().GetFunction(0)->SetName(L"Cone(clone)");
        page_->RefreshAll();
        page_->SendMessage(CloneFunctionMessage, 0, 0);
        EXPECT_EQ(Root().GetCurrentFunction()->GetName(), L"Cone(clone)");
        return;
      case Command::ImportCancelled:
        winsim::CancelFileDialog(winsim::FileDialogKind::Open);
        return Click(IDC_FUNCTION_IMPORT_BAR);
      case Command::Export:
        winsim::AnswerFileDialog(WidePath(out_ / "cone"), winsim::FileDialogKind::Save);
        Click(IDC_FUNCTION_EXPORT_BAR);
        EXPECT_TRUE(std::filesystem::exists(out_ / "cone.xml"));
        return;
      case Command::Save:  // into folders made again, with the scripts
        std::filesystem::remove_all(Functions().GetFolder());
        Root().GetCurrentFunction()->SetName(L"Pyramid");
        page_->RefreshAll();
        Scripts().Changed();
        Click(IDC_FUNCTION_SAVE_BAR);
        EXPECT_NE(ReadFileBytes(Root().GetCurrentFunction()->GetFilePath()).find("Pyramid"), std::string::npos);
        EXPECT_TRUE(Scripts().IsSaved());
        return;
      case Command::Learning:
        Click(IDC_FUNCTION_LEARNING);
        EXPECT_TRUE(Root().GetCurrentFunction()->GetForceVI());
        return;
    }
  }
};

class FunctionsTabCommandTest : public FunctionsTabTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(FunctionsTabCommandTest, IsOneUndoStepOrNoneAndUndoRedoFollowThePage) {
  const CommandCase& row = GetParam();
  OpenPage();
  Run(row.command);
  EXPECT_EQ(theHold.UndoLabels(), std::vector<MSTR>(row.undoLabels.begin(), row.undoLabels.end()));
  EXPECT_EQ(Functions().Count(), row.functions);
  EXPECT_EQ(Current(), row.current);
  EXPECT_EQ(editor_->changesByPage, row.documentChanges);
  ExpectPageShowsFolder();
  if (row.undoLabels.empty()) return;
  ASSERT_TRUE(theHold.Undo());
  page_->RefreshAll();
  EXPECT_EQ(Functions().Count(), 3);
  EXPECT_EQ(Current(), 2);
  ExpectPageShowsFolder();
  ASSERT_TRUE(theHold.Redo());
  page_->RefreshAll();
  EXPECT_EQ(Current(), row.current);
  ExpectPageShowsFolder();
}

INSTANTIATE_TEST_SUITE_P(
    Commands, FunctionsTabCommandTest,
    ::testing::Values(CommandCase{"New", Command::New, {L"Create Function"}, 4, 3, 1},
                      CommandCase{"NewCancelled", Command::NewCancelled, {}, 3, 2, 0},
                      CommandCase{"Select", Command::Select, {L"Select Function"}, 3, 0, 0},
                      CommandCase{"Delete", Command::Delete, {L"Delete Function"}, 2, 1, 1},
                      CommandCase{"Clone", Command::Clone, {L"Load Function"}, 4, 3, 1},
                      CommandCase{"ImportCancelled", Command::ImportCancelled, {}, 3, 2, 0},
                      CommandCase{"Export", Command::Export, {}, 3, 2, 0},
                      CommandCase{"Save", Command::Save, {}, 3, 2, 1},
                      CommandCase{"Learning", Command::Learning, {}, 3, 2, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FunctionsTabTest, TypingRenamesDocumentMenuItemAndCaptionButNotTheFile) {
  FunctionsTab& page = OpenPage();
  ChooseMenuItem(IDC_FUNCTION_MENU, 2);
  const std::wstring fileName = Functions().GetFunction(1)->XmlDocument::GetName();
  TypeInto(page.GetNameEdit(), L"Ball");
  ExpectMenu(page.GetFunctionMenu(), page.GetNameEdit(), {L"Box", L"Ball", L"Cone"}, L"Ball");
  EXPECT_EQ(Functions().GetFunction(1)->GetName(), L"Ball");
  EXPECT_EQ(Functions().GetFunction(1)->XmlDocument::GetName(), fileName);
  EXPECT_EQ(editor_->changesByPage, 4);  // one per character
  EXPECT_EQ(theHold.UndoCount(), 1);     // the selection only
}

TEST_F(FunctionsTabTest, AFailedDeleteKeepsTheFunctionAndTheSelectionAndLeavesNoStep) {
  // A directory in place of Sphere's file cannot be deleted as a file.
  std::filesystem::remove(Functions().GetFunction(1)->GetFilePath());
  std::filesystem::create_directories(Functions().GetFunction(1)->GetFilePath() / "inside");
  Root().GetMainDocument()->SetSelectedFunction(1);
  OpenPage();
  winsim::AnswerMessageBox(IDOK);
  page_->SendMessage(DeleteFunctionMessage, 0, 0);
  EXPECT_EQ(winsim::ModalLog().back().text.rfind(L"Can not delete (error ", 0), 0u);
  EXPECT_EQ(Functions().Count(), 3);
  EXPECT_EQ(Current(), 1);
  ExpectPageShowsFolder();
  EXPECT_EQ(theHold.UndoCount(), 0);
}

}  // namespace
}  // namespace Talvo::testing
