#include "overlay_fixture.h"

namespace Talvo::testing {

void OverlayTest::SetUp() {
  DataFolderTest::SetUp();
  ASSERT_TRUE(GetTalvo().Load());
  auto* table = new ActionTable(kTestTable, kActionMainUIContext, MSTR(_M("Overlay Test")));
  table->AppendOperation(new ActionItem(kTestCommand, _M("Weld"), _M("Weld"), _M("Test"), _M("Weld vertices")));
  ASSERT_TRUE(GetCOREInterface()->GetActionManager()->RegisterActionTable(table));
}

void OverlayTest::TearDown() {
  mfcsim::Reset();
  GetTalvo().Clear();
  DataFolderTest::TearDown();
}

XmlFunction* OverlayTest::AssignNewFunction(UINT virtualKey, int kind, bool learning) {
  XmlFunction* function = GetTalvo().CreateFunction(kind);
  Profile().Assign(KeyOf(virtualKey), static_cast<int>(virtualKey), function->GetId(), false, learning);
  return function;
}

void OverlayTest::AddActionCase(XmlFunction& function, const CaseKeys& keys, const std::wstring& text,
                                int command) {
  function.AddAction(keys);
  function.SetCaseGroup(keys, L"Main UI");
  function.SetCaseTableAction(keys, text, kTestTable, command);
}

void OverlayTest::AddOriginalKeyCase(XmlFunction& function, const CaseKeys& keys) {
  function.AddAction(keys);
  function.SetCaseGroup(keys, kGroupOriginalKey);
}

std::wstring OverlayTest::AddScriptCase(XmlFunction& function, const CaseKeys& keys, const std::wstring& scriptName) {
  std::wstring id;
  GetTalvo().GetCustomScripts()->AddScript(scriptName, L"print 1", id);
  function.AddAction(keys);
  function.SetCaseGroup(keys, kGroupCustomCode);
  function.SetCaseScript(keys, id);
  return id;
}

}  // namespace Talvo::testing
