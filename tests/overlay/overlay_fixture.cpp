#include "overlay_fixture.h"

#include <unistd.h>

namespace Talvo::testing {

void OverlayTest::SetUp() {
  winsim::Reset();
  mfcsim::Reset();
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  root_ = std::filesystem::temp_directory_path() /
          ("talvo-overlay-" + std::to_string(getpid()) + "-" + info->test_suite_name() + "-" + info->name());
  std::filesystem::remove_all(root_);
  hostsim::Start(root_.wstring());
  hostsim::SetDirectory(APP_ICONS_DIR, (std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() /
                                        "resources" / "icons" / "")
                                           .wstring());
  ASSERT_TRUE(GetTalvo().Load());
  auto* table = new ActionTable(kTestTable, kActionMainUIContext, MSTR(_M("Overlay Test")));
  table->AppendOperation(new ActionItem(kTestCommand, _M("Weld"), _M("Weld"), _M("Test"), _M("Weld vertices")));
  ASSERT_TRUE(GetCOREInterface()->GetActionManager()->RegisterActionTable(table));
}

void OverlayTest::TearDown() {
  mfcsim::Reset();
  GetTalvo().Clear();
  hostsim::Reset();
  winsim::Reset();
  std::filesystem::remove_all(root_);
}

XmlFunction* OverlayTest::AssignNewFunction(UINT virtualKey, int kind, bool learning) {
  XmlFunction* function = GetTalvo().CreateFunction(kind);
  Profile().Assign(KeyOf(virtualKey), static_cast<int>(virtualKey), function->GetId(), false, learning);
  return function;
}

void OverlayTest::AddActionCase(XmlFunction& function, const CaseKeys& keys, const std::wstring& text) {
  function.AddAction(keys);
  function.SetCaseGroup(keys, L"Main UI");
  function.SetCaseTableAction(keys, text, kTestTable, kTestCommand);
}

void OverlayTest::AddMissingActionCase(XmlFunction& function, const CaseKeys& keys, const std::wstring& text) {
  function.AddAction(keys);
  function.SetCaseGroup(keys, L"Main UI");
  function.SetCaseTableAction(keys, text, kTestTable, kTestCommand + 1000);
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
