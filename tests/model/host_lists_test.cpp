// The host command lists the case pickers show, and validation of stored commands.
#include <gtest/gtest.h>

#include <algorithm>

#include <host/core_interface.h>
#include <host/simulation.h>

#include "model/host_lists.h"
#include "model/vocabulary.h"
#include "model/xml_function.h"
#include "support/data_folder_fixture.h"

namespace Talvo {
namespace {

class HostListsTest : public testing::DataFolderTest {
 protected:
  void SetUp() override {
    DataFolderTest::SetUp();
    hostsim::InstallStandardActions();
  }
};

TEST_F(HostListsTest, TablesCategoriesAndActions) {
  std::vector<std::pair<std::wstring, ActionTableId>> tables;
  ListActionTables(tables);
  const auto hasTable = [&](const std::wstring& name) {
    return std::any_of(tables.begin(), tables.end(), [&](const auto& t) { return t.first == name; });
  };
  EXPECT_TRUE(hasTable(L"Main UI"));
  EXPECT_TRUE(hasTable(L"Editable Polygon Object"));
  EXPECT_TRUE(hasTable(L"Macro Scripts"));

  std::vector<CategoryEntry> categories;
  ListTableActions(kActionMainUI, categories);
  ASSERT_EQ(categories.size(), 3u);
  EXPECT_EQ(categories[0].name, L"Edit");
  EXPECT_EQ(categories[1].name, L"Views");
  EXPECT_EQ(categories[0].tableId, static_cast<ActionTableId>(kActionMainUI));

  std::vector<CommandRecord> records;
  ListCategoryActions(kActionMainUI, L"Selection", records);
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0].text, L"Select All");
  EXPECT_EQ(records[0].actionId, 40201);
  EXPECT_FALSE(records[0].isMacro);
  records.clear();
  ListAllActions(kActionEditablePolyTable, records);
  EXPECT_EQ(records.size(), 10u);

  ActionTable* table = FindActionContext(L"Unwrap UVW");
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->GetId(), static_cast<ActionTableId>(kActionUnwrapTable));
  EXPECT_EQ(FindActionContext(L"No Such Table"), nullptr);
}

TEST_F(HostListsTest, MacroCategoriesAndMacros) {
  std::vector<CategoryEntry> categories;
  ListMacroCategories(categories);
  ASSERT_FALSE(categories.empty());
  EXPECT_TRUE(categories[0].isMacroCategory);
  std::vector<CommandRecord> macros;
  ListCategoryMacros(categories[0].name, macros);
  ASSERT_FALSE(macros.empty());
  EXPECT_TRUE(macros[0].isMacro);
  ASSERT_NE(macros[0].macro, nullptr);
  EXPECT_EQ(macros[0].macro->GetCategory(), categories[0].name.c_str());
  std::vector<CommandRecord> items;
  ListMacroScriptActions(kActionMacroScriptsTable, categories[0].name, items);
  EXPECT_EQ(items.size(), macros.size());
}

TEST_F(HostListsTest, ValidateCaseCommandFollowsTheHost) {
  XmlFunction function;
  function.FillDefaultCases(kKindSingleTap);
  const CaseKeys table{kInputSingleTap, kModeGlobal, 0, 1, 3};
  EXPECT_FALSE(ValidateCaseCommand(&function, table));  // no case yet
  function.SetCaseGroup(table, L"Editable Polygon Object");
  EXPECT_TRUE(ValidateCaseCommand(&function, table));  // nothing stored that could be missing
  function.SetCaseTableAction(table, L"Extrude", kActionEditablePolyTable, 100);
  EXPECT_TRUE(ValidateCaseCommand(&function, table));
  function.SetCaseTableAction(table, L"Gone", kActionEditablePolyTable, 999);
  EXPECT_FALSE(ValidateCaseCommand(&function, table));

  const MacroID id = hostsim::AddMacro({L"Talvo Tests", L"Probe", L"Probe", L"Probe tip", L"", L""});
  const CaseKeys macroCase{kInputOverrideMode, kModeGlobal, 0, 1, 3};
  function.SetCaseMacroScript(macroCase, {L"Talvo Tests", L"Talvo Tests", L"Probe", L"", L"Probe tip", id});
  EXPECT_TRUE(ValidateCaseCommand(&function, macroCase));
  ASSERT_TRUE(hostsim::RemoveMacro(id));
  EXPECT_FALSE(ValidateCaseCommand(&function, macroCase));
  EXPECT_FALSE(ValidateCaseCommand(nullptr, macroCase));
}

}  // namespace
}  // namespace Talvo
