#include "frame/key_commands.h"

#include "commands_fixture.h"
#include "controls/key_button.h"
#include "model/vocabulary.h"

namespace Talvo::testing {
namespace {

constexpr int kKeyQ = 16;
constexpr int kKeyW = 17;

struct KeyCommandRow;

class KeyCommandsTest : public CommandsTest, public ::testing::WithParamInterface<KeyCommandRow> {
 public:
  void SetUp() override {
    CommandsTest::SetUp();
    if (HasFatalFailure()) return;
    profile_ = GetTalvo().GetCurrentProfile();
    ASSERT_NE(profile_, nullptr);
    function_ = GetTalvo().CreateFunction(kKindSingleTap);
    for (auto [button, key, x] : {std::tuple{&q_, kKeyQ, 10}, std::tuple{&w_, kKeyW, 80}}) {
      ASSERT_TRUE(button->Create(L"", WS_CHILD | WS_VISIBLE, CRect(x, 450, x + 60, 510), &page_, 100 + key));
      button->keyNumber = key;
      button->virtualKey = 'Q' + (key - kKeyQ) * ('W' - 'Q');
    }
  }

  void TearDown() override {
    q_.DestroyWindow();
    w_.DestroyWindow();
    CommandsTest::TearDown();
  }

  // Right-clicks the key and picks a command of its menu; the menu sends it to the editor window.
  static void RunFromMenu(KeyButton& button, UINT command) {
    winsim::AnswerPopupMenu(command);
    button.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    winsim::PumpMessages();
  }

  void GiveLearningInterface(KeyButton& button) {
    profile_->AddVisualAssignment(button.keyNumber);
    button.displayState = kKeyLearningInterface;
    GetTalvo().SetLearningKeyButton(&button);
  }
  void AssignQ(const std::wstring& id) {
    profile_->Assign(kKeyQ, 'Q', id.empty() ? function_->GetId() : id, false, false);
    q_.assigned = true;
  }
  void NewFunctionIsMade() {
    view_.onNewFunction = [] { GetTalvo().CreateFunction(kKindSingleTap); };
  }

  XmlProfile* profile_ = nullptr;
  XmlFunction* function_ = nullptr;
  KeyButton q_;
  KeyButton w_;
};

struct KeyCommandRow {
  const char* name;
  UINT command;
  std::function<void(KeyCommandsTest&)> prepare;
  std::function<bool(const XmlProfile&, const KeyButton& q, const KeyButton& w)> expect;
  std::vector<std::wstring> requests;
};

const KeyCommandRow kKeyCommands[] = {
    {"DeleteAssignment", ID_KEY_DELETE_ASSIGNMENT, [](auto& t) { t.AssignQ(L""); },
     [](const XmlProfile& p, const KeyButton& q, const KeyButton&) { return !p.HasAssignment(kKeyQ) && !q.assigned; },
     {L"close 16", L"rebuild"}},
    {"EditFunctionShowsIt", ID_KEY_EDIT_FUNCTION,
     [](auto& t) {
       t.AssignQ(L"");
       GetTalvo().CreateFunction(kKindMultiTap);  // the current one until the command
     },
     [](const XmlProfile&, const KeyButton&, const KeyButton&) {
       return GetTalvo().GetCurrentFunction()->GetId() == GetTalvo().GetFunction(0)->GetId();
     },
     {L"refresh", L"activate 1"}},
    {"CancelledCreateKeepsTheLearningInterface", ID_KEY_CREATE_FUNCTION,
     [](auto& t) { t.GiveLearningInterface(t.q_); },
     [](const XmlProfile& p, const KeyButton& q, const KeyButton&) {
       return p.HasVisualAssignment(kKeyQ) && q.displayState == kKeyLearningInterface && !p.HasAssignment(kKeyQ);
     },
     {L"new"}},
    {"CreateAssignsTheNewFunction", ID_KEY_CREATE_FUNCTION,
     [](auto& t) {
       t.GiveLearningInterface(t.q_);
       t.NewFunctionIsMade();
     },
     [](const XmlProfile& p, const KeyButton& q, const KeyButton&) {
       const XmlFunction* made = GetTalvo().GetFunction(GetTalvo().GetFunctions()->Count() - 1);
       return !p.HasVisualAssignment(kKeyQ) && q.displayState == kKeyOrdinary &&
              p.GetFunctionIdOfKey(kKeyQ) == made->GetId() && p.GetLearningFlag(kKeyQ) &&
              GetTalvo().GetLearningKeyButton() == nullptr;
     },
     {L"new", L"rebuild", L"activate 1"}},
    {"LearningInterfaceMovesToTheNextKey", ID_KEY_ASSIGN_LEARNING_INTERFACE,
     [](auto& t) {
       t.AssignQ(L"");
       t.GiveLearningInterface(t.w_);
     },
     [](const XmlProfile& p, const KeyButton& q, const KeyButton& w) {
       return p.HasVisualAssignment(kKeyQ) && !p.HasVisualAssignment(kKeyW) && !p.HasAssignment(kKeyQ) &&
              q.assignedText == L"Learning Interface" && w.displayState == kKeyOrdinary &&
              GetTalvo().GetLearningKeyButton() == &q;
     },
     {L"close 16", L"rebuild"}},
    {"DeleteLearningInterface", ID_KEY_DELETE_LEARNING_INTERFACE,
     [](auto& t) { t.GiveLearningInterface(t.q_); },
     [](const XmlProfile& p, const KeyButton& q, const KeyButton&) {
       return !p.HasVisualAssignment(kKeyQ) && q.displayState == kKeyOrdinary &&
              GetTalvo().GetLearningKeyButton() == nullptr;
     },
     {}},
};

TEST_P(KeyCommandsTest, ChangesTheProfileAndTheKey) {
  const KeyCommandRow& row = GetParam();
  row.prepare(*this);
  RunFromMenu(q_, row.command);
  EXPECT_TRUE(row.expect(*profile_, q_, w_));
  EXPECT_EQ(view_.requests, row.requests);
}

INSTANTIATE_TEST_SUITE_P(KeyMenu, KeyCommandsTest, ::testing::ValuesIn(kKeyCommands),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyCommandsTest, AMissingFunctionIsReportedAndTheSelectionStays) {
  GetTalvo().CreateFunction(kKindSingleTap);
  const int selected = GetTalvo().GetMainDocument()->GetSelectedFunction();
  AssignQ(L"deleted");
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(L"Function not found!", L"Error!"));
  RunFromMenu(q_, ID_KEY_EDIT_FUNCTION);
  EXPECT_EQ(winsim::PendingModalAnswers(), 0U);
  EXPECT_EQ(GetTalvo().GetMainDocument()->GetSelectedFunction(), selected);
  EXPECT_TRUE(view_.requests.empty());
}

}  // namespace
}  // namespace Talvo::testing
