// The key-assignment page: assigning a function (virtual key, flags, one undo step), refreshing after the
// function went, the learning flag, the viewer's function, and creating, deleting and importing functions
// through the functions page.
#include "editor/assignment_tab.h"

#include <win32/modal_responder.h>

#include "editor/layout_key_geometry.h"
#include "profile_pages_fixture.h"
#include "resources/dialogs/function_new_dlg.h"

namespace Talvo::testing {

namespace {

// The page's toolbar commands.
constexpr UINT kNewFunction = 3005;
constexpr UINT kDeleteFunction = 3006;
constexpr UINT kImportFunction = 3008;

class AssignmentTabTest : public ProfilePagesTest {
 protected:
  // Functions F0, F1 and F2, the functions page, and the page of `key` with its standard virtual key.
  AssignmentTab& OpenWithFunctions(int key = 17) {
    functions_.clear();
    for (const wchar_t* name : {L"F0", L"F1", L"F2"}) functions_.push_back(MakeFunction(name));
    OpenFunctionsPage();
    return OpenAssignmentPage(key, static_cast<int>(DefaultVirtualKey(key)));
  }
  static XmlProfile& Profile() { return *Root().GetCurrentProfile(); }
  static int FunctionCount() { return Root().GetFunctions()->Count(); }

