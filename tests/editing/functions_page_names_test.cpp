// The functions page's names and selection: a selection is no change to save, the name field's text is
// the function's name whatever it is, and clones carry their source's name with "(clone)" again and again,
// each clone one undo record, an exception in the fresh-id walk shown and survived.
#include <host/simulation.h>

#include <set>
#include <stdexcept>

#include "editing/function_clone.h"
#include "editing/functions_tab.h"
#include "editing/functions_tab_template.h"
#include "function_pages_fixture.h"
#include "model/ids.h"
#include "pagebase/no_verbosity.h"

namespace Talvo::testing {
namespace {

// The editor window, counting every document change and every undo record that was restored.
struct MessageCountingWindow : CWnd {
  MessageCountingWindow() { CreateEx(0, AfxRegisterWndClass(0), L"Editor", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr); }
  ~MessageCountingWindow() override { DestroyWindow(); }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    documentChanges += message == DocumentChangedMessage ? 1 : 0;
    restoredRecords += message == TalvoDataChangedMessage ? 1 : 0;
    return CWnd::WindowProc(message, wParam, lParam);
  }
  int documentChanges = 0;
  int restoredRecords = 0;
};

class FunctionsPageNamesTest : public FunctionPageTest<FunctionsTab> {
 protected:
  void SetUp() override {
    FunctionPageTest::SetUp();
    ClearFolder();
    for (const wchar_t* name : {L"Box", L"Sphere"}) MakeFunction(name);
  }
  void Listen() {
    counter_ = std::make_unique<MessageCountingWindow>();
    SetEditorWindow(counter_->m_hWnd);
  }
  std::vector<std::wstring> Names() const {
    std::vector<std::wstring> names;
    for (int i = 0; i < Functions().Count(); ++i) names.push_back(Functions().GetFunction(i)->GetName());
    return names;
  }
  void CloneFunction(int source) {
    Root().GetMainDocument()->SetSelectedFunction(source);
    page_->RefreshAll();
    page_->SendMessage(CloneFunctionMessage, 0, 0);
  }

  std::unique_ptr<MessageCountingWindow> counter_;
};

TEST_F(FunctionsPageNamesTest, SelectingAFunctionMarksNothingUnsavedButASaveKeepsIt) {
  OpenPage();
  XmlTalvo& main = *Root().GetMainDocument();
  ASSERT_TRUE(main.Save());
  Listen();
  ChooseMenuItem(IDC_FUNCTION_MENU, 1);
  EXPECT_EQ(Current(), 0);
  EXPECT_TRUE(main.IsSaved());
  EXPECT_EQ(counter_->documentChanges, 0);

  // Another field of the main document is still a change, and its save writes the selection as well.
  main.SetSelectedWheelEvents(0);
  EXPECT_FALSE(main.IsSaved());
  EXPECT_EQ(counter_->documentChanges, 1);
  ASSERT_TRUE(main.Save());
  Talvo fresh;
  ASSERT_TRUE(fresh.Load(Root().GetDataFolder()));
  EXPECT_EQ(fresh.GetMainDocument()->GetSelectedFunction(), 0);
}

TEST_F(FunctionsPageNamesTest, TheNameFieldsTextIsTheNameWhateverItIs) {
  FunctionsTab& page = OpenPage();
  const bool verbosity = NoVerbosity;
  NoVerbosity = false;
  const std::wstring listened = hostsim::ListenerText();
  const std::wstring fileName = Functions().GetFunction(1)->XmlDocument::GetName();
  // Another function's name, an empty one, one with path characters.
  for (const std::wstring typed : {L"Box", L"", L"a/b:c*"}) {
    page.GetNameEdit().SetWindowText(typed.c_str());
    page.SendMessage(FunctionNameEditedMessage);
    EXPECT_EQ(Functions().GetFunction(1)->GetName(), typed);
    EXPECT_EQ(page.GetFunctionMenu().GetItemText(1), typed);
  }
  EXPECT_EQ(hostsim::ListenerText(), listened);  // no line per keystroke
  EXPECT_EQ(Functions().GetFunction(1)->XmlDocument::GetName(), fileName);
  NoVerbosity = verbosity;
}

TEST_F(FunctionsPageNamesTest, ClonesOfOneSourceShareTheNameAndEachIsOneUndoRecord) {
  OpenPage();
  Listen();
  CloneFunction(1);
  CloneFunction(1);
  EXPECT_EQ(Names(), (std::vector<std::wstring>{L"Box", L"Sphere", L"Sphere(clone)", L"Sphere(clone)"}));
  std::set<std::wstring> ids;
  for (int i = 0; i < Functions().Count(); ++i) {
    const XmlFunction* function = Functions().GetFunction(i);
    ids.insert(function->GetId());
    EXPECT_EQ(function->XmlDocument::GetName(), function->GetId()) << i;
  }
  EXPECT_EQ(ids.size(), 4u);
  EXPECT_EQ(theHold.UndoLabels(), (std::vector<MSTR>{L"Load Function", L"Load Function"}));

  ASSERT_TRUE(theHold.Undo());
  EXPECT_EQ(counter_->restoredRecords, 1);
  EXPECT_EQ(Functions().Count(), 3);
}

TEST_F(FunctionsPageNamesTest, AnExceptionInTheFreshIdWalkIsShownAndTheWalkGoesOn) {
  int made = 0;
  const NewIdMaker failingOnce = [&made] {
    if (++made == 1) throw std::runtime_error("no randomness left");
    return Functions().NewUniqueId(made);
  };
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(L"no randomness left", L"Warning!"));
  XmlFunction* clone = ::Talvo::CloneFunction(parent_.get(), Root(), failingOnce);
  ASSERT_NE(clone, nullptr);
  EXPECT_NE(winsim::ModalLog().back().flags & MB_ICONWARNING, 0u);
  EXPECT_EQ(made, 2);
  EXPECT_TRUE(IsDocumentId(clone->GetId()));
  EXPECT_EQ(Functions().IndexOfId(clone->GetId()), Functions().Count() - 1);
  EXPECT_EQ(clone->XmlDocument::GetName(), clone->GetId());
  EXPECT_EQ(clone->GetName(), L"Sphere(clone)");
}

}  // namespace
}  // namespace Talvo::testing
