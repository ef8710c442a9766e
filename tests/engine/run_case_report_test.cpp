// What the dispatcher cannot run it reports in the host's debug log: a command the host lacks, a custom
// script that was deleted, a case that names no script or stores no command.
#include <host/simulation.h>

#include "engine/dispatcher.h"
#include "engine_fixture.h"
#include "model/modifiers.h"
#include "model/xml_custom_scripts.h"

namespace Talvo::testing {
namespace {

constexpr ActionTableId kAbsentTable = 0x7e58;

struct ReportCase {
  const char* name;
  void (*store)(XmlFunction&, const CaseKeys&);
  const wchar_t* report;
};

class RunCaseReportTest : public EngineTest, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(RunCaseReportTest, ACaseThatCannotRunIsReported) {
  XmlFunction* function = AssignNewFunction('Q');
  ASSERT_NE(function, nullptr);
  const CaseKeys keys{kInputSingleTap, kModeGlobal, 0, 1, kModifierNone};
  function->AddAction(keys);
  GetParam().store(*function, keys);
  hostsim::ClearDebugLog();
  EXPECT_FALSE(RunFunctionCase('Q', 1, kModifierNone, false));
  EXPECT_NE(hostsim::DebugLog().find(GetParam().report), std::wstring::npos) << hostsim::DebugLog();
  EXPECT_FALSE(theHold.Holding());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunCaseReportTest,
    ::testing::Values(
        ReportCase{"MissingAction",
                   [](XmlFunction& f, const CaseKeys& k) {
                     f.SetCaseGroup(k, L"Main UI");
                     f.SetCaseTableAction(k, L"Gone", kAbsentTable, 3);
                   },
                   L"action \"Gone\" (table 32344, id 3) cannot run"},
        ReportCase{"NoCommand", [](XmlFunction& f, const CaseKeys& k) { f.SetCaseGroup(k, L"Main UI"); },
                   L"stores no command"},
        ReportCase{"DeletedScript",
                   [](XmlFunction& f, const CaseKeys& k) {
                     std::wstring id;
                     GetTalvo().GetCustomScripts()->AddScript(L"Old", L"print 1", id);
                     GetTalvo().GetCustomScripts()->DeleteScript(id);
                     f.SetCaseGroup(k, kGroupCustomCode);
                     f.SetCaseScript(k, id);
                   },
                   L"custom script \""},
        ReportCase{"NoScript", [](XmlFunction& f, const CaseKeys& k) { f.SetCaseGroup(k, kGroupCustomCode); },
                   L"names no custom script"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace Talvo::testing
