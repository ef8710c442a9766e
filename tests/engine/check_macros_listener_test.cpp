// The macro checker when the host has no script listener: the fixes are made and saved, nothing is printed.
#include <host/listener.h>
#include <win32/modal_responder.h>

#include "engine/check_macros.h"
#include "engine_fixture.h"

namespace Talvo::testing {
namespace {

TEST_F(EngineTest, CheckingMacrosWithoutAListenerStillFixesAndSaves) {
  const MacroID moved = hostsim::AddMacro({L"Tools", L"Align", L"Align", L"", L"", L""});
  XmlFunction* function = AssignNewFunction('Q');
  const CaseKeys keys{kInputSingleTap, kModeGlobal, 0, 1, 3};
  function->AddAction(keys);
  function->SetCaseGroup(keys, L"Macro Scripts");
  function->SetCaseMacroScript(keys, {L"Tools", L"Tools", L"Align", L"", L"", moved + 7});
  winsim::AnswerMessageBox(IDYES, winsim::ModalMatch::TextContaining(L"Fix them"));

  Listener* listener = the_listener;
  the_listener = nullptr;
  const MacroCheckResult result = CheckMacros();
  the_listener = listener;
  EXPECT_EQ(result.fixed, 1);
  CaseMacroScript macro;
  ASSERT_TRUE(function->GetCaseMacroScript(keys, macro));
  EXPECT_EQ(macro.macroId, moved);
  EXPECT_TRUE(function->IsSaved());
}

}  // namespace
}  // namespace Talvo::testing
