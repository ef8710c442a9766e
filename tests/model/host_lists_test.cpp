// The host command lists the case pickers show, and validation of stored commands.
#include <gtest/gtest.h>

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

TEST_F(HostListsTest, TablesAreListedCategoriesOnceAndActionsByCategory) {
  std::vector<std::pair<std::wstring, ActionTableId>> tables;
  ListActionTables(tables);
  ASSERT_FALSE(tables.empty());
  EXPECT_EQ(tables[0], std::make_pair(std::wstring(L"Main UI"), static_cast<ActionTableId>(kActionMainUI)));
  std::vector<CategoryEntry> categories;
  ListTableActions(kActionMainUI, categories);
  std::vector<std::wstring> names;
  for (const CategoryEntry& category : categories) names.push_back(category.name);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Edit", L"Views", L"Selection"}));

  std::vector<CommandRecord> records;
  ListCategoryActions(kActionMainUI, L"Selection", records);
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0].text, L"Select All");
  EXPECT_FALSE(records[0].isMacro);
  EXPECT_EQ(FindActionContext(L"Unwrap UVW")->GetId(), static_cast<ActionTableId>(kActionUnwrapTable));
  EXPECT_EQ(FindActionContext(L"No Such Table"), nullptr);
}

TEST_F(HostListsTest, MacrosOfACategoryAreTheMacroTablesItemsOfIt) {
  std::vector<CategoryEntry> categories;
  ListMacroCategories(categories);
  ASSERT_FALSE(categories.empty());
  std::vector<CommandRecord> macros;
  ListCategoryMacros(categories[0].name, macros);
  ASSERT_FALSE(macros.empty());
  ASSERT_NE(FindRecordMacro(macros[0]), nullptr);
  EXPECT_EQ(FindRecordMacro(macros[0])->GetCategory(), categories[0].name.c_str());
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
