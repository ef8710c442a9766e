#include <string>

#include "host/core_interface.h"
#include "host_fixture.h"

namespace {

using ActionsTest = HostTest;

TEST_F(ActionsTest, StandardTablesInstallOnceAndTheirActionsKnowTheirTable) {
  hostsim::InstallStandardActions();
  hostsim::InstallStandardActions();  // a second install changes nothing
  IActionManager* manager = GetCOREInterface()->GetActionManager();
  ASSERT_EQ(manager->NumActionTables(), 4);
  EXPECT_EQ(manager->GetTable(4), nullptr);
  ActionTable* poly = manager->FindTable(kActionEditablePolyTable);
  ASSERT_NE(poly, nullptr);
  for (int i = 0; i < poly->Count(); ++i) EXPECT_EQ(poly->GetAction(i)->GetTable(), poly);
  EXPECT_EQ(poly->GetAction(-1), nullptr);
  EXPECT_EQ(poly->GetAction(poly->Count()), nullptr);
}

TEST_F(ActionsTest, ExecuteActionIsLoggedAndTrueOnlyForExistingActions) {
  hostsim::InstallStandardActions();
  IActionManager* manager = GetCOREInterface()->GetActionManager();
  EXPECT_TRUE(manager->ExecuteAction(kActionEditablePolyTable, 100));
  EXPECT_FALSE(manager->ExecuteAction(kActionEditablePolyTable, 99999));
  EXPECT_FALSE(manager->ExecuteAction(0x12345678, 1));
  const auto log = hostsim::ActionLog();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].table, static_cast<ActionTableId>(kActionEditablePolyTable));
  EXPECT_EQ(log[0].command, 100);
  EXPECT_TRUE(log[0].found);
  EXPECT_FALSE(log[1].found);
}

class CountingCallback : public ActionCallback {
 public:
  BOOL ExecuteAction(int id) override {
    last = id;
    ++calls;
    return answer;
  }
  BOOL answer = TRUE;
  int last = 0;
  int calls = 0;
};

TEST_F(ActionsTest, AProgramTableRunsItsCallbackOnceActivated) {
  IActionManager* manager = GetCOREInterface()->GetActionManager();
  auto* table = new ActionTable(0x5e31a0c2, 0x5e31a0c2, MSTR(L"Quillon"));
  table->AppendOperation(new ActionItem(1, L"Open Editor", L"Open Editor", L"Quillon", L"Opens the editor"));
  EXPECT_TRUE(manager->RegisterActionTable(table));
  EXPECT_FALSE(manager->RegisterActionTable(new ActionTable(0x5e31a0c2, 0, MSTR(L"Duplicate"))));
  EXPECT_TRUE(manager->RegisterActionContext(0x5e31a0c2, L"Quillon"));
  EXPECT_FALSE(manager->RegisterActionContext(0x5e31a0c2, L"Again"));

  CountingCallback callback;
  EXPECT_TRUE(manager->ExecuteAction(0x5e31a0c2, 1));
  EXPECT_EQ(callback.calls, 0);
  EXPECT_TRUE(manager->ActivateActionTable(&callback, 0x5e31a0c2));
  EXPECT_EQ(callback.GetTable(), table);
  EXPECT_TRUE(manager->ExecuteAction(0x5e31a0c2, 1));
  EXPECT_EQ(callback.last, 1);
  // A callback that does not carry the command out makes the execution fail.
  callback.answer = FALSE;
  EXPECT_FALSE(manager->ExecuteAction(0x5e31a0c2, 1));
  callback.answer = TRUE;
  EXPECT_TRUE(manager->DeactivateActionTable(&callback, 0x5e31a0c2));
  EXPECT_TRUE(table->GetActionById(1)->ExecuteAction());
  EXPECT_EQ(callback.calls, 2);
  EXPECT_FALSE(manager->ActivateActionTable(&callback, 1234));
}