  std::vector<XmlFunction*> functions_;
};

}  // namespace

TEST_F(AssignmentTabTest, ChoosingAFunctionAssignsItWithTheKeysVirtualKeyAsOneStep) {
  for (const auto& [key, virtualKey] : {std::pair{17, 49}, std::pair{26, 48}}) {
    SCOPED_TRACE(key);
    TearDown();
    SetUp();
    AssignmentTab& page = OpenWithFunctions(key);
    Choose(page.GetFunctionsMenu(), 2);
    EXPECT_EQ(Profile().GetFunctionIdOfKey(key), functions_[1]->GetId());
    EXPECT_EQ(Profile().GetVirtOfKey(key), virtualKey);
    EXPECT_TRUE(Profile().GetOpenFlag(key));
    EXPECT_TRUE(Profile().GetLearningFlag(key));  // the check box starts checked
    EXPECT_EQ(Main().GetSelectedFunction(), 1);
    EXPECT_EQ(page.GetFunctionsMenu().GetWindowText(), L"F1");
    EXPECT_EQ(UndoLabels(), std::vector<std::wstring>{L"Select Function"});
    ASSERT_TRUE(theHold.Undo());
    EXPECT_FALSE(Profile().HasAssignment(key));
  }
}

TEST_F(AssignmentTabTest, RefreshShowsAFunctionThatWentAsNothingAndTheLearningFlag) {
  AssignmentTab& page = OpenWithFunctions();
  Choose(page.GetFunctionsMenu(), 3);
  Click(page.GetLearningCheck());
  EXPECT_FALSE(Profile().GetLearningFlag(17));
  EXPECT_EQ(theHold.UndoCount(), 1);  // the learning flag is no undo step
  ASSERT_TRUE(Root().GetFunctions()->DeleteFile(2));
  page.Refresh();
  EXPECT_TRUE(page.GetFunctionsMenu().GetWindowText().empty());
  EXPECT_EQ(page.GetViewer()->GetPageCount(), 0);
  EXPECT_EQ(page.GetLearningCheck().GetCheck(), BST_UNCHECKED);
}

TEST_F(AssignmentTabTest, AViewerOutsideAnAssignmentPageShowsTheCurrentFunction) {
  AssignmentTab& page = OpenWithFunctions();
  Main().SetSelectedFunction(2);
  Profile().Assign(2, 51, functions_[0]->GetId(), true, false);  // key number 2 = the selected index
  EXPECT_EQ(FindShownFunction(nullptr), functions_[2]);
  EXPECT_EQ(FindShownFunction(frame_), functions_[2]);
  EXPECT_EQ(FindShownFunction(&page), nullptr);  // key 17 has no function yet
  Profile().Assign(17, 49, functions_[1]->GetId(), true, false);
  EXPECT_EQ(FindShownFunction(&page), functions_[1]);
}

TEST_F(AssignmentTabTest, NewFunctionSwitchesToTheFunctionsPageOnlyWhenOneWasMade) {
  AssignmentTab& page = OpenWithFunctions();
  winsim::AnswerModalDialog(IDD_FUNCTION_NEW, [](HWND dialog) { EndDialog(dialog, IDCANCEL); });
  Command(page, kNewFunction);
  EXPECT_TRUE(activated_.empty());
  winsim::AnswerModalDialog(IDD_FUNCTION_NEW, [](HWND dialog) { EndDialog(dialog, kKindSingleTap); });
  Command(page, kNewFunction);
  EXPECT_EQ(FunctionCount(), 4);
  EXPECT_EQ(activated_, std::vector<int>{1});
  EXPECT_FALSE(Profile().HasAssignment(17));
}

TEST_F(AssignmentTabTest, DeletingTheKeysFunctionMovesTheSelectionOnlyWhenSomethingWent) {
  struct Case {
    int selected;
    int assigned;  // the index of the key's function, -1 for none
    int after;     // the selection afterwards
    int count;     // functions afterwards
  };
  const Case cases[] = {{0, 0, 0, 2}, {2, 0, 1, 2}, {2, 1, 1, 2}, {1, 1, 0, 2}, {0, 2, 0, 2}, {2, -1, 2, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.selected << " " << c.assigned);
    TearDown();
    SetUp();
    AssignmentTab& page = OpenWithFunctions();
    const std::wstring id = c.assigned >= 0 ? functions_[static_cast<size_t>(c.assigned)]->GetId() : L"";
    if (c.assigned >= 0) Profile().Assign(17, 49, id, true, false);
    Main().SetSelectedFunction(c.selected);
    Command(page, kDeleteFunction);
    EXPECT_EQ(FunctionCount(), c.count);
    EXPECT_EQ(Main().GetSelectedFunction(), c.after);
    EXPECT_FALSE(Profile().HasAssignment(17) && c.assigned >= 0);
  }
}

TEST_F(AssignmentTabTest, ACancelledImportAssignsNothingAndAnAddedFunctionIsAssigned) {
  AssignmentTab& page = OpenWithFunctions();
  const std::filesystem::path file = root_ / "Bevel.xml";
  functions_[1]->SetName(L"Bevel");
  ASSERT_EQ(functions_[1]->SaveAs(file), kXmlOk);
  functions_[1]->SetName(L"F1");
  winsim::CancelFileDialog();
  Command(page, kImportFunction);
  EXPECT_FALSE(Profile().HasAssignment(17));
  winsim::AnswerFileDialog(WidePath(file));
  Command(page, kImportFunction);
  ASSERT_EQ(FunctionCount(), 4);
  const XmlFunction* imported = Root().GetCurrentFunction();
  EXPECT_EQ(imported->GetName(), L"Bevel");
  EXPECT_EQ(Profile().GetFunctionIdOfKey(17), imported->GetId());
  EXPECT_EQ(page.GetFunctionsMenu().GetWindowText(), L"Bevel");
}

TEST_F(AssignmentTabTest, AnImportOverAFunctionOfTheSameNameAssignsThatFunction) {
  AssignmentTab& page = OpenWithFunctions();
  const std::filesystem::path file = root_ / "F1 elsewhere.xml";
  ASSERT_EQ(functions_[1]->SaveAs(file), kXmlOk);
  winsim::AnswerFileDialog(WidePath(file));
  winsim::AnswerMessageBox(IDYES, winsim::ModalMatch::TextContaining(L"Override existing function"));
  Command(page, kImportFunction);
  ASSERT_EQ(FunctionCount(), 3);
  EXPECT_EQ(Root().GetCurrentFunction(), functions_[1]);
  EXPECT_EQ(Profile().GetFunctionIdOfKey(17), functions_[1]->GetId());
  EXPECT_EQ(page.GetFunctionsMenu().GetWindowText(), L"F1");
}

}  // namespace Talvo::testing
