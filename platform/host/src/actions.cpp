#include "host/actions.h"

#include <algorithm>

#include "logs.h"

ActionItem::ActionItem(int id, const MCHAR* buttonText, const MCHAR* menuText, const MCHAR* category,
                       const MCHAR* description)
    : id_(id), button_(buttonText), menu_(menuText), category_(category), description_(description) {}

BOOL ActionItem::ExecuteAction() {
  if (MacroEntry* macro = GetMacroScript()) return GetMacroScriptDir().ExecuteMacro(macro->GetID());
  if (table_ && table_->GetCallback()) return table_->GetCallback()->ExecuteAction(GetId());
  // The host's own commands have no effect in the stand-in beyond being logged by the manager.
  return TRUE;
}

ActionTable::ActionTable(ActionTableId id, ActionContextId contextId, const MSTR& name)
    : id_(id), context_(contextId), name_(name) {}

ActionItem* ActionTable::GetAction(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return items_[static_cast<std::size_t>(index)].get();
}

ActionItem* ActionTable::GetActionById(int commandId) const {
  for (const auto& item : items_)
    if (item->GetId() == commandId) return item.get();
  return nullptr;
}

void ActionTable::AppendOperation(ActionItem* item) {
  if (!item) return;
  item->SetTable(this);
  items_.emplace_back(item);
}

BOOL ActionTable::DeleteOperation(ActionItem* item) {
  const auto it = std::find_if(items_.begin(), items_.end(), [&](const auto& owned) { return owned.get() == item; });
  if (it == items_.end()) return FALSE;
  items_.erase(it);
  return TRUE;
}

ActionTable* IActionManager::GetTable(int index) const {
  if (index < 0 || index >= NumActionTables()) return nullptr;
  return tables_[static_cast<std::size_t>(index)].get();
}

ActionTable* IActionManager::FindTable(ActionTableId id) const {
  for (const auto& table : tables_)
    if (table->GetId() == id) return table.get();
  return nullptr;
}

BOOL IActionManager::RegisterActionTable(ActionTable* table) {
  if (!table) return FALSE;
  if (FindTable(table->GetId())) {
    delete table;
    return FALSE;
  }
  tables_.emplace_back(table);
  return TRUE;
}

BOOL IActionManager::RegisterActionContext(ActionContextId id, const MCHAR* name) {
  if (FindContext(id)) return FALSE;
  contexts_.push_back(std::make_unique<ActionContext>(id, name));
  return TRUE;
}

ActionContext* IActionManager::GetActionContext(int index) const {
  if (index < 0 || index >= NumActionContexts()) return nullptr;
  return contexts_[static_cast<std::size_t>(index)].get();
}

ActionContext* IActionManager::FindContext(ActionContextId id) const {
  for (const auto& context : contexts_)
    if (context->GetContextId() == id) return context.get();
  return nullptr;
}

BOOL IActionManager::ActivateActionTable(ActionCallback* callback, ActionTableId id) {
  ActionTable* table = FindTable(id);
  if (!table) return FALSE;
  table->SetCallback(callback);
  if (callback) callback->SetTable(table);
  return TRUE;
}

BOOL IActionManager::DeactivateActionTable(ActionCallback* callback, ActionTableId id) {
  ActionTable* table = FindTable(id);
  if (!table || table->GetCallback() != callback) return FALSE;
  table->SetCallback(nullptr);
  if (callback) callback->SetTable(nullptr);
  return TRUE;
}

BOOL IActionManager::ExecuteAction(ActionTableId tableId, int commandId) {
  ActionTable* table = FindTable(tableId);
  ActionItem* item = table ? table->GetActionById(commandId) : nullptr;
  host_internal::RecordAction({tableId, commandId, item != nullptr});
  // The item's own answer: a callback that refuses the command, or a vanished macro, is a failure.
  return item ? item->ExecuteAction() : FALSE;
}

void IActionManager::Clear() {
  tables_.clear();
  contexts_.clear();
}