TEST_F(ActionsTest, MacroScriptsAreFoundByIndexIdAndNameAndMirroredInTheirTable) {
  hostsim::InstallStandardActions();
  MacroDir& dir = GetMacroScriptDir();
  ASSERT_GT(dir.Count(), 0);
  MacroEntry* grow = dir.FindMacro(L"Selection", L"GrowSelection");
  ASSERT_NE(grow, nullptr);
  EXPECT_EQ(dir.FindMacroById(grow->GetID()), grow);
  EXPECT_EQ(grow->GetButtonText(), MSTR(L"Grow Selection"));
  EXPECT_EQ(grow->GetInternalCategory(), MSTR(L"Selection"));
  EXPECT_NE(grow->GetFileName().str().find(L"Selection.mcr"), std::wstring::npos);
  EXPECT_EQ(dir.FindMacro(L"selection", L"GrowSelection"), nullptr);
  EXPECT_EQ(dir.FindMacro(nullptr, L"GrowSelection"), nullptr);
  EXPECT_EQ(dir.GetMacro(dir.Count()), nullptr);

  const MacroID added = hostsim::AddMacro({L"Brasswick", L"BW_QuickLoop", L"Quick Loop", L"Selects a loop", L"", L""});
  ActionTable* table = GetCOREInterface()->GetActionManager()->FindTable(kActionMacroScriptsTable);
  ASSERT_NE(table, nullptr);
  ActionItem* item = table->GetActionById(added);
  ASSERT_NE(item, nullptr);
  ASSERT_NE(item->GetMacroScript(), nullptr);
  EXPECT_EQ(item->GetMacroScript()->GetName(), MSTR(L"BW_QuickLoop"));
  MSTR category;
  item->GetCategoryText(category);
  EXPECT_EQ(category, MSTR(L"Brasswick"));

  EXPECT_TRUE(GetCOREInterface()->GetActionManager()->ExecuteAction(kActionMacroScriptsTable, added));
  EXPECT_TRUE(dir.ExecuteMacro(grow->GetID()));
  EXPECT_TRUE(hostsim::RemoveMacro(added));
  EXPECT_FALSE(hostsim::RemoveMacro(added));
  EXPECT_EQ(table->GetActionById(added), nullptr);
  EXPECT_FALSE(dir.ExecuteMacro(added));
  const auto runs = hostsim::MacroLog();
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].id, added);
  EXPECT_TRUE(runs[1].found);
  EXPECT_FALSE(runs[2].found);
}

TEST_F(ActionsTest, MenusHoldActionItemsAndSubMenusUnderTheMainBar) {
  hostsim::InstallStandardActions();
  IMenuManager* menus = GetCOREInterface()->GetMenuManager();
  IMenu* bar = menus->GetMainMenuBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(menus->GetMainMenuBar(), bar);
  EXPECT_EQ(menus->FindMenu(L"Main Menu Bar"), bar);

  IMenu* quillon = GetIMenu();
  quillon->SetTitle(L"Quillon");
  EXPECT_TRUE(menus->RegisterMenu(quillon));
  IMenu* clash = GetIMenu();
  clash->SetTitle(L"Quillon");
  EXPECT_FALSE(menus->RegisterMenu(clash));

  IMenuItem* open = GetIMenuItem();
  open->SetActionItem(GetCOREInterface()->GetActionManager()->FindTable(kActionMainUI)->GetAction(0));
  IMenuItem* separator = GetIMenuItem();
  separator->ActAsSeparator();
  quillon->AddItem(open);
  quillon->AddItem(separator, 0);
  IMenuItem* entry = GetIMenuItem();
  entry->SetSubMenu(quillon);
  entry->SetTitle(L"Quillon");
  bar->AddItem(entry, 99);
  menus->UpdateMenuBar();

  EXPECT_EQ(bar->GetItem(bar->NumItems() - 1)->GetSubMenu(), quillon);
  EXPECT_TRUE(quillon->GetItem(0)->IsSeparator());
  EXPECT_EQ(quillon->GetItem(1), open);
  EXPECT_EQ(quillon->GetItem(2), nullptr);
  EXPECT_TRUE(bar->RemoveItem(entry));
  EXPECT_FALSE(bar->RemoveItem(entry));
  EXPECT_FALSE(quillon->RemoveItem(5));
  EXPECT_TRUE(menus->UnRegisterMenu(quillon));
  EXPECT_EQ(menus->FindMenu(L"Quillon"), nullptr);
  EXPECT_EQ(menus->UpdateCount(), 1);

  hostsim::Reset();
  EXPECT_EQ(menus->NumMenus(), 0);
}

}  // namespace
