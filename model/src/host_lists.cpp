#include "model/host_lists.h"

#include <algorithm>

#include <host/core_interface.h>

#include "model/xml_function.h"

namespace Talvo {

namespace {

IActionManager* ActionManager() {
  Interface* core = GetCOREInterface();
  return core ? core->GetActionManager() : nullptr;
}

ActionTable* FindTable(ActionTableId id) {
  IActionManager* manager = ActionManager();
  return manager ? manager->FindTable(id) : nullptr;
}

std::wstring ItemText(ActionItem& item) {
  MSTR text;
  item.GetButtonText(text);
  if (text.isNull()) item.GetMenuText(text);
  return text;
}

std::wstring ItemCategory(ActionItem& item) {
  MSTR text;
  item.GetCategoryText(text);
  return text;
}

std::wstring MacroText(const MacroEntry& macro) {
  return macro.GetButtonText().isNull() ? macro.GetName().str() : macro.GetButtonText().str();
}

CommandRecord MacroRecord(const MacroEntry* macro, ActionTableId tableId) {
  return {true, tableId, macro->GetID(), MacroText(*macro)};
}

void AddCategory(std::vector<CategoryEntry>& categories, CategoryEntry entry) {
  const bool known = std::any_of(categories.begin(), categories.end(),
                                 [&](const CategoryEntry& c) { return c.name == entry.name; });
  if (!known && !entry.name.empty()) categories.push_back(std::move(entry));
}

}  // namespace

void ListActionTables(std::vector<std::pair<std::wstring, ActionTableId>>& tables) {
  IActionManager* manager = ActionManager();
  for (int i = 0; manager && i < manager->NumActionTables(); ++i) {
    if (const ActionTable* table = manager->GetTable(i)) tables.emplace_back(table->GetName(), table->GetId());
  }
}

void ListTableActions(ActionTableId tableId, std::vector<CategoryEntry>& categories) {
  const ActionTable* table = FindTable(tableId);
  for (int i = 0; table && i < table->Count(); ++i) {
    if (ActionItem* item = table->GetAction(i)) AddCategory(categories, {ItemCategory(*item), tableId, false});
  }
}

void ListMacroCategories(std::vector<CategoryEntry>& categories) {
  const MacroDir& macros = GetMacroScriptDir();
  for (int i = 0; i < macros.Count(); ++i) {
    if (const MacroEntry* macro = macros.GetMacro(i)) {
      AddCategory(categories, {macro->GetCategory(), kActionMacroScriptsTable, true});
    }
  }
}

void ListCategoryActions(ActionTableId tableId, const std::wstring& category, std::vector<CommandRecord>& records) {
  const ActionTable* table = FindTable(tableId);
  for (int i = 0; table && i < table->Count(); ++i) {
    ActionItem* item = table->GetAction(i);
    if (item && ItemCategory(*item) == category) records.push_back({false, tableId, item->GetId(), ItemText(*item)});
  }
}

void ListCategoryMacros(const std::wstring& category, std::vector<CommandRecord>& records) {
  const MacroDir& macros = GetMacroScriptDir();
  for (int i = 0; i < macros.Count(); ++i) {
    MacroEntry* macro = macros.GetMacro(i);
    if (macro && macro->GetCategory() == category.c_str()) records.push_back(MacroRecord(macro, kActionMacroScriptsTable));
  }
}

void ListAllActions(ActionTableId tableId, std::vector<CommandRecord>& records) {
  const ActionTable* table = FindTable(tableId);
  for (int i = 0; table && i < table->Count(); ++i) {
    ActionItem* item = table->GetAction(i);
    if (!item) continue;
    if (MacroEntry* macro = item->GetMacroScript()) records.push_back(MacroRecord(macro, tableId));
    else records.push_back({false, tableId, item->GetId(), ItemText(*item)});
  }
}

void ListMacroScriptActions(ActionTableId tableId, const std::wstring& category, std::vector<CommandRecord>& records) {
  const ActionTable* table = FindTable(tableId);
  for (int i = 0; table && i < table->Count(); ++i) {
    ActionItem* item = table->GetAction(i);
    MacroEntry* macro = item ? item->GetMacroScript() : nullptr;
    if (macro && (category.empty() || macro->GetCategory() == category.c_str())) {
      records.push_back(MacroRecord(macro, tableId));
    }
  }
}

const MacroEntry* FindRecordMacro(const CommandRecord& record) {
  return record.isMacro ? GetMacroScriptDir().FindMacroById(record.actionId) : nullptr;
}

ActionTable* FindActionContext(const std::wstring& name) {
  IActionManager* manager = ActionManager();
  for (int i = 0; manager && i < manager->NumActionTables(); ++i) {
    ActionTable* table = manager->GetTable(i);
    if (table && table->GetName() == name.c_str()) return table;
  }
  return nullptr;
}

bool ValidateCaseCommand(const XmlFunction* function, const CaseKeys& keys) {
  if (!function || !function->HasCase(keys)) return false;
  CaseMacroScript macro;
  if (function->GetCaseMacroScript(keys, macro)) {
    const MacroDir& macros = GetMacroScriptDir();
    return macros.FindMacro(macro.category.c_str(), macro.name.c_str()) != nullptr ||
           (macro.macroId >= 0 && macros.FindMacroById(macro.macroId) != nullptr &&
            macros.FindMacroById(macro.macroId)->GetName() == macro.name.c_str());
  }
  std::wstring action;
  int tableId = -1;
  int actionId = -1;
  if (function->GetCaseTableAction(keys, action, tableId, actionId)) {
    const ActionTable* table = FindTable(static_cast<ActionTableId>(tableId));
    return table && table->GetActionById(actionId) != nullptr;
  }
  return true;
}

}  // namespace Talvo
