// The macro checker: changed macro ids are offered for fixing, missing macros are reported.
#include <win32/modal_responder.h>

#include "engine/check_macros.h"
#include "engine_fixture.h"

namespace Talvo::testing {
namespace {

class CheckMacrosTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    // The macro at id 0 is another one now; "Align" moved to id 1.
    hostsim::AddMacro({L"Tools", L"Mirror", L"Mirror", L"", L"", L""});
    align_ = hostsim::AddMacro({L"Tools", L"Align", L"Align", L"", L"", L""});
    function_ = AssignNewFunction('Q');
    function_->SetName(L"Arrange");
    Reference(1, L"Align", 0);
    Reference(2, L"Gone", 5);
    Reference(3, L"Mirror", 0);  // still right
    ASSERT_TRUE(function_->Save());
  }

  void Reference(int press, const wchar_t* name, MacroID id) {
    const CaseKeys keys{kInputSingleTap, kModeGlobal, 0, press, 3};
    function_->AddAction(keys);
    function_->SetCaseGroup(keys, L"Macro Scripts");
    function_->SetCaseMacroScript(keys, {L"Tools", L"Tools", name, L"", L"", id});
  }

  MacroID StoredId(int press) {
    CaseMacroScript macro;
    function_->GetCaseMacroScript({kInputSingleTap, kModeGlobal, 0, press, 3}, macro);
    return macro.macroId;
  }

  XmlFunction* function_ = nullptr;
  MacroID align_ = BAD_MACRO_ID;
};

TEST_F(CheckMacrosTest, AcceptedFixesAreAppliedSavedAndReported) {
  winsim::AnswerMessageBox(IDYES, winsim::ModalMatch::TextContaining(L"Fix them"));
  const MacroCheckResult result = CheckMacros();
  EXPECT_EQ(result.checked, 3);
  EXPECT_EQ(result.changed, 1);
  EXPECT_EQ(result.missing, 1);
  EXPECT_EQ(result.fixed, 1);
  EXPECT_EQ(StoredId(1), align_);
  EXPECT_EQ(StoredId(2), 5);
  EXPECT_TRUE(function_->IsSaved());
  const std::wstring report = hostsim::ListenerText();
  EXPECT_NE(report.find(L"Arrange: macro \"Align\" of category \"Tools\" changed its id from 0 to 1"),
            std::wstring::npos)
      << report;
  EXPECT_NE(report.find(L"\"Gone\" of category \"Tools\" is missing"), std::wstring::npos);
  EXPECT_NE(report.find(L"3 macro references checked, 1 changed, 1 missing, 1 fixed"), std::wstring::npos);
}

TEST_F(CheckMacrosTest, DeclinedFixesChangeNothingAndNothingToFixAsksNothing) {
  winsim::AnswerMessageBox(IDNO);
  EXPECT_EQ(CheckMacros().fixed, 0);
  EXPECT_EQ(StoredId(1), 0);
  EXPECT_TRUE(function_->IsSaved());

  // Functions no profile uses are not checked.
  Profile().RemoveAllAssignments();
  winsim::ClearModalLog();
  EXPECT_EQ(CheckMacros().checked, 0);
  EXPECT_TRUE(winsim::ModalLog().empty());
}

}  // namespace
}  // namespace Talvo::testing
