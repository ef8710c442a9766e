// The key and case commands that change a profile or a function are undo steps: undo gives the change
// back and redo makes it again; a command that takes nothing away makes no step.
#include <host/undo.h>

#include "commands_fixture.h"
#include "controls/key_button.h"
#include "model/vocabulary.h"

namespace Talvo::testing {
namespace {

constexpr int kKeyQ = 16;
constexpr UINT kPasteCase = 3013;

class CommandUndoStepsTest : public CommandsTest {
 protected:
  void SetUp() override {
    CommandsTest::SetUp();
    if (HasFatalFailure()) return;
    function_ = GetTalvo().CreateFunction(kKindMultiTap);
    ASSERT_TRUE(q_.Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 450, 70, 510), &page_, 100 + kKeyQ));
    q_.keyNumber = kKeyQ;
    q_.virtualKey = 'Q';
  }
  void TearDown() override {
    q_.DestroyWindow();
    CommandsTest::TearDown();
  }

  static XmlProfile& Profile() { return *GetTalvo().GetCurrentProfile(); }
  void AssignQ() {
    Profile().Assign(kKeyQ, 'Q', function_->GetId(), false, false);
    q_.assigned = true;
  }
  // Right-clicks the key and picks a command of its menu.
  void RunFromKeyMenu(UINT command) {
    winsim::AnswerPopupMenu(command);
    q_.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    winsim::PumpMessages();
  }
  bool QHasTheFunction() { return Profile().GetFunctionIdOfKey(kKeyQ) == function_->GetId(); }

  XmlFunction* function_ = nullptr;
  KeyButton q_;
};

struct KeyStepRow {
  const char* name;
  UINT command;
  const wchar_t* label;
};

void PrintTo(const KeyStepRow& row, std::ostream* out) { *out << row.name; }

class KeyCommandUndoTest : public CommandUndoStepsTest, public ::testing::WithParamInterface<KeyStepRow> {};

TEST_P(KeyCommandUndoTest, TakingAnAssignmentAwayIsOneUndoStep) {
  AssignQ();
  RunFromKeyMenu(GetParam().command);
  ASSERT_FALSE(Profile().HasAssignment(kKeyQ));
  ASSERT_EQ(UndoSteps(), 1);
  EXPECT_EQ(hostsim::UndoLabels().front(), GetParam().label);

  ASSERT_TRUE(hostsim::Undo());
  EXPECT_TRUE(QHasTheFunction());
  EXPECT_FALSE(Profile().HasVisualAssignment(kKeyQ));
  ASSERT_TRUE(hostsim::Redo());
  EXPECT_FALSE(Profile().HasAssignment(kKeyQ));
}

TEST_P(KeyCommandUndoTest, AKeyWithoutAnAssignmentMakesNoStep) {
  q_.assigned = true;  // the button still offers the assignment the profile no longer has
  RunFromKeyMenu(GetParam().command);
  EXPECT_EQ(UndoSteps(), 0);
}

const KeyStepRow kKeySteps[] = {
    {"DeleteAssignment", ID_KEY_DELETE_ASSIGNMENT, L"Delete Assignment"},
    {"AssignLearningInterface", ID_KEY_ASSIGN_LEARNING_INTERFACE, L"Assign Learning Interface"},
};

INSTANTIATE_TEST_SUITE_P(KeyMenu, KeyCommandUndoTest, ::testing::ValuesIn(kKeySteps),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandUndoStepsTest, PastingACaseIsOneUndoStep) {
  const CaseKeys from{L"MultiTap", L"global", 0, 1, 3};
  const CaseKeys to{L"MultiTap", L"global", 0, 2, 3};
  function_->AddAction(from);
  function_->SetCaseGroup(from, kGroupCustomCode);
  function_->SetCaseScript(from, bevelId_);
  CaseClipboard& clip = GetCaseClipboard();
  clip.functionId = function_->GetId();
  clip.input = from.input;
  clip.mode = from.mode;
  clip.selection = from.selection;
  clip.press = from.press;
  clip.modifiers = from.modifiers;
  Run(3012);  // copy
  clip.press = to.press;

  Run(kPasteCase);
  std::wstring script;
  ASSERT_TRUE(function_->GetCaseScript(to, script));
  ASSERT_EQ(UndoSteps(), 1);
  EXPECT_EQ(hostsim::UndoLabels().front(), L"Paste");

  ASSERT_TRUE(hostsim::Undo());
  EXPECT_FALSE(GetTalvo().GetCurrentFunction()->HasCase(to));
  ASSERT_TRUE(hostsim::Redo());
  EXPECT_TRUE(GetTalvo().GetCurrentFunction()->GetCaseScript(to, script));
  EXPECT_EQ(script, bevelId_);
}

}  // namespace
}  // namespace Talvo::testing
