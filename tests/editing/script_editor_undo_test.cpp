// Closing the script editor is one undo step together with the page storing the drop-down's choice, and
// only when the close changed something: undo takes back the script's text, or the new script with the
// case's choice, and the file agrees with memory once the document is saved again.
#include <host/undo.h>

#include "editing/script_editor_launch.h"
#include "engine/restore_obj.h"
#include "function_editor_fixture.h"
#include "model/xml_custom_scripts.h"
#include "resources/dialogs/script_name_dlg.h"

namespace Talvo::testing {
namespace {

constexpr int kTapRow = 3;
constexpr int kScriptColumn = 10;
const CaseKeys kVertexTap{kInputEditablePoly, L"vertex", 0, 1, 3};

class ScriptEditorUndoTest : public FunctionEditorTest {
 protected:
  void SetUp() override {
    FunctionEditorTest::SetUp();
    if (HasFatalFailure()) return;
    scripts().AddScript(L"Bevel", L"polyop.bevel $ 1", bevelId_);
    ASSERT_TRUE(scripts().Save());
    RefreshScriptNames();
    function_ = &NewFunction(kKindContextSensitive);
    function_->AddAction(kVertexTap);
    function_->SetCaseGroup(kVertexTap, kGroupCustomCode);
    function_->SetCaseScript(kVertexTap, bevelId_);
    ASSERT_TRUE(function_->Save());
    // A step the user took and undid: the one a redo would take again.
    theHold.Begin();
    theHold.Put(new TalvoDataRestoreObj(1, 65535));
    function_->SetName(L"Renamed");
    theHold.Accept(L"Rename");
    ASSERT_TRUE(hostsim::Undo());
    MakePage(kInputEditablePoly);
    Expand(0, 3);
  }

  static XmlCustomScripts& scripts() { return *GetTalvo().GetCustomScripts(); }

  // Opens a script of the tap row's drop-down ("Not Selected": a new one), leaves `text` in the window and
  // closes it as the user does; a new script is named `name`.
  void EditAndClose(const std::wstring& scriptId, const wchar_t* text, const wchar_t* name = L"Loop") {
    GridCellDropDown* cell = DropDown(kTapRow, kScriptColumn);
    ASSERT_NE(cell, nullptr);
    TalvoScriptEditor* editor = EditCustomScript(cell->GetDropDown(), scriptId);
    ASSERT_NE(editor, nullptr);
    HWND window = editor->GetHWND();
    ::SetWindowTextW(::GetWindow(window, GW_CHILD), text);
    winsim::AnswerModalDialog(IDD_SCRIPT_NAME, [name](HWND dialog) {
      ::SetDlgItemTextW(dialog, IDC_SCRIPT_NAME, name);
      ClickItem(dialog, IDOK);
    });
    ::SendMessageW(window, WM_CLOSE, 0, 0);
    winsim::PumpMessages();
  }

  std::wstring Body(const std::wstring& id) const {
    std::wstring name;
    std::wstring body;
    return scripts().GetScript(id, name, body) ? body : L"<none>";
  }

  std::wstring CaseScript() const {
    std::wstring id;
    return function_->GetCaseScript(kVertexTap, id) ? id : L"<none>";
  }

  // What the next start would read: the scripts file as it is on disk.
  bool FileHasScript(const std::wstring& id) const {
    XmlCustomScripts onDisk;
    return onDisk.Load(scripts().GetFilePath()) == kXmlOk && onDisk.HasScript(id);
  }

  XmlFunction* function_ = nullptr;
  std::wstring bevelId_;
};

TEST_F(ScriptEditorUndoTest, AnUnchangedCloseIsNoStepAndKeepsTheRedoSteps) {
  const int steps = theHold.UndoCount();
  EditAndClose(bevelId_, L"polyop.bevel $ 1");

  EXPECT_EQ(theHold.UndoCount(), steps);
  EXPECT_EQ(hostsim::RedoLabels(), std::vector<std::wstring>{L"Rename"});
  EXPECT_TRUE(scripts().IsSaved());
  EXPECT_TRUE(function_->IsSaved());
  EXPECT_EQ(CaseScript(), bevelId_);
}

TEST_F(ScriptEditorUndoTest, ThePageReapplyingTheScriptTheCaseRunsIsNoStep) {
  // As after a cancelled paste: the page hears of the drop-down again, its choice unchanged.
  const int steps = theHold.UndoCount();
  Choose(kTapRow, kScriptColumn, L"Bevel");

  EXPECT_EQ(theHold.UndoCount(), steps);
  EXPECT_EQ(hostsim::RedoLabels(), std::vector<std::wstring>{L"Rename"});
  EXPECT_TRUE(function_->IsSaved());
}

TEST_F(ScriptEditorUndoTest, AChangedTextIsOneStepThatUndoTakesBack) {
  const int steps = theHold.UndoCount();
  EditAndClose(bevelId_, L"polyop.bevel $ 2");
  ASSERT_EQ(theHold.UndoCount(), steps + 1);
  EXPECT_EQ(hostsim::UndoLabels().front(), L"In Grid Changes");
  EXPECT_EQ(Body(bevelId_), L"polyop.bevel $ 2");
  EXPECT_FALSE(scripts().IsSaved());

  ASSERT_TRUE(hostsim::Undo());
  EXPECT_EQ(Body(bevelId_), L"polyop.bevel $ 1");
  EXPECT_TRUE(scripts().IsSaved());  // as its file holds it
  ASSERT_TRUE(hostsim::Redo());
  EXPECT_EQ(Body(bevelId_), L"polyop.bevel $ 2");
}

TEST_F(ScriptEditorUndoTest, ANewScriptAndTheCasesChoiceAreUndoneTogetherAndTheFileFollowsOnSave) {
  EditAndClose(L"Not Selected", L"print 3");
  const std::wstring id = CaseScript();
  ASSERT_NE(id, bevelId_);
  EXPECT_EQ(Body(id), L"print 3");
  ASSERT_TRUE(function_->Save());
  ASSERT_TRUE(scripts().Save());
  ASSERT_TRUE(FileHasScript(id));

  // One undo takes back the new script with the case's choice; the document differs from its file now
  // and is offered for saving, like every document an undo changed after a save.
  ASSERT_TRUE(hostsim::Undo());
  EXPECT_EQ(CaseScript(), bevelId_);
  EXPECT_FALSE(scripts().HasScript(id));
  EXPECT_FALSE(scripts().IsSaved());
  EXPECT_TRUE(GetTalvo().HasUnsaved());
  ASSERT_TRUE(scripts().Save());
  EXPECT_FALSE(FileHasScript(id));
  EXPECT_TRUE(FileHasScript(bevelId_));

  ASSERT_TRUE(hostsim::Redo());
  EXPECT_EQ(CaseScript(), id);
  EXPECT_EQ(Body(id), L"print 3");
  ASSERT_TRUE(scripts().Save());
  EXPECT_TRUE(FileHasScript(id));
}

}  // namespace
}  // namespace Talvo::testing
