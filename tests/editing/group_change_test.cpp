// A new Group for a stored case drops the case's command straight away: the category, a table action, a
// macro script or a custom script id, also when the Category was never touched.
#include "function_editor_fixture.h"
#include "model/xml_custom_scripts.h"

namespace Talvo::testing {
namespace {

constexpr int kGroupColumn = 4;
const CaseKeys kTap{L"Editable Poly", L"vertex", 0, 1, 3};

struct GroupChange {
  const char* name;
  void (*store)(XmlFunction&);
  const wchar_t* newGroup;
};

// Whether any part of a command is still stored for the case.
bool HasCommand(const XmlFunction& function) {
  std::wstring text;
  int tableId = -1;
  int actionId = -1;
  CaseMacroScript macro;
  return function.GetCaseCategory(kTap, text) || function.GetCaseAction(kTap, text) ||
         function.GetCaseTableAction(kTap, text, tableId, actionId) || function.GetCaseMacroScript(kTap, macro) ||
         function.GetCaseScript(kTap, text);
}

class GroupChangeTest : public FunctionEditorTest, public ::testing::WithParamInterface<GroupChange> {};

TEST_P(GroupChangeTest, ClearsTheStoredCommand) {
  const GroupChange& row = GetParam();
  XmlFunction& function = NewFunction(kKindContextSensitive);
  function.AddAction(kTap);
  row.store(function);
  ASSERT_TRUE(HasCommand(function));
  MakePage(L"Editable Poly");
  Expand(0, 3);
  Choose(3, kGroupColumn, row.newGroup);
  std::wstring group;
  ASSERT_TRUE(function.GetCaseGroup(kTap, group));
  EXPECT_EQ(group, row.newGroup);
  EXPECT_FALSE(HasCommand(function));
}

INSTANTIATE_TEST_SUITE_P(
    StoredCommands, GroupChangeTest,
    ::testing::Values(
        GroupChange{"TableActionToCustomCode",
                    [](XmlFunction& f) {
                      f.SetCaseGroup(kTap, L"Editable Polygon Object");
                      f.SetCaseCategory(kTap, L"Editable Polygon");
                      f.SetCaseTableAction(kTap, L"Extrude", kActionEditablePolyTable, 100);
                    },
                    L"Custom Code"},
        GroupChange{"MacroToOriginalKey",
                    [](XmlFunction& f) {
                      f.SetCaseGroup(kTap, L"Main UI");
                      f.SetCaseCategory(kTap, L"Selection");
                      f.SetCaseMacroScript(kTap, {L"Selection", L"Selection", L"Loop", L"", L"", 7});
                    },
                    L"Original key behavior"},
        GroupChange{"ScriptToTable",
                    [](XmlFunction& f) {
                      std::wstring id;
                      GetTalvo().GetCustomScripts()->AddScript(L"Greet", L"print 1", id);
                      f.SetCaseGroup(kTap, kGroupCustomCode);
                      f.SetCaseScript(kTap, id);
                    },
                    L"Editable Polygon Object"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace Talvo::testing
